#include "chat/say_nick.h"

namespace quorvelle::chat {

SayNickResult SayNickEdit(const QString& text, int caret, const QString& nick)
{
    const QString prefix = nick + QStringLiteral(": ");
    return SayNickResult{prefix + text, int(qBound(0, caret, int(text.size())) + prefix.size())};
}

} // namespace quorvelle::chat
