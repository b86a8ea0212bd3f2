#include "presence/users_registry.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using namespace quorvelle::presence;
using namespace Qt::StringLiterals;
using Sig = UsersRegistry::Signature;

namespace {

QStringList items(const UsersRegistry& reg)
{
    QStringList out;
    for (int i = 0; i < reg.count(); ++i)
        out << reg.itemText(i);
    return out;
}

// A registry filled with "status+nick" items in the given order, and what a view
// that follows only its row signals holds.
struct Filled
{
    UsersRegistry reg;
    QStringList view;

    explicit Filled(const QStringList& adds)
    {
        QObject::connect(
            &reg, &QAbstractItemModel::rowsInserted, &reg,
            [this](const QModelIndex&, int row) { view.insert(row, reg.itemText(row)); });
        QObject::connect(&reg, &QAbstractItemModel::rowsRemoved, &reg,
                         [this](const QModelIndex&, int row) { view.removeAt(row); });
        for (const QString& add : adds)
            reg.AddUser(add.mid(1), add.first(1), 0xA0 + reg.count());
    }
};

} // namespace

class TestUsersRegistry : public QObject
{
    Q_OBJECT

private slots:
    // A status field from the net: one character is kept as it came; an empty or
    // longer one becomes "0", so the item can be found again by its nick.
    void status_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");
        QTest::newRow("offline") << u"3"_s << u"Offline"_s << u"3"_s;
        QTest::newRow("empty") << u""_s << u""_s << u"0"_s;
        QTest::newRow("two digits") << u"21"_s << u""_s << u"0"_s;
        QTest::newRow("one other character, kept as it came") << u"4"_s << u""_s << u"4"_s;
        QTest::newRow("letter") << u"x3"_s << u""_s << u"0"_s;
    }

    void status()
    {
        QFETCH(QString, status);
        QTEST(StatusName(status), "name");
        UsersRegistry reg;
        reg.AddUser(u"n"_s, status, 0);
        QCOMPARE(reg.FindUser(u"n"_s), 0);
        QTEST(reg.data(reg.index(0), UsersRegistry::StatusRole).toString(), "kept");
    }

    void order_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("adds");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("status first") << u"en_US"_s << QStringList{u"2Bob"_s, u"0alice"_s}
                                      << QStringList{u"0alice"_s, u"2Bob"_s};
        // Without ICU the C locale's sort keys are raw bytes, which would sort by case.
        QTest::newRow("C: name ignores case")
            << u"C"_s << QStringList{u"1carl"_s, u"1Bob"_s, u"1alice"_s}
            << QStringList{u"1alice"_s, u"1Bob"_s, u"1carl"_s};
        QTest::newRow("ru_RU: name ignores case")
            << u"ru_RU"_s << QStringList{u"0фёдор"_s, u"0Борис"_s, u"0анна"_s}
            << QStringList{u"0анна"_s, u"0Борис"_s, u"0фёдор"_s};
        // Equal items keep their arrival order; C compares UTF-16 units, so a character
        // outside the BMP comes before U+FFFD.
        QTest::newRow("C: equal items, outside the BMP")
            << u"C"_s
            << QStringList{u"0\uFFFD"_s, u"0ann"_s, u"0ANN"_s, u"0\U00010428"_s, u"0\U00010400"_s}
            << QStringList{u"0ann"_s, u"0ANN"_s, u"0\U00010428"_s, u"0\U00010400"_s, u"0\uFFFD"_s};
    }

    void order()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, adds);
        QFETCH(QStringList, expected);
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        Filled f(adds);
        QCOMPARE(items(f.reg), expected);
        QCOMPARE(f.view, expected);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(f.reg.FindUser(expected[i].mid(1)), i);
    }

    void rename_data()
    {
        QTest::addColumn<QString>("newItem");
        QTest::addColumn<QString>("myNick");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<quint32>("address");
        QTest::newRow("status change")
            << u"3alice"_s << u"me"_s << QStringList{u"1bob"_s, u"2carl"_s, u"3alice"_s} << 0xA0u;
        QTest::newRow("rename") << u"2Zed"_s << u"me"_s
                                << QStringList{u"1bob"_s, u"2carl"_s, u"2Zed"_s} << 0xA0u;
        QTest::newRow("own nick") << u"1Al"_s << u"alice"_s
                                  << QStringList{u"1Al"_s, u"1bob"_s, u"2carl"_s} << 0x7F000001u;
        QTest::newRow("onto another user")
            << u"0carl"_s << u"me"_s << QStringList{u"1bob"_s, u"2carl"_s} << 0xA0u;
    }

    // The ring and address follow the user to the new nick and place.
    void rename()
    {
        QFETCH(QString, newItem);
        QFETCH(QString, myNick);
        QFETCH(QStringList, expected);
        Filled f({u"0alice"_s, u"1bob"_s, u"2carl"_s});
        UsersRegistry& reg = f.reg;
        for (quint16 sig : {1, 2, 3})
            reg.CheckSignature(0, sig);

        const QString newNick = newItem.mid(1);
        const int j = newNick == u"alice"
                          ? reg.SetUserStatus(u"alice"_s, newItem.first(1), myNick)
                          : reg.RenameUser(u"alice"_s, newNick, newItem.first(1), myNick);
        QCOMPARE(items(reg), expected);
        QCOMPARE(f.view, expected);
        QCOMPARE(j, reg.FindUser(newNick));
        QTEST(reg.address(j), "address");
        QCOMPARE(reg.CheckSignature(j, 2), Sig::Duplicate);
        QCOMPARE(reg.CheckSignature(j, 4), Sig::New);
        QCOMPARE(reg.CountCaption(), u" Users: %1 "_s.arg(expected.size()));
        QCOMPARE(reg.RenameUser(u"nobody"_s, u"x"_s, u"0", myNick), -1);
    }

    void ring_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("signatures"); // -1: "b" joins between "a" and "c"
        QTest::addColumn<QString>("results");       // N new, D duplicate
        const QList<int> ten{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("last ten are duplicates") << 0 << ten + ten << u"NNNNNNNNNNDDDDDDDDDD"_s;
        QTest::newRow("eleventh newest is new again")
            << 0 << ten + QList{11, 1, 2, 1} << u"NNNNNNNNNNNNND"_s;
        // A new user's ring starts empty: a first signature of 0 is no repeat.
        QTest::newRow("fresh ring is empty") << 0 << QList{0, 5, 0} << u"NND"_s;
        // Each ring stays with its user when the rows below move.
        QTest::newRow("after a middle insert") << 2 << QList{-1, 300, 100} << u"DN"_s;
        QTest::newRow("index out of range") << 2 << QList{5, 6} << u"DD"_s;
        QTest::newRow("negative index") << -1 << QList{5} << u"D"_s;
    }

    void ring()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, signatures);
        Filled f({u"0a"_s, u"0c"_s});
        f.reg.CheckSignature(0, 100);
        f.reg.CheckSignature(1, 300);
        if (signatures.first() < 0) {
            QCOMPARE(f.reg.AddUser(u"b"_s, u"0", 0), 1);
            signatures.removeFirst();
        }
        QString got;
        for (int sig : signatures)
            got += f.reg.CheckSignature(index, quint16(sig)) == Sig::New ? u'N' : u'D';
        QTEST(got, "results");
    }

    void addressesAndClear()
    {
        Filled f({u"0me"_s, u"0alice"_s, u"1bob"_s});
        UsersRegistry& reg = f.reg;
        QCOMPARE(reg.CheckSignature(0, 77), Sig::New);
        // A known nick only gets its address refreshed: status, place and ring stay.
        QCOMPARE(reg.AddUser(u"alice"_s, u"3", 0x0A000005), 0);
        QCOMPARE(items(reg), (QStringList{u"0alice"_s, u"0me"_s, u"1bob"_s}));
        QCOMPARE(reg.CheckSignature(0, 77), Sig::Duplicate);
        QCOMPARE(reg.UserAddress(u"alice"_s, u"me"_s), 0x0A000005u);
        QCOMPARE(reg.UserAddress(u"me"_s, u"me"_s), 0x7F000001u);
        QCOMPARE(reg.UserAddress(u"Alice"_s, u"me"_s), 0u);
        QCOMPARE(reg.FindUser(u"Alice"_s), -1);

        QSignalSpy counts(&reg, &UsersRegistry::countChanged);
        QSignalSpy resets(&reg, &QAbstractItemModel::modelReset);
        reg.ClearUsers();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(counts.last().at(0).toInt(), 0);
        QCOMPARE(reg.FindUser(u"alice"_s), -1);
        QCOMPARE(reg.UserAddress(u"bob"_s, u"me"_s), 0u);
        QCOMPARE(reg.AddUser(u"bob"_s, u"1", 0), 0);
    }
};

QTEST_GUILESS_MAIN(TestUsersRegistry)
#include "test_users_registry.moc"
