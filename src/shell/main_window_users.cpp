// The main window's users list, its popup menu, the refresh timer, the hot key
// dialog and the tray host watch.

#include "chat/conversation_tabs.h"
#include "platform/global_hotkey.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"
#include "shell/users_list.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

void TMainFm::wireUsersList()
{
    TUsersList* list = ui.UsersList;
    MainMenu& m = *m_menu;
    connect(list, &TUsersList::popupRequested, this, [this](const QPoint& at) {
        UserPopupPopup();
        m_menu->userPopup()->popup(at);
    });
    connect(list, &TUsersList::escapePressed, this, &TMainFm::Hide1Click);
    connect(list, &TUsersList::messageRequested, this, &TMainFm::MessMenuClick);
    connect(list, &TUsersList::massMessageRequested, this, &TMainFm::MassMessage1Click);
    for (const QString& name : {u"MessMenu"_s, u"MessTwin"_s})
        m.setHandler(name, [this] { MessMenuClick(); });
    for (const QString& name : {u"MassMessage1"_s, u"MassTwin"_s})
        m.setHandler(name, [this] { MassMessage1Click(); });
    // While the list has the focus, Enter opens the private chat.
    connect(list, &TUsersList::focusChanged, this, [this](bool focused) {
        const bool enter = focused && m_session->registry().count() > 0;
        m_menu->item(u"ChatTwin"_s)
            ->setShortcut(enter ? QKeySequence(Qt::Key_Return) : QKeySequence(u"Ctrl+P"_s));
    });
    connect(list, &QAbstractItemView::activated, this, [this] {
        if (ui.UsersList->hasFocus())
            Chat1Click();
    });
    connect(m_menu->userPopup(), &QMenu::aboutToShow, this, &TMainFm::UserPopupPopup);

    for (const QString& name : {u"Chat1"_s, u"ChatTwin"_s})
        m.setHandler(name, [this] { Chat1Click(); });
    m.setHandler(u"Beep1"_s, [this] { Beep1Click(); });
    m.setHandler(u"RequestINFO1"_s, [this] { RequestINFO1Click(); });
    for (const QString& name : {u"SayNick1"_s, u"SayNick3"_s, u"saynick2"_s})
        m.setHandler(name, [this] { SayNick1Click(); });

    m.item(u"UpdateOnTime"_s)->setEnabled(true);
    m.setHandler(u"UpdateOnTime"_s, [this] { UpdateOnTimeClick(); });
    connect(&m_updateUsersTimer, &QTimer::timeout, this,
            [this] { m_session->actions().RefreshUsersList(); });
    m.item(u"miHotKey"_s)->setEnabled(true);
    m.setHandler(u"miHotKey"_s, [this] { miHotKeyClick(); });
}

void TMainFm::UserPopupPopup()
{
    const bool empty = !ui.UsersList->EnsureUserSelected();
    const UserPopupEnabling on =
        shell::UserPopupPopup(empty, ui.UsersList->selectedStatus(), m_state.MyStatus);
    m_menu->item(u"Chat1"_s)->setEnabled(on.chat);
    m_menu->item(u"Beep1"_s)->setEnabled(on.beep);
    m_menu->item(u"SayNick1"_s)->setEnabled(on.sayNick);
    m_menu->item(u"RequestINFO1"_s)->setEnabled(on.info);
    // Message, mass message, files: their windows come later and stay disabled.
}

// Every way to a message window comes through these two. The message windows are
// not built yet, so for now they open nothing.
void TMainFm::MessMenuClick() {}

void TMainFm::MassMessage1Click() {}

void TMainFm::Chat1Click()
{
    if (!ui.UsersList->EnsureUserSelected() || ui.UsersList->selectedStatus() == u'3')
        return;
    const QString nick = ui.UsersList->selectedNick();
    if (m_conversations.exists(nick))
        return;
    m_output->OpenConversation(nick, true, net::ConversationKind::Private);
    FocusInputLine();
}

void TMainFm::Beep1Click()
{
    if (ui.UsersList->EnsureUserSelected())
        m_session->actions().Beep(ui.UsersList->selectedNick(), ui.UsersList->selectedStatus());
}

void TMainFm::RequestINFO1Click()
{
    if (ui.UsersList->EnsureUserSelected())
        m_session->actions().RequestInfo(ui.UsersList->selectedNick(),
                                         ui.UsersList->selectedStatus());
}

void TMainFm::SayNick1Click()
{
    if (!ui.UsersList->EnsureUserSelected())
        return;
    const net::SayNickResult r = net::SayNickEdit(ui.reEdit->text(), ui.reEdit->cursorPosition(),
                                                  ui.UsersList->selectedNick());
    ui.reEdit->setText(r.text);
    ui.reEdit->setCursorPosition(r.caret);
}

void TMainFm::UpdateOnTimeClick()
{
    // The click itself flipped the tick; it only ever shows whether a timer runs.
    m_menu->item(u"UpdateOnTime"_s)->setChecked(m_updateOnTime != 0);
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, u"Update UsersList by Timer"_s, u"Interval in Seconds (0 - Disabled)"_s,
        QLineEdit::Normal, QString::number(m_updateOnTime), &ok);
    if (!ok)
        return;
    if (const auto seconds = ParseUpdateInterval(text))
        ApplyUpdateInterval(*seconds);
}

void TMainFm::ApplyUpdateInterval(int seconds)
{
    m_updateOnTime = seconds;
    QAction* item = m_menu->item(u"UpdateOnTime"_s);
    item->setText(u"Interval %1 Seconds..."_s.arg(seconds));
    item->setChecked(seconds != 0);
    if (seconds == 0)
        m_updateUsersTimer.stop();
    else
        m_updateUsersTimer.start(seconds * 1000);
}

void TMainFm::miHotKeyClick()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, u"Hot Key for Popup"_s, u"Enter hot Key:"_s,
                                               QLineEdit::Normal, m_hotKey, &ok);
    if (!ok)
        return;
    // Kept as the portable shortcut text, so it reads back the same at the next start.
    m_hotKey = platform::HotKeyToText(platform::HotKeyFromText(text));
    RegisterPopupHotKey();
}

void TMainFm::RegisterPopupHotKey()
{
    if (!m_hotKeyGrab) {
        m_hotKeyGrab = new platform::GlobalHotKey(this);
        connect(m_hotKeyGrab, &platform::GlobalHotKey::activated, this, [this] {
            if (isVisible())
                RaiseMainWindow();
            else
                Hide1Click();
        });
    }
    // An unreadable text registers nothing.
    m_hotKeyGrab->setShortcut(platform::HotKeyFromText(m_hotKey));
}

void TMainFm::watchTrayHost()
{
    // The tray host may come and go (a restarted panel): show the icon again with
    // the current status, and never leave a hidden window without a way back.
    m_trayWasAvailable = TrayIcon::available();
    m_trayWatch.setInterval(3000);
    connect(&m_trayWatch, &QTimer::timeout, this, [this] {
        const bool available = TrayIcon::available();
        if (available && !m_trayWasAvailable && !m_settingsSaved) {
            m_tray->hide();
            m_tray->setStatus(m_state.MyStatus);
            m_tray->show();
        } else if (!available && m_trayWasAvailable && !isVisible()) {
            Hide1Click();
        }
        m_trayWasAvailable = available;
    });
    m_trayWatch.start();
}

} // namespace quorvelle::shell
