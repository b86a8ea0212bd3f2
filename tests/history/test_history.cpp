#include "history/log_search.h"
#include "history/log_tail.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::history;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quorvelle::history::SearchQuery)

namespace {

const QDate Today(2026, 12, 7);
const QDateTime Now(Today, QTime(10, 0));

QByteArray Session(const QDate& date)
{
    return "\r\n[" + date.toString(u"dd.MM.yyyy"_s).toLatin1() + "]\r\n";
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void newestLines_data();
    void newestLines();
    void aHundredMegabytesCostLikeASmallLog();
    void searchFindsEveryLog_data();
    void searchFindsEveryLog();

private:
    net::WireText m_text{"windows-1251"};
};

// What a conversation shows of its log when it opens: the newest lines within the
// last day, at most the limit, headers left out, in the log's code page.
void TestHistory::newestLines_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QDateTime>("lastWritten");
    QTest::addColumn<QStringList>("lines");
    const QDateTime nineToday(Today, QTime(9, 0));
    QTest::newRow("empty") << QByteArray() << nineToday << QStringList();
    QTest::newRow("no final line end")
        << Session(Today) + "[08:00] <Bob> one\r\n[08:01] <Bob> two" << nineToday
        << QStringList{u"[08:00] <Bob> one"_s, u"[08:01] <Bob> two"_s};
    QTest::newRow("code page") << Session(Today) + "<Bob> \xcf\xf0\xe8\xe2\xe5\xf2\r\n"
                               << nineToday << QStringList{u"<Bob> Привет"_s};
    QTest::newRow("older than a day")
        << Session(Today.addDays(-1)) + "[09:00] <Bob> too old\r\n[23:00] <Bob> last night\r\n" +
               Session(Today) + "[08:00] <Bob> morning\r\n"
        << nineToday << QStringList{u"[23:00] <Bob> last night"_s, u"[08:00] <Bob> morning"_s};
    QTest::newRow("across midnight without a header")
        << Session(Today.addDays(-2)) + "[12:00] <Bob> two days ago\r\n" +
               Session(Today.addDays(-1)) +
               "[09:00] <Bob> a day and an hour ago\r\n"
               "[23:50] <Bob> before midnight\r\n[00:10] <Bob> after midnight\r\n"
        << QDateTime(Today, QTime(0, 10))
        << QStringList{u"[23:50] <Bob> before midnight"_s, u"[00:10] <Bob> after midnight"_s};
    QByteArray many = Session(Today);
    QStringList newest;
    for (int i = 0; i < 60; ++i) {
        const QByteArray line =
            "[08:" + QByteArray::number(10 + i / 2) + "] <Bob> " + QByteArray::number(i);
        many += line + "\r\n";
        if (i >= 10)
            newest.append(QString::fromLatin1(line));
    }
    QTest::newRow("at most fifty") << many << nineToday << newest;
    QTest::newRow("line break first") << QByteArray("\n" + Session(Today) + "[09:00] x")
                                      << nineToday << QStringList{u"[09:00] x"_s};
    // Whatever the bytes, lines come out as text (one CR of a line end dropped).
    QTest::newRow("binary") << QByteArray("\0\xff\r\r\n\n[\n]\0", 10) << nineToday
                            << QStringList{QStringView(u"\0я\r", 3).toString(), u"["_s,
                                           QStringView(u"]\0", 2).toString()};
}

void TestHistory::newestLines()
{
    QFETCH(QByteArray, log);
    QFETCH(QDateTime, lastWritten);
    QBuffer buffer(&log);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QTEST(RecentLogLines(buffer, lastWritten, Now, m_text), "lines");
}

// Only the end of a big log is read: a line too old, a megabyte up, ends it.
void TestHistory::aHundredMegabytesCostLikeASmallLog()
{
    QByteArray log = Session(Today.addDays(-30));
    log.append(QByteArray(100 * 1024 * 1024, 'x'));
    log += "\r\n" + Session(Today) + "[09:00] <Bob> newest\r\n";
    QBuffer buffer(&log);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(RecentLogLines(buffer, QDateTime(Today, QTime(9, 0)), Now, m_text),
             QStringList{u"[09:00] <Bob> newest"_s});
    QVERIFY(buffer.pos() > log.size() - 2 * 1024 * 1024); // read from the end only
}

// One query over the logs and the archive: each hit with where and when it was
// said, in the code page, narrowed by the filters; a damaged log gives what
// precedes the damage.
void TestHistory::searchFindsEveryLog_data()
{
    QTest::addColumn<SearchQuery>("query");
    QTest::addColumn<QStringList>("expected"); // conversation|date|time|nick|line|number
    const auto q = [](const QString& text) { return SearchQuery{text}; };
    const QString talks = u"#Talks|06.12.2026|09:00|Bob|[09:00] <Bob> hello all|2"_s;
    const QString bob = u"Bob|07.12.2026|08:00|Bob|[08:00] <Bob> hello you|2"_s;
    const QString message = u"Messages|07.12.2026|10:11:12|Bob|hello by message|0"_s;
    const QString ann = u"#Talks|07.12.2026||Ann|<Ann> Привет|5"_s;
    QTest::newRow("everywhere, any case") << q(u"HELLO"_s) << QStringList{talks, bob, message};
    QTest::newRow("code page, any case") << q(u"ПРИВЕТ"_s) << QStringList{ann};
    SearchQuery one = q(u"hello"_s);
    one.conversation = u"#Talks"_s;
    QTest::newRow("one conversation") << one << QStringList{talks};
    SearchQuery today = q(u"hello"_s);
    today.from = Today;
    QTest::newRow("from today") << today << QStringList{bob, message};
    SearchQuery nick = q(u"<"_s);
    nick.nick = u"ann"_s;
    QTest::newRow("one nick") << nick << QStringList{ann};
    SearchQuery exact = q(u"Hello"_s);
    exact.cs = Qt::CaseSensitive;
    QTest::newRow("match case") << exact << QStringList();
    QTest::newRow("before the damage")
        << q(u"intact"_s) << QStringList{u"Damaged||||intact line|0"_s};
}

void TestHistory::searchFindsEveryLog()
{
    QFETCH(SearchQuery, query);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    };
    write("#Talks.log", Session(Today.addDays(-1)) + "[09:00] <Bob> hello all\r\n" +
                            Session(Today) + "<Ann> \xcf\xf0\xe8\xe2\xe5\xf2\r\n");
    write("Bob.log", Session(Today) + "[08:00] <Bob> hello you\r\n");
    write("Messages.log",
          "*<*\r\n07.12.2026 10:11:12\r\nBob\r\nMe\r\nhello by message\r\n\r\n\r\n");
    write("Damaged.log", QByteArray("intact line\r\n\0\xff\xfe\x01binary", 23));
    QStringList hits;
    QVERIFY(SearchLogs(dir.path(), query, m_text, [&](const SearchHit& h) {
        hits << QStringList{h.conversation, h.date.toString(u"dd.MM.yyyy"_s), h.time, h.nick,
                            h.line,         QString::number(h.lineNumber)}
                    .join(u'|');
        return true;
    }));
    hits.sort();
    expected.sort();
    QCOMPARE(hits, expected);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
