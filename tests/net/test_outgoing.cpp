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
    void packetForms();
    void actions();
    void nickChange_data();
    void nickChange();
    void subjectAndStatus();
    void sayNick();
};

// The forms no action below sends, and text that needs the code page.
void TestOutgoing::packetForms()
{
    const Sender s;
    QCOMPARE(s.packets.MessageReceived(u"A"_s, u"B"_s, presence::Status::DND), "/MA//MB/1");
    QCOMPARE(s.packets.TellChannels(u"A"_s, {}), "/hA/");
    QCOMPARE(s.packets.ChatLine(u"Ваня"_s, u"#Main"_s, u"Привет €✓"_s),
             "/#\xc2\xe0\xed\xff//##Main/\xcf\xf0\xe8\xe2\xe5\xf2 \x88?");
}

// Every action once, in turn: the form, broadcast or to whom, the copy to oneself,
// what is not sent at all, and the order of leaving.
void TestOutgoing::actions()
{
    Sender s;
    s.state.switches.MemInfo = false;
    s.registry.AddUser(u"Bob"_s, u"0", 1);
    OutgoingActions& a = s.actions;
    const auto sent = [&s] {
        const QStringList texts = s.link.texts();
        s.link.sent.clear();
        return texts;
    };
    a.RefreshUsersList();
    QCOMPARE(s.registry.count(), 0);
    QCOMPARE(sent(), QStringList{u"*|/?Me/1"_s});
    a.AnnounceConversation(ConversationKind::Main, u"#Main"_s);
    QCOMPARE(sent(), QStringList{u"*|/@Me/1"_s});
    a.AnnounceConversation(ConversationKind::Channel, u"#Talks"_s);
    QCOMPARE(sent(), QStringList{u"*|/1Me/#Talks"_s});
    a.AnnounceConversation(ConversationKind::Private, u"Bob"_s);
    QCOMPARE(sent(), (QStringList{u"Bob|/>Me/Bob"_s, u"Me|/>Me/Bob"_s}));
    a.SendChatLine(u"#Talks"_s, u"x/y"_s);
    QCOMPARE(sent(), QStringList{u"*|/#Me//##Talks/x/y"_s});
    a.SendChatLine(u"Bob"_s, u"hi"_s);
    a.SendChatLine(u"Bob"_s, QString());
    QCOMPARE(sent(), (QStringList{u"Bob|/#Me//#Bob/hi"_s, u"Me|/#Me//#Bob/hi"_s}));
    a.LeaveConversation(u"Bob"_s);
    a.LeaveConversation(u"#Talks"_s);
    QCOMPARE(sent(), (QStringList{u"Bob|/<Me/Bob"_s, u"*|/2Me/#Talks"_s}));
    a.LeaveAll({u"#Main"_s, u"#Talks"_s, u"X"_s});
    QCOMPARE(sent(), (QStringList{u"X|/<Me/X"_s, u"*|/2Me/#Talks"_s, u"*|/$Me/"_s}));
    QVERIFY(a.Beep(u"Bob"_s, u'2'));
    QVERIFY(!a.Beep(u"Bob"_s, u'3'));
    QCOMPARE(sent(), QStringList{u"Bob|/BMe/Bob"_s});
    QVERIFY(a.RequestInfo(u"Bob"_s, u'0'));
    a.RefreshInfo(u"Bob"_s, 12);
    QCOMPARE(sent(), (QStringList{u"Bob|/IMe//IBob//iN/SP"_s, u"Bob|/IMe//IBob//I12/SP"_s}));
    a.AskSubject();
    QCOMPARE(sent(), QStringList{u"*|/sMe/"_s});
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

// The nick goes in front; the caret keeps its place in the text.
void TestOutgoing::sayNick()
{
    const chat::SayNickResult r = chat::SayNickEdit(u"hello"_s, 3, u"Bob"_s);
    QCOMPARE(r.text, u"Bob: hello"_s);
    QCOMPARE(r.caret, 8);
}

QTEST_GUILESS_MAIN(TestOutgoing)
#include "test_outgoing.moc"
