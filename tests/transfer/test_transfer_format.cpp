#include "transfer/files_queue_model.h"
#include "transfer/incoming_name.h"
#include "transfer/stream_format.h"

#include <QTest>
#include <cstring>

using namespace quorvelle::transfer;
using namespace Qt::StringLiterals;

using Bytes = QList<QByteArray>;

class TestTransferFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void writerBytes()
    {
        QCOMPARE(FramePacket(AckPayload()), QByteArray("\x02\x00N\x00", 4));
        QCOMPARE(FramePacket(EndPayload()), QByteArray("\x02\x00"
                                                       "E\x00",
                                                       4));
        QCOMPARE(FramePacket(DataPayload(QByteArray(3, '\0'))), QByteArray("\x05\x00"
                                                                           "D\x00\x00\x00\x00",
                                                                           7));
        // 70000 = 0x00011170, least significant byte first.
        QCOMPARE(FramePacket(HeaderPayload("me", "a.txt", 70000)),
                 QByteArray("\x0F\x00"
                            "B\x00me\x00"
                            "a.txt\x00\x70\x11\x01\x00",
                            17));
        const QByteArray largest = FramePacket(DataPayload(QByteArray(MaxBlock, 'x')));
        QCOMPARE(largest.size(), MaxPacket);
        QCOMPARE(largest.first(2), QByteArray("\xFD\xFF"));
    }

    void dataPacketInPlace()
    {
        // One packet for a large block and then a smaller one, as a transfer uses it.
        QByteArray packet;
        for (const int size : {MaxBlock, 3, 0}) {
            const QByteArray block(size, 'y');
            std::memcpy(PrepareDataPacket(packet, size), block.constData(), size);
            QCOMPARE(packet, FramePacket(DataPayload(block)));
        }
    }

    void parseHeader_data()
    {
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QByteArray>("nick");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("size");
        const auto bad = [](const char* row, const QByteArray& argument) {
            QTest::newRow(row) << argument << false << QByteArray() << QByteArray() << 0;
        };
        QTest::newRow("plain") << QByteArray("me\0f.txt\0\x10\x27\0\0", 13) << true
                               << QByteArray("me") << QByteArray("f.txt") << 10000;
        QTest::newRow("largest size") << QByteArray("a\0b\0\xFF\xFF\xFF\x7F", 8) << true
                                      << QByteArray("a") << QByteArray("b") << 0x7FFFFFFF;
        QTest::newRow("extra bytes") << QByteArray("a\0b\0\1\0\0\0zz", 10) << true
                                     << QByteArray("a") << QByteArray("b") << 1;
        QTest::newRow("empty fields")
            << QByteArray("\0\0\0\0\0\0", 6) << true << QByteArray() << QByteArray() << 0;
        bad("no zero bytes", "me f.txt 1234");
        bad("one zero byte", QByteArray("me\0f.txt", 8));
        bad("short size", QByteArray("a\0b\0\1\0\0", 7));
        // A sender's file of 2 GiB or more: parsed, and refused as too big by the receiver.
        QTest::newRow("size -1") << QByteArray("a\0b\0\xFF\xFF\xFF\xFF", 8) << true
                                 << QByteArray("a") << QByteArray("b") << -1;
    }

    void parseHeader()
    {
        QFETCH(QByteArray, argument);
        QFETCH(bool, valid);
        const std::optional<Header> header = ParseHeader(argument);
        QCOMPARE(header.has_value(), valid);
        if (!header)
            return;
        QTEST(header->nick, "nick");
        QTEST(header->fileName, "name");
        QTEST(int(header->size), "size");
        // What the writer makes, the reader takes apart again.
        QVERIFY(
            ParseHeader(
                SplitPayload(HeaderPayload(header->nick, header->fileName, header->size)).argument)
                ->size == header->size);
    }

    void reader_data()
    {
        QTest::addColumn<Bytes>("chunks");
        QTest::addColumn<Bytes>("payloads"); // "!" stands for an overflow
        const QByteArray ack = FramePacket(AckPayload());
        QTest::newRow("byte by byte")
            << Bytes{ack.first(1), ack.sliced(1, 1), ack.sliced(2, 1), ack.sliced(3)}
            << Bytes{AckPayload()};
        QTest::newRow("empty payload") << Bytes{QByteArray(2, '\0')} << Bytes{QByteArray()};
        QTest::newRow("two at once, second dropped")
            << Bytes{ack + FramePacket(EndPayload()), ack} << Bytes{AckPayload(), AckPayload()};
        QTest::newRow("length beyond the bytes") << Bytes{QByteArray("\xE8\x03N\0", 4)} << Bytes{};
        QTest::newRow("one packet's worth")
            << Bytes{QByteArray("\xFD\xFF", 2), QByteArray(65533, 'x')}
            << Bytes{QByteArray(65533, 'x')};
        QTest::newRow("more than a packet")
            << Bytes{QByteArray("\xFF\xFF", 2), QByteArray(65534, 'x')} << Bytes{"!"};
    }

    void reader()
    {
        QFETCH(Bytes, chunks);
        PacketReader reader;
        Bytes got;
        for (const QByteArray& chunk : chunks) {
            switch (reader.feed(chunk)) {
            case PacketReader::Result::Packet:
                got.append(reader.takePayload());
                break;
            case PacketReader::Result::Overflow:
                got.append("!");
                break;
            case PacketReader::Result::Incomplete:
                break;
            }
        }
        QTEST(got, "payloads");
    }

    void readerViews()
    {
        // The payload as a view, then the next packet in the same memory.
        PacketReader reader;
        const QByteArray data = FramePacket(DataPayload(QByteArray(MaxBlock, 'x')));
        QCOMPARE(reader.feed(data), PacketReader::Result::Packet);
        QCOMPARE(reader.payload().toByteArray(), DataPayload(QByteArray(MaxBlock, 'x')));
        const PayloadView parts = SplitPayloadView(reader.payload());
        QCOMPARE(parts.command.toByteArray(), QByteArray("D"));
        QCOMPARE(parts.argument.size(), MaxBlock);
        reader.next();
        QVERIFY(reader.payload().isEmpty());
        QCOMPARE(reader.feed(FramePacket(EndPayload()).first(3)), PacketReader::Result::Incomplete);
        QCOMPARE(reader.feed(FramePacket(EndPayload()).sliced(3)), PacketReader::Result::Packet);
        QCOMPARE(reader.payload().toByteArray(), EndPayload());
        QCOMPARE(SplitPayloadView(reader.payload()).command.toByteArray(), QByteArray("E"));
        QVERIFY(SplitPayloadView("N").argument.isEmpty());
    }

    void blockSize_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<int>("next");
        QTest::newRow("499 ms grows") << 1 << qint64(499) << 0;
        QTest::newRow("largest stays") << 0 << qint64(10) << 0;
        QTest::newRow("half a second stays") << 3 << qint64(500) << 3;
        QTest::newRow("a second halves") << 3 << qint64(1000) << 4;
        QTest::newRow("smallest stays") << 5 << qint64(5000) << 5;
        // Only seconds and milliseconds of the time count.
        QTest::newRow("a minute and a bit grows") << 3 << qint64(60200) << 2;
    }

    void blockSize()
    {
        QFETCH(int, index);
        QFETCH(qint64, ms);
        QTEST(NextBlockIndex(index, ms), "next");
        QCOMPARE(BlockSize(FirstBlockIndex), 2048); // the larger ones: test_transfer_engine
    }

    void incomingName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reduced");
        QTest::newRow("plain") << u"report 1.pdf"_s << u"report 1.pdf"_s;
        QTest::newRow("dot dot") << u"../../x"_s << u"x"_s;
        QTest::newRow("absolute") << u"/etc/passwd"_s << u"passwd"_s;
        QTest::newRow("backslash") << u"a\\b"_s << u"b"_s;
        QTest::newRow("drive") << u"C:\\Windows\\win.ini"_s << u"win.ini"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("dot") << u"."_s << QString();
        QTest::newRow("dots") << u"dir/..."_s << QString();
        QTest::newRow("directory only") << u"dir/"_s << QString();
        QTest::newRow("controls") << u"a\u0001b\nc\u007F\u0085d"_s << u"abcd"_s;
        QTest::newRow("only controls") << u"\r\n\t"_s << QString();
        QTest::newRow("refused characters") << u"a<b>c:d|e?f*g\"h"_s << u"a_b_c_d_e_f_g_h"_s;
        QTest::newRow("trailing dots and spaces") << u"x.txt. . "_s << u"x.txt"_s;
        QTest::newRow("hidden stays") << u".profile"_s << u".profile"_s;
        QTest::newRow("300 bytes")
            << QString(300, u'a') + u".txt"_s << QString(176, u'a') + u".txt"_s;
        QTest::newRow("300 bytes, two per character")
            << QString(150, u'\u0436') + u".txt"_s << QString(88, u'\u0436') + u".txt"_s;
        QTest::newRow("the longest a header holds, cut in one pass")
            << QString(65000, u'\u0436') << QString(90, u'\u0436');
    }

    void incomingName()
    {
        QFETCH(QString, name);
        const QString reduced = ReduceIncomingName(name);
        QTEST(reduced, "reduced");
        QVERIFY(reduced.toUtf8().size() <= MaxIncomingNameBytes);
    }

    void byteCount_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("999") << qint64(999) << u"999 b"_s;
        QTest::newRow("1000") << qint64(1000) << u"1.0 K"_s;
        QTest::newRow("12345") << qint64(12345) << u"12.3 K"_s;
        QTest::newRow("999999") << qint64(999999) << u"1000.0 K"_s;
        QTest::newRow("1000000") << qint64(1000000) << u"1.0 M"_s;
        QTest::newRow("negative") << qint64(-2500000) << u"-2.5 M"_s;
    }

    void byteCount()
    {
        QFETCH(qint64, count);
        QTEST(FormatByteCount(count), "text");
    }
};

QTEST_GUILESS_MAIN(TestTransferFormat)
#include "test_transfer_format.moc"
