#include "shell/desktop_alerts.h"

#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "messages/message_windows.h"
#include "settings/program_info.h"
#include "settings/session_state.h"
#include "shell/notifications.h"
#include "shell/tray_icon.h"
#include "shell/window_presence.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

DesktopAlerts::DesktopAlerts(QWidget* window, chat::ChatSession& session,
                             chat::ConversationTabs& tabs, messages::MessageWindows& messages,
                             WindowPresence& presence)
    : QObject(window), m_window(window), m_presence(presence),
      m_notifications(new Notifications(
          [&session] { return session.state().MyStatus == presence::Status::DND; }, this))
{
    connect(&tabs, &chat::ConversationTabs::trayHint, this, &DesktopAlerts::lines);
    connect(&messages, &messages::MessageWindows::arrived, this,
            [this, &messages](const QString& sender, const QString& text, bool mass) {
                m_notifications->show(
                    u"message:"_s + sender,
                    (mass ? tr("Message to everybody from %1") : tr("Message from %1")).arg(sender),
                    text.trimmed(),
                    {{u"default"_s, tr("Open"),
                      [&messages, sender] { messages.raiseReceived(sender); }},
                     {u"reply"_s, tr("Reply"), [&messages, sender] { messages.replyTo(sender); }}});
            });
    connect(&session.transfers().queue(), &transfer::FilesQueue::ended, this,
            [this](transfer::Direction direction, const transfer::TransferInfo& info) {
                if (direction != transfer::Direction::Receive || info.state != transfer::ReceiveOk)
                    return;
                const QFileInfo file(info.fileName);
                const QUrl fileUrl = QUrl::fromLocalFile(file.absoluteFilePath());
                const QUrl folderUrl = QUrl::fromLocalFile(file.absolutePath());
                // A click on the bubble opens the folder: a file a peer named is
                // opened only when asked for by name.
                m_notifications->show(
                    u"file:"_s + info.nickName, tr("File received"),
                    tr("\"%1\" from %2").arg(file.fileName(), info.nickName),
                    {{u"default"_s, tr("Open Folder"),
                      [folderUrl] { QDesktopServices::openUrl(folderUrl); }},
                     {u"open"_s, tr("Open"), [fileUrl] { QDesktopServices::openUrl(fileUrl); }}});
            });
}

void DesktopAlerts::lines(const QStringList& lines)
{
    TrayIcon& tray = m_presence.tray();
    if (m_window->isVisible() && !m_window->isMinimized())
        return tray.showHint(lines);
    m_notifications->show(u"lines"_s, settings::WindowCaption(), lines.join(u'\n'),
                          {{u"default"_s, tr("Open"), [this] { m_presence.ShowAsked(); }}},
                          [&tray, lines] { tray.showHint(lines); });
}

} // namespace quorvelle::shell
