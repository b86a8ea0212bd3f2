#include "messages/user_info.h"

#include <QCoreApplication>
#include <limits>

using namespace Qt::StringLiterals;

namespace quorvelle::messages {

std::optional<int> UserInfoWindows::ParseId(QStringView window)
{
    if (window.isEmpty())
        return std::nullopt;
    qint64 id = 0;
    for (const QChar c : window) {
        // Not QChar::isDigit: other scripts' digits, signs and blanks are no ids.
        if (c < u'0' || c > u'9')
            return std::nullopt;
        id = id * 10 + (c.unicode() - u'0');
        if (id > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(id);
}

int UserInfoWindows::freeId() const
{
    int id = 0;
    for (const auto& [open, nick] : m_open) { // ascending
        if (open != id)
            break;
        ++id;
    }
    return id;
}

InfoRoute UserInfoWindows::route(QStringView window, const QString& nick)
{
    if (window == NewWindow) {
        if (const auto open = find(nick))
            return {InfoRoute::Updated, *open};
        const int id = freeId();
        m_open.emplace(id, nick);
        return {InfoRoute::Opened, id};
    }
    const auto id = ParseId(window);
    if (!id)
        return {};
    const auto it = m_open.find(*id);
    if (it == m_open.end())
        return {};
    // A late reply may land in a window that took over the id of a closed one;
    // the window then belongs to whoever replied.
    it->second = nick;
    return {InfoRoute::Updated, *id};
}

void UserInfoWindows::close(int id)
{
    m_open.erase(id);
}

void UserInfoWindows::rename(const QString& from, const QString& to)
{
    for (auto& [id, nick] : m_open)
        if (nick == from)
            nick = to;
}

std::optional<int> UserInfoWindows::find(const QString& nick) const
{
    for (const auto& [id, owner] : m_open)
        if (owner == nick)
            return id;
    return std::nullopt;
}

QString UserInfoWindows::nick(int id) const
{
    const auto it = m_open.find(id);
    return it == m_open.end() ? QString() : it->second;
}

namespace {

QString withSuffix(const QString& value, const QString& suffix)
{
    return value.isEmpty() ? value : value + suffix;
}

} // namespace

QString InfoCaption(const QString& nick)
{
    return QCoreApplication::translate("UserInfo", "%1 Info").arg(nick);
}

UserInfoView ViewOf(const net::InfoReply& reply, const settings::Switches& own)
{
    UserInfoView view;
    view.caption = InfoCaption(reply.nick);
    view.usingLine =
        QCoreApplication::translate("UserInfo", "Using: Quorvelle  v.%1").arg(reply.version);
    view.systemEnabled = reply.allowed.contains(u'S') && own.SysInfo;
    view.memoryEnabled = reply.allowed.contains(u'M') && own.MemInfo;
    view.programEnabled = reply.allowed.contains(u'P') && own.ProgInfo;
    if (view.systemEnabled)
        view.user = reply.nick;
    view.computer = reply.computer;
    view.memoryUsed = withSuffix(reply.memoryLoad, u" %"_s);
    view.memoryTotal =
        withSuffix(reply.memoryTotal, QCoreApplication::translate("UserInfo", " Kb"));
    view.process = reply.process;
    view.windowTitle = reply.title;
    return view;
}

} // namespace quorvelle::messages
