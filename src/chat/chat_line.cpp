#include "chat/chat_line.h"

namespace quorvelle::chat {

namespace {
// The stamp and header formats of lines and logs, written and read alike.
constexpr QStringView Stamp = u"HH:mm";
constexpr QStringView StampWithSeconds = u"HH:mm:ss";
constexpr QStringView HeaderDate = u"dd.MM.yyyy";
} // namespace

using namespace Qt::Literals::StringLiterals;

ChatTarget ResolveChatTarget(const QString& conversation, const QString& nick,
                             const QString& myNick, presence::Status myStatus,
                             const std::function<bool(const QString&)>& exists)
{
    if (conversation.startsWith(u'#'))
        return exists(conversation) ? ChatTarget{ChatTarget::Append, conversation} : ChatTarget{};
    if (conversation != myNick && nick != myNick)
        return {}; // between two other users
    const QString target = conversation == myNick ? nick : conversation;
    if (target.isEmpty())
        return {};
    if (exists(target))
        return ChatTarget{ChatTarget::Append, target};
    const bool activate = target == conversation || myStatus == presence::Status::Normal;
    return ChatTarget{ChatTarget::OpenPrivate, target, activate};
}

QString ChatStamp(const QTime& time, bool withTime, bool showSeconds)
{
    if (!withTime)
        return {};
    return u'[' + time.toString(showSeconds ? StampWithSeconds : Stamp) + u"] "_s;
}

QString NickPrefix(const QString& nick, bool withNick)
{
    return withNick ? u'<' + nick + u"> "_s : QString();
}

QStringList ComposeLines(const QString& text, const QString& stamp, const QString& prefix)
{
    QStringView rest(text);
    const qsizetype nul = rest.indexOf(QChar(0));
    if (nul >= 0)
        rest = rest.first(nul);
    QStringList lines;
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u'\r' && rest[end] != u'\n')
            ++end;
        lines.append(stamp + prefix + rest.first(end).toString());
        if (end < rest.size() && rest[end] == u'\r' && end + 1 < rest.size() &&
            rest[end + 1] == u'\n')
            ++end;
        rest = end < rest.size() ? rest.sliced(end + 1) : QStringView();
    }
    return lines;
}

QString LogDateHeader(const QDate& date)
{
    return u"\r\n["_s + date.toString(HeaderDate) + u']';
}

QDate LogHeaderDate(QByteArrayView line)
{
    if (line.size() != 12 || line.front() != '[' || line.back() != ']')
        return {};
    return QDate::fromString(QString::fromLatin1(line.sliced(1, 10)), HeaderDate);
}

std::optional<QTime> LogLineStamp(QByteArrayView line, qsizetype* length)
{
    for (const QStringView format : {Stamp, StampWithSeconds}) {
        const qsizetype size = format.size() + 3; // "[", "] "
        if (line.size() < size || line.front() != '[' || line.at(size - 2) != ']' ||
            line.at(size - 1) != ' ')
            continue;
        const QTime time = QTime::fromString(QString::fromLatin1(line.sliced(1, format.size())),
                                             format.toString());
        if (time.isValid()) {
            if (length)
                *length = size;
            return time;
        }
    }
    return std::nullopt;
}

} // namespace quorvelle::chat
