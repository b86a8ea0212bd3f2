#include "platform/foreground_window.h"
#include "platform/memory_status.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#ifdef QUORVELLE_HAVE_XCB
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

using namespace quorvelle::platform;
using namespace Qt::Literals::StringLiterals;

#ifdef QUORVELLE_HAVE_XCB
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void Set(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type, quint8 format,
         QByteArrayView data)
{
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, type, format,
                        quint32(data.size() * 8 / format), data.data());
}

} // namespace
#endif

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void parseMeminfo_data();
    void parseMeminfo();
    void foregroundWithoutDisplay_data();
    void foregroundWithoutDisplay();
    void foregroundUnderX_data();
    void foregroundUnderX();
    void cleanupTestCase();

private:
    bool startXvfb();
    QProcess m_xvfb;
    QByteArray m_display;
};

void TestPlatform::parseMeminfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("load"); // -1: no answer
    QTest::addColumn<quint64>("totalKb");
    QTest::newRow("usual file, half rounds up")
        << "MemTotal:           1000 kB\nMemFree:             100 kB\n"
           "MemAvailable:         125 kB\nBuffers:              10 kB\n"_ba
        << 88 << quint64(1000);
    QTest::newRow("any order, no final newline")
        << "MemAvailable:\t16000000 kB\nMemTotal:\t64000000 kB"_ba << 75 << quint64(64000000);
    QTest::newRow("available above total")
        << "MemTotal: 100 kB\nMemAvailable: 120 kB\n"_ba << 0 << quint64(100);
    QTest::newRow("missing MemAvailable")
        << "MemTotal: 1000 kB\nMemFree: 500 kB\n"_ba << -1 << quint64(0);
    QTest::newRow("number is garbage")
        << "MemTotal: lots kB\nMemAvailable: 5 kB\n"_ba << -1 << quint64(0);
    QTest::newRow("zero total") << "MemTotal: 0 kB\nMemAvailable: 0 kB\n"_ba << -1 << quint64(0);
    QTest::newRow("binary") << QByteArray("\0\xff:\n::\x01MemTotal", 14) << -1 << quint64(0);
}

void TestPlatform::parseMeminfo()
{
    QFETCH(QByteArray, text);
    QFETCH(int, load);
    QFETCH(quint64, totalKb);
    const auto status = ParseMeminfo(text);
    QCOMPARE(status.has_value(), load >= 0);
    if (status) {
        QCOMPARE(status->loadPercent, load);
        QCOMPARE(status->totalKb, totalKb);
    }
}

void TestPlatform::foregroundWithoutDisplay_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::newRow("unset") << QByteArray();
    QTest::newRow("empty") << ""_ba;
    QTest::newRow("unparsable") << ":not-a-display"_ba;
}

void TestPlatform::foregroundWithoutDisplay()
{
    QFETCH(QByteArray, display);
    if (display.isNull())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    QVERIFY(!GetForegroundWindow());
}

bool TestPlatform::startXvfb()
{
    if (m_xvfb.state() == QProcess::Running)
        return !m_display.isEmpty();
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty())
        return false;
    // The server picks a free display itself and writes its number once it accepts clients.
    m_xvfb.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
    const QDeadlineTimer deadline(10000);
    while (!m_xvfb.canReadLine() && m_xvfb.state() != QProcess::NotRunning &&
           !deadline.hasExpired())
        m_xvfb.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
    const QByteArray number = m_xvfb.readLine().trimmed();
    if (!number.isEmpty())
        m_display = ':' + number;
    return !m_display.isEmpty();
}

void TestPlatform::foregroundUnderX_data()
{
    QTest::addColumn<QByteArray>("netWmName");
    QTest::addColumn<QByteArray>("wmName");
    QTest::addColumn<QString>("pidOn");   // "window", "frame" or none
    QTest::addColumn<QString>("focusOn"); // "window", "decoy" or none
    QTest::addColumn<bool>("activeSet");  // the root names the window as active
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("ownProcess"); // else "No Process"

    const QString window = u"window"_s;
    QTest::newRow("utf-8 title wins") << u"Заметки — черновик"_s.toUtf8() << "plain"_ba << window
                                      << window << false << u"Заметки — черновик"_s << true;
    QTest::newRow("latin-1 title, no pid")
        << QByteArray() << "Caf\xe9"_ba << QString() << window << false << u"Café"_s << false;
    QTest::newRow("pid on the frame")
        << QByteArray() << "framed"_ba << u"frame"_s << window << false << u"framed"_s << true;
    QTest::newRow("active window beats focus")
        << QByteArray() << "active"_ba << window << u"decoy"_s << true << u"active"_s << true;
    QTest::newRow("nothing focused")
        << QByteArray() << "unseen"_ba << window << QString() << false << QString() << false;
    QTest::newRow("long title cut whole")
        << ('a' + QString(2500, u'é').toUtf8()) << QByteArray() << QString() << window << false
        << (u'a' + QString(2047, u'é')) << false;
}

void TestPlatform::foregroundUnderX()
{
#ifndef QUORVELLE_HAVE_XCB
    QSKIP("built without xcb");
#else
    QFETCH(QByteArray, netWmName);
    QFETCH(QByteArray, wmName);
    QFETCH(QString, pidOn);
    QFETCH(QString, focusOn);
    QFETCH(bool, activeSet);
    QFETCH(QString, title);
    QFETCH(bool, ownProcess);
    if (!startXvfb())
        QSKIP("Xvfb is missing or did not start");

    // Closing the connection destroys its windows, so rows do not see each other's.
    xcb_connection_t* c = xcb_connect(m_display.constData(), nullptr);
    const auto disconnect = qScopeGuard([c] { xcb_disconnect(c); });
    QVERIFY(!xcb_connection_has_error(c));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const auto mapped = [&](xcb_window_t parent) {
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, parent, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(c, w);
        return w;
    };
    const xcb_window_t frame = mapped(screen->root);
    const xcb_window_t window = mapped(frame);
    const xcb_window_t decoy = mapped(screen->root);
    Set(c, decoy, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, "decoy");
    if (!netWmName.isNull())
        Set(c, window, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 8, netWmName);
    if (!wmName.isNull())
        Set(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, wmName);
    const quint32 pid = quint32(QCoreApplication::applicationPid());
    if (!pidOn.isEmpty())
        Set(c, pidOn == u"frame" ? frame : window, Atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32,
            QByteArrayView(reinterpret_cast<const char*>(&pid), 4));
    const xcb_window_t active = activeSet ? window : xcb_window_t(XCB_WINDOW_NONE);
    Set(c, screen->root, Atom(c, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 32,
        QByteArrayView(reinterpret_cast<const char*>(&active), 4));
    const xcb_window_t target = focusOn == u"window"  ? window
                                : focusOn == u"decoy" ? decoy
                                                      : xcb_window_t(XCB_INPUT_FOCUS_POINTER_ROOT);
    // A checked request waits for the server, so everything above has been done.
    xcb_generic_error_t* error = xcb_request_check(
        c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, target, XCB_CURRENT_TIME));
    const bool refused = error != nullptr;
    std::free(error);
    QVERIFY(!refused);

    qputenv("DISPLAY", m_display);
    const auto found = GetForegroundWindow();
    QVERIFY(found);
    QCOMPARE(found->title, title);
    // Read rather than derived from the file name, so the test also runs under valgrind.
    QFile comm(u"/proc/self/comm"_s);
    QVERIFY(comm.open(QIODevice::ReadOnly));
    const QString self = QString::fromUtf8(comm.readAll().trimmed());
    QCOMPARE(found->process, ownProcess ? self : u"No Process"_s);
#endif
}

void TestPlatform::cleanupTestCase()
{
    if (m_xvfb.state() == QProcess::NotRunning)
        return;
    m_xvfb.terminate();
    if (!m_xvfb.waitForFinished(5000)) {
        m_xvfb.kill();
        m_xvfb.waitForFinished(5000);
    }
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
