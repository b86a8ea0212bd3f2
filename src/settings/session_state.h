#pragma once

// The state of the running program that the protocol reads and changes: the own
// nick and status, the channel subject and the switches of the menus. Read from
// the settings at start and written back at exit.

#include <QString>
#include <QStringList>

namespace quorvelle::settings {

class Settings;

// Which system lines are shown (the "System Messages" menu).
struct SystemMessageSwitches
{
    bool JLNet = true;
    bool JLChan = true;
    bool JLChat = true;
    bool ChanNick = true;
    bool ChanStat = true;
    bool ChanSubj = true;
    bool RecvMess = true;
    bool RecvBeep = true;
    bool MessConf = true;
    bool BeepConf = true;
    bool SysErrors = true;
};

struct SessionState
{
    QString MyNick;
    QChar MyStatus = u'0';

    QString SubjectText;
    QString SubjectAuthor;
    QString SubjectTime; // "[dd.mm.yyyy - hh:mm:ss]"
    // Set when the user asked for a new nick; cleared when the own rename returns.
    bool NickChangePending = false;

    SystemMessageSwitches messages;
    bool SystemStrings = true; // time stamps on system lines
    bool UsersStrings = true;  // time stamps on chat lines
    bool ShowSeconds = false;
    bool HintTray = true;
    bool Updatehistory1 = true; // own new nick enters the nick history

    // What this machine tells a peer that asks for information.
    bool SysInfo = true;
    bool MemInfo = true;
    bool ProgInfo = true;

    // Ten entries, newest first; empty entries are free.
    QStringList nickHistory = QStringList(10);

    // "S", "M", "P" for the allowed kinds of information, in that order.
    QString InfoLetters() const;

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

} // namespace quorvelle::settings
