#include "transfer/incoming_name.h"

namespace quorvelle::transfer {

namespace {

bool isRefusedChar(QChar c)
{
    // Refused in Windows file names; harmless elsewhere but the file may travel on.
    return c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' || c == u'*';
}

// Cuts whole characters (never half a surrogate pair) until the UTF-8 form fits.
QString cutToBytes(QString text, int maxBytes)
{
    while (text.toUtf8().size() > maxBytes) {
        qsizetype cut = text.size() - 1;
        if (cut > 0 && text.at(cut).isLowSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
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
