#include "chat/log_writer.h"
#include "messages/message_archive.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::messages;
using namespace Qt::Literals::StringLiterals;

namespace {

// One line per record, breaks and NULs made visible, so a failure shows what was read.
QStringList Listed(const QList<ArchiveRecord>& records)
{
    QStringList out;
    for (const ArchiveRecord& r : records)
        out << QString((r.outgoing ? u"> "_s : u"< "_s) + r.dateTime + u'|' + r.sender + u'|' +
                       r.recipient + u'|' + r.text)
                   .replace(u'\r', u"\\r"_s)
                   .replace(u'\n', u"\\n"_s)
                   .replace(QChar(0), u"\\0"_s);
    return out;
}

QByteArray Written(const QList<ArchiveRecord>& records, const net::WireText& wire)
{
    QTemporaryDir dir;
    const chat::LogWriter writer(wire, dir.path() + u"/logs/"_s);
    for (const ArchiveRecord& record : records)
        AppendArchiveRecord(writer, record);
    QFile file(writer.directory() + ArchiveFileName.toString());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMessageArchive : public QObject
{
    Q_OBJECT

private slots:
    void fileFormat();
    void roundTrip_data();
    void roundTrip();
    void hostile_data();
    void hostile();
    void largeHostileFiles_data();
    void largeHostileFiles();
};

void TestMessageArchive::fileFormat()
{
    const net::WireText wire("windows-1251");
    const QDateTime when(QDate(2024, 2, 1), QTime(3, 4, 5));
    const ArchiveRecord sent{true, ArchiveDateTime(when), u"Me"_s, u"Вася"_s, u"hi\r\n"_s};
    QCOMPARE(Written({sent}, wire), QByteArray("*>*\r\n01.02.2024 03:04:05\r\nMe\r\n"
                                               "\xc2\xe0\xf1\xff\r\nhi\r\n\r\n\r\n"));
}

void TestMessageArchive::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("one line") << u"hi"_s << u"hi"_s;
    QTest::newRow("sent text keeps its final break") << u"hi\r\n"_s << u"hi\r\n"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("inner empty lines kept") << u"a\r\n\r\n\r\nb\r\n"_s << u"a\r\n\r\n\r\nb\r\n"_s;
    QTest::newRow("two final breaks") << u"a\r\n\r\n"_s << u"a\r\n\r\n"_s;
    QTest::newRow("leading empty lines vanish") << u"\r\n\r\na\r\n"_s << u"a\r\n"_s;
    QTest::newRow("breaks only") << u"\r\n\r\n"_s << QString();
    QTest::newRow("lone LF and CR read as CR LF") << u"a\nb\rc"_s << u"a\r\nb\r\nc"_s;
    QTest::newRow("codes, smiles, Cyrillic") << u"_|Привет|_ :)\r\n"_s << u"_|Привет|_ :)\r\n"_s;
}

void TestMessageArchive::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    const net::WireText wire("windows-1251");
    QList<ArchiveRecord> records{
        {false, u"01.01.2024 10:00:00"_s, u"Bob"_s, u"Me"_s, u"first\r\n"_s},
        {true, u"01.01.2024 10:00:01"_s, u"Me"_s, u"Bob"_s, text},
        {false, u"01.01.2024 10:00:02"_s, u"Петя"_s, MassRecipient.toString(), u"to all"_s}};
    const QByteArray file = Written(records, wire);
    QByteArray expected;
    for (const ArchiveRecord& record : records)
        expected += wire.encode(ArchiveRecordText(record)) + "\r\n";
    QCOMPARE(file, expected);

    records[1].text = readBack;
    const QList<ArchiveRecord> read = ReadArchive(file, wire);
    QCOMPARE(Listed(read), Listed(records));
    QVERIFY(read[2].isMass() && !read[1].isMass());
    // What reads back exactly writes back byte for byte.
    if (readBack == text)
        QCOMPARE(Written(read, wire), file);
}

void TestMessageArchive::hostile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("records");
    const QByteArray one = "*<*\r\nd\r\nBob\r\nMe\r\nhi\r\n\r\n";
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("no marker") << QByteArray("hello\r\n*>* \r\n") << QStringList();
    QTest::newRow("lines before the first marker")
        << "junk\r\n\r\n" + one << QStringList{u"< d|Bob|Me|hi"_s};
    QTest::newRow("header cut short") << one + "*>*\r\nd\r\nMe" << QStringList{u"< d|Bob|Me|hi"_s};
    QTest::newRow("header, then the end")
        << QByteArray("*>*\r\nd\r\nMe\r\nBob") << QStringList{u"> d|Me|Bob|"_s};
    QTest::newRow("marker inside a text")
        << QByteArray("*>*\r\nd\r\nMe\r\nBob\r\nbefore\r\n*<*\r\nafter\r\nx\r\ny\r\n\r\n")
        << QStringList{u"> d|Me|Bob|before"_s, u"< after|x|y|"_s};
    QTest::newRow("CR-only line ends") << QByteArray("*>*\rd\rMe\rBob\ra\r\rb\r\r\r")
                                       << QStringList{u"> d|Me|Bob|a\\r\\n\\r\\nb\\r\\n"_s};
    QTest::newRow("LF-only line ends") << QByteArray("*>*\nd\nMe\nBob\na\n\nb\n\n\n")
                                       << QStringList{u"> d|Me|Bob|a\\r\\n\\r\\nb\\r\\n"_s};
    QTest::newRow("CR CR LF") << QByteArray("*<*\r\nd\r\nBob\r\nMe\r\nhi\r\r\n")
                              << QStringList{u"< d|Bob|Me|hi"_s};
    static const char binary[] = "\x00\xff\x01\r\n*>*\r\n\x00\r\n\xff\xfe\r\n\r\n\x00x\x00";
    QTest::newRow("binary and NULs")
        << QByteArray(binary, sizeof binary - 1) << QStringList{u"> \\0|яю||\\0x\\0"_s};
    QTest::newRow("markers only") << QByteArray("*>*\r\n").repeated(9)
                                  << QStringList(2, u"> *>*|*>*|*>*|"_s);
}

void TestMessageArchive::hostile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, records);
    QCOMPARE(Listed(ReadArchive(file, net::WireText("windows-1251"))), records);
}

void TestMessageArchive::largeHostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qsizetype>("records"); // -1: whatever it holds
    constexpr qsizetype Size = 10'000'000;
    QTest::newRow("markers only") << QByteArray("*>*\r\n").repeated(Size / 5) << Size / 20;
    QByteArray noise(Size, '\0');
    QRandomGenerator random(7);
    const char alphabet[] = "*<>\r\n\0ab\xff";
    for (char& c : noise)
        c = alphabet[random.bounded(int(sizeof alphabet - 1))];
    QTest::newRow("noise of markers, breaks and NULs") << noise << qsizetype(-1);
    QTest::newRow("one long line")
        << "*<*\r\nd\r\nBob\r\nMe\r\n" + QByteArray(Size, 'x') << qsizetype(1);
}

void TestMessageArchive::largeHostileFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(qsizetype, records);
    qsizetype last = 0, total = -1;
    bool ordered = true;
    const auto read =
        ReadArchive(file, net::WireText("windows-1251"), [&](qsizetype d, qsizetype t) {
            ordered = ordered && d > last && d <= t && (total < 0 || t == total);
            last = d;
            total = t;
            return true;
        });
    QVERIFY(ordered);
    if (records >= 0)
        QCOMPARE(read.size(), records);
}

QTEST_GUILESS_MAIN(TestMessageArchive)
#include "test_message_archive.moc"
