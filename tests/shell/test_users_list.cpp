#include "presence/users_registry.h"
#include "shell/users_list.h"

#include <QSignalSpy>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::shell;
using namespace Qt::Literals::StringLiterals;

class TestUsersList : public QObject
{
    Q_OBJECT

private slots:
    void popupEnabling_data();
    void popupEnabling();
    void updateInterval_data();
    void updateInterval();
    void selectionIsClampedAndFollowsOrder();
    void doubleClickRules();
};

void TestUsersList::popupEnabling_data()
{
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QChar>("selected");
    QTest::addColumn<QChar>("mine");
    QTest::addColumn<bool>("personal"); // message, chat, beep, say nick, info, file
    QTest::addColumn<bool>("mass");
    for (QChar mine : {u'0', u'1', u'2', u'3'})
        for (QChar selected : {u'0', u'1', u'2', u'3'}) {
            const bool online = mine != u'3';
            QTest::addRow("me %c, user %c", char(mine.unicode()), char(selected.unicode()))
                << false << selected << mine << (online && selected != u'3') << online;
        }
    QTest::newRow("empty list") << true << QChar() << QChar(u'0') << false << false;
}

void TestUsersList::popupEnabling()
{
    QFETCH(bool, empty);
    QFETCH(QChar, selected);
    QFETCH(QChar, mine);
    QFETCH(bool, personal);
    QFETCH(bool, mass);
    const UserPopupEnabling on =
        UserPopupPopup(empty, selected, quorvelle::presence::Status(mine.unicode()));
    for (bool item : {on.message, on.chat, on.beep, on.sayNick, on.info, on.sendFile})
        QCOMPARE(item, personal);
    QCOMPARE(on.mass, mass);
}

void TestUsersList::updateInterval_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seconds"); // -1: nothing changes
    QTest::newRow("zero stops") << u"0"_s << 0;
    QTest::newRow("plain") << u"60"_s << 60;
    QTest::newRow("six digits keep five") << u"123456"_s << 12345;
    QTest::newRow("letter") << u"6a"_s << -1;
    QTest::newRow("minus") << u"-5"_s << -1;
    QTest::newRow("blank inside") << u"1 0"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("non-latin digit") << u"٣"_s << -1;
}

void TestUsersList::updateInterval()
{
    QFETCH(QString, typed);
    QFETCH(int, seconds);
    QCOMPARE(ParseUpdateInterval(typed).value_or(-1), seconds);
}

void TestUsersList::selectionIsClampedAndFollowsOrder()
{
    presence::UsersRegistry registry;
    TUsersList list;
    list.setModel(&registry);
    QVERIFY(!list.EnsureUserSelected());

    registry.AddUser(u"Bob"_s, u"0", 1);
    registry.AddUser(u"Ann"_s, u"2", 2);
    registry.AddUser(u"Zed"_s, u"0", 3);
    QVERIFY(list.EnsureUserSelected());
    QCOMPARE(list.selectedNick(), u"Bob"_s); // the first item: 0Bob, 0Zed, 2Ann

    list.setCurrentIndex(registry.index(2));
    QCOMPARE(list.selectedNick(), u"Ann"_s);
    registry.SetUserStatus(u"Ann"_s, u"0", u"Me"_s); // moves to the Normal group
    QCOMPARE(registry.itemText(0), u"0Ann"_s);
    QVERIFY(list.EnsureUserSelected());
    QCOMPARE(list.selectedStatus(), u'0');

    // The last users leave: an action afterwards still finds a valid user, or none.
    list.setCurrentIndex(registry.index(2));
    registry.RemoveUser(u"Zed"_s);
    QVERIFY(list.EnsureUserSelected());
    QVERIFY(list.selectedRow() >= 0 && list.selectedRow() < registry.count());
    registry.ClearUsers();
    QVERIFY(!list.EnsureUserSelected());
    QCOMPARE(list.selectedNick(), QString());
}

void TestUsersList::doubleClickRules()
{
    presence::UsersRegistry registry;
    registry.AddUser(u"A&B"_s, u"0", 1);
    registry.AddUser(u"Off"_s, u"3", 2);
    TUsersList list;
    list.setModel(&registry);
    list.resize(150, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy message(&list, &TUsersList::messageRequested);
    QSignalSpy mass(&list, &TUsersList::massMessageRequested);

    const QPoint first = list.visualRect(registry.index(0)).center();
    const QPoint offline = list.visualRect(registry.index(1)).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(message.count(), 1);
    QCOMPARE(list.selectedNick(), u"A&B"_s);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, offline);
    QCOMPARE(message.count(), 1); // an Offline user opens nothing
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, 180));
    QCOMPARE(mass.count(), 1); // below the last item: a mass message
}

QTEST_MAIN(TestUsersList)
#include "test_users_list.moc"
