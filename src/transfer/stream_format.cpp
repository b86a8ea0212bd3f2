#include "transfer/stream_format.h"

namespace quorvelle::transfer {

QByteArray SizeToBytes(qint32 size)
{
    const auto v = quint32(size);
    QByteArray bytes(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((v >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<qint32> BytesToSize(QByteArrayView bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(bytes[i])) << (8 * i);
    return qint32(v);
}

QByteArray FramePacket(QByteArrayView payload)
{
    Q_ASSERT(payload.size() <= MaxPacket - 2);
    const auto length = quint16(payload.size());
    QByteArray packet;
    packet.reserve(payload.size() + 2);
    packet.append(char(length & 0xFF));
    packet.append(char(length >> 8));
    packet.append(payload);
    return packet;
}

QByteArray HeaderPayload(QByteArrayView nick, QByteArrayView fileName, qint32 size)
{
    QByteArray payload("B", 2); // command and its zero byte
    payload.append(nick);
    payload.append('\0');
    payload.append(fileName);
    payload.append('\0');
    payload.append(SizeToBytes(size));
    return payload;
}

QByteArray AckPayload()
{
    return QByteArray("N", 2);
}

QByteArray DataPayload(QByteArrayView block)
{
    QByteArray payload("D", 2);
    payload.append(block);
    return payload;
}

char* PrepareDataPacket(QByteArray& packet, qsizetype blockSize)
{
    Q_ASSERT(blockSize >= 0 && blockSize <= MaxBlock);
    const auto length = quint16(blockSize + 2);
    packet.resize(blockSize + 4);
    char* bytes = packet.data();
    bytes[0] = char(length & 0xFF);
    bytes[1] = char(length >> 8);
    bytes[2] = 'D';
    bytes[3] = '\0';
    return bytes + 4;
}

QByteArray EndPayload()
{
    return QByteArray("E", 2);
}

Payload SplitPayload(QByteArrayView payload)
{
    const PayloadView parts = SplitPayloadView(payload);
    return {parts.command.toByteArray(), parts.argument.toByteArray()};
}

PayloadView SplitPayloadView(QByteArrayView payload)
{
    const qsizetype zero = payload.indexOf('\0');
    if (zero < 0)
        return {payload, {}};
    return {payload.first(zero), payload.sliced(zero + 1)};
}

std::optional<Header> ParseHeader(QByteArrayView argument)
{
    const qsizetype nickEnd = argument.indexOf('\0');
    if (nickEnd < 0)
        return std::nullopt;
    const QByteArrayView rest = argument.sliced(nickEnd + 1);
    const qsizetype nameEnd = rest.indexOf('\0');
    if (nameEnd < 0)
        return std::nullopt;
    const std::optional<qint32> size = BytesToSize(rest.sliced(nameEnd + 1));
    if (!size)
        return std::nullopt;
    return Header{argument.first(nickEnd).toByteArray(), rest.first(nameEnd).toByteArray(), *size};
}

PacketReader::Result PacketReader::feed(QByteArrayView bytes)
{
    if (m_complete)
        return Result::Packet;
    if (m_buffer.size() + bytes.size() > MaxPacket)
        return Result::Overflow;
    m_buffer.append(bytes);
    if (m_buffer.size() < 2)
        return Result::Incomplete;
    const int length = quint8(m_buffer[0]) | (quint8(m_buffer[1]) << 8);
    if (m_buffer.size() < length + 2)
        return Result::Incomplete;
    m_buffer.truncate(length + 2);
    m_complete = true;
    return Result::Packet;
}

QByteArrayView PacketReader::payload() const
{
    return m_complete ? QByteArrayView(m_buffer).sliced(2) : QByteArrayView();
}

void PacketReader::next()
{
    // Kept rather than freed: a transfer gathers one block after another.
    m_buffer.resize(0);
    m_complete = false;
}

QByteArray PacketReader::takePayload()
{
    QByteArray copy = payload().toByteArray();
    next();
    return copy;
}

int BlockSize(int index)
{
    return index <= 0 ? MaxBlock : 65536 >> qMin(index, FirstBlockIndex);
}

int NextBlockIndex(int index, qint64 msSincePrevious)
{
    const qint64 seconds = (msSincePrevious / 1000) % 60;
    const qint64 millis = msSincePrevious % 1000;
    if (seconds == 0 && millis < 500 && index > 0)
        return index - 1;
    if (seconds >= 1 && index < FirstBlockIndex)
        return index + 1;
    return index;
}

} // namespace quorvelle::transfer
