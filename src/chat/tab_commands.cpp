#include "chat/tab_commands.h"

#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "settings/program_info.h"
#include "settings/session_state.h"
#include "settings/settings.h"
#include "shell/main_menu.h"

#include <QAction>
#include <QMessageBox>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;
namespace key = settings::key;

TabCommands::TabCommands(QWidget* window, ConversationTabs& tabs, shell::MainMenu& menu,
                         ChatSession& session)
    : QObject(window), m_window(window), m_tabs(tabs), m_menu(menu), m_session(session)
{
    ConversationSet& conversations = session.conversations();
    connect(menu.Close1, &QAction::triggered, this, &TabCommands::Close1Click);
    connect(menu.Next1, &QAction::triggered, &conversations, &ConversationSet::Next1Click);
    connect(menu.Prev1, &QAction::triggered, &conversations, &ConversationSet::Prev1Click);
    connect(menu.ClearChat, &QAction::triggered, this, &TabCommands::ClearChatClick);
    for (int i = 0; i < 3; ++i)
        connect(menu.tabsStyle[size_t(i)], &QAction::triggered, this,
                [this, i] { applyTabsStyle(i); });
    for (int i = 0; i < 4; ++i)
        connect(menu.styleCodes[size_t(i)], &QAction::triggered, this,
                [this, i] { StylecodesChange(i); });
    connect(menu.item(&settings::Switches::ShowSmiles), &QAction::toggled, this,
            [this] { StylecodesChange(int(m_tabs.colourCodeMode())); });
}

void TabCommands::StylecodesChange(int mode)
{
    mode = qBound(0, mode, 3);
    m_menu.styleCodes[size_t(mode)]->setChecked(true);
    m_tabs.setMarkup(ColourCodeMode(mode), m_session.state().switches.ShowSmiles);
}

void TabCommands::loadViews(const settings::Settings& s)
{
    StylecodesChange(s.number(key::StyleCodes));
}

void TabCommands::loadTabs(const settings::Settings& s)
{
    applyTabsStyle(s.number(key::TabsStyle));
    ConversationSet& conversations = m_session.conversations();
    conversations.TabControl1Change(
        qBound(0, s.number(key::ActiveChanel), conversations.count() - 1));
}

void TabCommands::save(settings::Settings& s) const
{
    s.setNumber(key::StyleCodes, int(m_tabs.colourCodeMode()));
    if (!m_session.state().switches.SaveState)
        return;
    s.setNumber(key::ActiveChanel, m_session.conversations().current());
    s.setNumber(key::TabsStyle, int(m_tabs.style()));
}

void TabCommands::Close1Click()
{
    ConversationSet& conversations = m_session.conversations();
    const QString name = conversations.currentName();
    if (name.isEmpty())
        return;
    if (conversations.current() == 0) {
        if (QMessageBox::question(m_window, settings::WindowCaption(),
                                  tr("Are you sure want\r\nto exit now?"),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            emit exitRequested();
        return;
    }
    m_session.actions().LeaveConversation(name);
    conversations.CloseConversation(name);
}

void TabCommands::ClearChatClick()
{
    if (ConversationView* view = m_tabs.currentView()) {
        view->clearView();
        m_session.output().windowCleared();
    }
}

void TabCommands::applyTabsStyle(int style)
{
    style = qBound(0, style, 2);
    m_tabs.setStyle(ConversationTabs::Style(style));
    m_menu.tabsStyle[size_t(style)]->setChecked(true);
}

} // namespace quorvelle::chat
