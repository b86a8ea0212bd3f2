#pragma once

// A message travels as raw text: colour codes and smile texts as typed, lines ended by
// CR LF. The message window shows it rendered. A quoted reply must still send the
// quoted lines the user left alone with the codes they came with, so the text to send
// is rebuilt from the edited text, the quoted raw text and what the view showed of it.

#include "chat/markup.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quorvelle::messages {

// Walks the lines of a text. CR LF, a lone CR and a lone LF each end a line: the wire
// and the files use CR LF, the view separates paragraphs by one character, and a peer
// or a file from elsewhere may use either alone. A break at the very end opens no
// further line, so "a\r\n" holds one line and "" none.
class TextLines
{
public:
    explicit TextLines(QStringView text) : m_text(text) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line without its break; call only while not atEnd().
    QStringView next();

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

QList<QStringView> SplitLines(QStringView text);

// The number of '>' the line starts with.
int QuoteDepth(QStringView line);

// The message colour a line is shown in.
enum class QuoteColour
{
    Text,        // "Your Text Message": not quoted
    SingleQuote, // ">Single Quote": an odd depth
    DoubleQuote, // ">>Double Quote": an even depth
};
QuoteColour LineColour(QStringView line);

// Quote: every line one '>' deeper, each ended by CR LF.
QString QuotedRawText(QStringView rawText);

// The lines the message window puts into its view, each in LineColour(line). An empty
// line goes in as one space, so that it keeps a paragraph of its own.
QStringList MessageViewLines(QStringView rawText);

// The view's text once those lines are in and rendered: lines separated by CR, codes
// handled as the mode says, each smile one space (its picture takes one position).
// ShowMessageText returns this; Quote keeps it as ShownText.
QString ShownText(QStringView rawText, chat::ColourCodeMode mode, bool showSmiles);

// Send: the raw text of the edited text. An edited line equal to a line of shownText
// that no earlier edited line has taken goes out as the raw line it was shown from (the
// first such line); any other line goes out as typed. Every line ends with CR LF.
// edited is the view's plain text with word wrap off and each picture read as one space,
// as in shownText; rawText and shownText are RawText and ShownText (both empty unless
// the window quoted).
QString RebuildRawText(QStringView edited, QStringView rawText, QStringView shownText);

} // namespace quorvelle::messages
