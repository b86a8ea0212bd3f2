#pragma once

// The bytes of a file transfer connection. Every packet is a 16-bit length (least
// significant byte first) and that many bytes of payload; a payload is a command,
// a zero byte and the command's argument. The conversation is one packet at a time.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace quorvelle::transfer {

inline constexpr int MaxPacket = 65535;   // length bytes included
inline constexpr int MaxBlock = 65531;    // "D", 0 and the block fill a whole packet
inline constexpr int FirstBlockIndex = 5; // 2048 bytes

QByteArray SizeToBytes(qint32 size);
// The first four bytes, least significant first; nullopt when there are fewer.
std::optional<qint32> BytesToSize(QByteArrayView bytes);

// The length bytes and the payload; the payload must fit one packet.
QByteArray FramePacket(QByteArrayView payload);
QByteArray HeaderPayload(QByteArrayView nick, QByteArrayView fileName, qint32 size);
QByteArray AckPayload();
QByteArray DataPayload(QByteArrayView block);
QByteArray EndPayload();
// A data packet built in place: packet becomes the length bytes, "D", 0 and room
// for blockSize bytes, which the caller fills from where this points. One packet
// kept for every block spares an allocation per block.
char* PrepareDataPacket(QByteArray& packet, qsizetype blockSize);

struct Payload
{
    QByteArray command;  // before the first zero byte (all of it when there is none)
    QByteArray argument; // after it
};
Payload SplitPayload(QByteArrayView payload);
// The same parts as views into payload.
struct PayloadView
{
    QByteArrayView command;
    QByteArrayView argument;
};
PayloadView SplitPayloadView(QByteArrayView payload);

struct Header
{
    QByteArray nick;
    QByteArray fileName;
    qint32 size = 0; // negative for a file of 2 GiB or more, which a sender may announce
};
// The argument of "B": nick, 0, name, 0, four size bytes. Nullopt when a zero byte
// or size byte is missing.
std::optional<Header> ParseHeader(QByteArrayView argument);

// Gathers the bytes of one packet as they come in.
class PacketReader
{
public:
    enum class Result
    {
        Incomplete,
        Packet,   // see payload()
        Overflow, // the gathered bytes would exceed one packet
    };

    Result feed(QByteArrayView bytes);
    // The complete packet's payload, valid until the next call of feed(), next() or
    // takePayload(). Bytes that came after the packet are dropped: the lock-step
    // conversation never sends any.
    QByteArrayView payload() const;
    // Starts over for the next packet, keeping the memory of this one for it.
    void next();
    // payload() as a copy, then next().
    QByteArray takePayload();
    qsizetype gathered() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
    bool m_complete = false;
};

// The block sizes by index: 0 is 65531, 1 .. 5 are 32768 down to 2048.
int BlockSize(int index);
// The next index from the time since the previous block (or the header): a quick
// acknowledgement doubles the block, one of a second or more halves it. Only the
// seconds and milliseconds of the time count, as on a clock face.
int NextBlockIndex(int index, qint64 msSincePrevious);

} // namespace quorvelle::transfer
