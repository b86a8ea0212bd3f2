#include "shell/colour_views.h"

#include "chat/colour_value.h"
#include "chat/conversation_tabs.h"
#include "messages/message_windows.h"
#include "settings/colours_window.h"
#include "shell/main_menu.h"
#include "shell/secondary_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace quorvelle::shell {

using namespace settings;

namespace {

void Paint(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    widget->setPalette(p);
}

} // namespace

ColourViews::ColourViews(QWidget* window, const ColourTargets& targets, shell::MainMenu& menu)
    : QObject(window), m_mainWindow(window), m_targets(targets)
{
    connect(menu.Colors1, &QAction::triggered, this, &ColourViews::Colors1Click);
    connect(menu.Defaultcolors1, &QAction::triggered, this, &ColourViews::Defaultcolors1Click);
    // A new desktop palette is announced to the application object alone.
    qApp->installEventFilter(this);
    apply();
}

ColourViews::~ColourViews()
{
    // The window edits these colours; it does not outlive them.
    delete m_window;
}

QColor ColourViews::shown(const Colours& colours, ColourId id) const
{
    // The desktop's palette, already new while the widgets are told of it.
    return chat::ShownColour(colours, id, QApplication::palette(m_mainWindow));
}

QColor ColourViews::shown(ColourId id) const
{
    return shown(m_colours, id);
}

void ColourViews::load(const Settings& settings)
{
    m_colours.load(settings);
    apply();
}

void ColourViews::save(Settings& settings) const
{
    m_colours.save(settings);
}

void ColourViews::set(ColourId id, int value)
{
    m_colours.set(id, value);
    apply();
}

void ColourViews::Defaultcolors1Click()
{
    m_colours.reset();
    apply();
}

void ColourViews::Colors1Click()
{
    ShowSecondaryWindow(m_window, [this] { return new TColorsFm(*this); });
}

TColorsFm* ColourViews::window() const
{
    return m_window;
}

void ColourViews::apply()
{
    using C = ColourId;
    Paint(m_targets.usersList, shown(C::UsersListBrush), shown(C::UsersListFont));
    Paint(m_targets.subject, shown(C::SubjectBrush), shown(C::SubjectFont));
    Paint(m_targets.input, shown(C::EditBoxBrush), shown(C::EditBoxFont));
    Paint(m_targets.nick, shown(C::NickNameBrush), shown(C::NickNameFont));
    std::array<QColor, LineColourCount> lines;
    for (int n = 1; n <= LineColourCount; ++n)
        lines[size_t(n - 1)] = shown(LineColourId(n));
    m_targets.tabs->setLineColours(lines);
    m_targets.tabs->setChatBackground(shown(C::ChatBrush));
    m_targets.messages->setColours(shown(C::MessageBrush), shown(MessageColourId(1)),
                                   shown(MessageColourId(2)), shown(MessageColourId(3)));
    if (m_window)
        m_window->showModel();
}

bool ColourViews::eventFilter(QObject* watched, QEvent* event)
{
    // A new desktop scheme: system colours and the lightened defaults follow it.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        apply();
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::shell
