#include "chat/chat_line.h"
#include "chat/conversation_set.h"
#include "chat/url_finder.h"

#include <QSignalSpy>
#include <QTest>

using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;

class TestChatCore : public QObject
{
    Q_OBJECT

private slots:
    void target_data();
    void target();
    void composeLines_data();
    void composeLines();
    void stampAndHeader();
    void tabsAnnounceOnceAndCycle();
    void closingPicksNeighbour_data();
    void closingPicksNeighbour();
    void unreadMarks();
    void urls_data();
    void urls();
};

void TestChatCore::target_data()
{
    QTest::addColumn<QString>("conversation");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QChar>("status");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("activate");
    // Open: #Main, #Talks, Ann. Own nick: Me.
    QTest::newRow("open channel") << u"#Talks"_s << u"Bob"_s << QChar(u'0') << 1 << u"#Talks"_s
                                  << false;
    QTest::newRow("closed channel")
        << u"#Other"_s << u"Bob"_s << QChar(u'0') << 0 << QString() << false;
    QTest::newRow("between others")
        << u"Carl"_s << u"Bob"_s << QChar(u'0') << 0 << QString() << false;
    QTest::newRow("to me, chat open")
        << u"Me"_s << u"Ann"_s << QChar(u'0') << 1 << u"Ann"_s << false;
    QTest::newRow("to me, new, Normal")
        << u"Me"_s << u"Bob"_s << QChar(u'0') << 2 << u"Bob"_s << true;
    QTest::newRow("to me, new, Away")
        << u"Me"_s << u"Bob"_s << QChar(u'2') << 2 << u"Bob"_s << false;
    QTest::newRow("own line, tab closed")
        << u"Bob"_s << u"Me"_s << QChar(u'1') << 2 << u"Bob"_s << true;
    QTest::newRow("own line, tab open")
        << u"Ann"_s << u"Me"_s << QChar(u'0') << 1 << u"Ann"_s << false;
    QTest::newRow("empty sender") << u"Me"_s << QString() << QChar(u'0') << 0 << QString() << false;
}

void TestChatCore::target()
{
    QFETCH(QString, conversation);
    QFETCH(QString, nick);
    QFETCH(QChar, status);
    QFETCH(int, action);
    QFETCH(QString, name);
    QFETCH(bool, activate);
    const QStringList open{u"#Main"_s, u"#Talks"_s, u"Ann"_s};
    const ChatTarget t = ResolveChatTarget(conversation, nick, u"Me"_s,
                                           quorvelle::presence::Status(status.unicode()),
                                           [&](const QString& n) { return open.contains(n); });
    QCOMPARE(int(t.action), action);
    QCOMPARE(t.name, name);
    QCOMPARE(t.activate, activate);
}

void TestChatCore::composeLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one") << u"hi"_s << QStringList{u"S P hi"_s};
    QTest::newRow("crlf, cr, lf") << u"a\r\nb\rc\nd"_s
                                  << QStringList{u"S P a"_s, u"S P b"_s, u"S P c"_s, u"S P d"_s};
    QTest::newRow("final break") << u"a\r\n"_s << QStringList{u"S P a"_s};
    QTest::newRow("blank middle line")
        << u"a\n\nb"_s << QStringList{u"S P a"_s, u"S P "_s, u"S P b"_s};
    QTest::newRow("nul ends") << QString(u"a\0b"_s) << QStringList{u"S P a"_s};
    QTest::newRow("empty") << QString() << QStringList{};
}

void TestChatCore::composeLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(ComposeLines(text, u"S "_s, u"P "_s), lines);
}

void TestChatCore::stampAndHeader()
{
    QCOMPARE(ChatStamp(QTime(7, 5, 9), true, false), u"[07:05] "_s);
    QCOMPARE(ChatStamp(QTime(17, 5, 9), true, true), u"[17:05:09] "_s);
    QCOMPARE(ChatStamp(QTime(17, 5, 9), false, true), QString());
    QCOMPARE(NickPrefix(u"Bob"_s, true), u"<Bob> "_s);
    QCOMPARE(LogDateHeader(QDate(2026, 3, 4)), u"\r\n[04.03.2026]"_s);
}

void TestChatCore::tabsAnnounceOnceAndCycle()
{
    QStringList announced;
    ConversationSet set([&](ConversationKind, const QString& name) { announced << name; });
    QVERIFY(set.OpenConversation(u"#Main"_s, ConversationKind::Main));
    QVERIFY(announced.isEmpty()); // its owner shows the welcome line first
    set.TabControl1Change(0);
    QVERIFY(set.OpenConversation(u"#Talks"_s, ConversationKind::Channel));
    QVERIFY(set.OpenConversation(u"Bob"_s, ConversationKind::Private));
    QVERIFY(!set.OpenConversation(u"#Talks"_s, ConversationKind::Channel));
    QCOMPARE(set.count(), 3);
    QCOMPARE(announced, QStringList{u"#Main"_s}); // background tabs wait
    set.TabControl1Change(2);
    set.Next1Click();
    QCOMPARE(set.current(), 0);
    set.Prev1Click();
    QCOMPARE(set.current(), 2);
    set.Prev1Click();
    set.Prev1Click();
    set.Next1Click();
    QCOMPARE(announced, (QStringList{u"#Main"_s, u"Bob"_s, u"#Talks"_s}));
    QVERIFY(set.renameConversation(u"Bob"_s, u"Rob"_s));
    QVERIFY(!set.renameConversation(u"Rob"_s, u"#Talks"_s));
    QCOMPARE(set.names(), (QStringList{u"#Main"_s, u"#Talks"_s, u"Rob"_s}));
}

void TestChatCore::closingPicksNeighbour_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("current");
    QTest::newRow("middle") << u"#Talks"_s << u"Bob"_s;
    QTest::newRow("last") << u"Bob"_s << u"#Talks"_s;
    QTest::newRow("missing") << u"Nobody"_s << u"#Talks"_s;
}

void TestChatCore::closingPicksNeighbour()
{
    QFETCH(QString, closing);
    QFETCH(QString, current);
    ConversationSet set(nullptr);
    set.OpenConversation(u"#Main"_s, ConversationKind::Main);
    set.OpenConversation(u"#Talks"_s, ConversationKind::Channel);
    set.OpenConversation(u"Bob"_s, ConversationKind::Private);
    set.TabControl1Change(1);
    set.CloseConversation(closing);
    QCOMPARE(set.currentName(), current);
}

void TestChatCore::unreadMarks()
{
    ConversationSet set(nullptr);
    QSignalSpy spy(&set, &ConversationSet::unreadChanged);
    set.OpenConversation(u"#Main"_s, ConversationKind::Main);
    set.TabControl1Change(0);
    set.OpenConversation(u"#Talks"_s, ConversationKind::Channel);
    set.lineAppended(1, false); // the welcome marks the tab, counts nothing
    set.lineAppended(0);        // current: stays read
    set.lineAppended(1);
    set.lineAppended(1);
    QVERIFY(set.at(1).unread);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(set.at(1).unreadLines, 2);
    QCOMPARE(set.unreadTotal(), 2);
    set.TabControl1Change(1);
    QVERIFY(!set.at(1).unread);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(set.unreadTotal(), 0);
}

void TestChatCore::urls_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("end of sentence")
        << u"see http://x.org/a?b=1, then"_s << QStringList{u"http://x.org/a?b=1"_s};
    QTest::newRow("www and mail") << u"www.x.org or mailto:a@b.c."_s
                                  << QStringList{u"www.x.org"_s, u"mailto:a@b.c"_s};
    QTest::newRow("in brackets") << u"(https://x.org/p)"_s << QStringList{u"https://x.org/p"_s};
    QTest::newRow("no scheme") << u"x.org http:/ ftp:"_s << QStringList{};
}

void TestChatCore::urls()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    QStringList got;
    for (const UrlSpan& url : FindUrls(text))
        got.append(text.mid(url.start, url.length));
    QCOMPARE(got, found);
}

QTEST_GUILESS_MAIN(TestChatCore)
#include "test_chat_core.moc"
