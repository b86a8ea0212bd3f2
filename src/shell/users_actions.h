#pragma once

// What the user does with the users list: its popup menu and the items' keys
// (private chat, beep, information, say nick, refresh; message, mass message and
// files for the windows that take them), the count in the box's caption, and the
// periodic refresh ("Update UsersList by Timer").

#include "shell/users_list.h"

#include <QObject>
#include <QTimer>

class QGroupBox;
class QToolButton;

namespace quorvelle::chat {
class ChatSession;
class InputLine;
} // namespace quorvelle::chat
namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::shell {

class MainMenu;

class UsersActions : public QObject
{
    Q_OBJECT

public:
    UsersActions(TUsersList* list, QGroupBox* box, QToolButton* refreshButton, MainMenu& menu,
                 chat::ChatSession& session, chat::InputLine& input, QObject* parent = nullptr);

    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;
    void stop() { m_updateUsersTimer.stop(); }

signals:
    // For the message windows: a message to the selected user, or to everybody.
    void messageRequested(const QString& nick);
    void massMessageRequested();
    // For the information windows: "Request INFO" on the selected user.
    void informationRequested(const QString& nick, QChar status);
    // For the files: "Send File" with the selected user, who is not Offline.
    void sendFileRequested(const QString& nick);
    void hideRequested();
    void focusInputLine();

private:
    // What the users menu allows for the selected user, selecting one if needed.
    UserPopupEnabling enabling() const;
    void UserPopupPopup();
    void MessMenuClick();
    void MassMessage1Click();
    void Chat1Click();
    void Beep1Click();
    void RequestINFO1Click();
    void SendFile1Click();
    void SayNick1Click();
    void UpdateOnTimeClick();
    void ApplyUpdateInterval(int seconds);

    TUsersList* m_list;
    MainMenu& m_menu;
    chat::ChatSession& m_session;
    chat::InputLine& m_input;
    QTimer m_updateUsersTimer;
    int m_updateOnTime = 0;
};

} // namespace quorvelle::shell
