#pragma once

// The main window's boxes, splitters, size, position and main font. The layout is
// kept as values (LayoutState) that change only through Transition(): the boxes'
// minimise and close buttons, the View menu and the splitters hand their action to
// it and the widgets then take on the geometry it gives. So a session that never
// showed the window writes back what it read.

#include "shell/layout_state.h"

#include <QFont>
#include <QObject>
#include <array>

class QGroupBox;
class QMainWindow;
class QToolButton;

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
    const LayoutGeometry& geometry() const { return m_geometry; }
    const QFont& mainFont() const { return m_mainFont; }
    void ApplyMainFont(const QFont& font);

    // A box's minimise and close buttons (SubjMin, SubjClose, NickMin, ...).
    QToolButton* minimizeButton(Box box) const { return m_buttons[size_t(box)].minimize; }
    QToolButton* closeButton(Box box) const { return m_buttons[size_t(box)].close; }

    // The minimise and close buttons and the View menu come here.
    void act(const LayoutAction& action);
    void DefaultState1Click();
    void DefaultSize1Click();
    void CenterWindow1Click();

signals:
    // A box was minimised or closed: the focus must not stay in it.
    void focusInputLine();
    // "Default View" ends on the first tab.
    void firstTabRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct BoxButtons
    {
        QGroupBox* box;
        QToolButton* minimize;
        QToolButton* close;
    };

    void applyGeometry();
    void applySizes();
    void shareSplitters();
    void placeButtons(Box box);
    void showBoxStates();
    // The main font's text height: the nick box is this + 31 high, and so is the
    // subject box at least; the input panel at least this + 7.
    int textHeight() const;

    QMainWindow* m_window;
    Ui::TMainFm& ui;
    MainMenu& m_menu;
    chat::ConversationTabs& m_tabs;
    const settings::Switches& m_on;
    LayoutState m_state;
    LayoutGeometry m_geometry;
    std::array<BoxButtons, 3> m_buttons{};
    QFont m_mainFont;
    int m_fontCharset = 204;
};

} // namespace quorvelle::shell
