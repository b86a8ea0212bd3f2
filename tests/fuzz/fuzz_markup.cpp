// Text from peers as the views draw it: colour codes and smiles, links, the message
// window's quoting and its rebuilding of a sent text.
#include "chat/markup.h"
#include "chat/url_finder.h"
#include "messages/raw_text.h"

#include <cstdlib>

using namespace quorvelle;

namespace {

void CheckRendered(const chat::RenderedLine& line)
{
    // Runs and smiles lie inside the shown text, ascending and apart.
    qsizetype end = 0;
    for (const chat::MarkupRun& run : line.runs) {
        if (run.start < end || run.length < 0 || run.start + run.length > line.shown.size())
            std::abort();
        end = run.start + run.length;
    }
    end = 0;
    for (const chat::SmileSpan& smile : line.smiles) {
        if (smile.start < end || smile.length <= 0 ||
            smile.start + smile.length > line.shown.size())
            std::abort();
        end = smile.start + smile.length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto mode = chat::ColourCodeMode(data[0] & 3);
    const bool smiles = data[0] & 4;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    CheckRendered(chat::RenderMarkup(text, mode, smiles));
    for (const chat::UrlSpan& url : chat::FindUrls(text))
        if (url.start < 0 || url.length <= 0 || url.start + url.length > text.size())
            std::abort();

    // Quoting, then sending the quoted text unchanged, gives back the quoted raw text.
    const QString quoted = messages::QuotedRawText(text);
    const QString shown = messages::ShownText(quoted, mode, smiles);
    if (messages::RebuildRawText(shown, quoted, shown) != quoted)
        std::abort();
    messages::RebuildRawText(text, quoted, shown);
    return 0;
}
