#pragma once

// The remembered layout of the main window as values: the three boxes' shown and
// minimised flags, the side panel's place, the remembered sizes and the window's
// size and position. Read at start, changed where the user changes them, and
// written at exit as the "Save" switches say; never read back from widgets that
// may not have been laid out.

#include <QPoint>
#include <QSize>
#include <optional>

namespace quorvelle::settings {
class Settings;
struct Switches;
} // namespace quorvelle::settings

namespace quorvelle::shell {

struct BoxState
{
    bool shown = true;
    bool minimized = false;
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

    void load(const settings::Settings& settings);
    // The View flags and the box sizes with "Save State", the window and message
    // sizes with "Save Size", the position with "Save Position".
    void save(settings::Settings& settings, const settings::Switches& on) const;
};

} // namespace quorvelle::shell
