#pragma once

// Puts a line of chat text into a rich text document as the markup says: colour
// code runs as character formats, hidden codes in the background colour, each
// smile as one picture, web and mail addresses as links. Net text only ever goes
// in as text runs, never as markup of the document. The conversation views and
// the message window both insert through here.

#include "chat/markup.h"

#include <QColor>
#include <QString>

class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace quorvelle::chat {

struct MarkupOptions
{
    ColourCodeMode mode = ColourCodeMode::Disabled;
    bool smiles = false;
    QColor background; // hidden codes are painted in it
    qreal pixelRatio = 1.0;
};

// Inserts one line (no line breaks) at the cursor in the given base format.
void InsertMarkup(QTextCursor& cursor, const QString& line, const QTextCharFormat& format,
                  const MarkupOptions& options);

// The selected text as the user sees it, each smile as its text and paragraphs
// separated by line breaks.
QString SelectedText(const QTextCursor& selection);

} // namespace quorvelle::chat
