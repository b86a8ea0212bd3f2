#include "settings/switches.h"

#include <QtGlobal>
#include <array>

namespace quorvelle::settings {

namespace {

using S = Switches;
using L = QLatin1StringView;

const std::array<SwitchDef, 31> table{{
    {&S::JLNet, key::JLNet, true, L("JLNet"),
     L(QT_TRANSLATE_NOOP("Switches", "Join/Leave Network"))},
    {&S::JLChan, key::JLChan, true, L("JLChan"),
     L(QT_TRANSLATE_NOOP("Switches", "Join/Leave Chanel"))},
    {&S::JLChat, key::JLChat, true, L("JLChat"),
     L(QT_TRANSLATE_NOOP("Switches", "Join/Leave Private Chat"))},
    {&S::ChanNick, key::ChanNick, true, L("ChanNick"),
     L(QT_TRANSLATE_NOOP("Switches", "Change NickName"))},
    {&S::ChanStat, key::ChanStat, true, L("ChanStat"),
     L(QT_TRANSLATE_NOOP("Switches", "Change User Status"))},
    {&S::ChanSubj, key::ChanSubj, true, L("ChanSubj"),
     L(QT_TRANSLATE_NOOP("Switches", "Change Subject"))},
    {&S::RecvMess, key::RecvMess, true, L("RecvMess"),
     L(QT_TRANSLATE_NOOP("Switches", "Receive Message"))},
    {&S::RecvBeep, key::RecvBeep, true, L("RecvBeep"),
     L(QT_TRANSLATE_NOOP("Switches", "Receive Beep"))},
    {&S::MessConf, key::MessConf, true, L("MessConf"),
     L(QT_TRANSLATE_NOOP("Switches", "Message Confirmation"))},
    {&S::BeepConf, key::BeepConf, true, L("BeepConf"),
     L(QT_TRANSLATE_NOOP("Switches", "Beep Confirmation"))},
    {&S::SysErrors, key::SysErrors, true, L("SysErrors"),
     L(QT_TRANSLATE_NOOP("Switches", "System Errors"))},
    {&S::SystemStrings, key::TimeSystem, true, L("SystemStrings"),
     L(QT_TRANSLATE_NOOP("Switches", "System Strings"))},
    {&S::UsersStrings, key::TimeUsers, true, L("UsersStrings"),
     L(QT_TRANSLATE_NOOP("Switches", "Users Strings"))},
    {&S::ShowSeconds, key::TimeWSeconds, false, L("ShowSeconds"),
     L(QT_TRANSLATE_NOOP("Switches", "Show Seconds"))},
    {&S::LogMain, key::LogMain, true, L("LogMain"),
     L(QT_TRANSLATE_NOOP("Switches", "Main Chanel"))},
    {&S::LogOther, key::LogOther, true, L("LogOther"),
     L(QT_TRANSLATE_NOOP("Switches", "Other Chanels"))},
    {&S::LogPriv, key::LogPriv, true, L("LogPriv"),
     L(QT_TRANSLATE_NOOP("Switches", "Privats Chats"))},
    {&S::LogMess, key::LogMess, true, L("LogMess"), L(QT_TRANSLATE_NOOP("Switches", "Messages"))},
    {&S::SysInfo, key::SysInfo, true, L("SysInfo"), L(QT_TRANSLATE_NOOP("Switches", "System"))},
    {&S::MemInfo, key::MemInfo, true, L("MemInfo"), L(QT_TRANSLATE_NOOP("Switches", "Memory"))},
    {&S::ProgInfo, key::ProgInfo, true, L("ProgInfo"),
     L(QT_TRANSLATE_NOOP("Switches", "Active Program"))},
    {&S::ShowSmiles, key::ShowSmiles, true, L("miShowSmiles"),
     L(QT_TRANSLATE_NOOP("Switches", "Show Smiles"))},
    {&S::ShowHistory, key::ShowHistory, true, L("miShowHistory"),
     L(QT_TRANSLATE_NOOP("Switches", "Show Recent History"))},
    {&S::SaveState, key::SaveState, true, L("SaveState"),
     L(QT_TRANSLATE_NOOP("Switches", "Save State"))},
    {&S::SaveSize, key::SaveSize, true, L("SaveSize"),
     L(QT_TRANSLATE_NOOP("Switches", "Save Size"))},
    {&S::SavePos, key::SavePos, true, L("SavePos"),
     L(QT_TRANSLATE_NOOP("Switches", "Save Position"))},
    {&S::UpdateOnPopup, key::UpdateOnPopup, true, L("UpdateOnPopup"),
     L(QT_TRANSLATE_NOOP("Switches", "On Popup Chat Window"))},
    {&S::HintTray, key::HintTray, true, L("HintTray"),
     L(QT_TRANSLATE_NOOP("Switches", "Show Hint in Tray"))},
    {&S::FlashTray, key::FlashTray, true, L("FlashTray"),
     L(QT_TRANSLATE_NOOP("Switches", "Flash in Tray"))},
    {&S::PopupLine, key::PopupNewLine, true, L("PopupLine"),
     L(QT_TRANSLATE_NOOP("Switches", "Popup Chat Window"))},
    {&S::Updatehistory1, key::UpdateNicks, true, L("Updatehistory1"),
     L(QT_TRANSLATE_NOOP("Switches", "&Update History?"))},
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
