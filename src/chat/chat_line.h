#pragma once

// How a line finds its conversation and how it is composed: time stamp and nick
// prefix on every line of a multi-line text.

#include "presence/status.h"

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace quorvelle::chat {

struct ChatTarget
{
    enum Action
    {
        Drop,
        Append,
        OpenPrivate
    };
    Action action = Drop;
    QString name;          // the conversation the line goes to
    bool activate = false; // for OpenPrivate: make the new chat current
};

// A channel line goes to its open channel, or nowhere. A private line concerns
// the user only when the conversation field or the sender is the own nick; it goes
// to the chat named after the other user, which opens when missing.
ChatTarget ResolveChatTarget(const QString& conversation, const QString& nick,
                             const QString& myNick, presence::Status myStatus,
                             const std::function<bool(const QString&)>& exists);

// "[hh:mm] " (with seconds when asked); empty when no stamp is wanted.
QString ChatStamp(const QTime& time, bool withTime, bool showSeconds);
// "<nick> " when the nick is wanted.
QString NickPrefix(const QString& nick, bool withNick);

// Splits at CR LF, CR or LF (a final break starts no empty line, a NUL ends the
// text) and puts the stamp and the prefix before every line.
QStringList ComposeLines(const QString& text, const QString& stamp, const QString& prefix);

// "\r\n[dd.mm.yyyy]": the date header of a log.
QString LogDateHeader(const QDate& date);

// Reading a log line back (its bytes, CR LF taken off): the date of a header line
// "[dd.mm.yyyy]", invalid for any other line; and the stamp the line starts with,
// if any, with the stamp's length (the space after it included).
QDate LogHeaderDate(QByteArrayView line);
std::optional<QTime> LogLineStamp(QByteArrayView line, qsizetype* length = nullptr);

} // namespace quorvelle::chat
