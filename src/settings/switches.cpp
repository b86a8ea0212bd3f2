#include "settings/switches.h"

#include <array>

namespace quorvelle::settings {

namespace {

using S = Switches;
using L = QLatin1StringView;

const std::array<SwitchDef, 31> table{{
    {&S::JLNet, key::JLNet, true, L("JLNet"), L("Join/Leave Network")},
    {&S::JLChan, key::JLChan, true, L("JLChan"), L("Join/Leave Chanel")},
    {&S::JLChat, key::JLChat, true, L("JLChat"), L("Join/Leave Private Chat")},
    {&S::ChanNick, key::ChanNick, true, L("ChanNick"), L("Change NickName")},
    {&S::ChanStat, key::ChanStat, true, L("ChanStat"), L("Change User Status")},
    {&S::ChanSubj, key::ChanSubj, true, L("ChanSubj"), L("Change Subject")},
    {&S::RecvMess, key::RecvMess, true, L("RecvMess"), L("Receive Message")},
    {&S::RecvBeep, key::RecvBeep, true, L("RecvBeep"), L("Receive Beep")},
    {&S::MessConf, key::MessConf, true, L("MessConf"), L("Message Confirmation")},
    {&S::BeepConf, key::BeepConf, true, L("BeepConf"), L("Beep Confirmation")},
    {&S::SysErrors, key::SysErrors, true, L("SysErrors"), L("System Errors")},
    {&S::SystemStrings, key::TimeSystem, true, L("SystemStrings"), L("System Strings")},
    {&S::UsersStrings, key::TimeUsers, true, L("UsersStrings"), L("Users Strings")},
    {&S::ShowSeconds, key::TimeWSeconds, false, L("ShowSeconds"), L("Show Seconds")},
    {&S::LogMain, key::LogMain, true, L("LogMain"), L("Main Chanel")},
    {&S::LogOther, key::LogOther, true, L("LogOther"), L("Other Chanels")},
    {&S::LogPriv, key::LogPriv, true, L("LogPriv"), L("Privats Chats")},
    {&S::LogMess, key::LogMess, true, L("LogMess"), L("Messages")},
    {&S::SysInfo, key::SysInfo, true, L("SysInfo"), L("System")},
    {&S::MemInfo, key::MemInfo, true, L("MemInfo"), L("Memory")},
    {&S::ProgInfo, key::ProgInfo, true, L("ProgInfo"), L("Active Program")},
    {&S::ShowSmiles, key::ShowSmiles, true, L("miShowSmiles"), L("Show Smiles")},
    {&S::ShowHistory, key::ShowHistory, true, L("miShowHistory"), L("Show Recent History")},
    {&S::SaveState, key::SaveState, true, L("SaveState"), L("Save State")},
    {&S::SaveSize, key::SaveSize, true, L("SaveSize"), L("Save Size")},
    {&S::SavePos, key::SavePos, true, L("SavePos"), L("Save Position")},
    {&S::UpdateOnPopup, key::UpdateOnPopup, true, L("UpdateOnPopup"), L("On Popup Chat Window")},
    {&S::HintTray, key::HintTray, true, L("HintTray"), L("Show Hint in Tray")},
    {&S::FlashTray, key::FlashTray, true, L("FlashTray"), L("Flash in Tray")},
    {&S::PopupLine, key::PopupNewLine, true, L("PopupLine"), L("Popup Chat Window")},
    {&S::Updatehistory1, key::UpdateNicks, true, L("Updatehistory1"), L("&Update History?")},
}};

} // namespace

std::span<const SwitchDef> SwitchTable()
{
    return table;
}

const SwitchDef& SwitchFor(bool Switches::*field)
{
    for (const SwitchDef& def : table)
        if (def.field == field)
            return def;
    Q_UNREACHABLE();
    return table.front();
}

} // namespace quorvelle::settings
