#pragma once

// Colour codes and smiles: what a text with markup looks like once a rich text view
// has rendered it. Computed here without any view; the conversation view and the
// message window only apply the result.
//
// Applying a RenderedLine to a view, starting at view position start:
//  1. insert `shown` as plain text in the line's colour, every '\r' a paragraph break
//     (one position, as the view counts it);
//  2. give each run its format: colour `colour`, or the view's background colour when
//     `hidden`; runs do not overlap, so the order does not matter;
//  3. replace every smile span [start, start + length) by one picture of `image`,
//     from the last span to the first, so the positions of the earlier ones stay valid.
// All positions are relative to `start` and count characters of `shown`.

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <array>

namespace quorvelle::chat {

// The setting "StyleCodes".
enum class ColourCodeMode
{
    Disabled = 0,        // codes show as typed, in the line's colour
    Enabled = 1,         // codes and the text between them in the code's colour
    EnabledHided = 2,    // the codes stay but are painted in the background colour
    EnabledStripped = 3, // the codes are removed
};

struct ColourCodeEntry
{
    QLatin1StringView caption; // the "Set Color" menu item, in English (context "ColourCodes")
    QLatin1StringView startCode;
    QLatin1StringView endCode;
    int colour; // colour value: red | green << 8 | blue << 16
};

// In processing order; entry i belongs to the "Set Color" item with tag i + 1. Each
// two-character code comes before the one-character code sharing its first character.
const std::array<ColourCodeEntry, 16>& ColourCodeTable();

struct SmileEntry
{
    QLatin1StringView text; // matched case-sensitively
    int image;              // index in the main image list
};

// In menu order. Searched from the last to the first, so longer forms win over their
// prefixes (":)))" before ":)").
const std::array<SmileEntry, 22>& SmileTable();

struct MarkupRun
{
    qsizetype start = 0;
    qsizetype length = 0;
    int colour = 0;      // the code's colour value
    bool hidden = false; // a code kept in the text, painted in the background colour
};

struct SmileSpan
{
    qsizetype start = 0;
    qsizetype length = 0; // the smile's text with any repeats of its last character
    int image = 0;
};

struct RenderedLine
{
    QString shown; // what the view holds before the pictures go in; lines keep their '\r'
    // The text as read back after the codes are rendered: hidden codes, and start codes
    // left without partner in the modes that hide or strip, read as spaces; smiles as
    // their texts. The tray hint shows this.
    QString hint;
    QString pictured;        // hint with every smile as one space, one per picture
    QList<MarkupRun> runs;   // ascending, not overlapping; text outside keeps the line colour
    QList<SmileSpan> smiles; // ascending, not overlapping
};

// text: the lines of one appended text (time stamp and nick prefix included) joined by
// '\r'. Codes never pair across lines. A "Disabled" mode renders no codes; smiles are
// found in any mode when showSmiles is set.
RenderedLine RenderMarkup(const QString& text, ColourCodeMode mode, bool showSmiles);

} // namespace quorvelle::chat
