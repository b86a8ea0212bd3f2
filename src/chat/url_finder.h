#pragma once

// Addresses in chat text that a click should open: "scheme://...", "www." and
// "mailto:" forms, up to the next white space.

#include <QList>
#include <QStringView>

namespace quorvelle::chat {

struct UrlSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
};

QList<UrlSpan> FindUrls(QStringView text);

} // namespace quorvelle::chat
