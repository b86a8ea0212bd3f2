#include "shell/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
using S = settings::Switches;

namespace {

QKeySequence keys(const char* text)
{
    return QKeySequence(QString::fromLatin1(text));
}

} // namespace

MainMenu::MainMenu(QWidget* window, settings::Switches& switchState)
    : QObject(window), m_window(window), m_switches(switchState), m_popup(new QMenu(window)),
      m_tabMenu(new QMenu(window)), m_nickHistory(new QMenu(window)), m_userPopup(new QMenu(window))
{
    m_userPopup->setObjectName(u"UserPopup"_s);
    m_popup->setObjectName(u"PopupMenu1"_s);
    m_tabMenu->setObjectName(u"PopupMenu3"_s);
    m_nickHistory->setObjectName(u"PopupMenu4"_s);
    QMenu* p = m_popup;

    // Esc is handled by the focused box itself (it may first undo an edit).
    Hide1 = command(p, "Hide1", tr("Show"), keys("Esc"));
    Hide1->setShortcutContext(Qt::WidgetShortcut);
    p->addSeparator();

    QMenu* statusMenu = p->addMenu(tr("Status"));
    auto* statusGroup = new QActionGroup(this);
    status = {
        radio(statusMenu, statusGroup, "Normal1", tr("Normal (Available)"), 0, keys("Ctrl+S")),
        radio(statusMenu, statusGroup, "DNDDonotdistrub1", tr("DND (Do Not Disturb)"), 1,
              keys("Ctrl+D")),
        radio(statusMenu, statusGroup, "AwayFarfromchat1", tr("Away (Far From Chat)"), 2,
              keys("Ctrl+A")),
        radio(statusMenu, statusGroup, "OffLine1", tr("Offline (Not Available)"), 3,
              keys("Ctrl+F"))};

    switches(p->addMenu(tr("System Messages")),
             {&S::JLNet, &S::JLChan, &S::JLChat, &S::ChanNick, &S::ChanStat, &S::ChanSubj,
              &S::RecvMess, &S::RecvBeep, &S::MessConf, &S::BeepConf, &S::SysErrors});
    switches(p->addMenu(tr("Timestamp Events")),
             {&S::SystemStrings, &S::UsersStrings, &S::ShowSeconds});

    QMenu* logging = p->addMenu(tr("Logging"));
    switches(logging, {&S::LogMain, &S::LogOther, &S::LogPriv, &S::LogMess});
    logging->addSeparator();
    Messages1 = command(logging, "Messages1", tr("Messages Archive..."));
    Search1 = command(logging, "Search1", tr("Search History..."));
    LogsDirectory1 = command(logging, "LogsDirectory1", tr("Logs Directory..."));

    QMenu* config = p->addMenu(tr("Configuration"));
    Connection1 = command(config, "Connection1", tr("UDP Connection..."), keys("Ctrl+U"));
    Diagnostics1 = command(config, "Diagnostics1", tr("Network Diagnostics..."));
    SoundEvents1 = command(config, "SoundEvents1", tr("Sound Events..."), keys("Ctrl+E"));
    miHotKey = command(config, "miHotKey", tr("Hot Key for Popup..."), keys("Ctrl+H"));
    switches(config->addMenu(tr("Allow Request Info")), {&S::SysInfo, &S::MemInfo, &S::ProgInfo});
    FilesQueue2 = command(config, "FilesQueue2", tr("Files Queue..."), keys("Ctrl+Q"));
    config->addSeparator();
    Colors1 = command(config, "Colors1", tr("Colors..."));
    Defaultcolors1 = command(config, "Defaultcolors1", tr("Default Colors"));
    Font1 = command(config, "Font1", tr("Font..."));
    Defaultfont1 = command(config, "Defaultfont1", tr("Default Font"));

    QMenu* windowSettings = p->addMenu(tr("Window Settings"));
    QMenu* codes = windowSettings->addMenu(tr("Color Codes"));
    codes->setObjectName(u"StyleCodes"_s);
    auto* codesGroup = new QActionGroup(this);
    styleCodes = {radio(codes, codesGroup, "SCodeDis", tr("Disabled"), 0),
                  radio(codes, codesGroup, "SCodeEn", tr("Enabled"), 1),
                  radio(codes, codesGroup, "SCodeEnSt", tr("Enabled and Hided"), 2),
                  radio(codes, codesGroup, "SCodeEnStrip", tr("Enabled and Stripped"), 3)};
    switches(windowSettings, {&S::ShowSmiles, &S::ShowHistory});
    switches(windowSettings->addMenu(tr("Save")), {&S::SaveState, &S::SaveSize, &S::SavePos});
    QMenu* defaults = windowSettings->addMenu(tr("Defaults"));
    DefaultState1 = command(defaults, "DefaultState1", tr("Default View"));
    DefaultSize1 = command(defaults, "DefaultSize1", tr("Default Sizes"));
    CenterWindow1 = command(defaults, "CenterWindow1", tr("Center Window"));

    QMenu* view = p->addMenu(tr("View"));
    MnSubj = check(view, "MnSubj", tr("Subject"), keys("Alt+F1"));
    MnSubjMin = check(view, "MnSubjMin", tr("Minimized"), keys("Ctrl+F1"));
    MnNick = check(view, "MnNick", tr("NickName"), keys("Alt+F2"));
    MnNickMin = check(view, "MnNickMin", tr("Minimized"), keys("Ctrl+F2"));
    MnUsers = check(view, "MnUsers", tr("UsersList"), keys("Alt+F3"));
    MnUsersMin = check(view, "MnUsersMin", tr("Minimized"), keys("Ctrl+F3"));
    view->addSeparator();
    LeftPlace = check(view, "LeftPlace", tr("Left Placement"), keys("Ctrl+L"));

    QMenu* update = p->addMenu(tr("Update UsersList"));
    UpdateOnTime = check(update, "UpdateOnTime", tr("Interval %1 Seconds...").arg(0));
    switches(update, {&S::UpdateOnPopup});

    p->addSeparator();
    switches(p, {&S::HintTray, &S::FlashTray, &S::PopupLine});
    p->addSeparator();
    Channels1 = command(p, "Channels1", tr("Channels..."), keys("Alt+Space"));
    About1 = command(p, "About1", tr("About..."), keys("Alt+A"));
    p->addSeparator();
    Exit1 = command(p, "Exit1", tr("Exit"), keys("Alt+X"));

    // The tab menu.
    Close1 = command(m_tabMenu, "Close1", tr("Close"), keys("Ctrl+F4"));
    Next1 = command(m_tabMenu, "Next1", tr("Next"), keys("Ctrl+Tab"));
    Prev1 = command(m_tabMenu, "Prev1", tr("Previous"), keys("Ctrl+Shift+Tab"));
    Find1 = command(m_tabMenu, "Find1", tr("Find..."), keys("Ctrl+Shift+F"));
    m_tabMenu->addAction(Channels1);
    QMenu* style = m_tabMenu->addMenu(tr("Tabs Style"));
    auto* styleGroup = new QActionGroup(this);
    tabsStyle = {radio(style, styleGroup, "Tabs1", tr("Tabs"), 0),
                 radio(style, styleGroup, "Buttons1", tr("Buttons"), 1),
                 radio(style, styleGroup, "FlatButtons1", tr("Flat Buttons"), 2)};

    ClearChat = command(nullptr, "ClearChat", tr("Clear Chat"), keys("Shift+Esc"));

    // The users list's menu. Its items belong to the window too, so their keys
    // work wherever the focus is; Ctrl+Y is a second key for "Say Nick". One key
    // has one action in a window: Qt fires neither of two.
    QMenu* u = m_userPopup;
    MessMenu = command(u, "MessMenu", tr("Message"), keys("Ins"));
    Chat1 = command(u, "Chat1", tr("Private Chat"), keys("Ctrl+P"));
    Beep1 = command(u, "Beep1", tr("Alert Beep"), keys("Ctrl+B"));
    SayNick1 = command(u, "SayNick1", tr("Say Nick"), keys("Ctrl+N"));
    RequestINFO1 = command(u, "RequestINFO1", tr("Request INFO"), keys("Ctrl+I"));
    SendFile1 = command(u, "SendFile1", tr("Send File"), keys("Ctrl+W"));
    u->addSeparator()->setObjectName(u"N8"_s);
    MassMessage1 = command(u, "MassMessage1", tr("Mass Message"), keys("Ctrl+M"));
    RefreshUsersList1 = command(u, "RefreshUsersList1", tr("Refresh UsersList"), keys("Ctrl+R"));
    // The configuration menu's item takes Ctrl+Q; this one only shows it.
    FilesQueue1 = command(u, "FilesQueue1",
                          tr("Files Queue...") + u'\t' +
                              QKeySequence(u"Ctrl+Q"_s).toString(QKeySequence::NativeText));
    saynick2 = command(nullptr, "saynick2", tr("say nick"), keys("Ctrl+Y"));

    // The nick history: ten entries, then its switch and "Clear". The entries are
    // shown only while they hold a nick; their shortcuts always work.
    for (int i = 0; i < 10; ++i) {
        QAction* entry = command(nullptr, "", QString(),
                                 QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + (i + 1) % 10)));
        entry->setObjectName(u"Nick%1"_s.arg(i + 1));
        nicks[size_t(i)] = entry;
    }
    m_nickHistory->addSeparator();
    switches(m_nickHistory, {&S::Updatehistory1});
    Clear1 = command(m_nickHistory, "Clear1", tr("&Clear"));
}

QAction* MainMenu::command(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, m_window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (menu)
        menu->addAction(action);
    // Shortcuts work while the menus are closed.
    m_window->addAction(action);
    return action;
}

QAction* MainMenu::check(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut)
{
    QAction* action = command(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

QAction* MainMenu::radio(QMenu* menu, QActionGroup* group, const char* name, const QString& caption,
                         int tag, const QKeySequence& shortcut)
{
    QAction* action = check(menu, name, caption, shortcut);
    action->setData(tag);
    group->addAction(action);
    return action;
}

void MainMenu::switches(QMenu* menu, std::initializer_list<bool settings::Switches::*> fields)
{
    for (bool settings::Switches::*field : fields) {
        const settings::SwitchDef& def = settings::SwitchFor(field);
        QAction* action =
            check(menu, "", QCoreApplication::translate("Switches", def.caption.data()));
        action->setObjectName(QString(def.item));
        action->setChecked(m_switches.*field);
        connect(action, &QAction::toggled, this,
                [this, field](bool on) { m_switches.*field = on; });
        m_switchItems.append({field, action});
    }
}

QAction* MainMenu::item(bool settings::Switches::*field) const
{
    for (const auto& [f, action] : m_switchItems)
        if (f == field)
            return action;
    return nullptr;
}

void MainMenu::refreshSwitches()
{
    for (const auto& [field, action] : m_switchItems)
        action->setChecked(m_switches.*field);
}

} // namespace quorvelle::shell
