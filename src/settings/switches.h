#pragma once

// The on/off switches of the main menus. Each one is declared once, in
// SwitchTable(): its field, its settings value and default, and its menu item's
// name and caption. The schema, loading and saving, and the menus all read that
// table, so a switch cannot be spelled differently in two places.

#include "settings/settings_schema.h"

#include <span>

namespace quorvelle::settings {

struct Switches
{
    // "System Messages": which system lines are shown.
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
    // "Timestamp Events".
    bool SystemStrings = true;
    bool UsersStrings = true;
    bool ShowSeconds = false;
    // "Logging": which conversations are logged, and the archive.
    bool LogMain = true;
    bool LogOther = true;
    bool LogPriv = true;
    bool LogMess = true;
    // "Allow Request Info": what this machine tells a peer that asks.
    bool SysInfo = true;
    bool MemInfo = true;
    bool ProgInfo = true;
    // "Window Settings".
    bool ShowSmiles = true;
    bool ShowHistory = true; // a conversation opens with the newest lines of its log
    bool SaveState = true;
    bool SaveSize = true;
    bool SavePos = true;
    // The rest of the main menu.
    bool UpdateOnPopup = true;
    bool HintTray = true;
    bool FlashTray = true;
    bool PopupLine = true;
    // The nick history's "Update History?": the own new nick enters the history.
    bool Updatehistory1 = true;
};

struct SwitchDef
{
    bool Switches::*field;
    Key key;
    bool fallback;
    QLatin1StringView item;    // the menu item's name
    QLatin1StringView caption; // the menu item's caption, in English (context "Switches")
};

std::span<const SwitchDef> SwitchTable();
const SwitchDef& SwitchFor(bool Switches::*field);

} // namespace quorvelle::settings
