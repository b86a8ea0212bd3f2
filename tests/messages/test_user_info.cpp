#include "messages/user_info.h"

#include <QTest>

using namespace quorvelle;
using namespace quorvelle::messages;
using namespace Qt::StringLiterals;

namespace {

// Runs one step on the windows and says what came of it:
//   "<window> <nick>"   a reply          -> "open 0", "update 0" or "drop"
//   "close <id>"                         -> ""
//   "rename <from> <to>"                 -> ""
//   "find <nick>"                        -> "<id>" or "none"
QString run(UserInfoWindows& windows, const QString& step)
{
    const QStringList w = step.split(u' ');
    if (w[0] == u"close") {
        windows.close(w[1].toInt());
        return {};
    }
    if (w[0] == u"rename") {
        windows.rename(w[1], w[2]);
        return {};
    }
    if (w[0] == u"find") {
        const auto id = windows.find(w[1]);
        return id ? QString::number(*id) : u"none"_s;
    }
    const InfoRoute r = windows.route(w[0], w[1]);
    switch (r.kind) {
    case InfoRoute::Opened:
        return u"open "_s + QString::number(r.id);
    case InfoRoute::Updated:
        return u"update "_s + QString::number(r.id);
    case InfoRoute::Dropped:
        break;
    }
    return u"drop"_s;
}

settings::Switches own(QStringView letters)
{
    settings::Switches s;
    s.SysInfo = letters.contains(u'S');
    s.MemInfo = letters.contains(u'M');
    s.ProgInfo = letters.contains(u'P');
    return s;
}

} // namespace

class TestUserInfo : public QObject
{
    Q_OBJECT

private slots:
    // Each step is "step -> what it gives".
    void routes_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("new windows take the lowest free id") << QStringList{
            u"N a -> open 0"_s, u"N b -> open 1"_s, u"N c -> open 2"_s, u"close 1 -> "_s,
            u"N d -> open 1"_s, u"close 0 -> "_s,   u"N e -> open 0"_s, u"N f -> open 3"_s};
        QTest::newRow("a refresh reply updates its own window")
            << QStringList{u"N a -> open 0"_s,   u"N b -> open 1"_s, u"1 b -> update 1"_s,
                           u"0 a -> update 0"_s, u"find a -> 0"_s,   u"find b -> 1"_s};
        QTest::newRow("reply for a closed window is dropped")
            << QStringList{u"N a -> open 0"_s, u"N b -> open 1"_s,  u"close 0 -> "_s,
                           u"0 a -> drop"_s,   u"find a -> none"_s, u"2 b -> drop"_s};
        QTest::newRow("one window per user")
            << QStringList{u"N a -> open 0"_s, u"N a -> update 0"_s, u"N A -> open 1"_s};
        QTest::newRow("late reply takes over the window holding its id")
            << QStringList{u"N a -> open 0"_s,   u"close 0 -> "_s, u"N b -> open 0"_s,
                           u"0 a -> update 0"_s, u"find a -> 0"_s, u"find b -> none"_s};
        QTest::newRow("a rename moves the window to the new nick") << QStringList{
            u"N a -> open 0"_s, u"N b -> open 1"_s, u"rename a z -> "_s, u"find a -> none"_s,
            u"find z -> 0"_s,   u"find b -> 1"_s,   u"N z -> update 0"_s};
        QTest::newRow("leading zeros still name the window")
            << QStringList{u"N a -> open 0"_s, u"N b -> open 1"_s, u"001 b -> update 1"_s};
    }
    void routes()
    {
        QFETCH(QStringList, steps);
        UserInfoWindows windows;
        for (const QString& step : steps) {
            const qsizetype arrow = step.indexOf(u" -> ");
            QCOMPARE(run(windows, step.left(arrow)), step.mid(arrow + 4));
        }
    }

    // With windows 0 and 1 open, none of these names a window: nothing opens,
    // nothing changes hands.
    void hostileIds_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* id : {"",           "n",          " N",
                               "N ",         "NN",         "N0",
                               "-1",         "-0",         "+1",
                               " 1",         "1 ",         "1 1",
                               "0x1",        "1.0",        "1e0",
                               "2",          "2147483647", "2147483648",
                               "4294967296", "4294967297", "99999999999999999999999999",
                               "abc",        "\xd9\xa1" /* Arabic-Indic one */})
            QTest::newRow(*id ? id : "empty") << QString::fromUtf8(id);
    }
    void hostileIds()
    {
        QFETCH(QString, window);
        UserInfoWindows windows;
        windows.route(u"N", u"a"_s);
        windows.route(u"N", u"b"_s);
        QCOMPARE(windows.route(window, u"x"_s), InfoRoute{});
        QCOMPARE(windows.count(), 2);
        QCOMPARE(windows.nick(0), u"a"_s);
        QCOMPARE(windows.nick(1), u"b"_s);
        QVERIFY(!windows.find(u"x"_s));
    }

    // memory: "load|total" as sent; shown: "enabled groups|User|Used|Total".
    void view_data()
    {
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<QString>("ownLetters");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all allowed")
            << u"SMP"_s << u"SMP"_s << u"37|2097152"_s << u"SMP|bob|37 %|2097152 Kb"_s;
        QTest::newRow("replier allows nothing") << u""_s << u"SMP"_s << u"|"_s << u"|||"_s;
        QTest::newRow("own switches off") << u"SMP"_s << u""_s << u"|"_s << u"|||"_s;
        QTest::newRow("both sides must allow") << u"SP"_s << u"MP"_s << u"|"_s << u"P|||"_s;
        QTest::newRow("letters in any order")
            << u"PMS"_s << u"SMP"_s << u"0|1"_s << u"SMP|bob|0 %|1 Kb"_s;
        QTest::newRow("lower case allows nothing") << u"smp"_s << u"SMP"_s << u"|"_s << u"|||"_s;
        QTest::newRow("memory load alone") << u"M"_s << u"SMP"_s << u"5|"_s << u"M||5 %|"_s;
    }
    void view()
    {
        QFETCH(QString, allowed);
        QFETCH(QString, ownLetters);
        QFETCH(QString, memory);
        const QStringList sent = memory.split(u'|');
        net::InfoReply reply{.nick = u"bob"_s,
                             .allowed = allowed,
                             .version = u"1.2.0.7"_s,
                             .computer = u"box"_s,
                             .memoryLoad = sent[0],
                             .memoryTotal = sent[1],
                             .process = u"No Process"_s,
                             .title = u"a/b//c/"_s};
        const UserInfoView v = ViewOf(reply, own(ownLetters));

        QString enabled;
        if (v.systemEnabled)
            enabled += u'S';
        if (v.memoryEnabled)
            enabled += u'M';
        if (v.programEnabled)
            enabled += u'P';
        QTEST(QStringList({enabled, v.user, v.memoryUsed, v.memoryTotal}).join(u'|'), "shown");
        // Shown as they came, whatever the groups.
        QCOMPARE(v.caption, u"bob Info"_s);
        QCOMPARE(v.usingLine, u"Using: Quorvelle  v.1.2.0.7"_s);
        QCOMPARE(v.computer, u"box"_s);
        QCOMPARE(v.process, u"No Process"_s);
        QCOMPARE(v.windowTitle, u"a/b//c/"_s);
    }
};

QTEST_GUILESS_MAIN(TestUserInfo)
#include "test_user_info.moc"
