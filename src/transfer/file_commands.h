#pragma once

// "Send File" and "Files Queue...": the send-file dialog puts its files into the
// queue for the checked users; the queue window exists once and shows the queue as
// it stands.

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace quorvelle::chat {
class ChatSession;
}
namespace quorvelle::shell {
class MainMenu;
}

namespace quorvelle::transfer {

class TFQueueFm;

class FileCommands : public QObject
{
    Q_OBJECT

public:
    // selectedUser: the user selected in the users list now, if any.
    FileCommands(QWidget* window, shell::MainMenu& menu, chat::ChatSession& session,
                 std::function<QString()> selectedUser);

    // Chooses files for the users, the given one checked; they go into the queue.
    // Files given (dropped) stand chosen already.
    void SendFile1Click(const QString& selected, const QStringList& files = {});
    // Files dropped on a user: into the queue for that user, unless either side is
    // Offline.
    void sendDropped(const QString& nick, const QStringList& files);
    void FilesQueue1Click();
    // Before the user's own exit: true when no transfer would be cut off, or the
    // user says to go on anyway.
    bool confirmExit();

private:
    QWidget* m_window;
    chat::ChatSession& m_session;
    QPointer<TFQueueFm> m_queueWindow;
    std::function<QString()> m_selectedUser; // ticked when "Add File to Queue" opens the dialog
};

} // namespace quorvelle::transfer
