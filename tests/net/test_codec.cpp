#include "net/codec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quorvelle::net;

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void scrambleVectors_data();
    void scrambleVectors();
    void roundTripEveryLength();
    void signature_data();
    void signature();
    void frameSubjectRequest();
    void frameCutsLongPackets_data();
    void frameCutsLongPackets();
    void sequenceAdvancesAndWraps();
    void decodeDrops_data();
    void decodeDrops();
    void fields_data();
    void fields();
};

void TestCodec::scrambleVectors_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("scrambled");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one byte") << QByteArray("x") << QByteArray("x");
    QTest::newRow("abc") << QByteArray("abc") << QByteArray::fromHex("620201");
    QTest::newRow("abcdefgh") << QByteArray("abcdefgh") << QByteArray::fromHex("006107636102680D");
}

void TestCodec::scrambleVectors()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, scrambled);
    QByteArray bytes = plain;
    ScrambleDatagram(bytes.data(), bytes.size());
    QCOMPARE(bytes.toHex(), scrambled.toHex());
    UnscrambleDatagram(bytes.data(), bytes.size());
    QCOMPARE(bytes, plain);
}

void TestCodec::roundTripEveryLength()
{
    QRandomGenerator rng(20261206);
    QByteArray original(MaxDatagramSize, Qt::Uninitialized);
    for (qsizetype n = 0; n <= MaxDatagramSize; ++n) {
        for (qsizetype i = 0; i < n; ++i)
            original[i] = char(rng.bounded(256));
        QByteArray bytes = original.first(n);
        ScrambleDatagram(bytes.data(), n);
        UnscrambleDatagram(bytes.data(), n);
        if (bytes != original.first(n))
            QFAIL(qPrintable(QStringLiteral("round trip broken at length %1").arg(n)));
    }
}

void TestCodec::signature_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("subject request") << QByteArray::fromHex("2F73412F3412") << 0x4AA2;
}

void TestCodec::signature()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    QCOMPARE(int(PacketSignature(bytes)), expected);
}

void TestCodec::frameSubjectRequest()
{
    DatagramSeq seq(0x1234);
    const QByteArray datagram = FrameDatagram("/sA/", seq);
    QCOMPARE(datagram.toHex(), QByteArray("410647756109"));
    QCOMPARE(seq.value(), quint16(0x1235));

    const auto decoded = DecodeDatagram(datagram);
    QVERIFY(decoded);
    QCOMPARE(decoded->packet, QByteArray("/sA/"));
    QCOMPARE(decoded->signature, quint16(0x4AA2));
}

void TestCodec::frameCutsLongPackets_data()
{
    QTest::addColumn<int>("packetSize");
    QTest::addColumn<int>("datagramSize");
    QTest::newRow("exactly the limit") << 8188 << 8190;
    QTest::newRow("one over") << 8189 << 8190;
    QTest::newRow("far over") << 20000 << 8190;
    QTest::newRow("short") << 2 << 4;
}

void TestCodec::frameCutsLongPackets()
{
    QFETCH(int, packetSize);
    QFETCH(int, datagramSize);
    QByteArray packet(packetSize, 'x');
    packet[0] = '/';
    packet[1] = '#';
    DatagramSeq seq(0xBEEF);
    QByteArray datagram = FrameDatagram(packet, seq);
    QCOMPARE(datagram.size(), datagramSize);
    UnscrambleDatagram(datagram.data(), datagram.size());
    QCOMPARE(datagram.first(datagramSize - 2), packet.first(datagramSize - 2));
    QCOMPARE(quint8(datagram.at(datagramSize - 2)), quint8(0xEF));
    QCOMPARE(quint8(datagram.at(datagramSize - 1)), quint8(0xBE));
}

void TestCodec::sequenceAdvancesAndWraps()
{
    DatagramSeq seq(65535);
    const auto first = DecodeDatagram(FrameDatagram("/sA/", seq));
    const auto second = DecodeDatagram(FrameDatagram("/sA/", seq));
    QVERIFY(first && second);
    QCOMPARE(first->packet, second->packet);
    QVERIFY(first->signature != second->signature);
    QCOMPARE(seq.value(), quint16(1));

    for (int i = 0; i < 5; ++i) {
        const quint16 expected = seq.value();
        QByteArray raw = FrameDatagram("/@A/0", seq);
        UnscrambleDatagram(raw.data(), raw.size());
        QCOMPARE(quint16(quint8(raw.at(raw.size() - 2)) | quint8(raw.back()) << 8), expected);
    }
    QVERIFY(DatagramSeq::random().value() < 65535);
}

void TestCodec::decodeDrops_data()
{
    QTest::addColumn<QByteArray>("plain"); // unscrambled datagram
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("two bytes") << QByteArray("/s") << false;
    QTest::newRow("three bytes, slash") << QByteArray("/\x01\x02", 3) << true;
    QTest::newRow("no slash") << QByteArray("xsA/\x01\x02") << false;
    QTest::newRow("ordinary") << QByteArray("/sA/\x01\x02") << true;
}

void TestCodec::decodeDrops()
{
    QFETCH(QByteArray, plain);
    QFETCH(bool, accepted);
    QByteArray wire = plain;
    ScrambleDatagram(wire.data(), wire.size());
    const auto decoded = DecodeDatagram(wire);
    QCOMPARE(bool(decoded), accepted);
    if (decoded) {
        QCOMPARE(decoded->packet, plain.chopped(2));
        QCOMPARE(decoded->signature, PacketSignature(plain));
    }
}

void TestCodec::fields_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("rest");
    QTest::newRow("subject request") << QByteArray("/sNick/") << QByteArray("Nick") << QByteArray();
    QTest::newRow("no slash") << QByteArray("/sabc") << QByteArray() << QByteArray("abc");
    QTest::newRow("chat line") << QByteArray("/#A//#B/C/D") << QByteArray("A")
                               << QByteArray("/#B/C/D");
    QTest::newRow("chat line tail")
        << QByteArray("/#B/C/D") << QByteArray("B") << QByteArray("C/D");
    QTest::newRow("short") << QByteArray("/s") << QByteArray() << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
}

void TestCodec::fields()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, rest);
    QCOMPARE(FirstField(text).toByteArray(), first);
    QCOMPARE(RestFields(text).toByteArray(), rest);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
