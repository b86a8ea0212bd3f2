#include "settings/ini_list_order.h"

#include <algorithm>
#include <optional>

namespace quorvelle::settings {

namespace {

bool isHeader(QByteArrayView line)
{
    return line.trimmed().startsWith('[');
}

bool isHeaderOf(QByteArrayView line, const QString& section)
{
    const QByteArrayView t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']') &&
           IniUnescapedKey(t.sliced(1, t.size() - 2)) == section;
}

// The value name of a "name=value" line; none for blank lines and comments.
std::optional<QString> keyOf(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';'))
        return std::nullopt;
    const qsizetype equals = t.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    return IniUnescapedKey(t.first(equals).trimmed());
}

// The file's lines, each keeping its line end.
QList<QByteArrayView> linesOf(const QByteArray& file)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype end = file.indexOf('\n', start);
        end = end < 0 ? file.size() : end + 1;
        lines.append(QByteArrayView(file).sliced(start, end - start));
        start = end;
    }
    return lines;
}

// The index range [first, last) of the lines inside a section, if it is there.
std::optional<std::pair<qsizetype, qsizetype>> bodyOf(const QList<QByteArrayView>& lines,
                                                      const QString& section)
{
    const auto header = std::find_if(
        lines.begin(), lines.end(), [&](QByteArrayView line) { return isHeaderOf(line, section); });
    if (header == lines.end())
        return std::nullopt;
    const auto next = std::find_if(header + 1, lines.end(), isHeader);
    return std::pair{header + 1 - lines.begin(), next - lines.begin()};
}

} // namespace

QString IniUnescapedKey(QByteArrayView raw)
{
    // "\" stands for "/", "%XX" and "%UXXXX" for one character; the rest is UTF-8.
    const QString decoded = QString::fromUtf8(raw);
    QString result;
    result.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < decoded.size()) {
            const bool wide = decoded[i + 1] == u'U';
            const qsizetype first = i + 1 + (wide ? 1 : 0);
            const qsizetype digits = wide ? 4 : 2;
            if (first + digits <= decoded.size()) {
                bool ok = false;
                const ushort code = QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
                if (ok) {
                    result += QChar(code);
                    i = first + digits;
                    continue;
                }
            }
        }
        result += c;
        ++i;
    }
    return result;
}

QStringList IniSectionKeyOrder(const QByteArray& file, const QString& section)
{
    const QList<QByteArrayView> lines = linesOf(file);
    QStringList names;
    if (const auto body = bodyOf(lines, section))
        for (qsizetype i = body->first; i < body->second; ++i)
            if (const auto name = keyOf(lines[i]); name && !names.contains(*name))
                names.append(*name);
    return names;
}

QByteArray IniReorderSection(const QByteArray& file, const QString& section,
                             const QStringList& order)
{
    const QList<QByteArrayView> lines = linesOf(file);
    const auto body = bodyOf(lines, section);
    if (!body)
        return file;
    // Value lines move; blank lines and comments stay at the section's end.
    QList<QByteArrayView> values(lines.begin() + body->first, lines.begin() + body->second);
    const auto rank = [&](QByteArrayView line) {
        const auto name = keyOf(line);
        if (!name)
            return order.size() + 1;
        const qsizetype at = order.indexOf(*name);
        return at < 0 ? order.size() : at;
    };
    std::stable_sort(values.begin(), values.end(),
                     [&](QByteArrayView a, QByteArrayView b) { return rank(a) < rank(b); });
    QByteArray out;
    out.reserve(file.size());
    for (qsizetype i = 0; i < body->first; ++i)
        out += lines[i];
    for (QByteArrayView line : values) {
        out += line;
        if (!line.endsWith('\n')) // the file's last line, no longer last
            out += '\n';
    }
    for (qsizetype i = body->second; i < lines.size(); ++i)
        out += lines[i];
    return out;
}

} // namespace quorvelle::settings
