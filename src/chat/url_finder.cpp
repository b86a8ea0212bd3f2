#include "chat/url_finder.h"

#include <QRegularExpression>

namespace quorvelle::chat {

QList<UrlSpan> FindUrls(QStringView text)
{
    // Trailing punctuation belongs to the sentence, not to the address.
    static const QRegularExpression pattern(
        QStringLiteral(
            "\\b(?:(?:https?|ftp|file)://|www\\.|mailto:)[^\\s<>\"]*[^\\s<>\".,;:!?)'\\]]"),
        QRegularExpression::CaseInsensitiveOption);
    QList<UrlSpan> spans;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        spans.append({match.capturedStart(), match.capturedLength()});
    }
    return spans;
}

} // namespace quorvelle::chat
