#include "chat/markup_renderer.h"

#include "chat/colour_value.h"
#include "chat/url_finder.h"
#include "shell/image_list.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <vector>

namespace quorvelle::chat {

namespace {

// The smile's text rides along in its picture's format, for copying.
constexpr int SmileTextProperty = QTextFormat::UserProperty + 1;

QString SmileResource(int image, qreal ratio)
{
    return QStringLiteral("smile:%1@%2").arg(image).arg(ratio);
}

// Each document holds the pictures it shows, drawn for the screen's pixel ratio.
void EnsureSmileResource(QTextDocument* document, int image, qreal ratio, const QString& name)
{
    if (!document->resource(QTextDocument::ImageResource, QUrl(name)).isNull())
        return;
    const int side = qRound(16 * ratio);
    QPixmap pixmap = shell::ImageList::icon(image).pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    document->addResource(QTextDocument::ImageResource, QUrl(name), pixmap);
}

// What one character of the shown text looks like.
struct Look
{
    int colour = -1; // colour value; -1: the line's own colour
    bool hidden = false;
    int url = -1; // index into the line's addresses

    bool operator==(const Look&) const = default;
};

} // namespace

void InsertMarkup(QTextCursor& cursor, const QString& line, const QTextCharFormat& format,
                  const MarkupOptions& options)
{
    const RenderedLine r = RenderMarkup(line, options.mode, options.smiles);
    const QString& shown = r.shown;
    const qsizetype n = shown.size();

    std::vector<Look> looks(static_cast<size_t>(n));
    for (const MarkupRun& run : r.runs)
        for (qsizetype i = run.start; i < run.start + run.length && i < n; ++i)
            looks[size_t(i)] = Look{run.colour, run.hidden, -1};
    const QList<UrlSpan> urls = FindUrls(shown);
    for (qsizetype u = 0; u < urls.size(); ++u)
        for (qsizetype i = urls[u].start; i < urls[u].start + urls[u].length; ++i)
            looks[size_t(i)].url = int(u);

    const auto formatFor = [&](const Look& look) {
        QTextCharFormat f = format;
        if (look.hidden)
            f.setForeground(options.background);
        else if (look.colour >= 0)
            f.setForeground(ToQColor(look.colour));
        if (look.url >= 0) {
            const QString address = shown.mid(urls[look.url].start, urls[look.url].length);
            f.setAnchor(true);
            f.setAnchorHref(address.startsWith(u"www.", Qt::CaseInsensitive)
                                ? QStringLiteral("http://") + address
                                : address);
            f.setFontUnderline(true);
        }
        return f;
    };

    qsizetype smile = 0;
    qsizetype i = 0;
    while (i < n) {
        if (smile < r.smiles.size() && r.smiles[smile].start == i) {
            const SmileSpan& s = r.smiles[smile++];
            const QString name = SmileResource(s.image, options.pixelRatio);
            EnsureSmileResource(cursor.document(), s.image, options.pixelRatio, name);
            QTextImageFormat picture;
            picture.merge(formatFor(looks[size_t(i)]));
            picture.setName(name);
            picture.setWidth(16);
            picture.setHeight(16);
            picture.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            picture.setProperty(SmileTextProperty, shown.mid(s.start, s.length));
            cursor.insertImage(picture);
            i += s.length;
            continue;
        }
        // A run of characters that look alike, up to the next smile.
        const qsizetype limit = smile < r.smiles.size() ? r.smiles[smile].start : n;
        qsizetype end = i + 1;
        while (end < limit && looks[size_t(end)] == looks[size_t(i)])
            ++end;
        cursor.insertText(shown.mid(i, end - i), formatFor(looks[size_t(i)]));
        i = end;
    }
}

QString SelectedText(const QTextCursor& selection)
{
    QString text;
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    for (QTextBlock block = selection.document()->findBlock(start);
         block.isValid() && block.position() <= end; block = block.next()) {
        if (block.position() > start)
            text += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = qMax(start, fragment.position());
            const int to = qMin(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            const QTextCharFormat f = fragment.charFormat();
            if (f.hasProperty(SmileTextProperty)) {
                // One picture per position; a fragment may hold several in a row.
                const QString smile = f.stringProperty(SmileTextProperty);
                for (int k = from; k < to; ++k)
                    text += smile;
            } else {
                text += fragment.text().mid(from - fragment.position(), to - from);
            }
        }
    }
    return text;
}

} // namespace quorvelle::chat
