#include "shell/main_window.h"

#include "chat/box_keys.h"
#include "chat/channel_list.h"
#include "chat/channels_window.h"
#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "chat/edit_menus.h"
#include "chat/find_bar.h"
#include "chat/fix_selection.h"
#include "chat/input_line.h"
#include "chat/sound_player.h"
#include "chat/sound_window.h"
#include "chat/tab_commands.h"
#include "history/search_window.h"
#include "messages/message_windows.h"
#include "messages/user_info_window.h"
#include "settings/app_paths.h"
#include "settings/program_info.h"
#include "shell/about_window.h"
#include "shell/colour_views.h"
#include "shell/configuration_commands.h"
#include "shell/desktop_alerts.h"
#include "shell/identity_boxes.h"
#include "shell/image_list.h"
#include "shell/main_menu.h"
#include "shell/secondary_window.h"
#include "shell/tray_icon.h"
#include "shell/users_actions.h"
#include "shell/window_layout.h"
#include "shell/window_presence.h"
#include "shell/window_shortcuts.h"
#include "transfer/file_commands.h"

#include <QAction>
#include <QStackedWidget>
#include <QTabBar>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
namespace key = settings::key;

TMainFm::TMainFm(settings::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_schema(settings::SchemaContext::current()),
      m_settings(store, m_schema), m_session(std::make_unique<chat::ChatSession>(
                                       m_state, m_settings.text(key::Codepage).toLatin1()))
{
    ui.setupUi(this);
    setWindowIcon(ImageList::icon(32));
    ui.RxGIFAnimator1->setPixmap(ImageList::appIcon().pixmap(18, 18));

    auto* tabBar = new QTabBar(ui.TabArea);
    tabBar->setObjectName(u"TabControl1"_s);
    tabBar->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* views = new QStackedWidget(ui.TabArea);
    ui.tabAreaLayout->addWidget(tabBar);
    ui.tabAreaLayout->addWidget(views, 1);

    m_menu = new MainMenu(this, m_state.switches);
    m_tabs = new chat::ConversationTabs(m_session->conversations(), tabBar, views, this);
    m_session->output().setView(m_tabs);
    m_tabCommands = new chat::TabCommands(this, *m_tabs, *m_menu, *m_session);
    m_input = new chat::InputLine(ui.reEdit, ui.RxGIFAnimator1, *m_session, *m_tabs, this);
    auto* editMenus = new chat::EditMenus(this, *m_input, *m_menu);
    m_boxes = new IdentityBoxes(ui.Edit3, ui.SpeedButton2, ui.SubjBox, ui.SubjMemo, *m_menu,
                                *m_session, this);
    m_session->sinks().session = m_boxes;
    m_users = new UsersActions(ui.UsersList, ui.UsersBox, ui.SpeedButton1, *m_menu, *m_session,
                               *m_input, this);
    m_presence = new WindowPresence(this, ui.reEdit, *m_menu, *m_session);
    auto* findBar = new chat::FindBar(*m_tabs, ui.TabArea);
    ui.tabAreaLayout->addWidget(findBar);
    connect(m_menu->Find1, &QAction::triggered, findBar, &chat::FindBar::open);
    connect(findBar, &chat::FindBar::closed, m_presence, &WindowPresence::FocusInputLine);
    m_layout = new WindowLayout(this, ui, *m_menu, *m_tabs, m_state.switches);
    m_configuration = new ConfigurationCommands(this, *m_menu, *m_session);
    m_messages = new messages::MessageWindows(
        *m_session,
        [this, editMenus] {
            messages::MessageLook look;
            look.font = m_layout->mainFont();
            look.mode = m_tabs->colourCodeMode();
            look.smiles = m_state.switches.ShowSmiles;
            look.macro = [this](int n) { return m_input->macros().value(n - 1); };
            look.attachEditMenu = [editMenus](QWidget* box) { editMenus->attach(box); };
            return look;
        },
        m_layout->state().message, this);
    m_session->sinks().messages = &m_messages->sink();
    m_information = new messages::UserInfoWindowSet(*m_session, this);
    m_session->sinks().information = m_information;
    m_channels = new chat::ChannelsWindows(
        *m_session, m_settings, [editMenus](QWidget* box) { editMenus->attach(box); }, this);
    m_session->sinks().channels = m_channels;
    m_files = new transfer::FileCommands(this, *m_menu, *m_session,
                                         [this] { return ui.UsersList->selectedNick(); });
    // Without a tray, hiding the window minimises it.
    m_sounds = new chat::SoundPlayer([this] { return m_state.MyStatus; },
                                     [this] { return isVisible() && !isMinimized(); },
                                     settings::ShippedDataDirectory(), this);
    m_session->sinks().sounds = m_sounds;
    m_colours = new ColourViews(
        this, {ui.UsersList, ui.SubjMemo, ui.reEdit, ui.Edit3, m_tabs, m_messages}, *m_menu);

    // The window's shortcuts win over the text boxes' own keys; the boxes share
    // macro, layout and users-list keys and the edit menu; a double-clicked word
    // leaves its trailing spaces out.
    auto* shortcuts = new WindowShortcutPriority(this);
    auto* fixSelection = new chat::FixSelectionOnDoubleClick(this);
    auto* boxKeys = new chat::BoxKeys(
        *m_input, *editMenus, [this](int delta) { ui.UsersList->moveSelection(delta); }, this);
    for (QWidget* box : std::initializer_list<QWidget*>{ui.reEdit, ui.Edit3, ui.SubjMemo}) {
        shortcuts->watch(box);
        fixSelection->watch(box);
        boxKeys->watch(box);
    }
    boxKeys->watch(ui.UsersList, true);
    editMenus->attach(ui.Edit3);
    editMenus->attach(ui.SubjMemo);

    WindowPresence* presence = m_presence;
    connect(m_tabs, &chat::ConversationTabs::lineWantsAttention, presence,
            &WindowPresence::newLineEvents);
    connect(m_tabs, &chat::ConversationTabs::activationRequested, presence,
            &WindowPresence::PopUpForNewChat);
    m_alerts = new DesktopAlerts(this, *m_session, *m_tabs, *m_messages, *presence);
    // The window's title and the tray's tool tip count the unread lines of all tabs.
    connect(&m_session->conversations(), &chat::ConversationSet::unreadCountChanged, this,
            [this, presence] {
                const int unread = m_session->conversations().unreadTotal();
                const QString caption =
                    unread > 0 ? u"%1 (%2)"_s.arg(settings::WindowCaption()).arg(unread)
                               : settings::WindowCaption();
                setWindowTitle(caption);
                presence->tray().setToolTip(caption);
            });
    connect(m_tabs, &chat::ConversationTabs::viewReleased, presence,
            &WindowPresence::FocusInputLine);
    connect(m_tabs, &chat::ConversationTabs::viewMenuRequested, presence,
            [this](const QPoint& at) { m_presence->popUp(m_menu->popup(), at); });
    connect(tabBar, &QWidget::customContextMenuRequested, presence,
            [this, tabBar](const QPoint& at) {
                m_presence->popUp(m_menu->tabMenu(), tabBar->mapToGlobal(at));
            });
    connect(&m_session->conversations(), &chat::ConversationSet::currentChanged, presence,
            &WindowPresence::FocusInputLine);
    connect(m_input, &chat::InputLine::hideRequested, presence, &WindowPresence::Hide1Click);
    connect(m_boxes, &IdentityBoxes::hideRequested, presence, &WindowPresence::Hide1Click);
    connect(m_users, &UsersActions::hideRequested, presence, &WindowPresence::Hide1Click);
    connect(m_boxes, &IdentityBoxes::finished, presence, &WindowPresence::FocusInputLine);
    connect(m_users, &UsersActions::focusInputLine, presence, &WindowPresence::FocusInputLine);
    connect(m_users, &UsersActions::messageRequested, m_messages,
            &messages::MessageWindows::MessMenuClick);
    connect(m_users, &UsersActions::massMessageRequested, m_messages,
            &messages::MessageWindows::MassMessage1Click);
    connect(m_menu->Messages1, &QAction::triggered, m_messages,
            &messages::MessageWindows::Messages1Click);
    connect(m_session.get(), &chat::ChatSession::peerRenamed, m_messages,
            &messages::MessageWindows::followRename);
    connect(m_users, &UsersActions::informationRequested, m_information,
            &messages::UserInfoWindowSet::RequestINFO1Click);
    connect(m_session.get(), &chat::ChatSession::peerRenamed, m_information,
            &messages::UserInfoWindowSet::followRename);
    connect(m_messages, &messages::MessageWindows::conversationRequested, this,
            [this](const QString& name) {
                // A message window's way to a conversation: the tab, else a new chat.
                if (m_session->conversations().exists(name) || !name.startsWith(u'#'))
                    m_session->OpenForUser(name);
                m_presence->ShowAsked();
            });
    connect(m_users, &UsersActions::sendFileRequested, m_files,
            [this](const QString& nick) { m_files->SendFile1Click(nick); });
    // Files dropped on a user or on a private chat go to that user.
    connect(ui.UsersList, &TUsersList::filesDropped, m_files, &transfer::FileCommands::sendDropped);
    connect(m_tabs, &chat::ConversationTabs::filesDroppedOn, m_files,
            &transfer::FileCommands::sendDropped);
    connect(m_menu->Channels1, &QAction::triggered, m_channels,
            &chat::ChannelsWindows::Channels1Click);
    connect(m_channels, &chat::ChannelsWindows::channelJoined, presence,
            &WindowPresence::PopUpForNewChat);
    connect(m_menu->Search1, &QAction::triggered, this,
            [this, window = QPointer<history::TSearchFm>()]() mutable {
                ShowSecondaryWindow(window, [this] {
                    auto* w = new history::TSearchFm(m_session->logs().directory(),
                                                     m_session->net().wireText());
                    connect(w, &history::TSearchFm::messageRequested, m_messages,
                            &messages::MessageWindows::openArchived);
                    return w;
                });
            });
    connect(m_menu->SoundEvents1, &QAction::triggered, this,
            [this, editMenus, window = QPointer<chat::TSoundFm>()]() mutable {
                ShowSecondaryWindow(window, [&] {
                    return new chat::TSoundFm(
                        *m_sounds, [editMenus](QWidget* box) { editMenus->attach(box); });
                });
            });
    // The user's own exit asks first while files still move; the session's end and
    // the termination signals do not.
    const auto userExit = [this] {
        if (!exiting() && m_files->confirmExit())
            Exit1Click();
    };
    connect(m_tabCommands, &chat::TabCommands::exitRequested, this, userExit);
    connect(m_menu->Exit1, &QAction::triggered, this, userExit);
    connect(m_menu->About1, &QAction::triggered, this, [window = QPointer<TAboutFm>()]() mutable {
        ShowSecondaryWindow(window, [] { return new TAboutFm; });
    });
    connect(m_layout, &WindowLayout::focusInputLine, presence, &WindowPresence::FocusInputLine);
    connect(m_layout, &WindowLayout::firstTabRequested, this, [this] {
        if (m_session->conversations().count() > 0)
            m_session->conversations().TabControl1Change(0);
    });
}

TMainFm::~TMainFm()
{
    // The parts and the widgets go while the session they use is still there: a
    // widget that dies with the focus still tells its filters.
    for (QObject* part : std::initializer_list<QObject*>{
             m_alerts, m_files, m_channels, m_information, m_messages, m_configuration, m_layout,
             m_presence, m_users, m_boxes, m_input, m_tabCommands})
        delete part;
    delete centralWidget();
}

bool TMainFm::exiting() const
{
    return m_session->leaving();
}

void TMainFm::InitMainWindow()
{
    const settings::Settings& s = m_settings;
    setWindowTitle(settings::WindowCaption());
    m_state.load(s);
    m_tabCommands->loadViews(s);
    m_menu->refreshSwitches();
    m_boxes->ownNickChanged();
    m_boxes->subjectChanged();
    m_presence->load(s);
    m_configuration->load(s);
    m_colours->load(s);
    m_input->load(s);
    m_layout->load(s);
    m_users->load(s);
    m_sounds->load(s);

    m_session->open(quint16(s.number(key::UDPPort)), s.listItems(settings::section::AddrList));
    m_session->RestoreConversations(chat::StartupChannels(s));
    m_tabCommands->loadTabs(s);
    m_session->GreetNet();
}

void TMainFm::Exit1Click()
{
    if (!m_session->Leave())
        return;
    m_presence->shutDown();
    m_users->stop();

    settings::Settings& s = m_settings;
    m_state.save(s);
    m_configuration->save(s);
    m_input->save(s);
    m_layout->save(s);
    m_tabCommands->save(s);
    m_users->save(s);
    m_presence->save(s);
    m_sounds->save(s);
    m_colours->save(s);
    m_store.sync();

    close();
    emit exited();
}

} // namespace quorvelle::shell
