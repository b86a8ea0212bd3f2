#include "net/ipv4_text.h"

#include <array>

namespace quorvelle::net {

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

// One C-style number: 0x/0X hex, a leading 0 octal, else decimal. Stops at the
// first character that is not a digit of the base; nullopt without digits or on
// overflow past 32 bits.
std::optional<quint32> parseNumber(QStringView text, qsizetype& pos)
{
    int base = 10;
    qsizetype digitsFrom = pos;
    if (pos < text.size() && text[pos] == u'0') {
        if (pos + 1 < text.size() && (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
            base = 16;
            digitsFrom = pos + 2;
        } else {
            base = 8; // the 0 itself is an octal digit
        }
    }
    quint64 value = 0;
    qsizetype i = digitsFrom;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * quint64(base) + quint64(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (i == digitsFrom)
        return std::nullopt;
    pos = i;
    return quint32(value);
}

} // namespace

std::optional<quint32> ParseIpv4Text(QStringView text)
{
    std::array<quint32, 4> parts{};
    int count = 0;
    qsizetype pos = 0;
    for (;;) {
        if (count == 4)
            return std::nullopt;
        const std::optional<quint32> part = parseNumber(text, pos);
        if (!part)
            return std::nullopt;
        parts[count++] = *part;
        if (pos == text.size())
            break;
        if (text[pos] != u'.')
            return std::nullopt;
        ++pos; // a dot must be followed by another part
    }

    // Every part but the last is one byte; the last fills the rest.
    for (int i = 0; i < count - 1; ++i)
        if (parts[i] > 0xFF)
            return std::nullopt;
    const int lastBytes = 4 - (count - 1);
    const quint64 lastMax = (quint64(1) << (8 * lastBytes)) - 1;
    if (parts[count - 1] > lastMax)
        return std::nullopt;

    quint32 address = parts[count - 1];
    for (int i = 0; i < count - 1; ++i)
        address |= parts[i] << (8 * (3 - i));
    return address;
}

QString IpToText(quint32 ipv4)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ipv4 >> 24)
        .arg((ipv4 >> 16) & 0xFF)
        .arg((ipv4 >> 8) & 0xFF)
        .arg(ipv4 & 0xFF);
}

} // namespace quorvelle::net
