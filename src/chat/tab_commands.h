#pragma once

// The commands of the conversation tabs and views: Close (closing #Main asks to
// exit), Next, Previous, Clear Chat, the tab styles, "Color Codes" and "Show
// Smiles", with their settings and the current tab.

#include <QObject>

class QWidget;

namespace quorvelle::settings {
class Settings;
}
namespace quorvelle::shell {
class MainMenu;
}

namespace quorvelle::chat {

class ChatSession;
class ConversationTabs;

class TabCommands : public QObject
{
    Q_OBJECT

public:
    TabCommands(QWidget* window, ConversationTabs& tabs, shell::MainMenu& menu,
                ChatSession& session);

    // The markup; before the first conversation opens, after the switches were
    // loaded.
    void loadViews(const settings::Settings& settings);
    // The tab style and the current tab; after the conversations were restored.
    void loadTabs(const settings::Settings& settings);
    void save(settings::Settings& settings) const;

    void Close1Click();
    void ClearChatClick();

signals:
    // "#Main" was closed and the user confirmed: the program ends.
    void exitRequested();

private:
    void applyTabsStyle(int style);
    void StylecodesChange(int mode);

    QWidget* m_window;
    ConversationTabs& m_tabs;
    shell::MainMenu& m_menu;
    ChatSession& m_session;
};

} // namespace quorvelle::chat
