#include "shell/window_presence.h"

#include "chat/chat_session.h"
#include "platform/global_hotkey.h"
#include "settings/program_info.h"
#include "settings/settings.h"
#include "shell/main_menu.h"
#include "shell/tray_icon.h"

#include <QAction>
#include <QCloseEvent>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
using presence::Status;

WindowPresence::WindowPresence(QMainWindow* window, QWidget* inputLine, MainMenu& menu,
                               chat::ChatSession& session)
    : QObject(window), m_window(window), m_input(inputLine), m_menu(menu), m_session(session),
      m_tray(new TrayIcon(menu.popup(), settings::WindowCaption(), this))
{
    window->installEventFilter(this);
    connect(m_menu.Hide1, &QAction::triggered, this, &WindowPresence::Hide1Click);
    for (int i = 0; i < 4; ++i)
        connect(m_menu.status[size_t(i)], &QAction::triggered, this,
                [this, i] { ChangeStatus(Status(u'0' + i)); });
    connect(m_menu.miHotKey, &QAction::triggered, this, &WindowPresence::miHotKeyClick);
    connect(m_tray, &TrayIcon::leftPressed, this, [this] {
        if (m_window->isVisible() && !m_window->isMinimized())
            RaiseMainWindow();
    });
    connect(window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popUp(m_menu.popup(), m_window->mapToGlobal(at)); });
}

WindowPresence::~WindowPresence() = default;

void WindowPresence::load(const settings::Settings& s)
{
    const Status status = m_session.state().MyStatus;
    m_menu.status[size_t(char16_t(status) - u'0')]->setChecked(true);
    m_tray->setStatus(status);
    if (TrayIcon::available())
        m_tray->show();
    m_hotKey = s.text(settings::key::HotKey);
    RegisterPopupHotKey();
    watchTrayHost();
}

void WindowPresence::save(settings::Settings& s) const
{
    s.setText(settings::key::HotKey, m_hotKey);
}

void WindowPresence::shutDown()
{
    m_closing = true;
    m_trayWatch.stop();
    m_tray->hide();
    if (m_hotKeyGrab)
        m_hotKeyGrab->unregister();
}

void WindowPresence::popUp(QMenu* menu, const QPoint& globalPos)
{
    m_menu.Hide1->setText(m_window->isVisible() ? tr("Hide") : tr("Show"));
    menu->popup(globalPos);
}

void WindowPresence::Hide1Click()
{
    if (m_hiding)
        return;
    m_hiding = true;
    if (m_window->isVisible() && !TrayIcon::available()) {
        // Without a tray a hidden window could only come back by the hot key.
        m_window->showMinimized();
    } else if (m_window->isVisible()) {
        m_menu.Hide1->setText(tr("Show"));
        m_window->hide();
    } else {
        m_menu.Hide1->setText(tr("Hide"));
        m_window->show();
        RaiseMainWindow();
    }
    m_hiding = false;
}

void WindowPresence::ShowWithoutRefresh()
{
    if (m_window->isVisible())
        return;
    m_refreshOnShow = false;
    Hide1Click();
    m_refreshOnShow = true;
}

void WindowPresence::ShowAsked()
{
    if (m_window->isVisible())
        RaiseMainWindow();
    else
        Hide1Click();
}

void WindowPresence::PopUpForNewChat()
{
    if (!m_window->isVisible())
        popUpWithoutFocus(false);
}

void WindowPresence::popUpWithoutFocus(bool refresh)
{
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!m_window->isVisible()) {
        m_refreshOnShow = refresh;
        m_menu.Hide1->setText(tr("Hide"));
        m_window->show();
        m_refreshOnShow = true;
    } else if (m_window->isMinimized()) {
        m_window->showNormal();
    }
    m_window->raise();
    m_window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void WindowPresence::RaiseMainWindow()
{
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    m_input->setFocus();
    m_tray->setFlashing(false);
}

void WindowPresence::FocusInputLine()
{
    if (m_window->isVisible())
        m_input->setFocus();
}

void WindowPresence::ChangeStatus(Status status)
{
    if (m_session.actions().ChangeStatus(status))
        m_tray->setStatus(status);
}

void WindowPresence::newLineEvents()
{
    const settings::Switches& on = m_session.state().switches;
    const Status status = m_session.state().MyStatus;
    const bool mayPopUp = status == Status::Normal || status == Status::Away;
    const bool unseen = !m_window->isVisible() || !m_window->isActiveWindow();
    // The window comes forward, but the keyboard stays where the user types: the
    // next keys must not land in a chat. It takes the keyboard when activated.
    if (on.PopupLine && mayPopUp && unseen)
        popUpWithoutFocus(true);
    if (on.FlashTray && unseen)
        m_tray->setFlashing(true);
}

bool WindowPresence::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (!event->spontaneous()) {
            m_tray->setFlashing(false);
            FocusInputLine();
            if (m_refreshOnShow && m_session.state().switches.UpdateOnPopup && !m_session.leaving())
                m_session.actions().RefreshUsersList();
        }
        break;
    case QEvent::ActivationChange:
        // The user came to the window: the newest lines are seen, the keys go to the line.
        if (m_window->isActiveWindow() && m_window->isVisible()) {
            m_tray->setFlashing(false);
            if (!m_window->focusWidget())
                m_input->setFocus();
        }
        break;
    case QEvent::Close:
        if (!m_closing) {
            // Closing only hides: the program lives in the tray until "Exit".
            event->ignore();
            if (m_window->isVisible())
                Hide1Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPresence::miHotKeyClick()
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        m_window, tr("Hot Key for Popup"), tr("Enter hot Key:"), QLineEdit::Normal, m_hotKey, &ok);
    if (!ok)
        return;
    // Kept as the portable shortcut text, so it reads back the same at the next start.
    m_hotKey = platform::HotKeyToText(platform::HotKeyFromText(text));
    RegisterPopupHotKey();
}

void WindowPresence::RegisterPopupHotKey()
{
    if (!m_hotKeyGrab) {
        m_hotKeyGrab = new platform::GlobalHotKey(this);
        connect(m_hotKeyGrab, &platform::GlobalHotKey::activated, this, &WindowPresence::ShowAsked);
    }
    // An unreadable text registers nothing.
    m_hotKeyGrab->setShortcut(platform::HotKeyFromText(m_hotKey));
}

void WindowPresence::watchTrayHost()
{
    // The tray host may come and go (a restarted panel): show the icon again with
    // the current status, and never leave a hidden window without a way back.
    m_trayWasAvailable = TrayIcon::available();
    m_trayWatch.setInterval(3000);
    connect(&m_trayWatch, &QTimer::timeout, this, [this] {
        const bool available = TrayIcon::available();
        if (available && !m_trayWasAvailable) {
            m_tray->hide();
            m_tray->setStatus(m_session.state().MyStatus);
            m_tray->show();
        } else if (!available && m_trayWasAvailable && !m_window->isVisible()) {
            Hide1Click();
        }
        m_trayWasAvailable = available;
    });
    m_trayWatch.start();
}

} // namespace quorvelle::shell
