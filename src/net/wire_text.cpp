#include "net/wire_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quorvelle::net {

WireText::WireText(const QByteArray& codepage)
    : m_codepage(settings::IsKnownCodepage(codepage) ? codepage
                                                     : QByteArray(settings::FallbackCodepage))
{}

void WireText::setCodepage(const QByteArray& codepage)
{
    if (settings::IsKnownCodepage(codepage))
        m_codepage = codepage;
}

QString WireText::unmappable(const QString& text) const
{
    QStringEncoder encoder(m_codepage.constData());
    // The encoding runs when its result is taken.
    const QByteArray whole = encoder.encode(text);
    if (!encoder.hasError())
        return {};
    QString missing;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView one = QStringView(text).sliced(i, len);
        QStringEncoder single(m_codepage.constData());
        const QByteArray bytes = single.encode(one);
        if (single.hasError() && !missing.contains(one))
            missing += one;
        i += len;
    }
    return missing;
}

QByteArray WireText::encode(const QString& text) const
{
    QStringEncoder encoder(m_codepage.constData());
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Slow path: encode each character alone so the unmappable ones become "?".
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder single(m_codepage.constData());
        const QByteArray one = single.encode(QStringView(text).sliced(i, len));
        bytes += single.hasError() ? QByteArray("?") : one;
        i += len;
    }
    return bytes;
}

QString WireText::decode(QByteArrayView bytes) const
{
    QStringDecoder decoder(m_codepage.constData());
    return decoder.decode(bytes);
}

} // namespace quorvelle::net
