#include "transfer/file_commands.h"

#include "chat/chat_session.h"
#include "presence/users_registry.h"
#include "shell/main_menu.h"
#include "shell/secondary_window.h"
#include "shell/users_list.h"
#include "transfer/files_queue_window.h"
#include "transfer/send_file_dialog.h"

#include <QAction>
#include <QMessageBox>

namespace quorvelle::transfer {

FileCommands::FileCommands(QWidget* window, shell::MainMenu& menu, chat::ChatSession& session,
                           std::function<QString()> selectedUser)
    : QObject(window), m_window(window), m_session(session), m_selectedUser(std::move(selectedUser))
{
    for (QAction* item : {menu.FilesQueue1, menu.FilesQueue2})
        connect(item, &QAction::triggered, this, &FileCommands::FilesQueue1Click);
}

void FileCommands::SendFile1Click(const QString& selected, const QStringList& files)
{
    // Not modal to the program: the chat and the transfers go on while it is open.
    auto* dialog = new TOpenSendFileDialog(m_session.net().registry(), selected,
                                           m_session.net().wireText(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        m_session.transfers().queue().addFiles(dialog->files(), dialog->nicks());
    });
    dialog->chooseFiles(files);
    dialog->open();
}

void FileCommands::sendDropped(const QString& nick, const QStringList& files)
{
    // The users menu's rule for "Send File", on the user the files were dropped on.
    const presence::UsersRegistry& users = m_session.net().registry();
    const int user = users.FindUser(nick);
    if (!files.isEmpty() && user >= 0 &&
        shell::UserPopupPopup(false, users.status(user), m_session.state().MyStatus).sendFile)
        m_session.transfers().queue().addFiles(files, {nick});
}

bool FileCommands::confirmExit()
{
    const int unfinished = m_session.transfers().unfinished();
    if (unfinished == 0)
        return true;
    return QMessageBox::question(m_window, tr("Exit"),
                                 tr("%n file transfer(s) are not finished; exiting ends them and "
                                    "removes their partial files. Exit anyway?",
                                    nullptr, unfinished)) == QMessageBox::Yes;
}

void FileCommands::FilesQueue1Click()
{
    shell::ShowSecondaryWindow(m_queueWindow, [this] {
        auto* w = new TFQueueFm(m_session.transfers());
        connect(w, &TFQueueFm::addFilesRequested, this,
                [this](const QStringList& files) { SendFile1Click(m_selectedUser(), files); });
        connect(w, &TFQueueFm::incomingDirChosen, this,
                [this](const QString& dir) { m_session.transfers().setIncomingDir(dir); });
        return w;
    });
}

} // namespace quorvelle::transfer
