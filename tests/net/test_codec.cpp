#include "net/codec.h"

#include <QTest>

using namespace quorvelle::net;

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void scramble_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("scrambled");
        QTest::newRow("odd length") << QByteArray("abc") << QByteArray::fromHex("620201");
        QTest::newRow("power of two")
            << QByteArray("abcdefgh") << QByteArray::fromHex("006107636102680D");
    }

    void scramble()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, scrambled);
        QByteArray bytes = plain;
        ScrambleDatagram(bytes.data(), bytes.size());
        QCOMPARE(bytes.toHex(), scrambled.toHex());
    }

    // The passes depend on the length's powers of two: every length must come back whole.
    void scrambleRoundTrip()
    {
        QByteArray original(MaxDatagramSize, Qt::Uninitialized);
        for (qsizetype i = 0; i < original.size(); ++i)
            original[i] = char(i * 131 + i / 7);
        for (qsizetype n = 0; n <= MaxDatagramSize; ++n) {
            QByteArray bytes = original.first(n);
            ScrambleDatagram(bytes.data(), n);
            UnscrambleDatagram(bytes.data(), n);
            if (bytes != original.first(n))
                QFAIL(qPrintable(QStringLiteral("round trip broken at length %1").arg(n)));
        }
    }

    void frame()
    {
        DatagramSeq seq(0x1234);
        const QByteArray datagram = FrameDatagram("/sA/", seq);
        QCOMPARE(datagram.toHex(), QByteArray("410647756109"));
        QCOMPARE(seq.value(), quint16(0x1235));
        const auto decoded = DecodeDatagram(datagram);
        QVERIFY(decoded);
        QCOMPARE(decoded->packet, QByteArray("/sA/"));
        QCOMPARE(decoded->signature, quint16(0x4AA2));
        QCOMPARE(PacketSignature("123456789"), quint16(0x31C3));

        // A long packet is cut to the limit and the sequence bytes follow; the number wraps.
        QByteArray packet(MaxPacketSize + 1, 'x');
        packet[0] = '/';
        DatagramSeq last(65535);
        QByteArray raw = FrameDatagram(packet, last);
        UnscrambleDatagram(raw.data(), raw.size());
        QCOMPARE(raw, packet.first(MaxPacketSize) + "\xFF\xFF");
        QCOMPARE(last.value(), quint16(0));
    }

    void decodeDrops_data()
    {
        QTest::addColumn<QByteArray>("plain"); // unscrambled datagram
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("two bytes") << QByteArray("/s") << false;
        QTest::newRow("three bytes") << QByteArray("/\x01\x02", 3) << true;
        QTest::newRow("no slash") << QByteArray("xsA/\x01\x02") << false;
    }

    void decodeDrops()
    {
        QFETCH(QByteArray, plain);
        QFETCH(bool, accepted);
        QByteArray wire = plain;
        ScrambleDatagram(wire.data(), wire.size());
        const auto decoded = DecodeDatagram(wire);
        QCOMPARE(bool(decoded), accepted);
        if (decoded)
            QCOMPARE(decoded->packet, plain.chopped(2));
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("rest");
        QTest::newRow("subject request")
            << QByteArray("/sNick/") << QByteArray("Nick") << QByteArray();
        QTest::newRow("no slash") << QByteArray("/sabc") << QByteArray() << QByteArray("abc");
        QTest::newRow("chat line")
            << QByteArray("/#A//#B/C/D") << QByteArray("A") << QByteArray("/#B/C/D");
        QTest::newRow("short") << QByteArray("/s") << QByteArray() << QByteArray();
    }

    void fields()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, rest);
        QCOMPARE(FirstField(text).toByteArray(), first);
        QCOMPARE(RestFields(text).toByteArray(), rest);
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
