#pragma once

// The program's colours in force, and everything that shows them: the users list,
// the subject, the input line, the nick box, the conversation views and the message
// windows all take their colours from here, as ShownColour draws them on the main
// window's palette. When the desktop's palette changes they follow it again.
// Owns "Colors..." and "Default Colors".

#include "settings/colours.h"

#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

namespace quorvelle::chat {
class ConversationTabs;
}
namespace quorvelle::messages {
class MessageWindows;
}
namespace quorvelle::settings {
class TColorsFm;
}

namespace quorvelle::shell {

class MainMenu;
using settings::ColourId;
using settings::Colours;
using settings::TColorsFm;

struct ColourTargets
{
    QWidget* usersList;
    QWidget* subject;
    QWidget* input;
    QWidget* nick;
    chat::ConversationTabs* tabs;
    messages::MessageWindows* messages;
};

class ColourViews : public QObject
{
    Q_OBJECT

public:
    // window: the main window, which owns this.
    ColourViews(QWidget* window, const ColourTargets& targets, MainMenu& menu);
    ~ColourViews() override;

    const Colours& colours() const { return m_colours; }
    // What a colour is drawn with now.
    QColor shown(ColourId id) const;
    QColor shown(const Colours& colours, ColourId id) const;

    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;

    // Puts a colour in force and shows it at once everywhere.
    void set(ColourId id, int value);
    void Defaultcolors1Click();
    void Colors1Click();
    TColorsFm* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget* m_mainWindow;
    ColourTargets m_targets;
    Colours m_colours;
    QPointer<TColorsFm> m_window;
};

} // namespace quorvelle::shell
