#pragma once

// The remembered layout of the main window as values: the three boxes' shown and
// minimised flags, the side panel's place, the remembered sizes and the window's
// size and position. Read at start, changed where the user changes them, and
// written at exit as the "Save" switches say; never read back from widgets that
// may not have been laid out.
//
// The boxes move only through Transition(), a pure function from the state and a
// user's action to the new state and the geometry that the widgets then take on.
// The geometry depends on the flags and the remembered sizes alone, so the panel's
// remembered width is never overwritten with the strip's 22 pixels.

#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

namespace quorvelle::settings {
class Settings;
struct Switches;
} // namespace quorvelle::settings

namespace quorvelle::shell {

enum class Box
{
    Subject,
    Nick,
    Users,
};

struct BoxState
{
    bool shown = true;
    bool minimized = false;

    bool normal() const { return shown && !minimized; }
    bool operator==(const BoxState&) const = default;
};

struct LayoutState
{
    BoxState subject;
    BoxState nick;
    BoxState users;
    bool leftPlacement = false;

    int subjectHeight = 46;
    int editBoxHeight = 22;
    int usersNickWidth = 120;

    QSize window{536, 366};
    std::optional<QPoint> position; // none stored: centred
    QSize message{320, 246};

    // The main font's text height; not stored, it follows the font. The nick box
    // is this + 31 high.
    int textHeight = 15;

    BoxState& box(Box b) { return b == Box::Subject ? subject : b == Box::Nick ? nick : users; }
    const BoxState& box(Box b) const { return const_cast<LayoutState*>(this)->box(b); }
    int nickHeight() const { return textHeight + 31; }

    void load(const settings::Settings& settings);
    // The View flags and the box sizes with "Save State", the window and message
    // sizes with "Save Size", the position with "Save Position".
    void save(settings::Settings& settings, const settings::Switches& on) const;

    bool operator==(const LayoutState&) const = default;
};

struct LayoutAction
{
    enum Kind
    {
        ToggleMinimized, // a box's minimise button or View > Minimized
        ToggleShown,     // a box's close button or its View item
        LeftPlace,       // "Left Placement"
        DefaultView,     // every box shown and normal, the panel on the right
        DefaultSizes,    // window, message, panel, subject and input back to defaults
        SubjectMoved,    // the subject splitter dragged: value is the box's height
        PanelMoved,      // the panel's splitter dragged: value is the panel's width
        InputMoved,      // the input splitter dragged: value is the input panel's height
        MainFont,        // the main font changed: value is its text height
    };
    Kind kind;
    Box box = Box::Subject;
    int value = 0;

    static LayoutAction minimize(Box b) { return {ToggleMinimized, b}; }
    static LayoutAction close(Box b) { return {ToggleShown, b}; }
    static LayoutAction of(Kind k, int value = 0) { return {k, Box::Subject, value}; }
};

// Design sizes: the boxes' buttons are 14 pixels square.
inline constexpr int BoxButtonSize = 14;
inline constexpr int BarHeight = BoxButtonSize + 3;
inline constexpr int StripWidth = BoxButtonSize + 8;
inline constexpr int PanelMinimumWidth = 37;
inline constexpr int SplitterSize = 2;

enum class BoxShape
{
    Hidden,
    Normal,
    Bar,    // minimised to a bar as high as its button, the button at the top right
    Column, // minimised to a narrow column, its button under the caption
};

struct BoxGeometry
{
    BoxShape shape = BoxShape::Normal;
    // The box's height; 0 for the users box, which takes the rest of the panel.
    int height = 0;
    // A users column beside a normal nick box is as wide as its button; 0 is the
    // panel's width.
    int width = 0;

    bool minimized() const { return shape == BoxShape::Bar || shape == BoxShape::Column; }
    // Its edit or list is in the tab order.
    bool tabStop() const { return shape == BoxShape::Normal; }
    bool operator==(const BoxGeometry&) const = default;
};

struct LayoutGeometry
{
    BoxGeometry subject;
    BoxGeometry nick;
    BoxGeometry users;
    bool subjectSplitter = true; // under the subject box
    int nickSpacing = 2;         // under the nick box; 0 while it is closed
    // The remembered width, the strip when every shown box is minimised, 0 with
    // both boxes closed.
    int panelWidth = 120;
    bool panelSplitter = true; // between the panel and the tabs
    bool panelOnLeft = false;
    int subjectMinimum = 46; // the subject splitter's minimum, text height + 31
    int inputMinimum = 22;   // the input splitter's minimum, text height + 7
    int inputHeight = 22;

    bool operator==(const LayoutGeometry&) const = default;
};

struct LayoutResult
{
    LayoutState state;
    LayoutGeometry geometry;
    // A box was minimised or closed: the focus goes to the input line, so that it
    // never stays in a hidden control.
    bool focusInputLine = false;
};

LayoutGeometry GeometryOf(const LayoutState& state);
LayoutResult Transition(const LayoutState& state, const LayoutAction& action);

// Start-up applies the stored sizes first, then minimises each box stored
// minimised, then closes each box stored hidden (a closed box cannot be
// minimised), then places the panel left if stored so.
std::vector<LayoutAction> StartupActions(const LayoutState& stored);
// The stored layout as start-up builds it: the actions above replayed on a layout
// with default boxes and sizes, and stored's window, message, position and font.
LayoutResult StartUp(const LayoutState& stored);

} // namespace quorvelle::shell
