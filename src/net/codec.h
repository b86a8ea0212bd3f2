#pragma once

// The datagram format: a packet of 8-bit text, two sequence bytes, and a keyless
// XOR scramble over the whole block. The receiver's CRC-16 signature is only used
// to drop repeated copies of one datagram.

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

namespace quorvelle::net {

inline constexpr qsizetype MaxPacketSize = 8188;
inline constexpr qsizetype MaxDatagramSize = MaxPacketSize + 2;
// One byte more than any datagram we send, so an oversized one shows up as such.
inline constexpr qsizetype ReceiveBufferSize = 8191;

// The per-program sequence number shared by every datagram it sends.
class DatagramSeq
{
public:
    explicit DatagramSeq(quint16 start = 0) : m_value(start) {}
    // A random start value from 0 to 65534.
    static DatagramSeq random();

    quint16 value() const { return m_value; }
    // Returns the current value and advances, wrapping 65535 -> 0.
    quint16 take() { return m_value++; }

private:
    quint16 m_value;
};

void ScrambleDatagram(char* bytes, qsizetype length);
void UnscrambleDatagram(char* bytes, qsizetype length);

// CRC-16/XMODEM; 0 for empty input.
quint16 PacketSignature(QByteArrayView bytes);

// Cuts the packet to MaxPacketSize, appends the sequence number (low byte first)
// and scrambles the result.
QByteArray FrameDatagram(QByteArrayView packet, DatagramSeq& seq);

struct DecodedDatagram
{
    QByteArray packet;
    quint16 signature = 0;
};

// Unscrambles, signs and strips the sequence bytes; nullopt when the result is
// not a packet (fewer than 3 bytes, or not starting with "/").
std::optional<DecodedDatagram> DecodeDatagram(QByteArray datagram);

// Field readers: the text from the third byte on, split at its first "/".
QByteArrayView FirstField(QByteArrayView text);
QByteArrayView RestFields(QByteArrayView text);

} // namespace quorvelle::net
