#include "chat/edit_menus.h"
#include "platform/keyboard_layout.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace quorvelle::platform;
using quorvelle::chat::KlcConvert;
using namespace Qt::Literals::StringLiterals;

static int ActiveLayout()
{
    const std::optional<KeyboardLayouts> layouts = CurrentKeyboardLayouts();
    return layouts ? layouts->active : -2;
}

class TestKeyboardLayout : public QObject
{
    Q_OBJECT

private slots:
    void nothingWithoutX();
    void switchesUnderX();
};

void TestKeyboardLayout::nothingWithoutX()
{
#ifdef Q_OS_WIN
    QSKIP("Windows reports its layouts whatever the platform plugin");
#endif
    if (QGuiApplication::platformName() == u"xcb")
        QSKIP("runs without X only");
    QVERIFY(!CurrentKeyboardLayouts());
    QVERIFY(!LockKeyboardGroup(1));
    QVERIFY(!KlcAvailable());
    QCOMPARE(KlcConvert(u"ghbdtn"_s), u"ghbdtn"_s);
}

void TestKeyboardLayout::switchesUnderX()
{
    const QString setxkbmap = QStandardPaths::findExecutable(u"setxkbmap"_s);
    if (QGuiApplication::platformName() != u"xcb" || setxkbmap.isEmpty())
        QSKIP("needs Xvfb and setxkbmap");
    QCOMPARE(QProcess::execute(setxkbmap, {u"-layout"_s, u"us,ru"_s}), 0);
    QVERIFY(KlcAvailable());
    QCOMPARE(CurrentKeyboardLayouts().value_or(KeyboardLayouts()).names,
             QStringList({u"us"_s, u"ru"_s}));
    QCOMPARE(ActiveLayout(), 0);

    QCOMPARE(KlcConvert(u"Ghbdtn? vbh"_s), u"Привет, мир"_s);
    QCOMPARE(ActiveLayout(), 1);
    QCOMPARE(KlcConvert(u"Привет, мир"_s), u"Ghbdtn? vbh"_s);
    QCOMPARE(ActiveLayout(), 0);
    QCOMPARE(KlcConvert(QString()), QString()); // and no switch
    QCOMPARE(ActiveLayout(), 0);

    QVERIFY(LockKeyboardGroup(1));
    QCOMPARE(ActiveLayout(), 1);
    QVERIFY(!LockKeyboardGroup(-1));

    QCOMPARE(QProcess::execute(setxkbmap, {u"-layout"_s, u"us"_s}), 0);
    QVERIFY(!KlcAvailable());
    QCOMPARE(KlcConvert(u"ghbdtn"_s), u"привет"_s); // converts, with nothing to switch to
    QCOMPARE(ActiveLayout(), 0);
}

int main(int argc, char** argv)
{
    // The application must connect to the server it tests, so the server comes first;
    // -noreset keeps the layouts when setxkbmap disconnects.
    QProcess xvfb;
    const QString program = QStandardPaths::findExecutable(u"Xvfb"_s);
    QByteArray display;
    if (!program.isEmpty()) {
        xvfb.start(program, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
        const QDeadlineTimer deadline(10000);
        while (!xvfb.canReadLine() && xvfb.waitForReadyRead(int(deadline.remainingTime())))
            ;
        display = xvfb.readLine().trimmed();
    }
    if (!display.isEmpty()) {
        qputenv("DISPLAY", ':' + display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    int result;
    {
        QGuiApplication app(argc, argv);
        TestKeyboardLayout test;
        result = QTest::qExec(&test, argc, argv);
    }
    xvfb.kill();
    xvfb.waitForFinished();
    return result;
}

#include "test_keyboard_layout.moc"
