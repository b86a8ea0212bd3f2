#include "chat/conversation_tabs.h"

#include "chat/conversation_view.h"
#include "shell/image_list.h"

#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;

int TabImageFor(const QString& name, int index, bool unread)
{
    if (index == 0)
        return unread ? 41 : 40;
    if (name.startsWith(u'#'))
        return unread ? 9 : 8;
    return unread ? 11 : 10;
}

ConversationTabs::ConversationTabs(ConversationSet& conversations, QTabBar* bar,
                                   QStackedWidget* stack, QObject* parent)
    : QObject(parent), m_conversations(conversations), m_bar(bar), m_stack(stack)
{
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(true);
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setIconSize(QSize(16, 16));
    connect(&conversations, &ConversationSet::opened, this, &ConversationTabs::opened);
    connect(&conversations, &ConversationSet::closed, this, &ConversationTabs::closed);
    connect(&conversations, &ConversationSet::renamed, this, &ConversationTabs::renamed);
    connect(&conversations, &ConversationSet::currentChanged, this,
            &ConversationTabs::currentChanged);
    connect(&conversations, &ConversationSet::unreadChanged, this,
            [this](int index, bool) { updateIcon(index); });
    connect(&conversations, &ConversationSet::unreadCountChanged, this,
            [this](int index) { m_bar->setTabText(index, tabCaption(index)); });
    connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_syncing && index >= 0 && index != m_conversations.current())
            m_conversations.TabControl1Change(index);
    });
}

ConversationView* ConversationTabs::view(int index) const
{
    return qobject_cast<ConversationView*>(m_stack->widget(index));
}

ConversationView* ConversationTabs::currentView() const
{
    return view(m_conversations.current());
}

void ConversationTabs::setLineColours(const std::array<QColor, 12>& colours)
{
    QHash<quint32, quint32> changed;
    for (size_t n = 0; n < colours.size(); ++n)
        if (m_lineColours[n].isValid() && colours[n].isValid() && m_lineColours[n] != colours[n])
            changed.insert(m_lineColours[n].rgba(), colours[n].rgba());
    m_lineColours = colours;
    for (int i = 0; i < m_stack->count(); ++i)
        view(i)->recolour(changed);
}

void ConversationTabs::setChatBackground(const QColor& colour)
{
    m_background = colour;
    for (int i = 0; i < m_stack->count(); ++i)
        view(i)->setBackgroundColour(colour);
}

void ConversationTabs::setMarkup(ColourCodeMode mode, bool smiles)
{
    m_mode = mode;
    m_smiles = smiles;
    for (int i = 0; i < m_stack->count(); ++i)
        view(i)->setMarkup(mode, smiles);
}

void ConversationTabs::setStyle(Style style)
{
    m_style = style;
    switch (style) {
    case Style::Tabs:
        m_bar->setStyleSheet(QString());
        m_bar->setDrawBase(true);
        break;
    case Style::Buttons:
        m_bar->setDrawBase(false);
        m_bar->setStyleSheet(QStringLiteral(
            "QTabBar::tab { border: 1px outset palette(mid); border-radius: 2px; padding: 2px "
            "8px; margin: 1px; background: palette(button); }"
            "QTabBar::tab:selected { border-style: inset; background: palette(midlight); }"));
        break;
    case Style::FlatButtons:
        m_bar->setDrawBase(false);
        m_bar->setStyleSheet(QStringLiteral(
            "QTabBar::tab { border: 1px solid transparent; padding: 2px 8px; margin: 1px; }"
            "QTabBar::tab:hover { border-color: palette(mid); }"
            "QTabBar::tab:selected { border-color: palette(dark); background: palette(midlight); "
            "}"));
        break;
    }
}

void ConversationTabs::appendLines(int index, const QStringList& lines, net::LineColour colour,
                                   bool markup)
{
    ConversationView* v = view(index);
    const int n = int(colour) - 1;
    if (!v || n < 0 || n >= int(m_lineColours.size()))
        return;
    const QColor& c = m_lineColours[size_t(n)];
    v->appendLines(lines, c.isValid() ? c : v->palette().color(QPalette::Text), markup);
}

void ConversationTabs::opened(int index)
{
    const Conversation& c = m_conversations.at(index);
    auto* v = new ConversationView(m_stack);
    v->setObjectName(QStringLiteral("ConversationView"));
    if (m_background.isValid())
        v->setBackgroundColour(m_background);
    v->setMarkup(m_mode, m_smiles);
    connect(v, &ConversationView::released, this, &ConversationTabs::viewReleased);
    connect(v, &ConversationView::rightClicked, this, &ConversationTabs::viewMenuRequested);
    connect(v, &ConversationView::hovered, this, [this, v] { emit viewHovered(v); });
    // Files dropped on a private chat go to its partner.
    v->setAcceptFiles(c.kind == net::ConversationKind::Private);
    connect(v, &ConversationView::filesDropped, this, [this, v](const QStringList& files) {
        const int at = m_stack->indexOf(v);
        if (at >= 0)
            emit filesDroppedOn(m_conversations.at(at).name, files);
    });
    m_stack->insertWidget(index, v);
    m_syncing = true;
    m_bar->insertTab(index, shell::ImageList::icon(TabImageFor(c.name, index, c.unread)), c.name);
    m_bar->setCurrentIndex(qMax(0, m_conversations.current()));
    m_syncing = false;
    // A bar that got its first tabs while hidden keeps a zero height otherwise.
    m_bar->updateGeometry();
    emit viewCreated(v);
}

void ConversationTabs::closed(int index)
{
    m_syncing = true;
    m_bar->removeTab(index);
    m_syncing = false;
    if (QWidget* v = m_stack->widget(index)) {
        m_stack->removeWidget(v);
        v->deleteLater();
    }
    // Tab 0 keeps its own picture, whatever moved into place.
    for (int i = index; i < m_bar->count(); ++i)
        updateIcon(i);
}

QString ConversationTabs::tabCaption(int index) const
{
    const Conversation& c = m_conversations.at(index);
    return c.unreadLines > 0 ? u"%1 (%2)"_s.arg(c.name).arg(c.unreadLines) : c.name;
}

void ConversationTabs::renamed(int index)
{
    m_bar->setTabText(index, tabCaption(index));
    updateIcon(index);
}

void ConversationTabs::currentChanged(int index)
{
    m_syncing = true;
    m_bar->setCurrentIndex(index);
    m_syncing = false;
    m_stack->setCurrentIndex(index);
}

void ConversationTabs::updateIcon(int index)
{
    if (index < 0 || index >= m_conversations.count())
        return;
    const Conversation& c = m_conversations.at(index);
    m_bar->setTabIcon(index, shell::ImageList::icon(TabImageFor(c.name, index, c.unread)));
}

void ConversationTabs::showRecentHistory(int index, const QStringList& lines)
{
    ConversationView* v = view(index);
    if (!v)
        return;
    // Dimmed, and set off from what this session brings by a rule.
    const QPalette& p = v->palette();
    const QColor dim =
        QColor::fromRgbF((p.color(QPalette::Text).redF() + p.color(QPalette::Base).redF()) / 2,
                         (p.color(QPalette::Text).greenF() + p.color(QPalette::Base).greenF()) / 2,
                         (p.color(QPalette::Text).blueF() + p.color(QPalette::Base).blueF()) / 2);
    v->appendLines(lines, dim);
    v->appendLines({QString(24, QChar(0x2500))}, dim, false);
}

void ConversationTabs::showTrayHint(const QStringList& lines, bool markup)
{
    QStringList shown;
    for (const QString& line : lines)
        shown.append(markup ? RenderMarkup(line, m_mode, false).hint : line);
    emit trayHint(shown);
}

} // namespace quorvelle::chat
