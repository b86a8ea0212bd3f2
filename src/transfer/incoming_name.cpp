#include "transfer/incoming_name.h"

namespace quorvelle::transfer {

namespace {

bool isRefusedChar(QChar c)
{
    // Refused in Windows file names; harmless elsewhere but the file may travel on.
    return c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' || c == u'*';
}

// The longest start of text, in whole characters (never half a surrogate pair),
// whose UTF-8 form fits; one pass, as a hostile name may be 64 KB long.
QString cutToBytes(const QString& text, int maxBytes)
{
    qsizetype bytes = 0, end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                          text.at(end + 1).isLowSurrogate();
        const char32_t c =
            pair ? QChar::surrogateToUcs4(text.at(end), text.at(end + 1)) : text.at(end).unicode();
        const int size = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += pair ? 2 : 1;
    }
    return text.first(end);
}

} // namespace

QString ReduceIncomingName(const QString& name)
{
    const qsizetype lastSep = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    QString plain;
    for (const QChar c : QStringView(name).sliced(lastSep + 1)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            continue;
        plain += isRefusedChar(c) ? QChar(u'_') : c;
    }
    // Windows drops trailing dots and spaces itself; doing it here also turns "."
    // and ".." into nothing.
    while (!plain.isEmpty() && (plain.back() == u'.' || plain.back() == u' '))
        plain.chop(1);
    if (plain.toUtf8().size() > MaxIncomingNameBytes) {
        const qsizetype dot = plain.lastIndexOf(u'.');
        const QString ext = dot > 0 && plain.size() - dot <= 16 ? plain.sliced(dot) : QString();
        plain = cutToBytes(plain.first(plain.size() - ext.size()),
                           MaxIncomingNameBytes - int(ext.toUtf8().size())) +
                ext;
    }
    return plain;
}

} // namespace quorvelle::transfer
