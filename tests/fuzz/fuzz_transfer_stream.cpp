// A file transfer connection as a hostile peer may fill it: the bytes arrive in
// chunks of any size, are gathered into packets and taken apart into commands,
// headers, sizes and the name the file is saved under.
#include "transfer/incoming_name.h"
#include "transfer/stream_format.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvelle::transfer;

namespace {

void TakeApart(const QByteArray& payload)
{
    const Payload p = SplitPayload(payload);
    if (p.command == "B") {
        if (const auto header = ParseHeader(p.argument)) {
            const QString name = ReduceIncomingName(QString::fromUtf8(header->fileName));
            // A name that could leave the incoming directory never comes out.
            if (name.contains(u'/') || name.contains(u'\\') || name == u".." ||
                name.toUtf8().size() > MaxIncomingNameBytes)
                std::abort();
            // What was parsed frames into the same header again.
            if (!header->nick.contains('\0') && !header->fileName.contains('\0')) {
                const Payload again =
                    SplitPayload(HeaderPayload(header->nick, header->fileName, header->size));
                const auto reparsed = ParseHeader(again.argument);
                if (!reparsed || reparsed->nick != header->nick ||
                    reparsed->fileName != header->fileName || reparsed->size != header->size)
                    std::abort();
            }
        }
    } else if (p.command == "N") {
        BytesToSize(p.argument);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    PacketReader reader;
    while (input.remaining_bytes() > 0) {
        const size_t chunk = input.ConsumeIntegralInRange<size_t>(1, 4096);
        const std::string bytes = input.ConsumeBytesAsString(chunk);
        const PacketReader::Result result =
            reader.feed(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        if (reader.gathered() > MaxPacket)
            std::abort();
        if (result == PacketReader::Result::Overflow)
            break;
        if (result == PacketReader::Result::Packet) {
            const QByteArray payload = reader.takePayload();
            TakeApart(payload);
            // The sender's framing of that payload reads back as the same packet.
            PacketReader again;
            if (again.feed(FramePacket(payload)) != PacketReader::Result::Packet ||
                again.takePayload() != payload)
                std::abort();
        }
    }
    return 0;
}
