#include "shell/connection_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using quorvelle::shell::TConnFm;
using namespace Qt::StringLiterals;

namespace {

const QStringList Opening{u"127.0.0.1"_s, u"127.255.255.255"_s};

} // namespace

class TestConnectionWindow : public QObject
{
    Q_OBJECT

    QPointer<TConnFm> w;
    QStringList events; // what the owner sees, in order
    QStringList applied;
    int port = -1;

    template <typename T = QPushButton> T* child(const char* name)
    {
        T* found = w->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QLineEdit* edit1() { return child<QLineEdit>("Edit1"); }
    QLineEdit* edit2() { return child<QLineEdit>("Edit2"); }
    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    QStringList entries()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }

private slots:
    void init()
    {
        events.clear();
        port = -1;
        w = new TConnFm(Opening, 4711);
        connect(w, &TConnFm::applied, this, [this](const QStringList& list, quint16 p) {
            events << u"applied"_s;
            applied = list;
            port = p;
        });
        connect(w, &TConnFm::confirmed, this, [this] { events << u"confirmed"_s; });
        connect(w, &TConnFm::everyInterfaceChosen, this,
                [this](bool on) { events << u"every interface %1"_s.arg(on); });
        connect(w, &QObject::destroyed, this, [this] { events << u"destroyed"_s; });
        w->show();
    }

    void cleanup() { delete w.data(); }

    void codepageChosenWithOk()
    {
        delete w.data();
        w = new TConnFm(Opening, 4711, "windows-1251");
        QByteArray chosen;
        connect(w, &TConnFm::codepageChosen, this, [&](const QByteArray& c) { chosen = c; });
        auto* box = w->findChild<QComboBox*>(u"CodepageBox"_s);
        QCOMPARE(box->currentText(), u"windows-1251"_s);
        QCOMPARE(box->itemText(0), u"windows-1251"_s); // the net's usual pages first
        box->setCurrentText(u"KOI8-R"_s);
        click("BitBtn3");
        QCOMPARE(chosen, QByteArray("KOI8-R"));
    }

    void centredOnScreen()
    {
        const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
        // The frame is unknown before the first showing: allow for it.
        QVERIFY(offCentre.manhattanLength() <= 8);
    }

    // After edits of both fields, only OK hands them over; every other way out hands
    // back the opening values.
    void closeWith_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << u"BitBtn3"_s << true;
        QTest::newRow("Cancel") << u"BitBtn4"_s << false;
        QTest::newRow("close box") << QString() << false;
        QTest::newRow("Esc in list") << u"ListBox1"_s << false;
    }

    void closeWith()
    {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        QTest::keyClicks(edit1(), u" 1.2.x"_s); // kept as typed
        click("BitBtn1");
        QTest::keyClicks(edit1(), u"127.0.0.9"_s);
        QTest::keyClick(edit1(), Qt::Key_Return);
        QTest::keyClick(edit1(), Qt::Key_Return); // an empty field adds nothing
        QCOMPARE(edit1()->text(), QString());
        // Delete takes the selected entry, not one that only holds the focus frame.
        list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        click("BitBtn2");
        QCOMPARE(list()->count(), 4);
        list()->setCurrentRow(0);
        click("BitBtn2");
        edit2()->selectAll();
        QTest::keyClicks(edit2(), u"1234"_s);
        auto* everyInterface = child<QCheckBox>("EveryInterfaceBox");
        QVERIFY(everyInterface->isChecked());
        everyInterface->setFocus();
        QTest::keyClick(everyInterface, Qt::Key_Space);
        const QStringList edited{Opening[1], u" 1.2.x"_s, u"127.0.0.9"_s};
        QCOMPARE(entries(), edited);
        QVERIFY(events.isEmpty());

        if (how.isEmpty())
            w->close();
        else if (how == u"ListBox1")
            QTest::keyClick(list(), Qt::Key_Escape);
        else
            click(how.toLatin1().constData());

        QTRY_VERIFY(w.isNull());
        const QStringList closing = {u"applied"_s, u"confirmed"_s, u"every interface 0"_s,
                                     u"destroyed"_s};
        QCOMPARE(events, ok ? closing : (QStringList{closing[0], closing[3]}));
        QCOMPARE(applied, ok ? edited : Opening);
        QCOMPARE(port, ok ? 1234 : 4711);
    }

    void portField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("how"); // 0 typed, 1 pasted, 2 arriving otherwise (drag and drop)
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("port");
        QTest::newRow("typed letters dropped") << u"4x2 -0"_s << 0 << u"420"_s << 420;
        QTest::newRow("emptied means the default") << QString() << 0 << QString() << 8166;
        QTest::newRow("zero stays zero") << u"0"_s << 0 << u"0"_s << 0;
        QTest::newRow("pasted: digits kept, then cut") << u"a1b2c3d4e5"_s << 1 << u"1234"_s << 1234;
        QTest::newRow("dropped: digits kept") << u"p9"_s << 2 << u"9"_s << 9;
    }

    void portField()
    {
        QFETCH(QString, text);
        QFETCH(int, how);
        QLineEdit* e = edit2();
        QTest::keyClick(e, Qt::Key_End);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(e, Qt::Key_Backspace);
        if (how == 0)
            QTest::keyClicks(e, text);
        if (how == 1) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        }
        if (how == 2)
            e->insert(text);
        QTEST(e->text(), "shown");
        click("BitBtn3");
        QTEST(port, "port");
    }

    void escapeInField_data()
    {
        QTest::addColumn<bool>("inPort");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("after");
        QTest::newRow("address with text clears") << false << u"127.0.0.9"_s << false << u""_s;
        QTest::newRow("empty address closes") << false << u""_s << true << u""_s;
        QTest::newRow("changed port restored") << true << u"12"_s << false << u"4711"_s;
        QTest::newRow("unchanged port closes") << true << u"4711"_s << true << u"4711"_s;
    }

    void escapeInField()
    {
        QFETCH(bool, inPort);
        QFETCH(QString, text);
        QLineEdit* e = inPort ? edit2() : edit1();
        e->setText(text);
        QTest::keyClick(e, Qt::Key_Escape);
        QTEST(events.contains(u"applied"_s), "closes");
        QTEST(e->text(), "after");
    }
};

QTEST_MAIN(TestConnectionWindow)
#include "test_connection_window.moc"
