#pragma once

// The find bar under the conversation: a text, older and newer matches, match
// case. It searches every line the current view keeps and brings the found one
// into sight; Esc closes it and gives the keyboard back.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvelle::chat {

class ConversationTabs;
class ConversationView;

class FindBar : public QWidget
{
    Q_OBJECT

public:
    FindBar(ConversationTabs& tabs, QWidget* parent);

    // Shows the bar with the keyboard in its text, the last text selected.
    void open();
    void close();
    // The next match: towards older lines, or newer ones.
    void find(bool older);

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ConversationTabs& m_tabs;
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QLabel* m_status;
    ConversationView* m_view = nullptr; // where m_line was found
    int m_line = -1;
};

} // namespace quorvelle::chat
