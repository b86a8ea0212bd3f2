#include "shell/main_menu.h"

#include <QAction>
#include <QActionGroup>
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
    Hide1 = command(p, "Hide1", u"Show"_s, keys("Esc"));
    Hide1->setShortcutContext(Qt::WidgetShortcut);
    p->addSeparator();

    QMenu* statusMenu = p->addMenu(u"Status"_s);
    auto* statusGroup = new QActionGroup(this);
    status = {radio(statusMenu, statusGroup, "Normal1", u"Normal (Available)"_s, 0, keys("Ctrl+S")),
              radio(statusMenu, statusGroup, "DNDDonotdistrub1", u"DND (Do Not Disturb)"_s, 1,
                    keys("Ctrl+D")),
              radio(statusMenu, statusGroup, "AwayFarfromchat1", u"Away (Far From Chat)"_s, 2,
                    keys("Ctrl+A")),
              radio(statusMenu, statusGroup, "OffLine1", u"Offline (Not Available)"_s, 3,
                    keys("Ctrl+F"))};

    switches(p->addMenu(u"System Messages"_s),
             {&S::JLNet, &S::JLChan, &S::JLChat, &S::ChanNick, &S::ChanStat, &S::ChanSubj,
              &S::RecvMess, &S::RecvBeep, &S::MessConf, &S::BeepConf, &S::SysErrors});
    switches(p->addMenu(u"Timestamp Events"_s),
             {&S::SystemStrings, &S::UsersStrings, &S::ShowSeconds});

    QMenu* logging = p->addMenu(u"Logging"_s);
    switches(logging, {&S::LogMain, &S::LogOther, &S::LogPriv, &S::LogMess});
    logging->addSeparator();
    Messages1 = command(logging, "Messages1", u"Messages Archive..."_s);
    Search1 = command(logging, "Search1", tr("Search History..."));
    LogsDirectory1 = command(logging, "LogsDirectory1", u"Logs Directory..."_s);

    QMenu* config = p->addMenu(u"Configuration"_s);
    Connection1 = command(config, "Connection1", u"UDP Connection..."_s, keys("Ctrl+U"));
    Diagnostics1 = command(config, "Diagnostics1", tr("Network Diagnostics..."));
    SoundEvents1 = command(config, "SoundEvents1", u"Sound Events..."_s, keys("Ctrl+E"));
    miHotKey = command(config, "miHotKey", u"Hot Key for Popup..."_s, keys("Ctrl+H"));
    switches(config->addMenu(u"Allow Request Info"_s), {&S::SysInfo, &S::MemInfo, &S::ProgInfo});
    FilesQueue2 = command(config, "FilesQueue2", u"Files Queue..."_s, keys("Ctrl+Q"));
    config->addSeparator();
    Colors1 = command(config, "Colors1", u"Colors..."_s);
    Defaultcolors1 = command(config, "Defaultcolors1", u"Default Colors"_s);
    Font1 = command(config, "Font1", u"Font..."_s);
    Defaultfont1 = command(config, "Defaultfont1", u"Default Font"_s);

    QMenu* windowSettings = p->addMenu(u"Window Settings"_s);
    QMenu* codes = windowSettings->addMenu(u"Color Codes"_s);
    codes->setObjectName(u"StyleCodes"_s);
    auto* codesGroup = new QActionGroup(this);
    styleCodes = {radio(codes, codesGroup, "SCodeDis", u"Disabled"_s, 0),
                  radio(codes, codesGroup, "SCodeEn", u"Enabled"_s, 1),
                  radio(codes, codesGroup, "SCodeEnSt", u"Enabled and Hided"_s, 2),
                  radio(codes, codesGroup, "SCodeEnStrip", u"Enabled and Stripped"_s, 3)};
    switches(windowSettings, {&S::ShowSmiles, &S::ShowHistory});
    switches(windowSettings->addMenu(u"Save"_s), {&S::SaveState, &S::SaveSize, &S::SavePos});
    QMenu* defaults = windowSettings->addMenu(u"Defaults"_s);
    DefaultState1 = command(defaults, "DefaultState1", u"Default View"_s);
    DefaultSize1 = command(defaults, "DefaultSize1", u"Default Sizes"_s);
    CenterWindow1 = command(defaults, "CenterWindow1", u"Center Window"_s);

    QMenu* view = p->addMenu(u"View"_s);
    MnSubj = check(view, "MnSubj", u"Subject"_s, keys("Alt+F1"));
    MnSubjMin = check(view, "MnSubjMin", u"Minimized"_s, keys("Ctrl+F1"));
    MnNick = check(view, "MnNick", u"NickName"_s, keys("Alt+F2"));
    MnNickMin = check(view, "MnNickMin", u"Minimized"_s, keys("Ctrl+F2"));
    MnUsers = check(view, "MnUsers", u"UsersList"_s, keys("Alt+F3"));
    MnUsersMin = check(view, "MnUsersMin", u"Minimized"_s, keys("Ctrl+F3"));
    view->addSeparator();
    LeftPlace = check(view, "LeftPlace", u"Left Placement"_s, keys("Ctrl+L"));

    QMenu* update = p->addMenu(u"Update UsersList"_s);
    UpdateOnTime = check(update, "UpdateOnTime", u"Interval 0 Seconds..."_s);
    switches(update, {&S::UpdateOnPopup});

    p->addSeparator();
    switches(p, {&S::HintTray, &S::FlashTray, &S::PopupLine});
    p->addSeparator();
    Channels1 = command(p, "Channels1", u"Channels..."_s, keys("Alt+Space"));
    About1 = command(p, "About1", u"About..."_s, keys("Alt+A"));
    p->addSeparator();
    Exit1 = command(p, "Exit1", u"Exit"_s, keys("Alt+X"));

    // The tab menu.
    Close1 = command(m_tabMenu, "Close1", u"Close"_s, keys("Ctrl+F4"));
    Next1 = command(m_tabMenu, "Next1", u"Next"_s, keys("Ctrl+Tab"));
    Prev1 = command(m_tabMenu, "Prev1", u"Previous"_s, keys("Ctrl+Shift+Tab"));
    Find1 = command(m_tabMenu, "Find1", tr("Find..."), keys("Ctrl+Shift+F"));
    m_tabMenu->addAction(Channels1);
    QMenu* style = m_tabMenu->addMenu(u"Tabs Style"_s);
    auto* styleGroup = new QActionGroup(this);
    tabsStyle = {radio(style, styleGroup, "Tabs1", u"Tabs"_s, 0),
                 radio(style, styleGroup, "Buttons1", u"Buttons"_s, 1),
                 radio(style, styleGroup, "FlatButtons1", u"Flat Buttons"_s, 2)};

    ClearChat = command(nullptr, "ClearChat", u"Clear Chat"_s, keys("Shift+Esc"));

    // The users list's menu. Its items belong to the window too, so their keys
    // work wherever the focus is; Ctrl+Y is a second key for "Say Nick". One key
    // has one action in a window: Qt fires neither of two.
    QMenu* u = m_userPopup;
    MessMenu = command(u, "MessMenu", u"Message"_s, keys("Ins"));
    Chat1 = command(u, "Chat1", u"Private Chat"_s, keys("Ctrl+P"));
    Beep1 = command(u, "Beep1", u"Alert Beep"_s, keys("Ctrl+B"));
    SayNick1 = command(u, "SayNick1", u"Say Nick"_s, keys("Ctrl+N"));
    RequestINFO1 = command(u, "RequestINFO1", u"Request INFO"_s, keys("Ctrl+I"));
    SendFile1 = command(u, "SendFile1", u"Send File"_s, keys("Ctrl+W"));
    u->addSeparator()->setObjectName(u"N8"_s);
    MassMessage1 = command(u, "MassMessage1", u"Mass Message"_s, keys("Ctrl+M"));
    RefreshUsersList1 = command(u, "RefreshUsersList1", u"Refresh UsersList"_s, keys("Ctrl+R"));
    // The configuration menu's item takes Ctrl+Q; this one only shows it.
    FilesQueue1 = command(u, "FilesQueue1", u"Files Queue...\tCtrl+Q"_s);
    saynick2 = command(nullptr, "saynick2", u"say nick"_s, keys("Ctrl+Y"));

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
    Clear1 = command(m_nickHistory, "Clear1", u"&Clear"_s);
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
        QAction* action = check(menu, "", QString(def.caption));
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
