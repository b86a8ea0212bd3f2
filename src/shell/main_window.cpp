#include "shell/main_window.h"

#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "settings/program_info.h"
#include "shell/connection_window.h"
#include "shell/image_list.h"
#include "shell/main_menu.h"
#include "shell/tray_icon.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
using net::ConversationKind;

TMainFm::TMainFm(settings::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_schema(settings::SchemaContext::current()),
      m_settings(store, m_schema),
      m_session(std::make_unique<net::NetSession>(
          m_state, *this, m_settings.text(settings::key::Codepage).toLatin1())),
      m_logs(m_session->wireText()),
      m_conversations([this](ConversationKind kind, const QString& name) {
          m_session->actions().AnnounceConversation(kind, name);
      })
{
    ui.setupUi(this);
    setWindowIcon(ImageList::appIcon());

    m_tabBar = new QTabBar(ui.TabArea);
    m_tabBar->setObjectName(u"TabControl1"_s);
    m_tabBar->setContextMenuPolicy(Qt::CustomContextMenu);
    m_views = new QStackedWidget(ui.TabArea);
    ui.tabAreaLayout->addWidget(m_tabBar);
    ui.tabAreaLayout->addWidget(m_views, 1);
    m_tabs = new chat::ConversationTabs(m_conversations, m_tabBar, m_views, this);
    m_output = std::make_unique<chat::ChatOutput>(m_state, m_conversations, m_logs, m_logSwitches,
                                                  *m_tabs, settings::WindowCaption());

    ui.UsersList->setModel(&m_session->registry());
    ui.RxGIFAnimator1->setPixmap(ImageList::appIcon().pixmap(18, 18));
    ui.UsersNickSplit->setStretchFactor(0, 1);
    ui.UsersNickSplit->setStretchFactor(1, 0);
    ui.SnStSplit->setStretchFactor(0, 1);
    ui.SnStSplit->setStretchFactor(1, 0);
    ui.SubjSplit->setStretchFactor(0, 0);
    ui.SubjSplit->setStretchFactor(1, 1);

    m_menu = new MainMenu(this);
    m_tray = new TrayIcon(m_menu->popup(), settings::WindowCaption(), this);
    wireMenu();
    wireBoxes();
    wireUsersList();

    connect(m_tabs, &chat::ConversationTabs::lineWantsAttention, this, &TMainFm::newLineEvents);
    connect(m_tabs, &chat::ConversationTabs::activationRequested, this,
            &TMainFm::activateForNewConversation);
    connect(m_tabs, &chat::ConversationTabs::trayHint, m_tray, &TrayIcon::showHint);
    connect(m_tabs, &chat::ConversationTabs::viewReleased, this, &TMainFm::FocusInputLine);
    connect(m_tabs, &chat::ConversationTabs::viewMenuRequested, this,
            [this](const QPoint& at) { showPopupMenu(m_menu->popup(), at); });
    connect(&m_conversations, &chat::ConversationSet::currentChanged, this,
            [this] { FocusInputLine(); });
    connect(m_tray, &TrayIcon::leftPressed, this, [this] {
        if (isVisible() && !isMinimized())
            RaiseMainWindow();
    });
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showPopupMenu(m_menu->popup(), mapToGlobal(at)); });
    connect(m_tabBar, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        showPopupMenu(m_menu->tabMenu(), m_tabBar->mapToGlobal(at));
    });
}

TMainFm::~TMainFm() = default;

void TMainFm::showPopupMenu(QMenu* menu, const QPoint& globalPos)
{
    m_menu->item(u"Hide1"_s)->setText(isVisible() ? u"Hide"_s : u"Show"_s);
    menu->popup(globalPos);
}

void TMainFm::wireMenu()
{
    MainMenu& m = *m_menu;
    auto& s = m_state;
    auto& msg = s.messages;
    m.bindSwitch(u"JLNet"_s, msg.JLNet);
    m.bindSwitch(u"JLChan"_s, msg.JLChan);
    m.bindSwitch(u"JLChat"_s, msg.JLChat);
    m.bindSwitch(u"ChanNick"_s, msg.ChanNick);
    m.bindSwitch(u"ChanStat"_s, msg.ChanStat);
    m.bindSwitch(u"ChanSubj"_s, msg.ChanSubj);
    m.bindSwitch(u"RecvMess"_s, msg.RecvMess);
    m.bindSwitch(u"RecvBeep"_s, msg.RecvBeep);
    m.bindSwitch(u"MessConf"_s, msg.MessConf);
    m.bindSwitch(u"BeepConf"_s, msg.BeepConf);
    m.bindSwitch(u"SysErrors"_s, msg.SysErrors);
    m.bindSwitch(u"SystemStrings"_s, s.SystemStrings);
    m.bindSwitch(u"UsersStrings"_s, s.UsersStrings);
    m.bindSwitch(u"ShowSeconds"_s, s.ShowSeconds);
    m.bindSwitch(u"HintTray"_s, s.HintTray);
    m.bindSwitch(u"Updatehistory1"_s, s.Updatehistory1);
    m.bindSwitch(u"SysInfo"_s, s.SysInfo);
    m.bindSwitch(u"MemInfo"_s, s.MemInfo);
    m.bindSwitch(u"ProgInfo"_s, s.ProgInfo);
    m.bindSwitch(u"LogMain"_s, m_logSwitches.LogMain);
    m.bindSwitch(u"LogOther"_s, m_logSwitches.LogOther);
    m.bindSwitch(u"LogPriv"_s, m_logSwitches.LogPriv);
    m.bindSwitch(u"LogMess"_s, m_logSwitches.LogMess);
    m.bindSwitch(u"FlashTray"_s, m_flashTray);
    m.bindSwitch(u"PopupLine"_s, m_popupLine);
    m.bindSwitch(u"UpdateOnPopup"_s, m_updateOnPopup);
    m.bindSwitch(u"SaveState"_s, m_saveState);
    m.bindSwitch(u"SaveSize"_s, m_saveSize);
    m.bindSwitch(u"SavePos"_s, m_savePos);
    m.bindSwitch(u"miShowSmiles"_s, m_showSmiles);

    const QStringList statusItems{u"Normal1"_s, u"DNDDonotdistrub1"_s, u"AwayFarfromchat1"_s,
                                  u"OffLine1"_s};
    for (int i = 0; i < 4; ++i)
        m.setHandler(statusItems[i], [this, i] { ChangeStatus(QChar(u'0' + i)); });
    for (const QString& name : {u"SCodeDis"_s, u"SCodeEn"_s, u"SCodeEnSt"_s, u"SCodeEnStrip"_s})
        m.setHandler(name, [this, name] { m_styleCodes = m_menu->item(name)->data().toInt(); });
    for (const QString& name : {u"Tabs1"_s, u"Buttons1"_s, u"FlatButtons1"_s})
        m.setHandler(name, [this, name] { applyTabsStyle(m_menu->item(name)->data().toInt()); });

    m.setHandler(u"Hide1"_s, [this] { Hide1Click(); });
    m.setHandler(u"Exit1"_s, [this] { Exit1Click(); });
    m.setHandler(u"Close1"_s, [this] { Close1Click(); });
    m.setHandler(u"Next1"_s, [this] { m_conversations.Next1Click(); });
    m.setHandler(u"Prev1"_s, [this] { m_conversations.Prev1Click(); });
    m.setHandler(u"ClearChat"_s, [this] { ClearChatClick(); });
    m.setHandler(u"RefreshUsersList1"_s, [this] { m_session->actions().RefreshUsersList(); });
    m.setHandler(u"Connection1"_s, [this] { Connection1Click(); });
    m.setHandler(u"LogsDirectory1"_s, [this] { LogsDirectory1Click(); });
    m.setHandler(u"Font1"_s, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_mainFont, this);
        if (ok)
            ApplyMainFont(font);
    });
    m.setHandler(u"Defaultfont1"_s, [this] { ApplyMainFont(QFont(u"Arial"_s, 9, QFont::Bold)); });
    m.setHandler(u"DefaultSize1"_s, [this] {
        resize(536, 363);
        m_messageSize = QSize(320, 246);
    });
    m.setHandler(u"CenterWindow1"_s, [this] {
        if (const QScreen* screen = this->screen())
            move((screen->geometry().width() - frameGeometry().width()) / 2,
                 (screen->geometry().height() - frameGeometry().height()) / 2);
    });
    m.setHandler(u"About1"_s, [this] {
        QMessageBox::about(this, u"About"_s,
                           settings::WindowCaption() +
                               u"\n\nA serverless chat for the local network."_s);
    });
    for (int i = 1; i <= 10; ++i)
        m.setHandler(u"Nick%1"_s.arg(i), [this, i] {
            m_session->actions().ChangeNickFromHistory(m_state.nickHistory.value(i - 1));
        });
    m.setHandler(u"Clear1"_s, [this] {
        m_state.nickHistory = QStringList(settings::NickHistorySize);
        refreshNickHistory();
    });
    connect(m_menu->nickHistory(), &QMenu::aboutToShow, this, &TMainFm::refreshNickHistory);
    ui.SpeedButton2->setMenu(m_menu->nickHistory());
}

void TMainFm::wireBoxes()
{
    auto& registry = m_session->registry();
    connect(&registry, &presence::UsersRegistry::countChanged, this,
            [this] { ui.UsersBox->setTitle(m_session->registry().CountCaption()); });
    connect(ui.SpeedButton1, &QToolButton::clicked, this,
            [this] { m_session->actions().RefreshUsersList(); });
    for (QWidget* w : {static_cast<QWidget*>(ui.reEdit), static_cast<QWidget*>(ui.Edit3),
                       static_cast<QWidget*>(ui.SubjMemo)})
        w->installEventFilter(this);
}

void TMainFm::refreshNickHistory()
{
    for (int i = 1; i <= 10; ++i) {
        QAction* entry = m_menu->item(u"Nick%1"_s.arg(i));
        const QString nick = m_state.nickHistory.value(i - 1);
        entry->setText(nick);
        entry->setVisible(!nick.isEmpty());
    }
}

bool TMainFm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ui.reEdit)
            return handleInputKey(key);
        if (watched == ui.Edit3)
            return handleBoxKey(
                key, ui.Edit3->text(), m_state.MyNick,
                [this] { ui.Edit3->setText(m_state.MyNick); },
                [this] { m_session->actions().RequestNickChange(ui.Edit3->text()); });
        if (watched == ui.SubjMemo)
            return handleBoxKey(
                key, ui.SubjMemo->toPlainText(), m_state.SubjectText,
                [this] { ui.SubjMemo->setPlainText(m_state.SubjectText); },
                [this] { m_session->actions().SetSubject(ui.SubjMemo->toPlainText()); });
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving a box without Enter puts the current value back.
        if (watched == ui.Edit3 && !m_state.NickChangePending)
            ui.Edit3->setText(m_state.MyNick);
        else if (watched == ui.SubjMemo)
            ui.SubjMemo->setPlainText(m_state.SubjectText);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainFm::handleInputKey(QKeyEvent* key)
{
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && key->modifiers() == Qt::NoModifier) {
        m_session->actions().SendChatLine(m_conversations.currentName(), ui.reEdit->text());
        ui.reEdit->clear();
        return true;
    }
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        if (ui.reEdit->text().isEmpty())
            Hide1Click();
        else
            ui.reEdit->clear();
        return true;
    }
    return false;
}

// The nick and subject boxes: Esc puts the current value back, or hides the window
// when there is nothing to put back; Enter applies the box and returns to the
// input line.
bool TMainFm::handleBoxKey(QKeyEvent* key, const QString& typed, const QString& current,
                           const std::function<void()>& restore, const std::function<void()>& apply)
{
    if (key->key() == Qt::Key_Escape) {
        if (typed != current)
            restore();
        else
            Hide1Click();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        apply();
        FocusInputLine();
        return true;
    }
    return false;
}

void TMainFm::FocusInputLine()
{
    if (isVisible())
        ui.reEdit->setFocus();
}

void TMainFm::addChatLine(const net::ChatLine& line)
{
    m_output->AddChatLine(line);
}

void TMainFm::playSoundEvent(int)
{
    // Sound events get their own settings window and player; until then the
    // program stays silent.
}

bool TMainFm::conversationExists(const QString& name) const
{
    return m_conversations.exists(name);
}

QStringList TMainFm::conversationNames() const
{
    return m_conversations.names();
}

void TMainFm::renameConversation(const QString& from, const QString& to)
{
    m_conversations.renameConversation(from, to);
}

void TMainFm::receiveMessage(const QString& caption, const QString& text)
{
    // Until message windows exist, a message is not lost: it shows in #Main.
    m_output->AddChatLine(net::ChatLine{net::MainConversation, QString(), caption + u": "_s + text,
                                        net::LineColour::ReceiveMessage, false,
                                        m_state.SystemStrings, true, m_state.HintTray});
}

bool TMainFm::showInformation(const QString&, const net::InfoReply&)
{
    return false;
}

void TMainFm::subjectChanged()
{
    ui.SubjBox->setTitle(u" Subject by "_s + m_state.SubjectAuthor + u' ' + m_state.SubjectTime +
                         u' ');
    if (!ui.SubjMemo->hasFocus())
        ui.SubjMemo->setPlainText(m_state.SubjectText);
}

void TMainFm::ownNickChanged()
{
    ui.Edit3->setText(m_state.MyNick);
}

void TMainFm::newLineEvents()
{
    const bool mayPopUp = m_state.MyStatus == u'0' || m_state.MyStatus == u'2';
    if (m_popupLine && !isVisible() && mayPopUp)
        Hide1Click();
    if (m_popupLine && isVisible() && mayPopUp && !isActiveWindow())
        RaiseMainWindow();
    if (m_flashTray && (!isVisible() || !isActiveWindow()))
        m_tray->setFlashing(true);
}

void TMainFm::activateForNewConversation()
{
    if (isVisible())
        return;
    // Shown for a new chat: no users-list refresh for that.
    const bool refresh = std::exchange(m_updateOnPopup, false);
    Hide1Click();
    m_updateOnPopup = refresh;
}

void TMainFm::Hide1Click()
{
    if (m_hiding)
        return;
    m_hiding = true;
    if (isVisible()) {
        m_menu->item(u"Hide1"_s)->setText(u"Show"_s);
        hide();
    } else {
        m_menu->item(u"Hide1"_s)->setText(u"Hide"_s);
        show();
        RaiseMainWindow();
    }
    m_hiding = false;
}

void TMainFm::RaiseMainWindow()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    ui.reEdit->setFocus();
    m_tray->setFlashing(false);
}

void TMainFm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_tray->setFlashing(false);
    FocusInputLine();
    if (m_updateOnPopup && !m_settingsSaved)
        m_session->actions().RefreshUsersList();
}

void TMainFm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        m_tray->setFlashing(false);
    QMainWindow::changeEvent(event);
}

void TMainFm::closeEvent(QCloseEvent* event)
{
    if (m_exitReal) {
        event->accept();
        return;
    }
    event->ignore();
    if (isVisible())
        Hide1Click();
}

void TMainFm::ChangeStatus(QChar status)
{
    if (m_session->actions().ChangeStatus(status))
        m_tray->setStatus(status);
}

void TMainFm::Close1Click()
{
    const QString name = m_conversations.currentName();
    if (name.isEmpty())
        return;
    if (m_conversations.current() == 0) {
        if (QMessageBox::question(this, settings::WindowCaption(),
                                  u"Are you sure want\r\nto exit now?"_s,
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            Exit1Click();
        return;
    }
    m_session->actions().LeaveConversation(name);
    m_conversations.CloseConversation(name);
}

void TMainFm::ClearChatClick()
{
    if (chat::ConversationView* view = m_tabs->currentView()) {
        view->clearView();
        m_output->windowCleared();
    }
}

void TMainFm::Connection1Click()
{
    if (m_connection) {
        if (m_connection->isMinimized())
            m_connection->showNormal();
    } else {
        QStringList addresses;
        for (quint32 address : m_session->transport().broadcastAddrs())
            addresses.append(settings::IpToText(address));
        m_connection = new TConnFm(addresses, m_session->transport().sendPort());
        connect(m_connection, &TConnFm::applied, this,
                [this](const QStringList& texts, quint16 port) {
                    m_session->transport().SetBroadcastAddrs(texts);
                    m_session->transport().setSendPort(port);
                });
        connect(m_connection, &TConnFm::confirmed, this,
                [this] { m_session->actions().RefreshUsersList(); });
    }
    m_connection->show();
    m_connection->raise();
    m_connection->activateWindow();
}

void TMainFm::LogsDirectory1Click()
{
    QString start = m_logs.directory();
    if (start.endsWith(u'/') && start.size() > 1)
        start.chop(1);
    const QString chosen = QFileDialog::getExistingDirectory(
        this, u"Select Directory for Save Logs"_s, start, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return;
    m_logs.setDirectory(chosen.endsWith(u'/') ? chosen : chosen + u'/');
}

void TMainFm::ApplyMainFont(const QFont& font)
{
    m_mainFont = font;
    for (QWidget* w : {static_cast<QWidget*>(ui.SubjMemo), static_cast<QWidget*>(ui.Edit3),
                       static_cast<QWidget*>(ui.reEdit), static_cast<QWidget*>(ui.UsersList)})
        w->setFont(font);
    for (int i = 0; i < m_conversations.count(); ++i)
        if (chat::ConversationView* view = m_tabs->view(i))
            view->setFont(font);
    // The subject box never gets lower than one line of its text.
    ui.SubjMemo->setMinimumHeight(ui.SubjMemo->fontMetrics().lineSpacing() +
                                  2 * ui.SubjMemo->frameWidth() + 4);
}

void TMainFm::applyTabsStyle(int style)
{
    style = qBound(0, style, 2);
    m_tabs->setStyle(chat::ConversationTabs::Style(style));
    const QStringList items{u"Tabs1"_s, u"Buttons1"_s, u"FlatButtons1"_s};
    m_menu->item(items[style])->setChecked(true);
}

} // namespace quorvelle::shell
