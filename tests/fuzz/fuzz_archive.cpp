// "Messages.log" as a crash or another program may have left it: the reader takes
// any bytes, and whatever it lists is written and read again as the same records.
#include "messages/message_archive.h"

#include <cstdlib>

using namespace quorvelle;
using namespace quorvelle::messages;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const net::WireText texts[] = {net::WireText("windows-1251"), net::WireText("UTF-8")};
    const net::WireText& text = texts[size % 2];
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype last = 0;
    const QList<ArchiveRecord> records =
        ReadArchive(file, text, [&](qsizetype done, qsizetype total) {
            if (done <= last || done > total)
                std::abort();
            last = done;
            return true;
        });

    // What the reader lists, written again, reads back as the same records.
    QString rewritten;
    for (const ArchiveRecord& r : records)
        rewritten += ArchiveRecordText(r) + QStringLiteral("\r\n");
    if (ReadArchive(text.encode(rewritten), text) != records)
        std::abort();
    return 0;
}
