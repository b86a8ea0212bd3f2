#pragma once

// How the main window comes and goes: the Hide/Show toggle, bringing it forward,
// the new-line events (popup and tray flashing), the own status with its tray
// icon, the tray hint, the global hot key and the watch over the tray host.
// Closing the window only hides it until the exit sequence has run.

#include "presence/status.h"

#include <QObject>
#include <QTimer>

class QMainWindow;
class QMenu;
class QWidget;

namespace quorvelle::chat {
class ChatSession;
}
namespace quorvelle::platform {
class GlobalHotKey;
}
namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::shell {

class MainMenu;
class TrayIcon;

class WindowPresence : public QObject
{
    Q_OBJECT

public:
    WindowPresence(QMainWindow* window, QWidget* inputLine, MainMenu& menu,
                   chat::ChatSession& session);
    ~WindowPresence() override;

    TrayIcon& tray() { return *m_tray; }

    // Status, tray icon, hot key, tray watch.
    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;
    // The exit: the tray icon and the hot key go; closing now really closes.
    void shutDown();

    void Hide1Click();
    void RaiseMainWindow();
    // Shows a hidden window without the users-list refresh of "On Popup Chat
    // Window" (the start without a tray).
    void ShowWithoutRefresh();
    // The hot key or another start of the program: show and bring forward.
    void ShowAsked();
    // A peer opened a chat: the window comes forward without taking the keyboard.
    void PopUpForNewChat();
    void FocusInputLine();
    void ChangeStatus(presence::Status status);
    // A line asks for attention: pop up and flash as the switches say.
    void newLineEvents();
    // The main popup menu, with "Hide"/"Show" telling what it would do.
    void popUp(QMenu* menu, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shown or raised, but the keyboard stays in the program the user works in.
    void popUpWithoutFocus(bool refresh);
    void miHotKeyClick();
    void RegisterPopupHotKey();
    void watchTrayHost();

    QMainWindow* m_window;
    QWidget* m_input;
    MainMenu& m_menu;
    chat::ChatSession& m_session;
    TrayIcon* m_tray;
    platform::GlobalHotKey* m_hotKeyGrab = nullptr;
    QString m_hotKey;
    QTimer m_trayWatch;
    bool m_trayWasAvailable = false;
    bool m_hiding = false;       // Hide1Click re-entry guard
    bool m_refreshOnShow = true; // cleared while showing without the refresh
    bool m_closing = false;      // the exit sequence ran: closing really closes
};

} // namespace quorvelle::shell
