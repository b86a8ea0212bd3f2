#include "net/wire_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace quorvelle::net {

namespace {

// Opening a converter for a code page is far dearer than converting a short packet,
// so each thread keeps the one it used last.
template <typename Converter> Converter& CachedConverter(const QByteArray& codepage)
{
    thread_local QByteArray name;
    thread_local std::optional<Converter> converter;
    if (!converter || name != codepage) {
        converter.emplace(codepage.constData());
        name = codepage;
    }
    converter->resetState();
    return *converter;
}

} // namespace

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
    QStringEncoder& encoder = CachedConverter<QStringEncoder>(m_codepage);
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
    return CachedConverter<QStringDecoder>(m_codepage).decode(bytes);
}

} // namespace quorvelle::net
