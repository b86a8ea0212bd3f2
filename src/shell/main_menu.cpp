#include "shell/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <tuple>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

namespace {

QKeySequence keys(const char* text)
{
    return QKeySequence(QString::fromLatin1(text));
}

} // namespace

MainMenu::MainMenu(QWidget* window)
    : QObject(window), m_window(window), m_popup(new QMenu(window)), m_tabMenu(new QMenu(window)),
      m_nickHistory(new QMenu(window)), m_userPopup(new QMenu(window))
{
    m_userPopup->setObjectName(u"UserPopup"_s);
    m_popup->setObjectName(u"PopupMenu1"_s);
    m_tabMenu->setObjectName(u"PopupMenu3"_s);
    m_nickHistory->setObjectName(u"PopupMenu4"_s);
    QMenu* p = m_popup;

    // Esc is handled by the focused box itself (it may first undo an edit).
    command(p, u"Hide1"_s, u"Show"_s, keys("Esc"))->setShortcutContext(Qt::WidgetShortcut);
    p->addSeparator();

    QMenu* status = submenu(p, u"Status"_s);
    auto* statusGroup = new QActionGroup(this);
    radio(status, statusGroup, u"Normal1"_s, u"Normal (Available)"_s, 0, keys("Ctrl+S"));
    radio(status, statusGroup, u"DNDDonotdistrub1"_s, u"DND (Do Not Disturb)"_s, 1, keys("Ctrl+D"));
    radio(status, statusGroup, u"AwayFarfromchat1"_s, u"Away (Far From Chat)"_s, 2, keys("Ctrl+A"));
    radio(status, statusGroup, u"OffLine1"_s, u"Offline (Not Available)"_s, 3, keys("Ctrl+F"));

    QMenu* messages = submenu(p, u"System Messages"_s);
    check(messages, u"JLNet"_s, u"Join/Leave Network"_s);
    check(messages, u"JLChan"_s, u"Join/Leave Chanel"_s);
    check(messages, u"JLChat"_s, u"Join/Leave Private Chat"_s);
    check(messages, u"ChanNick"_s, u"Change NickName"_s);
    check(messages, u"ChanStat"_s, u"Change User Status"_s);
    check(messages, u"ChanSubj"_s, u"Change Subject"_s);
    check(messages, u"RecvMess"_s, u"Receive Message"_s);
    check(messages, u"RecvBeep"_s, u"Receive Beep"_s);
    check(messages, u"MessConf"_s, u"Message Confirmation"_s);
    check(messages, u"BeepConf"_s, u"Beep Confirmation"_s);
    check(messages, u"SysErrors"_s, u"System Errors"_s);

    QMenu* stamps = submenu(p, u"Timestamp Events"_s);
    check(stamps, u"SystemStrings"_s, u"System Strings"_s);
    check(stamps, u"UsersStrings"_s, u"Users Strings"_s);
    check(stamps, u"ShowSeconds"_s, u"Show Seconds"_s);

    QMenu* logging = submenu(p, u"Logging"_s);
    check(logging, u"LogMain"_s, u"Main Chanel"_s);
    check(logging, u"LogOther"_s, u"Other Chanels"_s);
    check(logging, u"LogPriv"_s, u"Privats Chats"_s);
    check(logging, u"LogMess"_s, u"Messages"_s);
    logging->addSeparator();
    command(logging, u"Messages1"_s, u"Messages Archive..."_s);
    later(u"Messages1"_s);
    command(logging, u"LogsDirectory1"_s, u"Logs Directory..."_s);

    QMenu* config = submenu(p, u"Configuration"_s);
    command(config, u"Connection1"_s, u"UDP Connection..."_s, keys("Ctrl+U"));
    command(config, u"SoundEvents1"_s, u"Sound Events..."_s, keys("Ctrl+E"));
    later(u"SoundEvents1"_s);
    command(config, u"miHotKey"_s, u"Hot Key for Popup..."_s, keys("Ctrl+H"));
    later(u"miHotKey"_s);
    QMenu* info = submenu(config, u"Allow Request Info"_s);
    check(info, u"SysInfo"_s, u"System"_s);
    check(info, u"MemInfo"_s, u"Memory"_s);
    check(info, u"ProgInfo"_s, u"Active Program"_s);
    command(config, u"FilesQueue2"_s, u"Files Queue..."_s, keys("Ctrl+Q"));
    later(u"FilesQueue2"_s);
    config->addSeparator();
    command(config, u"Colors1"_s, u"Colors..."_s);
    later(u"Colors1"_s);
    command(config, u"Defaultcolors1"_s, u"Default Colors"_s);
    later(u"Defaultcolors1"_s);
    command(config, u"Font1"_s, u"Font..."_s);
    command(config, u"Defaultfont1"_s, u"Default Font"_s);

    QMenu* windowSettings = submenu(p, u"Window Settings"_s);
    QMenu* codes = submenu(windowSettings, u"Color Codes"_s);
    codes->setObjectName(u"StyleCodes"_s);
    auto* codesGroup = new QActionGroup(this);
    radio(codes, codesGroup, u"SCodeDis"_s, u"Disabled"_s, 0);
    radio(codes, codesGroup, u"SCodeEn"_s, u"Enabled"_s, 1);
    radio(codes, codesGroup, u"SCodeEnSt"_s, u"Enabled and Hided"_s, 2);
    radio(codes, codesGroup, u"SCodeEnStrip"_s, u"Enabled and Stripped"_s, 3);
    check(windowSettings, u"miShowSmiles"_s, u"Show Smiles"_s);
    QMenu* save = submenu(windowSettings, u"Save"_s);
    check(save, u"SaveState"_s, u"Save State"_s);
    check(save, u"SaveSize"_s, u"Save Size"_s);
    check(save, u"SavePos"_s, u"Save Position"_s);
    QMenu* defaults = submenu(windowSettings, u"Defaults"_s);
    command(defaults, u"DefaultState1"_s, u"Default View"_s);
    later(u"DefaultState1"_s);
    command(defaults, u"DefaultSize1"_s, u"Default Sizes"_s);
    command(defaults, u"CenterWindow1"_s, u"Center Window"_s);

    QMenu* view = submenu(p, u"View"_s);
    check(view, u"MnSubj"_s, u"Subject"_s, keys("Alt+F1"));
    check(view, u"MnSubjMin"_s, u"Minimized"_s, keys("Ctrl+F1"));
    check(view, u"MnNick"_s, u"NickName"_s, keys("Alt+F2"));
    check(view, u"MnNickMin"_s, u"Minimized"_s, keys("Ctrl+F2"));
    check(view, u"MnUsers"_s, u"UsersList"_s, keys("Alt+F3"));
    check(view, u"MnUsersMin"_s, u"Minimized"_s, keys("Ctrl+F3"));
    view->addSeparator();
    check(view, u"LeftPlace"_s, u"Left Placement"_s, keys("Ctrl+L"));
    for (const char* name :
         {"MnSubj", "MnSubjMin", "MnNick", "MnNickMin", "MnUsers", "MnUsersMin", "LeftPlace"})
        later(QString::fromLatin1(name));

    QMenu* update = submenu(p, u"Update UsersList"_s);
    check(update, u"UpdateOnTime"_s, u"Interval 0 Seconds..."_s);
    later(u"UpdateOnTime"_s);
    check(update, u"UpdateOnPopup"_s, u"On Popup Chat Window"_s);

    p->addSeparator();
    check(p, u"HintTray"_s, u"Show Hint in Tray"_s);
    check(p, u"FlashTray"_s, u"Flash in Tray"_s);
    check(p, u"PopupLine"_s, u"Popup Chat Window"_s);
    p->addSeparator();
    command(p, u"Channels1"_s, u"Channels..."_s, keys("Alt+Space"));
    later(u"Channels1"_s);
    command(p, u"About1"_s, u"About..."_s, keys("Alt+A"));
    p->addSeparator();
    command(p, u"Exit1"_s, u"Exit"_s, keys("Alt+X"));

    // The tab menu.
    command(m_tabMenu, u"Close1"_s, u"Close"_s, keys("Ctrl+F4"));
    command(m_tabMenu, u"Next1"_s, u"Next"_s, keys("Ctrl+Tab"));
    command(m_tabMenu, u"Prev1"_s, u"Previous"_s, keys("Ctrl+Shift+Tab"));
    m_tabMenu->addAction(item(u"Channels1"_s));
    QMenu* tabsStyle = submenu(m_tabMenu, u"Tabs Style"_s);
    auto* styleGroup = new QActionGroup(this);
    radio(tabsStyle, styleGroup, u"Tabs1"_s, u"Tabs"_s, 0);
    radio(tabsStyle, styleGroup, u"Buttons1"_s, u"Buttons"_s, 1);
    radio(tabsStyle, styleGroup, u"FlatButtons1"_s, u"Flat Buttons"_s, 2);

    // Commands of the input line that work anywhere in the window.
    m_window->addAction(command(nullptr, u"ClearChat"_s, u"Clear Chat"_s, keys("Shift+Esc")));

    // The users list's menu. Its shortcuts work through the invisible twins in
    // the main popup; beep, information and refresh have none and work directly.
    QMenu* u = m_userPopup;
    command(u, u"MessMenu"_s, u"Message"_s, keys("Ins"));
    command(u, u"Chat1"_s, u"Private Chat"_s, keys("Ctrl+P"));
    command(u, u"Beep1"_s, u"Alert Beep"_s, keys("Ctrl+B"));
    command(u, u"SayNick1"_s, u"Say Nick"_s, keys("Ctrl+N"));
    command(u, u"RequestINFO1"_s, u"Request INFO"_s, keys("Ctrl+I"));
    command(u, u"SendFile1"_s, u"Send File"_s, keys("Ctrl+W"));
    u->addSeparator()->setObjectName(u"N8"_s);
    command(u, u"MassMessage1"_s, u"Mass Message"_s, keys("Ctrl+M"));
    command(u, u"RefreshUsersList1"_s, u"Refresh UsersList"_s, keys("Ctrl+R"));
    command(u, u"FilesQueue1"_s, u"Files Queue..."_s, keys("Ctrl+Q"));
    for (const char* name : {"MessMenu", "SendFile1", "MassMessage1", "FilesQueue1"})
        later(QString::fromLatin1(name));
    m_window->addActions({item(u"Beep1"_s), item(u"RequestINFO1"_s), item(u"RefreshUsersList1"_s)});
    for (auto [name, caption, shortcut] :
         {std::tuple{"MessTwin", "mess", "Ins"}, std::tuple{"ChatTwin", "chat", "Ctrl+P"},
          std::tuple{"MassTwin", "mass", "Ctrl+M"}, std::tuple{"SayNick3", "Say Nick", "Ctrl+N"},
          std::tuple{"saynick2", "say nick", "Ctrl+Y"},
          std::tuple{"SendFileTwin", "Send File", "Ctrl+W"}}) {
        // Hidden actions take no shortcuts, so the twins are kept out of the menu
        // rather than hidden in it.
        m_window->addAction(command(nullptr, QString::fromLatin1(name),
                                    QString::fromLatin1(caption), keys(shortcut)));
    }

    // The nick history: ten entries, then its switch and "Clear".
    for (int i = 1; i <= 10; ++i)
        command(m_nickHistory, u"Nick%1"_s.arg(i), QString(),
                QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + i % 10)));
    m_nickHistory->addSeparator();
    check(m_nickHistory, u"Updatehistory1"_s, u"&Update History?"_s);
    command(m_nickHistory, u"Clear1"_s, u"&Clear"_s);

    // Shortcuts of the popups work while the popups are closed.
    m_window->addActions(m_popup->actions());
    for (QMenu* menu : m_popup->findChildren<QMenu*>())
        m_window->addActions(menu->actions());
    m_window->addActions(m_tabMenu->actions());
    m_window->addActions(m_nickHistory->actions());
}

QMenu* MainMenu::submenu(QMenu* parent, const QString& caption)
{
    QMenu* menu = parent->addMenu(caption);
    return menu;
}

QAction* MainMenu::command(QMenu* menu, const QString& name, const QString& caption,
                           const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, m_window);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (menu)
        menu->addAction(action);
    m_items.insert(name, action);
    return action;
}

QAction* MainMenu::check(QMenu* menu, const QString& name, const QString& caption,
                         const QKeySequence& shortcut)
{
    QAction* action = command(menu, name, caption, shortcut);
    action->setCheckable(true);
    return action;
}

QAction* MainMenu::radio(QMenu* menu, QActionGroup* group, const QString& name,
                         const QString& caption, int tag, const QKeySequence& shortcut)
{
    QAction* action = check(menu, name, caption, shortcut);
    action->setData(tag);
    group->addAction(action);
    return action;
}

void MainMenu::later(const QString& name)
{
    item(name)->setEnabled(false);
}

QAction* MainMenu::item(const QString& name) const
{
    QAction* action = m_items.value(name);
    Q_ASSERT_X(action, "MainMenu::item", qPrintable(name));
    return action;
}

void MainMenu::bindSwitch(const QString& name, bool& flag)
{
    QAction* action = item(name);
    m_switches.insert(action, &flag);
    action->setChecked(flag);
    connect(action, &QAction::toggled, this, [&flag](bool on) { flag = on; });
}

void MainMenu::setHandler(const QString& name, std::function<void()> handler)
{
    connect(item(name), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void MainMenu::refreshSwitches()
{
    for (auto it = m_switches.cbegin(); it != m_switches.cend(); ++it)
        it.key()->setChecked(*it.value());
}

} // namespace quorvelle::shell
