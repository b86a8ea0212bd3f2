#include "fakes.h"
#include "net/codec.h"
#include "net/dispatcher.h"
#include "net/outgoing_actions.h"
#include "net/packets.h"
#include "net/refresh_recheck.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"
#include "settings/switches.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::net;
using namespace quorvelle::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

const quint32 BobAddress = 0x0A00000B;
const QDateTime Now(QDate(2026, 12, 6), QTime(17, 30, 5));

struct Peer
{
    WireText text{"windows-1251"};
    Packets packets{text};
    presence::UsersRegistry registry;
    settings::SessionState state;
    FakeLink link;
    FakeSurface surface;
    DatagramSeq seq{100};
    std::optional<platform::ForegroundWindow> foreground =
        platform::ForegroundWindow{u"a/b"_s, u"ed"_s};
    OutgoingActions actions{registry, state, link, packets,
                            MachineInfo{[] { return u"HOST"_s; },
                                        [] {
                                            return platform::MemoryStatus{42, 1024};
                                        },
                                        [this] { return foreground; },
                                        [] { return u"1.2.3.4"_s; }}};
    Sinks sinks = surface.sinks();
    QDateTime now = Now;
    Dispatcher dispatcher{registry, state,   link,  packets,
                          text,     actions, sinks, [this] { return now; }};

    Peer()
    {
        state.MyNick = u"Me"_s;
        state.SubjectText = u"old"_s;
        state.SubjectAuthor = u"Carl"_s;
        state.SubjectTime = u"[05.12.2026 - 10:00:00]"_s;
    }
    void receive(const QByteArray& packet, quint32 source = BobAddress)
    {
        dispatcher.DispatchDatagram(FrameDatagram(packet, seq), source);
    }
    void know(const QString& nick, const QString& status = u"0"_s)
    {
        registry.AddUser(nick, status, nick == state.MyNick ? 0x7F000001 : BobAddress);
    }
    QStringList lineTexts() const
    {
        QStringList out;
        for (const ChatLine& l : surface.lines)
            out.append(u"%1|%2|%3|%4"_s.arg(l.conversation, l.nick, l.text).arg(int(l.colour)));
        return out;
    }
};

} // namespace

class TestDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void switches();
    void admissionDuplicatesAndExit();
    void aRefreshAsksAgainWhoDidNotAnswer();
    void subjectTakeOver_data();
    void subjectTakeOver();
    void renames_data();
    void renames();
    void requestsAndReplies();
    void hostileDatagramsAreHarmless();
};

void TestDispatcher::commands_data()
{
    QTest::addColumn<QByteArrayList>("packets"); // Bob, Carl and Me are known
    QTest::addColumn<QStringList>("lines");      // conversation|nick|text|colour
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<QStringList>("sent"); // nick|packet, * for broadcast
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QList<int> silent;
    QTest::newRow("@ joins and $ leaves the net")
        << QByteArrayList{"/@Bob/0", "/$Bob/"}
        << QStringList{u"#Main|Bob|Bob joins the net|2"_s, u"#Main|Bob|Bob leaves the net|2"_s}
        << QList<int>{0, 1} << none << none;
    QTest::newRow("? is answered")
        << QByteArrayList{"/?Bob/0"} << none << silent << QStringList{u"Bob|/!Me/0"_s} << none;
    QTest::newRow("1 and 2 for an open channel")
        << QByteArrayList{"/1Bob/#Talks", "/2Bob/#Talks"}
        << QStringList{u"#Talks|Bob|Bob joins the channel|2"_s,
                       u"#Talks|Bob|Bob leaves the channel|2"_s}
        << QList<int>{2, 3} << none << none;
    QTest::newRow("> and < for an open chat")
        << QByteArrayList{"/>Bob/Me", "/<Bob/Me"}
        << QStringList{u"Me|Bob|Bob joins the chat|2"_s, u"Me|Bob|Bob leaves the chat|2"_s}
        << QList<int>{4, 5} << none << none;
    QTest::newRow("# from another user with slashes, and own")
        << QByteArrayList{"/#Bob//##Main/a/b//c", "/#Me//##Main/hi"}
        << QStringList{u"#Main|Bob|a/b//c|11"_s, u"#Main|Me|hi|12"_s} << silent << none << none;
    QTest::newRow("% message to me, * mass message")
        << QByteArrayList{"/%Bob//%Me/hello/you", "/*Bob/to all"} << none << silent << none
        << QStringList{u"<- Bob|hello/you"_s, u"<= Bob|to all"_s};
    QTest::newRow("M confirmation, also with a bad status")
        << QByteArrayList{"/MBob//MMe/1", "/MBob//MMe/9"}
        << QStringList{u"#Main||Bob received the message in DND mode|7"_s,
                       u"#Main||Bob received the message in  mode|7"_s}
        << QList<int>{11, 11} << none << none;
    QTest::newRow("B is confirmed, b is shown")
        << QByteArrayList{"/BBob/Me", "/bBob/Me"}
        << QStringList{u"#Main||Bob sends an alert beep|8"_s,
                       u"#Main||Bob received an alert beep|9"_s}
        << QList<int>{12} << QStringList{u"Bob|/bMe/Bob"_s} << none;
    QTest::newRow("_ status change")
        << QByteArrayList{"/_Bob/2"} << QStringList{u"#Main||Bob enters in Away mode|4"_s}
        << QList<int>{7} << none << none;
    QTest::newRow("s is answered")
        << QByteArrayList{"/sBob/"} << none << silent
        << QStringList{u"Bob|/SMe//SCarl//S[05.12.2026 - 10:00:00]/old"_s} << none;
    QTest::newRow("H lists channel tabs") << QByteArrayList{"/HBob/"} << none << silent
                                          << QStringList{u"Bob|/hMe//h#Main//h#Talks/"_s} << none;
    // An empty nick, a closed channel, no chat tab, someone else's, own, unknown.
    QTest::newRow("ignored") << QByteArrayList{"/?/0",        "/1Bob/#Shut",    "/<Carl/Me",
                                               "/<Bob/Carl",  "/%Bob//%Carl/x", "/BBob/Carl",
                                               "/*Me/to all", "/sMe/",          "/zBob/x"}
                             << none << silent << none << none;
}

void TestDispatcher::commands()
{
    QFETCH(QByteArrayList, packets);
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, sounds);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, messages);

    Peer peer;
    for (const QString& nick : {u"Bob"_s, u"Carl"_s, u"Me"_s})
        peer.know(nick);
    peer.surface.conversations << u"#Talks"_s << u"Bob"_s;
    for (const QByteArray& packet : packets)
        peer.receive(packet);
    QCOMPARE(peer.lineTexts(), lines);
    QCOMPARE(peer.surface.sounds, sounds);
    QCOMPARE(peer.link.texts(), sent);
    QCOMPARE(peer.surface.messages, messages);
}

void TestDispatcher::switches()
{
    // Off, they hide the lines but not the sounds, answers and state.
    Peer peer;
    for (const settings::SwitchDef& s : settings::SwitchTable())
        peer.state.switches.*s.field = false;
    peer.surface.conversations << u"#Talks"_s;
    for (const char* packet :
         {"/@Bob/0", "/1Bob/#Talks", "/BBob/Me", "/_Bob/1", "/^Bob/topic", "/$Bob/"})
        peer.receive(packet);
    QVERIFY(peer.surface.lines.isEmpty());
    QCOMPARE(peer.surface.sounds, (QList<int>{0, 2, 12, 7, 8, 1}));
    QCOMPARE(peer.link.texts(), QStringList{u"Bob|/bMe/Bob"_s});
    QCOMPARE(peer.state.SubjectText, u"topic"_s);
    QCOMPARE(peer.registry.FindUser(u"Bob"_s), -1);

    // Each stamp follows its own switch; only a user's line raises the new-line events.
    peer.state.switches = {};
    peer.state.switches.UsersStrings = false;
    peer.state.switches.HintTray = false;
    peer.receive("/@Bob/0");
    peer.receive("/#Bob//#Me/private");
    QCOMPARE(peer.surface.lines.size(), 2);
    const ChatLine &system = peer.surface.lines[0], &user = peer.surface.lines[1];
    QVERIFY(!system.withNick && system.withTime && !system.notify && !system.hint);
    QVERIFY(user.withNick && !user.withTime && user.notify && !user.hint);
}

void TestDispatcher::admissionDuplicatesAndExit()
{
    Peer peer;
    // Lines from a stranger wait while its address is asked who it is (once).
    peer.receive("/#Bob//##Main/hi");
    peer.receive("/#Bob//##Main/there");
    QVERIFY(peer.surface.lines.isEmpty());
    QCOMPARE(peer.registry.count(), 0);
    QCOMPARE(peer.link.texts(), QStringList{u"@a00000b|/?Me/0"_s});

    // "!" admits with the source address, and what waited is shown, in order, once;
    // "@" from a known nick refreshes the address.
    peer.receive("/!Bob/2", 0x0A000001);
    QCOMPARE(peer.registry.address(peer.registry.FindUser(u"Bob"_s)), quint32(0x0A000001));
    QCOMPARE(peer.lineTexts(), (QStringList{u"#Main|Bob|hi|11"_s, u"#Main|Bob|there|11"_s}));
    peer.receive("/@Bob/0", 0x0A000002);
    QCOMPARE(peer.registry.address(peer.registry.FindUser(u"Bob"_s)), quint32(0x0A000002));
    QCOMPARE(peer.registry.status(peer.registry.FindUser(u"Bob"_s)), u'2');

    // The copies of one sending (one datagram through two table addresses) count
    // once; a second sending of the same text is shown again.
    peer.surface.lines.clear();
    const QByteArray datagram = FrameDatagram("/#Bob//##Main/hi", peer.seq);
    peer.dispatcher.DispatchDatagram(datagram, BobAddress);
    peer.dispatcher.DispatchDatagram(datagram, BobAddress);
    QCOMPARE(peer.surface.lines.size(), 1);
    peer.receive("/#Bob//##Main/hi");
    QCOMPARE(peer.surface.lines.size(), 2);

    // After "$" the nick is a stranger again: asked once per 2 s however much it
    // sends, and what it sent is gone after 5 s without an answer.
    peer.receive("/$Bob/");
    peer.surface.lines.clear();
    peer.link.sent.clear();
    peer.now = Now.addSecs(3);
    for (int i = 0; i < 10; ++i)
        peer.receive("/#Bob//##Main/again " + QByteArray::number(i));
    peer.now = Now.addMSecs(5500);
    peer.receive("/#Bob//##Main/later");
    QCOMPARE(peer.link.sent.size(), 2);
    peer.now = Now.addSecs(9);
    peer.receive("/@Bob/0");
    QCOMPARE(peer.lineTexts(),
             (QStringList{u"#Main|Bob|Bob joins the net|2"_s, u"#Main|Bob|later|11"_s}));
    // A sender gets only so much room while it is not listed.
    peer.receive("/$Bob/");
    peer.surface.lines.clear();
    for (int i = 0; i < HeldDatagrams::PerSender + 6; ++i)
        peer.receive("/#Bob//##Main/" + QByteArray::number(i));
    peer.receive("/@Bob/0");
    QCOMPARE(peer.surface.lines.size(), 1 + HeldDatagrams::PerSender);
    peer.receive("/$Bob/");
    peer.surface.lines.clear();

    // While exiting nobody is admitted or answered.
    peer.link.sent.clear();
    peer.dispatcher.setExiting(true);
    peer.receive("/@Bob/0");
    peer.receive("/?Bob/0");
    QCOMPARE(peer.registry.count(), 0);
    QVERIFY(peer.surface.lines.isEmpty() && peer.link.sent.isEmpty());
}

// After a refresh the peers listed before it that have not answered are asked
// again at their own addresses, paced; those that answered and the user are not.
// Drops reported while the answers come in ask the net again, once the burst is
// over, a few times at most.
void TestDispatcher::aRefreshAsksAgainWhoDidNotAnswer()
{
    presence::UsersRegistry registry;
    QList<quint32> asked;
    int netAsks = 0;
    std::optional<quint64> drops = 7;
    RefreshRecheck recheck(registry,
                           {[&](quint32 address) { asked.append(address); }, [&] { ++netAsks; },
                            [&] { return drops; }, [] { return u"Me"_s; }},
                           {50, 1, 10, 10, 400, 2});
    registry.AddUser(u"Me"_s, u"0", 0x7F000001);
    for (const auto& [nick, address] :
         {std::pair{u"Bob"_s, 0x0A00000Bu}, {u"Carl"_s, 0x0A00000Cu}, {u"Dan"_s, 0x0A00000Du}})
        registry.AddUser(nick, u"0", address);
    registry.ClearUsers();
    registry.AddUser(u"Bob"_s, u"0", 0x0A00000B); // answered the broadcast
    QTRY_COMPARE(asked.size(), 2);
    std::sort(asked.begin(), asked.end());
    QCOMPARE(asked, (QList<quint32>{0x0A00000C, 0x0A00000D}));
    QCOMPARE(netAsks, 0); // nothing dropped
    *drops += 3;
    QTRY_COMPARE(netAsks, 1);
    *drops += 1;
    QTRY_COMPARE(netAsks, 2);
    *drops += 1;
    QTest::qWait(60);
    QCOMPARE(asked.size(), 2); // each once
    QCOMPARE(netAsks, 2);      // the cap

    // Where the system does not tell, nothing more is asked.
    drops.reset();
    registry.ClearUsers();
    QTest::qWait(60);
    QCOMPARE(netAsks, 2);
}

void TestDispatcher::subjectTakeOver_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<QString>("subject"); // text|author|time afterwards
    const QString kept = u"old|Carl|[05.12.2026 - 10:00:00]"_s;
    QTest::newRow("^ takes the receiver's clock")
        << QByteArray("/^Bob/news (Bob) ") << u"news (Bob) |Bob|[06.12.2026 - 17:30:05]"_s;
    QTest::newRow("S one second later")
        << QByteArray("/SBob//SDan//S[05.12.2026 - 10:00:01]/new/er")
        << u"new/er|Dan|[05.12.2026 - 10:00:01]"_s;
    QTest::newRow("S at the same time")
        << QByteArray("/SBob//SDan//S[05.12.2026 - 10:00:00]/x") << kept;
    QTest::newRow("S older by date though later by day number")
        << QByteArray("/SBob//SDan//S[30.11.2026 - 23:00:00]/x") << kept;
    QTest::newRow("S next year though earlier by day")
        << QByteArray("/SBob//SDan//S[01.01.2027 - 00:00:00]/y")
        << u"y|Dan|[01.01.2027 - 00:00:00]"_s;
}

void TestDispatcher::subjectTakeOver()
{
    QFETCH(QByteArray, packet);
    QFETCH(QString, subject);
    Peer peer;
    peer.know(u"Bob"_s);
    peer.receive(packet);
    const settings::SessionState& s = peer.state;
    QCOMPARE(QStringList({s.SubjectText, s.SubjectAuthor, s.SubjectTime}).join(u'|'), subject);
    QCOMPARE(peer.surface.subjectChanges, subject.startsWith(u"old|"_s) ? 0 : 1);
    if (packet.startsWith("/^"))
        QCOMPARE(peer.lineTexts(), QStringList{u"#Main||Subject by Bob: \"news (Bob) \"|5"_s});
    else
        QVERIFY(peer.surface.lines.isEmpty());
}

void TestDispatcher::renames_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QString>("myNick");
    QTest::addColumn<QString>("history"); // before: "a b c d e f g h i j"
    QTest::newRow("own rename with a pending change")
        << QByteArray("/&Me//&Neo/0") << true << u"Neo"_s << u"Neo a b c d e f g h i"_s;
    QTest::newRow("own nick renamed by another copy")
        << QByteArray("/&Me//&Neo/0") << false << u"Me"_s << u"a b c d e f g h i j"_s;
    QTest::newRow("history already holds the nick, in other case")
        << QByteArray("/&Me//&B/0") << true << u"B"_s << u"a b c d e f g h i j"_s;
}

void TestDispatcher::renames()
{
    QFETCH(QByteArray, packet);
    QFETCH(bool, pending);
    QFETCH(QString, myNick);
    QFETCH(QString, history);
    Peer peer;
    peer.know(u"Me"_s);
    peer.state.NickChangePending = pending;
    peer.state.nickHistory = u"a b c d e f g h i j"_s.split(u' ');
    peer.receive(packet);
    QCOMPARE(peer.state.MyNick, myNick);
    QCOMPARE(peer.state.nickHistory.join(u' '), history);
    QCOMPARE(peer.state.NickChangePending, false);
    const QString newNick = QString::fromLatin1(packet.mid(7, packet.indexOf('/', 7) - 7));
    QVERIFY(peer.registry.FindUser(newNick) >= 0);
    QCOMPARE(peer.registry.FindUser(u"Me"_s), -1);
    QCOMPARE(peer.lineTexts(), QStringList{u"#Main||Me has renamed in "_s + newNick + u"|3"_s});

    // A peer's rename carries its private chat, status and address along.
    peer.know(u"Bob"_s);
    peer.receive("/&Bob//&Rob/1");
    QCOMPARE(peer.surface.renames, (QStringList{u"Me->"_s + newNick, u"Bob->Rob"_s}));
    const int rob = peer.registry.FindUser(u"Rob"_s);
    QCOMPARE(peer.registry.status(rob), u'1');
    QCOMPARE(peer.registry.address(rob), BobAddress);
}

void TestDispatcher::requestsAndReplies()
{
    Peer peer;
    peer.know(u"Bob"_s);
    peer.state.switches.SysInfo = false;
    peer.receive("/IBob//IMe//iN/SMP");
    QCOMPARE(peer.link.texts(),
             QStringList{u"Bob|/iMe//iBob//iN//iMP//i1.2.3.4//i//i42//i1024//ied/a/b"_s});
    // Where no foreground window can be found, the process still says so.
    peer.foreground.reset();
    peer.link.sent.clear();
    peer.receive("/IBob//IMe//iN/P");
    QCOMPARE(peer.link.texts(),
             QStringList{u"Bob|/iMe//iBob//iN//iMP//i1.2.3.4//i//i//i//iNo Process/"_s});

    peer.receive("/iBob//iMe//i7//iSMP//i9.9.9.9//iPC//i50//i2048//ibash/t/i/tle");
    QCOMPARE(peer.surface.infoWindows, QStringList{u"7"_s});
    const InfoReply& r = peer.surface.info.at(0);
    QCOMPARE((QStringList{r.nick, r.allowed, r.version, r.computer, r.memoryLoad, r.memoryTotal,
                          r.process, r.title}),
             u"Bob SMP 9.9.9.9 PC 50 2048 bash t/i/tle"_s.split(u' '));

    // Requests and replies for somebody else are not ours.
    peer.link.sent.clear();
    peer.receive("/IBob//ICarl//iN/SMP");
    peer.receive("/iBob//iCarl//iN//iSMP//i1//i//i//i//i/");
    QVERIFY(peer.link.sent.isEmpty());
    QCOMPARE(peer.surface.info.size(), 1);

    // A channel list is taken only while the channels window is open.
    peer.receive("/hBob//h#Main//h#Talks/");
    QVERIFY(peer.surface.createdChannels.isEmpty());
    peer.surface.channelsOpen = true;
    peer.receive("/hBob//h#Main//h#Talks//h#Main//h/");
    QCOMPARE(peer.surface.createdChannels, (QStringList{u"#Main"_s, u"#Talks"_s}));
}

// Garbage, truncated fields, mutated packets and oversized datagrams: nothing
// crashes, and nothing but the registry grows.
void TestDispatcher::hostileDatagramsAreHarmless()
{
    Peer peer;
    peer.surface.conversations << u"#Talks"_s << u"Bob"_s;
    peer.surface.channelsOpen = true;
    peer.know(u"Bob"_s);
    const QByteArrayList seeds =
        QByteArray("/@Bob/0 /#Bob//##Talks/x /&Bob//&/ /iBob//iMe//iN/ /IBob//IMe/ /SBob//S "
                   "/hBob//h /_Bob/ /<Bob/Me /MBob//MMe />Bob/ /?/ / // /&Me//& /^Bob/")
            .split(' ');
    QRandomGenerator rng(7);
    for (int round = 0; round < 20000; ++round) {
        QByteArray packet = seeds[rng.bounded(int(seeds.size()))];
        const int mutations = rng.bounded(4);
        for (int m = 0; m < mutations; ++m) {
            const int what = rng.bounded(3);
            const int at = rng.bounded(int(packet.size()) + 1);
            if (what == 0)
                packet.insert(at, char(rng.bounded(256)));
            else if (what == 1 && at < packet.size())
                packet.remove(at, 1);
            else
                packet.insert(at, '/');
        }
        if (round % 500 == 0)
            packet += QByteArray(9000, 'z'); // longer than any datagram
        peer.receive(packet, rng.generate());
    }
    QVERIFY(peer.surface.createdChannels.size() < 20000);
    QVERIFY(peer.registry.count() > 0);
}

QTEST_GUILESS_MAIN(TestDispatcher)
#include "test_dispatcher.moc"
