#include "chat/find_bar.h"

#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace quorvelle::chat {

FindBar::FindBar(ConversationTabs& tabs, QWidget* parent) : QWidget(parent), m_tabs(tabs)
{
    setObjectName(QStringLiteral("FindBar"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setPlaceholderText(tr("Find in this conversation"));
    m_text->installEventFilter(this);
    const auto button = [this](const QString& text, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        return b;
    };
    QToolButton* older = button(QStringLiteral("\u25B2"), tr("Older match (Enter)"));
    QToolButton* newer = button(QStringLiteral("\u25BC"), tr("Newer match (Shift+Enter)"));
    QToolButton* closer = button(QStringLiteral("\u2715"), tr("Close (Esc)"));
    m_matchCase = new QCheckBox(tr("Match case"), this);
    m_status = new QLabel(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(older);
    layout->addWidget(newer);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_status);
    layout->addWidget(closer);
    connect(older, &QToolButton::clicked, this, [this] { find(true); });
    connect(newer, &QToolButton::clicked, this, [this] { find(false); });
    connect(closer, &QToolButton::clicked, this, &FindBar::close);
    // A new text or case starts again from the newest line.
    const auto restart = [this] {
        m_line = -1;
        find(true);
    };
    connect(m_text, &QLineEdit::textEdited, this, restart);
    connect(m_matchCase, &QCheckBox::toggled, this, restart);
    hide();
}

void FindBar::open()
{
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void FindBar::close()
{
    if (m_view && m_view == m_tabs.currentView())
        m_view->clearFound();
    m_view = nullptr;
    m_line = -1;
    hide();
    emit closed();
}

void FindBar::find(bool older)
{
    ConversationView* view = m_tabs.currentView();
    if (!view)
        return;
    if (view != m_view) { // another tab: its own lines, from its newest
        if (m_view)
            m_view->clearFound();
        m_view = view;
        m_line = -1;
    }
    const Qt::CaseSensitivity cs =
        m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int line = view->findLine(m_text->text(), m_line, older, cs);
    m_status->setText(line < 0 && !m_text->text().isEmpty() ? tr("Not found") : QString());
    if (line < 0) {
        view->clearFound();
        return;
    }
    m_line = line;
    view->showFound(line, m_text->text(), cs);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvelle::chat
