// Datagrams from anyone on the LAN: the decoder, the field readers of every packet
// that carries fields, and the framing round trip.
#include "net/codec.h"
#include "net/packets.h"

#include <cstdlib>

using namespace quorvelle::net;

namespace {

void ReadEveryField(QByteArrayView packet, const WireText& text)
{
    FirstField(packet);
    RestFields(packet);
    const ReceivedPacket p(packet, text);
    p.tail();
    for (int n = 0; n < 4; ++n) {
        (void)p.field(n);
        (void)p.after(n);
    }
    ReadFieldAndRest(p);
    ReadSubjectReply(p);
    ReadInfoRequest(p);
    ReadInfoAnswer(p);
    ReadChannelList(p);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WireText texts[] = {WireText("windows-1251"), WireText("UTF-8")};
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const WireText& text = texts[size % 2];

    if (const auto decoded = DecodeDatagram(bytes))
        ReadEveryField(decoded->packet, text);
    if (bytes.startsWith('/') && bytes.size() >= 3)
        ReadEveryField(bytes, text);

    // What we frame, a peer decodes to the same packet (cut to the longest one).
    if (bytes.startsWith('/') && bytes.size() >= 3) {
        DatagramSeq seq(quint16(size * 7919));
        const auto back = DecodeDatagram(FrameDatagram(bytes, seq));
        if (!back || back->packet != bytes.left(MaxPacketSize))
            std::abort();
    }
    return 0;
}
