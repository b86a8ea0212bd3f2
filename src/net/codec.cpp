#include "net/codec.h"

#include <QRandomGenerator>
#include <array>

namespace quorvelle::net {

namespace {

// Largest power of two that is at most n / 2, or 0 when there is no pass.
qsizetype firstDistance(qsizetype n)
{
    qsizetype half = n / 2;
    if (half == 0)
        return 0;
    qsizetype d = 1;
    while (d * 2 <= half)
        d *= 2;
    return d;
}

using CrcTable = std::array<quint16, 256>;

CrcTable buildCrcTable()
{
    CrcTable table{};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
        table[i] = crc;
    }
    return table;
}

const CrcTable crcTable = buildCrcTable();

} // namespace

DatagramSeq DatagramSeq::random()
{
    return DatagramSeq(quint16(QRandomGenerator::global()->bounded(65535)));
}

// Positions in the algorithm are 1-based; s[i] below is bytes[i - 1].
void ScrambleDatagram(char* bytes, qsizetype n)
{
    auto* s = reinterpret_cast<unsigned char*>(bytes) - 1;
    const qsizetype top = firstDistance(n);
    for (qsizetype d = top; d >= 1; d /= 2)
        for (qsizetype i = n; i - d >= 1; i -= d)
            s[i] ^= s[i - d];
    for (qsizetype d = top; d >= 1; d /= 2)
        for (qsizetype j = 1; j + d <= n; j += d)
            s[j] ^= s[j + d];
}

void UnscrambleDatagram(char* bytes, qsizetype n)
{
    auto* s = reinterpret_cast<unsigned char*>(bytes) - 1;
    const qsizetype half = n / 2;
    for (qsizetype d = 1; d <= half; d *= 2)
        for (qsizetype j = 1 + ((n - 1) / d) * d; j - d >= 1; j -= d)
            s[j - d] ^= s[j];
    for (qsizetype d = 1; d <= half; d *= 2)
        for (qsizetype i = 1 + (n - 1) % d; i + d <= n; i += d)
            s[i + d] ^= s[i];
}

quint16 PacketSignature(QByteArrayView bytes)
{
    quint16 crc = 0;
    for (char c : bytes)
        crc = quint16(crcTable[(quint8(c) ^ (crc >> 8)) & 0xFF] ^ (crc << 8));
    return crc;
}

QByteArray FrameDatagram(QByteArrayView packet, DatagramSeq& seq)
{
    const QByteArrayView body = packet.first(qMin(packet.size(), MaxPacketSize));
    QByteArray datagram;
    datagram.reserve(body.size() + 2);
    datagram.append(body);
    const quint16 number = seq.take();
    datagram.append(char(number & 0xFF));
    datagram.append(char(number >> 8));
    ScrambleDatagram(datagram.data(), datagram.size());
    return datagram;
}

std::optional<DecodedDatagram> DecodeDatagram(QByteArray datagram)
{
    UnscrambleDatagram(datagram.data(), datagram.size());
    const quint16 signature = PacketSignature(datagram);
    if (datagram.size() < 3 || datagram.front() != '/')
        return std::nullopt;
    datagram.chop(2);
    return DecodedDatagram{std::move(datagram), signature};
}

QByteArrayView FirstField(QByteArrayView text)
{
    if (text.size() < 3)
        return {};
    const QByteArrayView rest = text.sliced(2);
    const qsizetype slash = rest.indexOf('/');
    return slash < 0 ? QByteArrayView() : rest.first(slash);
}

QByteArrayView RestFields(QByteArrayView text)
{
    if (text.size() < 3)
        return {};
    const QByteArrayView rest = text.sliced(2);
    const qsizetype slash = rest.indexOf('/');
    return slash < 0 ? rest : rest.sliced(slash + 1);
}

} // namespace quorvelle::net
