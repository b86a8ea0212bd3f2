#pragma once

// The main window: owns the widgets and the running peer, creates one controller
// per part of the window and connects them. The parts plug in here:
//  - conversations: ConversationTabs (views), TabCommands, InputLine (chat/)
//  - nick and subject: IdentityBoxes, the session sink
//  - users list: UsersActions (messageRequested / massMessageRequested go to the
//    message windows, MessageWindows, which is also the session's message sink;
//    informationRequested to the information windows, UserInfoWindowSet, the
//    information sink)
//  - hide, show, status, tray, hot key: WindowPresence
//  - boxes, sizes, font: WindowLayout
//  - connection and directories: ConfigurationCommands
//  - channels: ChannelsWindows, the channels sink
//  - sounds: SoundPlayer, the sounds sink, and its window TSoundFm
//  - colours of every box and view: ColourViews
//  - files: FileCommands (send-file dialog, files queue window); the transfers
//    themselves run in the session
// Messages, information, channels and sounds plug into the session's sinks.

#include "settings/session_state.h"
#include "settings/settings.h"
#include "ui_main_window.h"

#include <QMainWindow>
#include <memory>

namespace quorvelle::chat {
class ChannelsWindows;
class ChatSession;
class ConversationTabs;
class InputLine;
class SoundPlayer;
class TabCommands;
} // namespace quorvelle::chat

namespace quorvelle::messages {
class MessageWindows;
class UserInfoWindowSet;
} // namespace quorvelle::messages

namespace quorvelle::transfer {
class FileCommands;
}

namespace quorvelle::shell {

class ColourViews;

class ConfigurationCommands;
class DesktopAlerts;
class IdentityBoxes;
class MainMenu;
class UsersActions;
class WindowLayout;
class WindowPresence;

class TMainFm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainFm(settings::SettingsStore& store, QWidget* parent = nullptr);
    ~TMainFm() override;

    // The start-up sequence: reads every setting once, opens the sockets,
    // restores the conversations and announces this peer.
    void InitMainWindow();
    // The exit sequence, run once whoever asks: leave packets, settings written.
    void Exit1Click();
    bool exiting() const;

    // For the program entry and for tests.
    chat::ChatSession& session() { return *m_session; }
    messages::MessageWindows& messageWindows() { return *m_messages; }
    settings::SessionState& state() { return m_state; }
    chat::ConversationTabs& tabs() { return *m_tabs; }
    MainMenu& menu() { return *m_menu; }
    WindowPresence& presence() { return *m_presence; }
    chat::SoundPlayer& sounds() { return *m_sounds; }
    ColourViews& colours() { return *m_colours; }
    WindowLayout& windowLayout() { return *m_layout; }
    Ui::TMainFm& form() { return ui; }

signals:
    // The exit sequence has finished; the program may end.
    void exited();

private:
    settings::SettingsStore& m_store;
    settings::SettingsSchema m_schema;
    settings::Settings m_settings;
    settings::SessionState m_state;
    std::unique_ptr<chat::ChatSession> m_session;
    Ui::TMainFm ui;
    MainMenu* m_menu;
    chat::ConversationTabs* m_tabs;
    chat::TabCommands* m_tabCommands;
    chat::InputLine* m_input;
    IdentityBoxes* m_boxes;
    UsersActions* m_users;
    WindowPresence* m_presence;
    WindowLayout* m_layout;
    ConfigurationCommands* m_configuration;
    messages::MessageWindows* m_messages;
    messages::UserInfoWindowSet* m_information;
    chat::ChannelsWindows* m_channels;
    chat::SoundPlayer* m_sounds;
    ColourViews* m_colours;
    transfer::FileCommands* m_files;
    DesktopAlerts* m_alerts;
};

} // namespace quorvelle::shell
