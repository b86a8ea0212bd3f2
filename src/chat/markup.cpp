#include "chat/markup.h"

#include "settings/colours.h"

#include <algorithm>
#include <vector>

namespace quorvelle::chat {

namespace {

using settings::Rgb;

constexpr ColourCodeEntry Code(const char* caption, const char* start, const char* end, int colour)
{
    return {QLatin1StringView(caption), QLatin1StringView(start), QLatin1StringView(end), colour};
}

constexpr std::array<ColourCodeEntry, 16> ColourCodes{{
    Code(QT_TRANSLATE_NOOP("ColourCodes", "White "), "*", "*", Rgb(255, 255, 255)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Silver"), "@|", "|@", Rgb(192, 192, 192)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Red"), "_|", "|_", Rgb(255, 0, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Lime"), "&|", "|&", Rgb(0, 255, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Yellow"), "^|", "|^", Rgb(255, 255, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Blue"), "$|", "|$", Rgb(0, 0, 255)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Fuchsia"), "#|", "|#", Rgb(255, 0, 255)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Aqua"), "%|", "|%", Rgb(0, 255, 255)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Black"), "~", "~", Rgb(0, 0, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Gray"), "@", "@", Rgb(128, 128, 128)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Maroon"), "_", "_", Rgb(128, 0, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Green"), "&", "&", Rgb(0, 128, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Olive"), "^", "^", Rgb(128, 128, 0)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Navy"), "$", "$", Rgb(0, 0, 128)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Purple"), "#", "#", Rgb(128, 0, 128)),
    Code(QT_TRANSLATE_NOOP("ColourCodes", "Teal"), "%", "%", Rgb(0, 128, 128)),
}};

constexpr SmileEntry Smile(const char* text, int image)
{
    return {QLatin1StringView(text), image};
}

constexpr std::array<SmileEntry, 22> Smiles{{
    Smile(":)", 81),      Smile(":))", 82),      Smile(":)))", 83), Smile(":p", 84),
    Smile(":o", 85),      Smile(":D", 86),       Smile(";)", 87),   Smile(":|", 88),
    Smile(":\\", 89),     Smile(":(", 90),       Smile(":`(", 91),  Smile(":x", 92),
    Smile(":E", 93),      Smile(":EE", 94),      Smile("B)", 95),   Smile("8)", 96),
    Smile("O|", 97),      Smile(":+|", 98),      Smile(":!:", 99),  Smile(":?:", 100),
    Smile(":idea:", 101), Smile(":arrow:", 102),
}};

// What rendering one pair did to a range of the line, in the order it was done:
// where ranges overlap, the later one is what the view ends up showing.
struct Paint
{
    qsizetype first, last; // line indices, inclusive
    int colour;
    bool hidden;
};

// One line as the view holds it while its codes are rendered. Codes are searched in a
// working copy where every code already seen is blanked, so it is not found again.
// Stripping removes characters, and may join two neighbours into a new code; the line
// is therefore a linked list over the original indices, which keep their order, so
// "before" and "after" are plain comparisons.
class CodeLine
{
public:
    explicit CodeLine(QStringView line) : m_line(line)
    {
        const qsizetype n = line.size();
        m_work.resize(n);
        m_next.resize(n);
        m_prev.resize(n);
        for (qsizetype i = 0; i < n; ++i) {
            m_work[i] = line[i].unicode();
            m_next[i] = i + 1;
            m_prev[i] = i - 1;
        }
        m_first = n > 0 ? 0 : End();
    }

    void render(ColourCodeMode mode)
    {
        for (const ColourCodeEntry& entry : ColourCodes)
            renderEntry(entry, mode);
    }

    // Appends the line as shown and as read back; runs in shown positions from offset.
    void write(ColourCodeMode mode, qsizetype offset, RenderedLine& out) const
    {
        const std::vector<qsizetype> painter = finalPaint();
        for (qsizetype i = m_first, pos = offset; i != End(); i = m_next[i], ++pos) {
            out.shown.append(m_line[i]);
            out.hint.append(mode == ColourCodeMode::Enabled ? m_line[i] : QChar(m_work[i]));
            if (painter[i] < 0)
                continue;
            const Paint& paint = m_paints[painter[i]];
            MarkupRun* last = out.runs.isEmpty() ? nullptr : &out.runs.last();
            if (last && last->start + last->length == pos && last->colour == paint.colour &&
                last->hidden == paint.hidden)
                ++last->length;
            else
                out.runs.append({pos, 1, paint.colour, paint.hidden});
        }
    }

private:
    qsizetype End() const { return m_line.size(); }

    // The node holding the code's last character.
    qsizetype lastOf(qsizetype i, qsizetype length) const { return length == 1 ? i : m_next[i]; }

    bool isAt(qsizetype i, QLatin1StringView code) const
    {
        if (i < 0 || i == End() || m_work[i] != code[0].unicode())
            return false;
        return code.size() == 1 || (m_next[i] != End() && m_work[m_next[i]] == code[1].unicode());
    }

    qsizetype find(qsizetype from, QLatin1StringView code) const
    {
        while (from != End() && !isAt(from, code))
            from = m_next[from];
        return from;
    }

    void blank(qsizetype i, qsizetype length)
    {
        m_work[i] = u' ';
        if (length == 2)
            m_work[m_next[i]] = u' ';
    }

    void unlink(qsizetype first, qsizetype last)
    {
        const qsizetype before = m_prev[first], after = m_next[last];
        (before >= 0 ? m_next[before] : m_first) = after;
        if (after != End())
            m_prev[after] = before;
    }

    void paint(qsizetype first, qsizetype last, int colour, bool hidden)
    {
        if (first <= last)
            m_paints.push_back({first, last, colour, hidden});
    }

    // Every start code, in order, pairs with the first end code of the line; one that
    // finds no end code after it stays as typed. Both searches resume where nothing
    // earlier can match any more, which keeps a line full of codes linear.
    void renderEntry(const ColourCodeEntry& entry, ColourCodeMode mode)
    {
        const QLatin1StringView start = entry.startCode, end = entry.endCode;
        const qsizetype length = start.size();
        qsizetype startFrom = m_first, endFrom = m_first;
        for (;;) {
            const qsizetype p = find(startFrom, start);
            if (p == End())
                return;
            const qsizetype pLast = lastOf(p, length);
            blank(p, length); // may break an end code sharing a character with it
            const qsizetype q = endFrom = find(endFrom, end);
            if (q == End() || q < p) { // an end code before it leaves it unmatched too
                startFrom = m_next[pLast];
                continue;
            }
            const qsizetype qLast = lastOf(q, length);
            blank(q, length);
            const qsizetype inFirst = m_next[pLast], inLast = m_prev[q];
            if (mode != ColourCodeMode::EnabledStripped) {
                if (mode == ColourCodeMode::Enabled) {
                    paint(p, qLast, entry.colour, false);
                } else {
                    paint(p, pLast, entry.colour, true);
                    paint(inFirst, inLast, entry.colour, false);
                    paint(q, qLast, entry.colour, true);
                }
                startFrom = inFirst;
                endFrom = m_next[qLast];
                continue;
            }
            paint(inFirst, inLast, entry.colour, false);
            const qsizetype before = m_prev[p];
            unlink(p, pLast);
            unlink(q, qLast);
            // The removals close up the line: a new code can start just before either gap.
            const qsizetype beforeEnd = q == inFirst ? before : inLast;
            startFrom = before >= 0 ? before : m_first;
            if (isAt(before, end))
                endFrom = before;
            else if (isAt(beforeEnd, end))
                endFrom = beforeEnd;
            else
                endFrom = beforeEnd >= 0 ? m_next[beforeEnd] : m_first;
        }
    }

    // For each index, the last paint covering it (-1 for none). Walked backwards, a
    // character takes the first paint that reaches it and is skipped from then on, so
    // nested spans cost no more than the line is long.
    std::vector<qsizetype> finalPaint() const
    {
        const qsizetype n = m_line.size();
        std::vector<qsizetype> painter(n, -1), unpainted(n + 1);
        for (qsizetype i = 0; i <= n; ++i)
            unpainted[i] = i;
        auto nextUnpainted = [&unpainted](qsizetype i) {
            while (unpainted[i] != i)
                i = unpainted[i] = unpainted[unpainted[i]];
            return i;
        };
        for (auto k = qsizetype(m_paints.size()) - 1; k >= 0; --k) {
            for (qsizetype i = nextUnpainted(m_paints[k].first); i <= m_paints[k].last;
                 i = nextUnpainted(i)) {
                painter[i] = k;
                unpainted[i] = i + 1;
            }
        }
        return painter;
    }

    QStringView m_line;
    std::vector<char16_t> m_work;
    std::vector<qsizetype> m_next, m_prev;
    qsizetype m_first = 0;
    std::vector<Paint> m_paints;
};

// Each smile found becomes one picture, standing as a space in the text searched for
// the next ones, so a smile never reaches over a picture. Returns the spans ascending.
QList<SmileSpan> FindSmiles(const QString& text)
{
    QList<SmileSpan> spans;
    QString work = text;
    for (auto smile = Smiles.rbegin(); smile != Smiles.rend(); ++smile) {
        const QChar last = smile->text.back();
        for (qsizetype p = work.indexOf(smile->text); p >= 0; p = work.indexOf(smile->text, p)) {
            qsizetype length = smile->text.size();
            // ":)))))" is one picture; ":!::" is ":!:" and a colon.
            if (last != u':') {
                while (p + length < work.size() && work[p + length] == last)
                    ++length;
            }
            spans.append({p, length, smile->image});
            std::fill_n(work.begin() + p, length, u' ');
            p += length;
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const SmileSpan& a, const SmileSpan& b) { return a.start < b.start; });
    return spans;
}

} // namespace

const std::array<ColourCodeEntry, 16>& ColourCodeTable()
{
    return ColourCodes;
}

const std::array<SmileEntry, 22>& SmileTable()
{
    return Smiles;
}

RenderedLine RenderMarkup(const QString& text, ColourCodeMode mode, bool showSmiles)
{
    RenderedLine out;
    if (mode == ColourCodeMode::Disabled) {
        out.shown = out.hint = text;
    } else {
        qsizetype lineStart = 0;
        for (;;) {
            const qsizetype cr = text.indexOf(u'\r', lineStart);
            const qsizetype lineEnd = cr < 0 ? text.size() : cr;
            CodeLine line(QStringView(text).sliced(lineStart, lineEnd - lineStart));
            line.render(mode);
            line.write(mode, out.shown.size(), out);
            if (cr < 0)
                break;
            out.shown.append(u'\r');
            out.hint.append(u'\r');
            lineStart = cr + 1;
        }
    }
    if (showSmiles)
        out.smiles = FindSmiles(out.hint);
    out.pictured.reserve(out.hint.size());
    qsizetype copied = 0;
    for (const SmileSpan& smile : std::as_const(out.smiles)) {
        out.pictured.append(QStringView(out.hint).sliced(copied, smile.start - copied));
        out.pictured.append(u' ');
        copied = smile.start + smile.length;
    }
    out.pictured.append(QStringView(out.hint).sliced(copied));
    return out;
}

} // namespace quorvelle::chat
