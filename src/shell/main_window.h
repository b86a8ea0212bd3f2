#pragma once

// The main window: the composition root of the running program. It owns the
// protocol session and the conversations, implements the narrow surface the
// protocol talks to, and wires the per-subsystem controllers to its widgets.

#include "chat/chat_output.h"
#include "chat/conversation_set.h"
#include "chat/log_writer.h"
#include "net/chat_surface.h"
#include "net/net_session.h"
#include "settings/session_state.h"
#include "settings/settings.h"
#include "ui_main_window.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class QStackedWidget;
class QTabBar;

namespace quorvelle::chat {
class ConversationTabs;
}
namespace quorvelle::platform {
class GlobalHotKey;
}

namespace quorvelle::shell {

class MainMenu;
class TConnFm;
class TrayIcon;

class TMainFm : public QMainWindow, public net::ChatSurface
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
    bool exiting() const { return m_settingsSaved; }

    void Hide1Click();
    void RaiseMainWindow();

    // For the controllers and for tests.
    settings::SessionState& state() { return m_state; }
    net::NetSession& session() { return *m_session; }
    chat::ConversationSet& conversations() { return m_conversations; }
    chat::ConversationTabs& tabs() { return *m_tabs; }
    chat::ChatOutput& output() { return *m_output; }
    chat::LogWriter& logs() { return m_logs; }
    chat::LogSwitches& logSwitches() { return m_logSwitches; }
    MainMenu& menu() { return *m_menu; }
    Ui::TMainFm& form() { return ui; }

signals:
    // The exit sequence has finished; the program may end.
    void exited();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ChatSurface
    void addChatLine(const net::ChatLine& line) override;
    void playSoundEvent(int event) override;
    bool conversationExists(const QString& name) const override;
    QStringList conversationNames() const override;
    void renameConversation(const QString& from, const QString& to) override;
    void receiveMessage(const QString& caption, const QString& text) override;
    bool showInformation(const QString& window, const net::InfoReply& reply) override;
    bool channelsWindowOpen() const override { return false; }
    void addCreatedChannels(const QStringList&) override {}
    void subjectChanged() override;
    void ownNickChanged() override;

    void wireMenu();
    void wireBoxes();
    void newLineEvents();
    void activateForNewConversation();
    void FocusInputLine();
    void ChangeStatus(QChar status);
    void wireUsersList();
    void UserPopupPopup();
    void MessMenuClick();
    void MassMessage1Click();
    void Chat1Click();
    void Beep1Click();
    void RequestINFO1Click();
    void SayNick1Click();
    void UpdateOnTimeClick();
    void ApplyUpdateInterval(int seconds);
    void miHotKeyClick();
    void RegisterPopupHotKey();
    void watchTrayHost();
    void Close1Click();
    void ClearChatClick();
    void Connection1Click();
    void LogsDirectory1Click();
    void ApplyMainFont(const QFont& font);
    void applyTabsStyle(int style);
    void showPopupMenu(QMenu* menu, const QPoint& globalPos);
    bool handleInputKey(QKeyEvent* key);
    bool handleBoxKey(QKeyEvent* key, const QString& typed, const QString& current,
                      const std::function<void()>& restore, const std::function<void()>& apply);
    void refreshNickHistory();
    void saveSettings();

    settings::SettingsStore& m_store;
    settings::SettingsSchema m_schema;
    settings::Settings m_settings;
    settings::SessionState m_state;
    chat::LogSwitches m_logSwitches;
    std::unique_ptr<net::NetSession> m_session;
    chat::LogWriter m_logs;
    chat::ConversationSet m_conversations;
    Ui::TMainFm ui;
    QTabBar* m_tabBar = nullptr;
    QStackedWidget* m_views = nullptr;
    chat::ConversationTabs* m_tabs = nullptr;
    std::unique_ptr<chat::ChatOutput> m_output;
    MainMenu* m_menu = nullptr;
    TrayIcon* m_tray = nullptr;
    QPointer<TConnFm> m_connection;
    platform::GlobalHotKey* m_hotKeyGrab = nullptr;
    QTimer m_updateUsersTimer;
    QTimer m_trayWatch;
    bool m_trayWasAvailable = false;

    // Switches of the menus that are not protocol state.
    bool m_popupLine = true;
    bool m_flashTray = true;
    bool m_updateOnPopup = true;
    bool m_saveState = true;
    bool m_saveSize = true;
    bool m_savePos = true;
    bool m_showSmiles = true;
    int m_styleCodes = 3;
    int m_updateOnTime = 0;
    QString m_hotKey;
    QString m_filesDir;
    QSize m_messageSize{320, 246};
    QFont m_mainFont;

    bool m_hiding = false;        // Hide1Click re-entry guard
    bool m_settingsSaved = false; // the exit sequence has begun
    bool m_exitReal = false;      // closing really closes
};

} // namespace quorvelle::shell
