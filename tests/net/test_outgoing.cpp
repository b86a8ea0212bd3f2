#include "chat/say_nick.h"
#include "fakes.h"
#include "net/outgoing_actions.h"
#include "net/packets.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"

#include <QTest>

using namespace quorvelle;
using namespace quorvelle::net;
using namespace quorvelle::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Sender
{
    WireText text{"windows-1251"};
    Packets packets{text};
    presence::UsersRegistry registry;
    settings::SessionState state;
    FakeLink link;
    OutgoingActions actions{registry, state, link, packets, MachineInfo::system(), [] {
                                return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
                            }};
    Sender()
    {
        state.MyNick = u"Me"_s;
        state.MyStatus = presence::Status::DND;
    }
};

} // namespace

class TestOutgoing : public QObject
{
    Q_OBJECT

private slots:
    void packetForms_data();
    void packetForms();
    void actions_data();
    void actions();
    void nickChange_data();
    void nickChange();
    void subjectAndStatus();
    void sayNick_data();
    void sayNick();
};

void TestOutgoing::packetForms_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");
    // The forms whose field markers are not all alike.
    const WireText text("windows-1251");
    const Packets p(text);
    const QString a = u"A"_s;
    QTest::newRow("@") << p.JoinNet(a, presence::Status::Normal) << QByteArray("/@A/0");
    QTest::newRow("$") << p.LeaveNet(a) << QByteArray("/$A/");
    QTest::newRow("#") << p.ChatLine(a, u"#Main"_s, u"x/y"_s) << QByteArray("/#A//##Main/x/y");
    QTest::newRow("^") << p.SetSubject(u"N"_s, u"T"_s) << QByteArray("/^N/T (N) ");
    QTest::newRow("S") << p.TellSubject(a, u"C"_s, u"[01.02.2026 - 03:04:05]"_s, u"T (C) "_s)
                       << QByteArray("/SA//SC//S[01.02.2026 - 03:04:05]/T (C) ");
    QTest::newRow("&") << p.ChangeNick(a, u"Z"_s, presence::Status::Normal)
                       << QByteArray("/&A//&Z/0");
    QTest::newRow("M") << p.MessageReceived(a, u"B"_s, presence::Status::DND)
                       << QByteArray("/MA//MB/1");
    QTest::newRow("I from the list")
        << p.AskInfo(a, u"B"_s, 'i', u"N"_s, u"SMP"_s) << QByteArray("/IA//IB//iN/SMP");
    QTest::newRow("I from a window")
        << p.AskInfo(a, u"B"_s, 'I', u"12"_s, QString()) << QByteArray("/IA//IB//I12/");
    QTest::newRow("i") << p.TellInfo(a, u"B"_s, u"N"_s, u"SP"_s, u"1.0.0.0"_s, u"PC"_s, {}, {},
                                     u"bash"_s, u"t/t"_s)
                       << QByteArray("/iA//iB//iN//iSP//i1.0.0.0//iPC//i//i//ibash/t/t");
    QTest::newRow("h") << p.TellChannels(a, {u"#Main"_s, u"#Talks"_s})
                       << QByteArray("/hA//h#Main//h#Talks/");
    QTest::newRow("h empty") << p.TellChannels(a, {}) << QByteArray("/hA/");
    QTest::newRow("cyrillic in 1251") << p.ChatLine(u"Ваня"_s, u"#Main"_s, u"Привет €✓"_s)
                                      << QByteArray("/#\xc2\xe0\xed\xff//##Main/"
                                                    "\xcf\xf0\xe8\xe2\xe5\xf2 \x88?");
}

void TestOutgoing::packetForms()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built, expected);
}

void TestOutgoing::actions_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("refresh") << 0 << QStringList{u"*|/?Me/1"_s};
    QTest::newRow("announce #Main") << 1 << QStringList{u"*|/@Me/1"_s};
    QTest::newRow("announce channel") << 2 << QStringList{u"*|/1Me/#Talks"_s};
    QTest::newRow("announce private") << 3 << QStringList{u"Bob|/>Me/Bob"_s, u"Me|/>Me/Bob"_s};
    QTest::newRow("channel line") << 4 << QStringList{u"*|/#Me//##Talks/hi"_s};
    QTest::newRow("private line") << 5
                                  << QStringList{u"Bob|/#Me//#Bob/hi"_s, u"Me|/#Me//#Bob/hi"_s};
    QTest::newRow("empty line") << 6 << QStringList{};
    QTest::newRow("close private") << 7 << QStringList{u"Bob|/<Me/Bob"_s};
    QTest::newRow("close channel") << 8 << QStringList{u"*|/2Me/#Talks"_s};
    QTest::newRow("exit") << 9 << QStringList{u"X|/<Me/X"_s, u"*|/2Me/#Talks"_s, u"*|/$Me/"_s};
    QTest::newRow("beep") << 10 << QStringList{u"Bob|/BMe/Bob"_s};
    QTest::newRow("beep offline") << 11 << QStringList{};
    QTest::newRow("info") << 12 << QStringList{u"Bob|/IMe//IBob//iN/SP"_s};
    QTest::newRow("subject request") << 13 << QStringList{u"*|/sMe/"_s};
}

void TestOutgoing::actions()
{
    QFETCH(int, action);
    QFETCH(QStringList, sent);
    Sender s;
    s.state.switches.MemInfo = false;
    s.registry.AddUser(u"Bob"_s, u"0", 1);
    OutgoingActions& a = s.actions;
    switch (action) {
    case 0:
        a.RefreshUsersList();
        QCOMPARE(s.registry.count(), 0);
        break;
    case 1:
        a.AnnounceConversation(ConversationKind::Main, u"#Main"_s);
        break;
    case 2:
        a.AnnounceConversation(ConversationKind::Channel, u"#Talks"_s);
        break;
    case 3:
        a.AnnounceConversation(ConversationKind::Private, u"Bob"_s);
        break;
    case 4:
        a.SendChatLine(u"#Talks"_s, u"hi"_s);
        break;
    case 5:
        a.SendChatLine(u"Bob"_s, u"hi"_s);
        break;
    case 6:
        a.SendChatLine(u"Bob"_s, QString());
        break;
    case 7:
        a.LeaveConversation(u"Bob"_s);
        break;
    case 8:
        a.LeaveConversation(u"#Talks"_s);
        break;
    case 9:
        a.LeaveAll({u"#Main"_s, u"#Talks"_s, u"X"_s});
        break;
    case 10:
        QVERIFY(a.Beep(u"Bob"_s, u'2'));
        break;
    case 11:
        QVERIFY(!a.Beep(u"Bob"_s, u'3'));
        break;
    case 12:
        QVERIFY(a.RequestInfo(u"Bob"_s, u'0'));
        break;
    case 13:
        a.AskSubject();
        break;
    }
    QCOMPARE(s.link.texts(), sent);
}

void TestOutgoing::nickChange_data()
{
    QTest::addColumn<QString>("nick");
    QTest::addColumn<bool>("fromHistory");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("new nick") << u"Neo"_s << false << true;
    QTest::newRow("unchanged") << u"Me"_s << false << false;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("taken") << u"Bob"_s << false << false;
    QTest::newRow("taken in other case is free") << u"bob"_s << false << true;
    QTest::newRow("hash") << u"#x"_s << false << false;
    QTest::newRow("slash") << u"a/b"_s << false << false;
    QTest::newRow("slash from history") << u"a/b"_s << true << true;
    QTest::newRow("taken from history") << u"Bob"_s << true << false;
}

void TestOutgoing::nickChange()
{
    QFETCH(QString, nick);
    QFETCH(bool, fromHistory);
    QFETCH(bool, accepted);
    Sender s;
    s.registry.AddUser(u"Bob"_s, u"0", 1);
    const bool sent =
        fromHistory ? s.actions.ChangeNickFromHistory(nick) : s.actions.RequestNickChange(nick);
    QCOMPARE(sent, accepted);
    QCOMPARE(s.state.NickChangePending, accepted);
    QCOMPARE(s.state.MyNick, u"Me"_s); // changes only when the rename comes back
    QCOMPARE(s.link.texts(),
             accepted ? QStringList{u"*|/&Me//&"_s + nick + u"/1"_s} : QStringList{});
}

void TestOutgoing::subjectAndStatus()
{
    Sender s;
    QVERIFY(!s.actions.ChangeStatus(presence::Status::DND));
    QVERIFY(s.actions.ChangeStatus(presence::Status::Away));
    QCOMPARE(s.state.MyStatus, presence::Status::Away);
    s.state.SubjectText = u"same"_s;
    QVERIFY(!s.actions.SetSubject(u"same"_s));
    QVERIFY(s.actions.SetSubject(u"news"_s));
    QCOMPARE(s.state.SubjectAuthor, u"Me"_s);
    QCOMPARE(s.state.SubjectTime, u"[02.01.2026 - 03:04:05]"_s);
    QCOMPARE(s.state.SubjectText, u"news"_s);
    QCOMPARE(s.link.texts(), (QStringList{u"*|/_Me/2"_s, u"*|/^Me/news (Me) "_s}));
}

void TestOutgoing::sayNick_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaret");
    QTest::newRow("middle") << u"hello"_s << 3 << u"Bob: hello"_s << 8;
    QTest::newRow("empty") << QString() << 0 << u"Bob: "_s << 5;
    QTest::newRow("end") << u"hi"_s << 2 << u"Bob: hi"_s << 7;
}

void TestOutgoing::sayNick()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, result);
    QFETCH(int, newCaret);
    const chat::SayNickResult r = chat::SayNickEdit(text, caret, u"Bob"_s);
    QCOMPARE(r.text, result);
    QCOMPARE(r.caret, newCaret);
}

QTEST_GUILESS_MAIN(TestOutgoing)
#include "test_outgoing.moc"
