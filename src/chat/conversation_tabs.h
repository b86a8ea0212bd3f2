#pragma once

// The tab control of the main window: a tab bar and a stack of conversation
// views, both kept in step with the conversation set. Lines are drawn here.

#include "chat/chat_output.h"
#include "chat/conversation_set.h"
#include "chat/markup.h"

#include <QColor>
#include <QObject>
#include <array>

class QStackedWidget;
class QTabBar;

namespace quorvelle::chat {

class ConversationView;

// Read and unread tab pictures: #Main (tab 0), channels, private chats.
int TabImageFor(const QString& name, int index, bool unread);

class ConversationTabs : public QObject, public ChatOutputView
{
    Q_OBJECT

public:
    enum class Style
    {
        Tabs = 0,
        Buttons = 1,
        FlatButtons = 2
    };

    ConversationTabs(ConversationSet& conversations, QTabBar* bar, QStackedWidget* stack,
                     QObject* parent = nullptr);

    ConversationView* view(int index) const;
    ConversationView* currentView() const;

    // The twelve line colours for lines appended from now on, and the background
    // of every view, as they are drawn.
    // Lines already shown take the new colours of their kinds.
    void setLineColours(const std::array<QColor, 12>& colours);
    void setChatBackground(const QColor& colour);

    // How lines appended from now on show colour codes and smiles, in every view.
    void setMarkup(ColourCodeMode mode, bool smiles);
    ColourCodeMode colourCodeMode() const { return m_mode; }

    Style style() const { return m_style; }
    void setStyle(Style style);

    // ChatOutputView
    void newLineEvents() override { emit lineWantsAttention(); }
    void appendLines(int index, const QStringList& lines, net::LineColour colour,
                     bool markup) override;
    // The hint reads as the view shows the line: codes rendered in the current mode.
    void showTrayHint(const QStringList& lines, bool markup) override;
    void showRecentHistory(int index, const QStringList& lines) override;
    void activateConversation(int) override { emit activationRequested(); }

signals:
    // Files dropped on a private chat's view: for its partner.
    void filesDroppedOn(const QString& nick, const QStringList& files);
    void lineWantsAttention();
    void trayHint(const QStringList& lines);
    void activationRequested();
    // A view was clicked or released: the input line takes the focus back.
    void viewReleased();
    void viewMenuRequested(const QPoint& globalPos);
    void viewHovered(ConversationView* view);
    void viewCreated(ConversationView* view);

private:
    // The name, and how many lines came while it was not current.
    QString tabCaption(int index) const;
    void opened(int index);
    void closed(int index);
    void renamed(int index);
    void currentChanged(int index);
    void updateIcon(int index);

    ConversationSet& m_conversations;
    QTabBar* m_bar;
    QStackedWidget* m_stack;
    std::array<QColor, 12> m_lineColours{};
    QColor m_background; // none set: the palette's
    Style m_style = Style::Tabs;
    ColourCodeMode m_mode = ColourCodeMode::EnabledStripped;
    bool m_smiles = true;
    bool m_syncing = false;
};

} // namespace quorvelle::chat
