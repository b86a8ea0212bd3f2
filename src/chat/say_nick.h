#pragma once

#include <QString>

namespace quorvelle::chat {

// The input line after "Say Nick": the nick and ": " before the old text, the
// caret where it was in the old text.
struct SayNickResult
{
    QString text;
    int caret = 0;
};
SayNickResult SayNickEdit(const QString& text, int caret, const QString& nick);

} // namespace quorvelle::chat
