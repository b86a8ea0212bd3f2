#pragma once

// The state of the running program that the protocol reads and changes: the own
// nick and status, the channel subject and the switches of the menus. Read from
// the settings at start and written back at exit.

#include "presence/status.h"
#include "settings/switches.h"

#include <QString>
#include <QStringList>

namespace quorvelle::settings {

class Settings;

struct SessionState
{
    QString MyNick;
    presence::Status MyStatus = presence::Status::Normal;

    QString SubjectText;
    QString SubjectAuthor;
    QString SubjectTime; // "[dd.mm.yyyy - hh:mm:ss]"
    // Set when the user asked for a new nick; cleared when the own rename returns.
    bool NickChangePending = false;

    Switches switches;

    // Ten entries, newest first; empty entries are free.
    QStringList nickHistory = QStringList(10);

    // "S", "M", "P" for the allowed kinds of information, in that order.
    QString InfoLetters() const;

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

} // namespace quorvelle::settings
