#include "shell/connection_window.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using quorvelle::shell::TConnFm;

namespace {

const QStringList Opening{QStringLiteral("127.0.0.1"), QStringLiteral("127.255.255.255")};
constexpr quint16 OpeningPort = 4711;

// Everything the owner sees of one window, in arrival order.
struct Owner
{
    QStringList events;
    QStringList list;
    int port = -1;
};

} // namespace

class TestConnectionWindow : public QObject
{
    Q_OBJECT

    QPointer<TConnFm> w;
    Owner owner;

    template <typename T> T* child(const char* name)
    {
        T* found = w->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* edit1() { return child<QLineEdit>("Edit1"); }
    QLineEdit* edit2() { return child<QLineEdit>("Edit2"); }
    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    QStringList entries()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    bool closed() const { return owner.events.contains(QLatin1String("applied")); }

private slots:
    void init()
    {
        owner = {};
        w = new TConnFm(Opening, OpeningPort);
        connect(w, &TConnFm::applied, this, [this](const QStringList& l, quint16 p) {
            owner.events << QStringLiteral("applied");
            owner.list = l;
            owner.port = p;
        });
        connect(w, &TConnFm::confirmed, this,
                [this] { owner.events << QStringLiteral("confirmed"); });
        connect(w, &QObject::destroyed, this,
                [this] { owner.events << QStringLiteral("destroyed"); });
        w->show();
    }
    void cleanup() { delete w.data(); }

    void frame()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Connection"));
        QVERIFY(w->isWindow() && !w->parentWidget());
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
        // The frame is unknown before the first showing: allow for it.
        QVERIFY2(offCentre.manhattanLength() <= 8, "not centred on the screen");
        QCOMPARE(edit1()->parentWidget(), child<QGroupBox>("GroupBox1"));
        QCOMPARE(edit1()->text(), QString());
        QCOMPARE(edit2()->text(), QStringLiteral("4711"));
        QCOMPARE(entries(), Opening);
    }

    void closeWith_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("port");
        QTest::addColumn<QStringList>("events");
        const QStringList edited{QStringLiteral("127.255.255.255"), QStringLiteral("10.0.0.255")};
        const QStringList unconfirmed{QStringLiteral("applied"), QStringLiteral("destroyed")};
        QTest::newRow("OK applies edits")
            << "click BitBtn3" << edited << 1234
            << QStringList{QStringLiteral("applied"), QStringLiteral("confirmed"),
                           QStringLiteral("destroyed")};
        QTest::newRow("Cancel") << "click BitBtn4" << Opening << 4711 << unconfirmed;
        QTest::newRow("close box") << "close box" << Opening << 4711 << unconfirmed;
        QTest::newRow("Esc in list") << "Esc ListBox1" << Opening << 4711 << unconfirmed;
        QTest::newRow("Esc on Add") << "Esc BitBtn1" << Opening << 4711 << unconfirmed;
    }
    void closeWith()
    {
        QFETCH(QString, how);
        QTest::keyClicks(edit1(), QStringLiteral("10.0.0.255"));
        QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
        list()->setCurrentRow(0);
        QTest::mouseClick(child<QPushButton>("BitBtn2"), Qt::LeftButton);
        edit2()->selectAll();
        QTest::keyClicks(edit2(), QStringLiteral("1234"));
        QCOMPARE(entries(),
                 (QStringList{QStringLiteral("127.255.255.255"), QStringLiteral("10.0.0.255")}));
        QVERIFY(owner.events.isEmpty());

        const QByteArray control = how.section(u' ', 1).toLatin1();
        if (how == QLatin1String("close box"))
            w->close();
        else if (how.startsWith(QLatin1String("click")))
            QTest::mouseClick(child<QPushButton>(control.constData()), Qt::LeftButton);
        else
            QTest::keyClick(child<QWidget>(control.constData()), Qt::Key_Escape);

        QTRY_VERIFY(w.isNull());
        QTEST(owner.events, "events");
        QTEST(owner.list, "list");
        QTEST(owner.port, "port");
    }

    void portField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("port");
        QTest::newRow("letters dropped") << "4x2 -0"
                                         << ""
                                         << ""
                                         << "420" << 420;
        QTest::newRow("only letters") << "abc"
                                      << ""
                                      << ""
                                      << "" << 8166;
        QTest::newRow("cleared") << ""
                                 << ""
                                 << ""
                                 << "" << 8166;
        QTest::newRow("zero stays zero") << "0"
                                         << ""
                                         << ""
                                         << "0" << 0;
        QTest::newRow("leading zeros") << "0080"
                                       << ""
                                       << ""
                                       << "0080" << 80;
        QTest::newRow("four digits at most") << "123456"
                                             << ""
                                             << ""
                                             << "1234" << 1234;
        QTest::newRow("paste keeps digits") << ""
                                            << "a1b2c3d4e5"
                                            << ""
                                            << "1234" << 1234;
        QTest::newRow("dropped text keeps digits") << "7"
                                                   << ""
                                                   << "p9"
                                                   << "79" << 79;
    }
    void portField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, inserted);
        QLineEdit* e = edit2();
        QTest::keyClick(e, Qt::Key_End);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QString());
        QTest::keyClicks(e, typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        }
        if (!inserted.isEmpty())
            e->insert(inserted);
        QTEST(e->text(), "shown");
        QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton);
        QVERIFY(closed());
        QTEST(owner.port, "port");
    }

    void escapeInField_data()
    {
        QTest::addColumn<bool>("inPort");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("after");
        QTest::newRow("address with text clears") << false << "10.0.0.1" << false << "";
        QTest::newRow("empty address closes") << false << "" << true << "";
        QTest::newRow("changed port restored") << true << "12" << false << "4711";
        QTest::newRow("emptied port restored") << true << "" << false << "4711";
        QTest::newRow("unchanged port closes") << true << "4711" << true << "4711";
    }
    void escapeInField()
    {
        QFETCH(bool, inPort);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        QLineEdit* e = inPort ? edit2() : edit1();
        e->setText(text);
        QTest::keyClick(e, Qt::Key_Escape);
        QCOMPARE(closed(), closes);
        QCOMPARE(owner.events.contains(QLatin1String("confirmed")), false);
        if (!closes) {
            QTEST(e->text(), "after");
            QCOMPARE(entries(), Opening);
            QVERIFY(w->isVisible());
        }
    }

    void addEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Add") << "10.0.0.255" << false
                             << (Opening + QStringList{QStringLiteral("10.0.0.255")});
        QTest::newRow("Enter") << "10.0.0.255" << true
                               << (Opening + QStringList{QStringLiteral("10.0.0.255")});
        QTest::newRow("kept unchanged")
            << " 1.2.x" << false << (Opening + QStringList{QStringLiteral(" 1.2.x")});
        QTest::newRow("cut at 15") << "255.255.255.2551" << true
                                   << (Opening + QStringList{QStringLiteral("255.255.255.255")});
        QTest::newRow("empty by Add") << "" << false << Opening;
        QTest::newRow("empty by Enter") << "" << true << Opening;
    }
    void addEntry()
    {
        QFETCH(QString, text);
        QFETCH(bool, byEnter);
        QTest::keyClicks(edit1(), text);
        if (byEnter)
            QTest::keyClick(edit1(), Qt::Key_Return);
        else
            QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
        QTEST(entries(), "expected");
        QCOMPARE(edit1()->text(), QString());
        QVERIFY(!closed());
    }

    void deleteEntry_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing selected") << -1 << false << Opening;
        QTest::newRow("current but not selected") << 0 << false << Opening;
        QTest::newRow("first") << 0 << true << QStringList{Opening[1]};
        QTest::newRow("last") << 1 << true << QStringList{Opening[0]};
    }
    void deleteEntry()
    {
        QFETCH(int, row);
        QFETCH(bool, select);
        list()->setCurrentRow(row, select ? QItemSelectionModel::ClearAndSelect
                                          : QItemSelectionModel::NoUpdate);
        QTest::mouseClick(child<QPushButton>("BitBtn2"), Qt::LeftButton);
        QTEST(entries(), "expected");
    }
};

QTEST_MAIN(TestConnectionWindow)
#include "test_connection_window.moc"
