#pragma once

// What goes to the desktop's notifications, and what their actions do: a popup
// message (Open brings its window forward, Reply answers it), a received file
// (Open, Open Folder) and, while the window is hidden, the lines the switches
// would hint about (Open shows the window). Without a notification service the
// lines take the tray hint as before; messages and files have their own windows
// and lines anyway.

#include <QObject>
#include <QStringList>

namespace quorvelle::chat {
class ChatSession;
class ConversationTabs;
} // namespace quorvelle::chat
namespace quorvelle::messages {
class MessageWindows;
}

namespace quorvelle::shell {

class Notifications;
class WindowPresence;

class DesktopAlerts : public QObject
{
    Q_OBJECT

public:
    DesktopAlerts(QWidget* window, chat::ChatSession& session, chat::ConversationTabs& tabs,
                  messages::MessageWindows& messages, WindowPresence& presence);

private:
    void lines(const QStringList& lines);

    QWidget* m_window;
    WindowPresence& m_presence;
    Notifications* m_notifications;
};

} // namespace quorvelle::shell
