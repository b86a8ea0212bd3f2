#include "shell/users_actions.h"

#include "chat/chat_session.h"
#include "chat/input_line.h"
#include "settings/settings.h"
#include "shell/main_menu.h"
#include "shell/users_list.h"

#include <QAction>
#include <QGroupBox>
#include <QInputDialog>
#include <QMenu>
#include <QToolButton>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

UsersActions::UsersActions(TUsersList* list, QGroupBox* box, QToolButton* refreshButton,
                           MainMenu& menu, chat::ChatSession& session, chat::InputLine& input,
                           QObject* parent)
    : QObject(parent), m_list(list), m_menu(menu), m_session(session), m_input(input)
{
    auto& registry = session.net().registry();
    list->setModel(&registry);
    connect(&registry, &presence::UsersRegistry::countChanged, this,
            [this, box] { box->setTitle(m_session.net().registry().CountCaption()); });
    const auto refresh = [this] { m_session.actions().RefreshUsersList(); };
    connect(refreshButton, &QToolButton::clicked, this, refresh);
    connect(menu.RefreshUsersList1, &QAction::triggered, this, refresh);
    connect(&m_updateUsersTimer, &QTimer::timeout, this, refresh);

    connect(list, &TUsersList::popupRequested, this,
            [this](const QPoint& at) { m_menu.userPopup()->popup(at); });
    // The items show what applies while the menu is open; their keys work at any
    // time and each action checks the same rule when it runs.
    connect(m_menu.userPopup(), &QMenu::aboutToShow, this, &UsersActions::UserPopupPopup);
    connect(m_menu.userPopup(), &QMenu::aboutToHide, this, [this] {
        for (QAction* item : m_menu.userPopup()->actions())
            item->setEnabled(true);
    });
    connect(list, &TUsersList::escapePressed, this, &UsersActions::hideRequested);
    connect(list, &TUsersList::messageRequested, this, &UsersActions::MessMenuClick);
    connect(list, &TUsersList::massMessageRequested, this, &UsersActions::MassMessage1Click);
    connect(menu.MessMenu, &QAction::triggered, this, &UsersActions::MessMenuClick);
    connect(menu.MassMessage1, &QAction::triggered, this, &UsersActions::MassMessage1Click);
    // While the list has the focus, Enter opens the private chat too.
    connect(list, &TUsersList::focusChanged, this, [this](bool focused) {
        const QKeySequence ctrlP(u"Ctrl+P"_s);
        const bool enter = focused && m_session.net().registry().count() > 0;
        m_menu.Chat1->setShortcuts(enter ? QList{QKeySequence(Qt::Key_Return), ctrlP}
                                         : QList{ctrlP});
    });
    connect(list, &QAbstractItemView::activated, this, [this] {
        if (m_list->hasFocus())
            Chat1Click();
    });
    connect(menu.Chat1, &QAction::triggered, this, &UsersActions::Chat1Click);
    connect(menu.Beep1, &QAction::triggered, this, &UsersActions::Beep1Click);
    connect(menu.RequestINFO1, &QAction::triggered, this, &UsersActions::RequestINFO1Click);
    connect(menu.SendFile1, &QAction::triggered, this, &UsersActions::SendFile1Click);
    for (QAction* item : {menu.SayNick1, menu.saynick2})
        connect(item, &QAction::triggered, this, &UsersActions::SayNick1Click);
    connect(menu.UpdateOnTime, &QAction::triggered, this, &UsersActions::UpdateOnTimeClick);
}

void UsersActions::load(const settings::Settings& s)
{
    ApplyUpdateInterval(qBound(0, s.number(settings::key::UpdateOnTime), 99999));
}

void UsersActions::save(settings::Settings& s) const
{
    s.setNumber(settings::key::UpdateOnTime, m_updateOnTime);
}

UserPopupEnabling UsersActions::enabling() const
{
    const bool empty = !m_list->EnsureUserSelected();
    return shell::UserPopupPopup(empty, m_list->selectedStatus(), m_session.state().MyStatus);
}

void UsersActions::UserPopupPopup()
{
    const UserPopupEnabling on = enabling();
    m_menu.Chat1->setEnabled(on.chat);
    m_menu.Beep1->setEnabled(on.beep);
    m_menu.SayNick1->setEnabled(on.sayNick);
    m_menu.RequestINFO1->setEnabled(on.info);
    m_menu.MessMenu->setEnabled(on.message);
    m_menu.MassMessage1->setEnabled(on.mass);
    m_menu.SendFile1->setEnabled(on.sendFile);
}

void UsersActions::MessMenuClick()
{
    if (enabling().message)
        emit messageRequested(m_list->selectedNick());
}

void UsersActions::MassMessage1Click()
{
    if (enabling().mass)
        emit massMessageRequested();
}

void UsersActions::Chat1Click()
{
    if (!enabling().chat)
        return;
    const QString nick = m_list->selectedNick();
    if (m_session.conversations().exists(nick))
        return;
    m_session.output().OpenConversation(nick, true, net::ConversationKind::Private);
    emit focusInputLine();
}

void UsersActions::Beep1Click()
{
    if (enabling().beep)
        m_session.actions().Beep(m_list->selectedNick(), m_list->selectedStatus());
}

void UsersActions::RequestINFO1Click()
{
    if (enabling().info)
        emit informationRequested(m_list->selectedNick(), m_list->selectedStatus());
}

void UsersActions::SendFile1Click()
{
    if (enabling().sendFile)
        emit sendFileRequested(m_list->selectedNick());
}

void UsersActions::SayNick1Click()
{
    if (enabling().sayNick)
        m_input.SayNick(m_list->selectedNick());
}

void UsersActions::UpdateOnTimeClick()
{
    // The click itself flipped the tick; it only ever shows whether a timer runs.
    m_menu.UpdateOnTime->setChecked(m_updateOnTime != 0);
    bool ok = false;
    const QString text = QInputDialog::getText(
        m_list->window(), tr("Update UsersList by Timer"), tr("Interval in Seconds (0 - Disabled)"),
        QLineEdit::Normal, QString::number(m_updateOnTime), &ok);
    if (!ok)
        return;
    if (const auto seconds = ParseUpdateInterval(text))
        ApplyUpdateInterval(*seconds);
}

void UsersActions::ApplyUpdateInterval(int seconds)
{
    m_updateOnTime = seconds;
    m_menu.UpdateOnTime->setText(tr("Interval %1 Seconds...").arg(seconds));
    m_menu.UpdateOnTime->setChecked(seconds != 0);
    if (seconds == 0)
        m_updateUsersTimer.stop();
    else
        m_updateUsersTimer.start(seconds * 1000);
}

} // namespace quorvelle::shell
