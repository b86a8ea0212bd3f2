#pragma once

// The main popup menu (also the tray's menu; the window has no menu bar), the tab
// menu, the nick history and the users list's menu. Items keep the names their
// settings and handlers use and are reached as typed members, so a misspelt item
// does not compile. The on/off switches come from the switch table and are bound
// to the session's switches; every other item is wired by the controller that
// owns it.

#include "settings/switches.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <array>
#include <utility>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace quorvelle::shell {

class MainMenu : public QObject
{
    Q_OBJECT

public:
    MainMenu(QWidget* window, settings::Switches& switches);

    QMenu* popup() const { return m_popup; }             // PopupMenu1
    QMenu* tabMenu() const { return m_tabMenu; }         // PopupMenu3
    QMenu* nickHistory() const { return m_nickHistory; } // PopupMenu4
    QMenu* userPopup() const { return m_userPopup; }     // the users list's menu

    // The check item of a switch.
    QAction* item(bool settings::Switches::*field) const;
    // Re-reads every switch (after the settings were loaded).
    void refreshSwitches();

    // PopupMenu1
    QAction* Hide1;
    std::array<QAction*, 4> status; // Normal1, DNDDonotdistrub1, AwayFarfromchat1, OffLine1
    QAction* Messages1;
    QAction* Search1; // every log and the archive
    QAction* LogsDirectory1;
    QAction* Connection1;
    QAction* Diagnostics1; // a test of the net, with likely causes
    QAction* SoundEvents1;
    QAction* miHotKey;
    QAction* FilesQueue2;
    QAction* Colors1;
    QAction* Defaultcolors1;
    QAction* Font1;
    QAction* Defaultfont1;
    std::array<QAction*, 4> styleCodes; // SCodeDis, SCodeEn, SCodeEnSt, SCodeEnStrip
    QAction* DefaultState1;
    QAction* DefaultSize1;
    QAction* CenterWindow1;
    QAction* MnSubj;
    QAction* MnSubjMin;
    QAction* MnNick;
    QAction* MnNickMin;
    QAction* MnUsers;
    QAction* MnUsersMin;
    QAction* LeftPlace;
    QAction* UpdateOnTime;
    QAction* Channels1;
    QAction* About1;
    QAction* Exit1;
    // PopupMenu3
    QAction* Close1;
    QAction* Next1;
    QAction* Prev1;
    QAction* Find1;                    // the find bar
    std::array<QAction*, 3> tabsStyle; // Tabs1, Buttons1, FlatButtons1
    // Works anywhere in the window.
    QAction* ClearChat;
    // The users list's menu, and the twins that carry its shortcuts.
    QAction* MessMenu;
    QAction* Chat1;
    QAction* Beep1;
    QAction* SayNick1;
    QAction* RequestINFO1;
    QAction* SendFile1;
    QAction* MassMessage1;
    QAction* RefreshUsersList1;
    QAction* FilesQueue1;
    QAction* saynick2;
    // PopupMenu4
    std::array<QAction*, 10> nicks; // Nick1 .. Nick10
    QAction* Clear1;

private:
    QAction* command(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
    QAction* check(QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& shortcut = {});
    QAction* radio(QMenu* menu, QActionGroup* group, const char* name, const QString& caption,
                   int tag, const QKeySequence& shortcut = {});
    void switches(QMenu* menu, std::initializer_list<bool settings::Switches::*> fields);

    QWidget* m_window;
    settings::Switches& m_switches;
    QMenu* m_popup;
    QMenu* m_tabMenu;
    QMenu* m_nickHistory;
    QMenu* m_userPopup;
    QList<std::pair<bool settings::Switches::*, QAction*>> m_switchItems;
};

} // namespace quorvelle::shell
