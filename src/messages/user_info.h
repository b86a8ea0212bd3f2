#pragma once

// The user information windows without their widgets: which windows are open,
// under which small number and for which user, where an information reply goes,
// and what a window shows for it.

#include "net/sinks.h"
#include "settings/switches.h"

#include <QString>
#include <QStringView>
#include <map>
#include <optional>

namespace quorvelle::messages {

// Where an information reply goes.
struct InfoRoute
{
    enum Kind
    {
        Dropped, // no such window: the reply is ignored
        Opened,  // a new window with this id is to be shown
        Updated, // the open window with this id shows the reply
    };
    Kind kind = Dropped;
    int id = -1;

    friend bool operator==(const InfoRoute&, const InfoRoute&) = default;
};

// The open information windows, each under the smallest id free when it opened
// (ids of closed windows are used again). The id goes out as decimal text in a
// refresh request and comes back in the reply; "N" asks for a new window.
class UserInfoWindows
{
public:
    static constexpr QStringView NewWindow = u"N";

    // The window for a reply from nick, which then belongs to nick. "N" opens a
    // window, unless nick already has one: that one shows the reply, so a user
    // never has two. Otherwise the text must be the decimal id of an open window,
    // in ASCII digits alone; anything else is dropped.
    InfoRoute route(QStringView window, const QString& nick);
    void close(int id);
    // A peer renamed: its windows follow.
    void rename(const QString& from, const QString& to);

    // The open window of nick (the lowest id if several).
    std::optional<int> find(const QString& nick) const;
    // The user an open window belongs to; empty when it is not open.
    QString nick(int id) const;
    bool isOpen(int id) const { return m_open.contains(id); }
    int count() const { return int(m_open.size()); }

    // The id a window number names, if it is one: decimal digits only.
    static std::optional<int> ParseId(QStringView window);

private:
    int freeId() const;

    std::map<int, QString> m_open; // id -> nick
};

// What an information window shows for a reply, as plain values.
struct UserInfoView
{
    QString caption; // nick + " Info"
    QString usingLine;
    bool systemEnabled = false;
    bool memoryEnabled = false;
    bool programEnabled = false;
    QString user; // the replier's nick, only while the System group is enabled
    QString computer;
    QString memoryUsed;  // load + " %", or empty
    QString memoryTotal; // kilobytes + " Kb", or empty
    QString process;
    QString windowTitle;
};

// The caption of a user's information window ("nick Info"), translated.
QString InfoCaption(const QString& nick);

// A group is enabled when the replier allows its kind (its letter in
// reply.allowed) and this user's own switch for it is on.
UserInfoView ViewOf(const net::InfoReply& reply, const settings::Switches& own);

} // namespace quorvelle::messages
