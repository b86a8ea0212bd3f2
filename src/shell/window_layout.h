#pragma once

// The main window's boxes, splitters, size, position and main font. Sizes are
// remembered as values (LayoutState) that follow the user's own changes, so a
// session that never showed the window writes back what it read.

#include "shell/layout_state.h"

#include <QFont>
#include <QObject>

class QMainWindow;

namespace Ui {
class TMainFm;
}
namespace quorvelle::chat {
class ConversationTabs;
}
namespace quorvelle::settings {
class Settings;
struct Switches;
} // namespace quorvelle::settings

namespace quorvelle::shell {

class MainMenu;

class WindowLayout : public QObject
{
    Q_OBJECT

public:
    WindowLayout(QMainWindow* window, Ui::TMainFm& ui, MainMenu& menu, chat::ConversationTabs& tabs,
                 const settings::Switches& on);

    void load(const settings::Settings& settings);
    void save(settings::Settings& settings);

    const LayoutState& state() const { return m_state; }
    LayoutState& state() { return m_state; }
    const QFont& mainFont() const { return m_mainFont; }
    void ApplyMainFont(const QFont& font);

private:
    void applySizes();
    void showBoxStates();
    void DefaultSize1Click();
    void CenterWindow1Click();
    // The main font's text height: the nick box is this + 31 high, and so is the
    // subject box at least; the input panel at least this + 7.
    int textHeight() const;

    QMainWindow* m_window;
    Ui::TMainFm& ui;
    MainMenu& m_menu;
    chat::ConversationTabs& m_tabs;
    const settings::Switches& m_on;
    LayoutState m_state;
    QFont m_mainFont;
    int m_fontCharset = 204;
};

} // namespace quorvelle::shell
