#include "messages/raw_text.h"

#include <QHash>

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

QStringView TextLines::next()
{
    const qsizetype start = m_pos;
    qsizetype end = start;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    m_pos = end + 1;
    if (end + 1 < m_text.size() && m_text[end] == u'\r' && m_text[end + 1] == u'\n')
        ++m_pos;
    return m_text.sliced(start, end - start);
}

QList<QStringView> SplitLines(QStringView text)
{
    QList<QStringView> lines;
    for (TextLines walk(text); !walk.atEnd();)
        lines.append(walk.next());
    return lines;
}

int QuoteDepth(QStringView line)
{
    int depth = 0;
    while (depth < line.size() && line[depth] == u'>')
        ++depth;
    return depth;
}

QuoteColour LineColour(QStringView line)
{
    const int depth = QuoteDepth(line);
    if (depth == 0)
        return QuoteColour::Text;
    return depth % 2 ? QuoteColour::SingleQuote : QuoteColour::DoubleQuote;
}

QString QuotedRawText(QStringView rawText)
{
    QString quoted;
    quoted.reserve(rawText.size() + rawText.size() / 8 + 3);
    for (TextLines lines(rawText); !lines.atEnd();) {
        quoted += u'>';
        quoted += lines.next();
        quoted += u"\r\n";
    }
    return quoted;
}

QStringList MessageViewLines(QStringView rawText)
{
    QStringList lines;
    for (TextLines walk(rawText); !walk.atEnd();) {
        const QStringView line = walk.next();
        lines.append(line.isEmpty() ? u" "_s : line.toString());
    }
    return lines;
}

QString ShownText(QStringView rawText, chat::ColourCodeMode mode, bool showSmiles)
{
    // Lines never pair codes across their breaks, so the whole text renders in one go.
    return chat::RenderMarkup(MessageViewLines(rawText).join(u'\r'), mode, showSmiles).pictured;
}

QString RebuildRawText(QStringView edited, QStringView rawText, QStringView shownText)
{
    const QList<QStringView> raw = SplitLines(rawText);
    const QList<QStringView> shown = SplitLines(shownText);
    // Each shown line is taken at most once, the topmost one still free first. The free
    // positions of each distinct line, last taken first, give that in linear time.
    QHash<QStringView, QList<qsizetype>> free;
    for (qsizetype j = shown.size() - 1; j >= 0; --j)
        free[shown[j]].append(j);

    QString text;
    text.reserve(edited.size() + rawText.size() + 2);
    for (TextLines lines(edited); !lines.atEnd();) {
        const QStringView line = lines.next();
        QStringView source = line;
        const auto positions = free.find(line);
        if (positions != free.end() && !positions->isEmpty()) {
            const qsizetype j = positions->takeLast();
            // Shown and raw lines pair up one to one; if they ever did not, send as typed.
            if (j < raw.size())
                source = raw[j];
        }
        text += source;
        text += u"\r\n";
    }
    return text;
}

} // namespace quorvelle::messages
