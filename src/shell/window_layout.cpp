#include "shell/window_layout.h"

#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "settings/settings.h"
#include "shell/main_menu.h"
#include "ui_main_window.h"

#include <QAction>
#include <QEvent>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolButton>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
namespace key = settings::key;

namespace {

// Enough of the title bar on some screen to take the window by it.
bool OnSomeScreen(const QRect& frame)
{
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        if (visible.width() >= qMin(100, frame.width()) && visible.height() >= 8)
            return true;
    }
    return false;
}

// The buttons' glyphs: minimise, restore, close.
const QString MinimizeGlyph = u"\u2013"_s;
const QString RestoreGlyph = u"\u25A1"_s;
const QString CloseGlyph = u"\u00D7"_s;

QToolButton* BoxButton(QWidget* box, const char* name, const QString& glyph)
{
    auto* b = new QToolButton(box);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(glyph);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(BoxButtonSize, BoxButtonSize);
    QFont small = b->font();
    small.setPixelSize(BoxButtonSize - 2);
    small.setBold(false);
    b->setFont(small);
    return b;
}

void SetHeight(QWidget* w, int height, bool fixed)
{
    if (fixed) {
        w->setFixedHeight(height);
    } else {
        w->setMinimumHeight(height);
        w->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void SetWidth(QWidget* w, int width, bool fixed)
{
    if (fixed) {
        w->setFixedWidth(width);
    } else {
        w->setMinimumWidth(width);
        w->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

} // namespace

WindowLayout::WindowLayout(QMainWindow* window, Ui::TMainFm& form, MainMenu& menu,
                           chat::ConversationTabs& tabs, const settings::Switches& on)
    : QObject(window), m_window(window), ui(form), m_menu(menu), m_tabs(tabs), m_on(on)
{
    ui.UsersNickSplit->setStretchFactor(0, 1);
    ui.UsersNickSplit->setStretchFactor(1, 0);
    ui.SnStSplit->setStretchFactor(0, 1);
    ui.SnStSplit->setStretchFactor(1, 0);
    ui.SubjSplit->setStretchFactor(0, 0);
    ui.SubjSplit->setStretchFactor(1, 1);
    // With the users box closed the nick box stays at the top.
    ui.panel1Layout->setStretchFactor(ui.UsersBox, 1);
    ui.panel1Layout->addStretch(0);

    // Each box carries its minimise and close buttons over its caption.
    const struct
    {
        Box box;
        QGroupBox* group;
        const char* minimize;
        const char* close;
    } boxes[] = {{Box::Subject, ui.SubjBox, "SubjMin", "SubjClose"},
                 {Box::Nick, ui.NickBox, "NickMin", "NickClose"},
                 {Box::Users, ui.UsersBox, "UsersMin", "UsersClose"}};
    for (const auto& b : boxes) {
        BoxButtons& buttons = m_buttons[size_t(b.box)];
        buttons = {b.group, BoxButton(b.group, b.minimize, MinimizeGlyph),
                   BoxButton(b.group, b.close, CloseGlyph)};
        buttons.close->setToolTip(tr("Close"));
        connect(buttons.minimize, &QToolButton::clicked, this,
                [this, box = b.box] { act(LayoutAction::minimize(box)); });
        connect(buttons.close, &QToolButton::clicked, this,
                [this, box = b.box] { act(LayoutAction::close(box)); });
        b.group->installEventFilter(this);
    }
    const std::pair<QAction*, LayoutAction> items[] = {
        {menu.MnSubj, LayoutAction::close(Box::Subject)},
        {menu.MnSubjMin, LayoutAction::minimize(Box::Subject)},
        {menu.MnNick, LayoutAction::close(Box::Nick)},
        {menu.MnNickMin, LayoutAction::minimize(Box::Nick)},
        {menu.MnUsers, LayoutAction::close(Box::Users)},
        {menu.MnUsersMin, LayoutAction::minimize(Box::Users)},
        {menu.LeftPlace, LayoutAction::of(LayoutAction::LeftPlace)},
    };
    for (const auto& [item, action] : items)
        connect(item, &QAction::triggered, this, [this, action] { act(action); });

    // The remembered sizes follow the user's hand, and only it.
    connect(ui.SubjSplit, &QSplitter::splitterMoved, this,
            [this] { act(LayoutAction::of(LayoutAction::SubjectMoved, ui.SubjBox->height())); });
    connect(ui.SnStSplit, &QSplitter::splitterMoved, this,
            [this] { act(LayoutAction::of(LayoutAction::InputMoved, ui.SnStPanel->height())); });
    connect(ui.UsersNickSplit, &QSplitter::splitterMoved, this, [this] {
        act(LayoutAction::of(LayoutAction::PanelMoved, ui.UsersNickPanel->width()));
    });

    connect(menu.Font1, &QAction::triggered, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_mainFont, m_window);
        if (ok)
            ApplyMainFont(font);
    });
    connect(menu.Defaultfont1, &QAction::triggered, this,
            [this] { ApplyMainFont(QFont(u"Arial"_s, 9, QFont::Bold)); });
    connect(menu.DefaultState1, &QAction::triggered, this, &WindowLayout::DefaultState1Click);
    connect(menu.DefaultSize1, &QAction::triggered, this, &WindowLayout::DefaultSize1Click);
    connect(menu.CenterWindow1, &QAction::triggered, this, &WindowLayout::CenterWindow1Click);
    // New conversations take the main font.
    connect(&tabs, &chat::ConversationTabs::viewCreated, this,
            [this](chat::ConversationView* view) { view->setFont(m_mainFont); });
    applyGeometry();
}

void WindowLayout::load(const settings::Settings& s)
{
    QFont font(s.text(key::FontName), qMax(1, s.number(key::FontSize)));
    const int style = s.number(key::FontStyle);
    font.setWeight((style & 1) ? QFont::Bold : QFont::Normal);
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    m_fontCharset = s.number(key::FontCharset);
    ApplyMainFont(font);

    LayoutState stored;
    stored.load(s);
    stored.textHeight = textHeight();
    m_state = StartUp(stored).state;
    applyGeometry();
    applySizes();
}

void WindowLayout::save(settings::Settings& s)
{
    s.setNumber(key::FontCharset, m_fontCharset);
    s.setText(key::FontName, m_mainFont.family());
    s.setNumber(key::FontSize, qMax(1, m_mainFont.pointSize()));
    s.setNumber(key::FontStyle, (m_mainFont.bold() ? 1 : 0) | (m_mainFont.italic() ? 2 : 0) |
                                    (m_mainFont.underline() ? 4 : 0) |
                                    (m_mainFont.strikeOut() ? 8 : 0));
    m_state.window = m_window->size();
    m_state.position = m_window->pos();
    m_state.save(s, m_on);
}

int WindowLayout::textHeight() const
{
    return QFontMetrics(m_mainFont).height();
}

void WindowLayout::ApplyMainFont(const QFont& font)
{
    m_mainFont = font;
    for (QWidget* w : {static_cast<QWidget*>(ui.SubjMemo), static_cast<QWidget*>(ui.Edit3),
                       static_cast<QWidget*>(ui.reEdit), static_cast<QWidget*>(ui.UsersList)})
        w->setFont(font);
    for (int i = 0; chat::ConversationView* view = m_tabs.view(i); ++i)
        view->setFont(font);
    act(LayoutAction::of(LayoutAction::MainFont, textHeight()));
}

void WindowLayout::act(const LayoutAction& action)
{
    const LayoutResult result = Transition(m_state, action);
    m_state = result.state;
    switch (action.kind) {
    case LayoutAction::SubjectMoved:
    case LayoutAction::PanelMoved:
    case LayoutAction::InputMoved:
        return; // the widgets are where the user put them
    default:
        break;
    }
    applyGeometry();
    if (result.focusInputLine)
        emit focusInputLine();
}

void WindowLayout::applyGeometry()
{
    const LayoutGeometry& g = m_geometry = GeometryOf(m_state);

    ui.SubjBox->setVisible(g.subject.shape != BoxShape::Hidden);
    ui.SubjMemo->setVisible(g.subject.shape == BoxShape::Normal);
    if (g.subject.shape == BoxShape::Normal)
        SetHeight(ui.SubjBox, g.subjectMinimum, false);
    else if (g.subject.shape == BoxShape::Bar)
        SetHeight(ui.SubjBox, g.subject.height, true);
    ui.SubjSplit->setHandleWidth(g.subjectSplitter ? SplitterSize : 0);
    ui.SubjSplit->handle(1)->setEnabled(g.subjectSplitter);

    SetHeight(ui.SnStPanel, g.inputMinimum, false);

    ui.NickBox->setVisible(g.nick.shape != BoxShape::Hidden);
    ui.Edit3->setVisible(g.nick.shape == BoxShape::Normal);
    ui.SpeedButton2->setVisible(g.nick.shape == BoxShape::Normal);
    if (g.nick.shape != BoxShape::Hidden)
        SetHeight(ui.NickBox, g.nick.height, true);
    SetHeight(ui.SpaceBv2, g.nickSpacing, true);

    ui.UsersBox->setVisible(g.users.shape != BoxShape::Hidden);
    ui.UsersList->setVisible(g.users.shape == BoxShape::Normal);
    ui.SpeedButton1->setVisible(g.users.shape == BoxShape::Normal);
    SetWidth(ui.UsersBox, g.users.width, g.users.width > 0);
    ui.panel1Layout->setAlignment(ui.UsersBox,
                                  g.users.width > 0 ? Qt::AlignRight : Qt::Alignment());

    ui.UsersNickPanel->setVisible(g.panelWidth > 0);
    if (g.panelWidth > 0)
        SetWidth(ui.UsersNickPanel, g.panelSplitter ? PanelMinimumWidth : g.panelWidth,
                 !g.panelSplitter);
    ui.UsersNickSplit->setHandleWidth(g.panelSplitter ? SplitterSize : 0);
    const int panelIndex = g.panelOnLeft ? 0 : 1;
    if (ui.UsersNickSplit->indexOf(ui.UsersNickPanel) != panelIndex) {
        if (g.panelOnLeft)
            ui.UsersNickSplit->insertWidget(0, ui.UsersNickPanel);
        else
            ui.UsersNickSplit->addWidget(ui.UsersNickPanel);
        ui.UsersNickSplit->setStretchFactor(panelIndex, 0);
        ui.UsersNickSplit->setStretchFactor(1 - panelIndex, 1);
    }
    ui.UsersNickSplit->handle(1)->setEnabled(g.panelSplitter);

    for (Box b : {Box::Subject, Box::Nick, Box::Users}) {
        const BoxGeometry& box = b == Box::Subject ? g.subject : b == Box::Nick ? g.nick : g.users;
        m_buttons[size_t(b)].minimize->setText(box.minimized() ? RestoreGlyph : MinimizeGlyph);
        m_buttons[size_t(b)].minimize->setToolTip(box.minimized() ? tr("Restore") : tr("Minimize"));
        // A column is too narrow for its caption; its buttons stand for the box.
        QPalette caption;
        if (box.shape == BoxShape::Column)
            caption.setColor(QPalette::WindowText, Qt::transparent);
        m_buttons[size_t(b)].box->setPalette(caption);
        placeButtons(b);
    }
    showBoxStates();
    shareSplitters();
}

void WindowLayout::shareSplitters()
{
    const LayoutGeometry& g = m_geometry;
    // The splitters share out the space of the window's size, so that comes first.
    if (m_window->layout())
        m_window->layout()->activate();
    const auto share = [](QSplitter* splitter, int fixed, bool fixedFirst) {
        const int total =
            splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        const int rest = qMax(1, total - fixed);
        splitter->setSizes(fixedFirst ? QList<int>{fixed, rest} : QList<int>{rest, fixed});
    };
    if (g.subject.shape != BoxShape::Hidden)
        share(ui.SubjSplit, g.subject.height, true);
    share(ui.SnStSplit, g.inputHeight, false);
    share(ui.UsersNickSplit, g.panelWidth, g.panelOnLeft);
}

void WindowLayout::placeButtons(Box b)
{
    const BoxButtons& buttons = m_buttons[size_t(b)];
    const BoxGeometry& g = b == Box::Subject ? m_geometry.subject
                           : b == Box::Nick  ? m_geometry.nick
                                             : m_geometry.users;
    const int width = buttons.box->width();
    buttons.close->move(width - BoxButtonSize, 0);
    // In a narrow column the minimise button goes under the close button.
    if (g.shape == BoxShape::Column)
        buttons.minimize->move(width - BoxButtonSize, BoxButtonSize + 1);
    else
        buttons.minimize->move(width - 2 * BoxButtonSize - 1, 0);
    buttons.minimize->raise();
    buttons.close->raise();
}

void WindowLayout::applySizes()
{
    m_window->resize(m_state.window);
    shareSplitters();
    // A place stored on a monitor that is gone, or at another scale, is no place.
    if (m_state.position &&
        OnSomeScreen(QRect(*m_state.position, m_window->frameGeometry().size())))
        m_window->move(*m_state.position);
    else
        CenterWindow1Click();
}

void WindowLayout::showBoxStates()
{
    const std::tuple<QAction*, QAction*, const BoxState&> items[] = {
        {m_menu.MnSubj, m_menu.MnSubjMin, m_state.subject},
        {m_menu.MnNick, m_menu.MnNickMin, m_state.nick},
        {m_menu.MnUsers, m_menu.MnUsersMin, m_state.users},
    };
    for (const auto& [shown, minimized, box] : items) {
        shown->setChecked(box.shown);
        minimized->setChecked(box.minimized);
        // Only a shown box can be minimised.
        minimized->setEnabled(box.shown);
    }
    m_menu.LeftPlace->setChecked(m_state.leftPlacement);
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        for (Box b : {Box::Subject, Box::Nick, Box::Users})
            if (m_buttons[size_t(b)].box == watched)
                placeButtons(b);
    return QObject::eventFilter(watched, event);
}

void WindowLayout::DefaultState1Click()
{
    act(LayoutAction::of(LayoutAction::DefaultView));
    emit firstTabRequested();
}

void WindowLayout::DefaultSize1Click()
{
    act(LayoutAction::of(LayoutAction::DefaultSizes));
    m_state.position = m_window->pos();
    applySizes();
}

void WindowLayout::CenterWindow1Click()
{
    const QScreen* screen =
        m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_window->move((area.width() - m_window->frameGeometry().width()) / 2,
                   (area.height() - m_window->frameGeometry().height()) / 2);
}

} // namespace quorvelle::shell
