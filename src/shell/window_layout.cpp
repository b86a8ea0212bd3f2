#include "shell/window_layout.h"

#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "settings/settings.h"
#include "shell/main_menu.h"
#include "ui_main_window.h"

#include <QAction>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

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

    // The remembered sizes follow the user's hand, and only it.
    connect(ui.SubjSplit, &QSplitter::splitterMoved, this,
            [this] { m_state.subjectHeight = ui.SubjBox->height(); });
    connect(ui.SnStSplit, &QSplitter::splitterMoved, this,
            [this] { m_state.editBoxHeight = ui.SnStPanel->height(); });
    connect(ui.UsersNickSplit, &QSplitter::splitterMoved, this,
            [this] { m_state.usersNickWidth = ui.UsersNickPanel->width(); });

    connect(menu.Font1, &QAction::triggered, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_mainFont, m_window);
        if (ok)
            ApplyMainFont(font);
    });
    connect(menu.Defaultfont1, &QAction::triggered, this,
            [this] { ApplyMainFont(QFont(u"Arial"_s, 9, QFont::Bold)); });
    connect(menu.DefaultSize1, &QAction::triggered, this, &WindowLayout::DefaultSize1Click);
    connect(menu.CenterWindow1, &QAction::triggered, this, &WindowLayout::CenterWindow1Click);
    // New conversations take the main font.
    connect(&tabs, &chat::ConversationTabs::viewCreated, this,
            [this](chat::ConversationView* view) { view->setFont(m_mainFont); });
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

    m_state.load(s);
    applySizes();
    showBoxStates();
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
    ui.SubjBox->setMinimumHeight(textHeight() + 31);
    ui.NickBox->setFixedHeight(textHeight() + 31);
    ui.SnStPanel->setMinimumHeight(textHeight() + 7);
}

void WindowLayout::applySizes()
{
    m_window->resize(m_state.window);
    // The splitters share out the space of the window's size, so that comes first.
    m_window->layout()->activate();
    const auto share = [](QSplitter* splitter, int fixed, bool fixedFirst) {
        const int total =
            splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        const int rest = qMax(1, total - fixed);
        splitter->setSizes(fixedFirst ? QList<int>{fixed, rest} : QList<int>{rest, fixed});
    };
    share(ui.SubjSplit, m_state.subjectHeight, true);
    share(ui.SnStSplit, m_state.editBoxHeight, false);
    share(ui.UsersNickSplit, m_state.usersNickWidth, false);
    // A place stored on a monitor that is gone, or at another scale, is no place.
    if (m_state.position &&
        OnSomeScreen(QRect(*m_state.position, m_window->frameGeometry().size())))
        m_window->move(*m_state.position);
    else
        CenterWindow1Click();
}

void WindowLayout::showBoxStates()
{
    // The View items tell the boxes' state; they change it once the boxes can move.
    m_menu.MnSubj->setChecked(m_state.subject.shown);
    m_menu.MnSubjMin->setChecked(m_state.subject.minimized);
    m_menu.MnNick->setChecked(m_state.nick.shown);
    m_menu.MnNickMin->setChecked(m_state.nick.minimized);
    m_menu.MnUsers->setChecked(m_state.users.shown);
    m_menu.MnUsersMin->setChecked(m_state.users.minimized);
    m_menu.LeftPlace->setChecked(m_state.leftPlacement);
}

void WindowLayout::DefaultSize1Click()
{
    m_state.window = QSize(536, 363);
    m_state.message = QSize(320, 246);
    m_state.usersNickWidth = 120;
    m_state.subjectHeight = textHeight() + 31;
    m_state.editBoxHeight = textHeight() + 7;
    const std::optional<QPoint> kept = m_window->pos();
    m_state.position = kept;
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
