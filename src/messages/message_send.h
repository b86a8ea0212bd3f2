#pragma once

// Sending a popup message: to one user (who must be listed and not Offline) or to
// everybody, with the outgoing archive record while "Logging > Messages" is on.

#include <QString>

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::messages {

// The text as it travels, every line ended by CR LF. An empty recipient sends a
// mass message. False (nothing sent) for an empty text, or a recipient who is not
// listed or is Offline: the caller keeps the text.
bool SendMessageText(chat::ChatSession& session, const QString& recipient, const QString& rawText);

} // namespace quorvelle::messages
