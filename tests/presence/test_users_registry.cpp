#include "presence/users_registry.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using namespace quorvelle::presence;
using namespace Qt::StringLiterals;
using Sig = UsersRegistry::Signature;

static QStringList items(const UsersRegistry& reg)
{
    QStringList out;
    for (int i = 0; i < reg.count(); ++i)
        out << reg.itemText(i);
    return out;
}

// Adds "status+nick" items in the given order.
static void fill(UsersRegistry& reg, const QStringList& adds)
{
    for (const QString& add : adds)
        reg.AddUser(add.mid(1), add.first(1), 0xA0 + reg.count());
}

class TestUsersRegistry : public QObject
{
    Q_OBJECT

private slots:
    void status_data();
    void status();
    void order_data();
    void order();
    void addresses();
    void rename_data();
    void rename();
    void middleInsertKeepsRingsWithTheirUsers();
    void ring_data();
    void ring();
    void clear();
    void randomCrossCheck_data();
    void randomCrossCheck();
};

void TestUsersRegistry::status_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("kept");
    QTest::newRow("normal") << u"0"_s << u"Normal"_s << QChar(u'0');
    QTest::newRow("dnd") << u"1"_s << u"DND"_s << QChar(u'1');
    QTest::newRow("away") << u"2"_s << u"Away"_s << QChar(u'2');
    QTest::newRow("offline") << u"3"_s << u"Offline"_s << QChar(u'3');
    QTest::newRow("empty") << u""_s << u""_s << QChar(u'0');
    QTest::newRow("two digits") << u"21"_s << u""_s << QChar(u'0');
    QTest::newRow("four, kept as it came") << u"4"_s << u""_s << QChar(u'4');
    QTest::newRow("letter") << u"x3"_s << u""_s << QChar(u'0');
}

void TestUsersRegistry::status()
{
    QFETCH(QString, status);
    QFETCH(QString, name);
    QFETCH(QChar, kept);
    QCOMPARE(StatusName(status), name);
    UsersRegistry reg;
    reg.AddUser(u"n"_s, status, 0);
    QCOMPARE(reg.FindUser(u"n"_s), 0);
    QCOMPARE(reg.data(reg.index(0), UsersRegistry::StatusRole).toString(), QString(kept));
}

void TestUsersRegistry::order_data()
{
    QTest::addColumn<QStringList>("adds");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("absent");
    QTest::newRow("status first") << QStringList{u"2Bob"_s, u"0alice"_s}
                                  << QStringList{u"0alice"_s, u"2Bob"_s} << u"bob"_s;
    QTest::newRow("name ignores case")
        << QStringList{u"1carl"_s, u"1bob"_s, u"1Alice"_s}
        << QStringList{u"1Alice"_s, u"1bob"_s, u"1carl"_s} << u"alice"_s;
    QTest::newRow("equal items keep arrival order")
        << QStringList{u"0ann"_s, u"0ANN"_s, u"0Ann"_s}
        << QStringList{u"0ann"_s, u"0ANN"_s, u"0Ann"_s} << u"aNN"_s;
}

void TestUsersRegistry::order()
{
    QFETCH(QStringList, adds);
    QFETCH(QStringList, expected);
    QFETCH(QString, absent);
    UsersRegistry reg;
    fill(reg, adds);
    QCOMPARE(items(reg), expected);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(reg.FindUser(expected[i].mid(1)), i);
    QCOMPARE(reg.FindUser(absent), -1);
}

void TestUsersRegistry::addresses()
{
    UsersRegistry reg;
    fill(reg, {u"0me"_s, u"0alice"_s, u"1bob"_s});
    QCOMPARE(reg.CheckSignature(0, 77), Sig::New);
    // A known nick only gets its address refreshed.
    QCOMPARE(reg.AddUser(u"alice"_s, u"3", 0x0A000005), 0);
    QCOMPARE(items(reg), (QStringList{u"0alice"_s, u"0me"_s, u"1bob"_s}));
    QCOMPARE(reg.CheckSignature(0, 77), Sig::Duplicate);
    QCOMPARE(reg.UserAddress(u"alice"_s, u"me"_s), 0x0A000005u);
    QCOMPARE(reg.UserAddress(u"me"_s, u"me"_s), 0x7F000001u);
    QCOMPARE(reg.UserAddress(u"Alice"_s, u"me"_s), 0u);
}

void TestUsersRegistry::rename_data()
{
    QTest::addColumn<QString>("oldNick");
    QTest::addColumn<QString>("newItem");
    QTest::addColumn<QString>("myNick");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<quint32>("address");
    QTest::newRow("status change") << u"alice"_s << u"3alice"_s << u"me"_s
                                   << QStringList{u"1bob"_s, u"2carl"_s, u"3alice"_s} << 0xA0u;
    QTest::newRow("rename") << u"alice"_s << u"2Zed"_s << u"me"_s
                            << QStringList{u"1bob"_s, u"2carl"_s, u"2Zed"_s} << 0xA0u;
    QTest::newRow("own nick") << u"alice"_s << u"1Al"_s << u"alice"_s
                              << QStringList{u"1Al"_s, u"1bob"_s, u"2carl"_s} << 0x7F000001u;
    QTest::newRow("onto another user")
        << u"alice"_s << u"0carl"_s << u"me"_s << QStringList{u"1bob"_s, u"2carl"_s} << 0xA0u;
}

void TestUsersRegistry::rename()
{
    QFETCH(QString, oldNick);
    QFETCH(QString, newItem);
    QFETCH(QString, myNick);
    QFETCH(QStringList, expected);
    QFETCH(quint32, address);
    UsersRegistry reg;
    fill(reg, {u"0alice"_s, u"1bob"_s, u"2carl"_s});
    for (quint16 sig : {1, 2, 3})
        reg.CheckSignature(0, sig);

    const QString newNick = newItem.mid(1);
    const int j = oldNick == newNick ? reg.SetUserStatus(oldNick, newItem.first(1), myNick)
                                     : reg.RenameUser(oldNick, newNick, newItem.first(1), myNick);
    QCOMPARE(items(reg), expected);
    QCOMPARE(j, reg.FindUser(newNick));
    QCOMPARE(reg.address(j), address);
    QCOMPARE(reg.CheckSignature(j, 2), Sig::Duplicate);
    QCOMPARE(reg.CheckSignature(j, 4), Sig::New);
    QCOMPARE(reg.CountCaption(), QStringLiteral(" Users: %1 ").arg(expected.size()));
    QCOMPARE(reg.RenameUser(u"nobody"_s, u"x"_s, u"0", myNick), -1);
}

void TestUsersRegistry::middleInsertKeepsRingsWithTheirUsers()
{
    UsersRegistry reg;
    fill(reg, {u"0a"_s, u"0c"_s});
    reg.CheckSignature(0, 100);
    reg.CheckSignature(1, 300);
    QCOMPARE(reg.AddUser(u"b"_s, u"0", 0), 1);
    QCOMPARE(reg.CheckSignature(0, 100), Sig::Duplicate);
    QCOMPARE(reg.CheckSignature(2, 300), Sig::Duplicate);
    QCOMPARE(reg.CheckSignature(1, 100), Sig::New);
    QCOMPARE(reg.CheckSignature(1, 300), Sig::New);
}

void TestUsersRegistry::ring_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("signatures");
    QTest::addColumn<QString>("results"); // N new, D duplicate
    const QList<int> ten{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("last ten are duplicates") << 0 << ten + ten << u"NNNNNNNNNNDDDDDDDDDD"_s;
    QTest::newRow("eleventh newest is new again")
        << 0 << ten + QList{11, 1, 2, 1} << u"NNNNNNNNNNNNND"_s;
    QTest::newRow("fresh ring holds zeros") << 0 << QList{0, 5, 0} << u"DND"_s;
    QTest::newRow("index out of range") << 1 << QList{5, 6} << u"DD"_s;
    QTest::newRow("negative index") << -1 << QList{5} << u"D"_s;
}

void TestUsersRegistry::ring()
{
    QFETCH(int, index);
    QFETCH(QList<int>, signatures);
    QFETCH(QString, results);
    UsersRegistry reg;
    reg.AddUser(u"u"_s, u"0", 0);
    QString got;
    for (int sig : signatures)
        got += reg.CheckSignature(index, quint16(sig)) == Sig::New ? u'N' : u'D';
    QCOMPARE(got, results);
}

void TestUsersRegistry::clear()
{
    UsersRegistry reg;
    fill(reg, {u"0a"_s, u"2b"_s});
    QSignalSpy counts(&reg, &UsersRegistry::countChanged);
    QSignalSpy resets(&reg, &QAbstractItemModel::modelReset);
    reg.ClearUsers();
    QCOMPARE(reg.CountCaption(), QStringLiteral(" Users: 0 "));
    QCOMPARE(reg.FindUser(u"a"_s), -1);
    QCOMPARE(reg.UserAddress(u"b"_s, u"me"_s), 0u);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(counts.last().at(0).toInt(), 0);
    QCOMPARE(reg.AddUser(u"b"_s, u"1", 0), 0);
}

void TestUsersRegistry::randomCrossCheck_data()
{
    QTest::addColumn<QString>("locale");
    // Qt collates the C locale without ICU; the others go through it.
    QTest::newRow("C") << u"C"_s;
    QTest::newRow("en_US") << u"en_US"_s;
    QTest::newRow("ru_RU") << u"ru_RU"_s;
}

void TestUsersRegistry::randomCrossCheck()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    UsersRegistry reg;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    // The reference: a sorted list searched linearly.
    struct Ref
    {
        QString text;
        quint32 address;
    };
    QList<Ref> ref;
    auto find = [&](const QString& nick) {
        for (int i = 0; i < ref.size(); ++i)
            if (ref[i].text.mid(1) == nick)
                return i;
        return -1;
    };
    auto add = [&](const QString& nick, const QString& status, quint32 address) {
        if (int i = find(nick); i >= 0) {
            ref[i].address = address;
            return i;
        }
        const QString text = NormalizeStatus(status) + nick;
        const auto at = std::upper_bound(ref.begin(), ref.end(), text, [&](auto& t, auto& r) {
            return collator.compare(t, r.text) < 0;
        });
        const int row = int(at - ref.begin());
        ref.insert(row, Ref{text, address});
        return row;
    };

    // What a view holds when it follows only the model's signals.
    QStringList view;
    connect(&reg, &QAbstractItemModel::rowsInserted, this,
            [&](const QModelIndex&, int first, int) { view.insert(first, reg.itemText(first)); });
    connect(&reg, &QAbstractItemModel::rowsRemoved, this,
            [&](const QModelIndex&, int first, int) { view.removeAt(first); });
    int caption = 0;
    connect(&reg, &UsersRegistry::countChanged, this, [&](int count) { caption = count; });

    // Case pairs in three scripts, one of them outside the BMP, and a few others.
    const QStringList letters{u"a"_s, u"A"_s, u"b"_s,          u"B"_s,         u"_"_s,
                              u"é"_s, u"É"_s, u"ф"_s,          u"Ф"_s,         u"\uFFFD"_s,
                              u"1"_s, u" "_s, u"\U00010400"_s, u"\U00010428"_s};
    const QStringList statuses{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u""_s, u"x"_s};
    const QString myNick = u"a"_s;
    QRandomGenerator rng(4242);
    auto randomNick = [&] {
        QString nick;
        for (int n = 1 + rng.bounded(3); n > 0; --n)
            nick += letters[rng.bounded(int(letters.size()))];
        return nick;
    };

    for (int step = 0; step < 4000; ++step) {
        const QString nick = randomNick();
        const QString status = statuses[rng.bounded(int(statuses.size()))];
        const quint32 address = rng.generate();
        const int op = rng.bounded(7);
        if (op < 4) {
            QCOMPARE(reg.AddUser(nick, status, address), add(nick, status, address));
        } else if (op == 4) {
            reg.RemoveUser(nick);
            if (int i = find(nick); i >= 0)
                ref.removeAt(i);
        } else {
            const QString newNick = rng.bounded(2) ? nick : randomNick();
            int j = -1;
            if (int i = find(nick); i >= 0) {
                const quint32 kept = nick == myNick ? 0x7F000001 : ref[i].address;
                ref.removeAt(i);
                j = add(newNick, status, kept);
            }
            QCOMPARE(reg.RenameUser(nick, newNick, status, myNick), j);
        }
        QCOMPARE(reg.FindUser(nick), find(nick));
        QCOMPARE(view, items(reg));
        QCOMPARE(caption, reg.count());
        QCOMPARE(reg.rowCount(), int(ref.size()));
        for (int i = 0; i < ref.size(); ++i) {
            QCOMPARE(reg.itemText(i), ref[i].text);
            QCOMPARE(reg.address(i), ref[i].address);
        }
    }
}

QTEST_GUILESS_MAIN(TestUsersRegistry)
#include "test_users_registry.moc"
