#pragma once

#include <QString>
#include <optional>

namespace quorvelle::platform {

// The process field when the window's owner is not found.
inline QString NoProcessText()
{
    return QStringLiteral("No Process");
}

struct ForegroundWindow
{
    QString title;   // the window's title; empty when there is no such window
    QString process; // the executable's file name, or "No Process" when not found
};

// The window the user works in and the program that owns it; nullopt on systems
// that offer no way to find it (no X display, Wayland without a portal).
std::optional<ForegroundWindow> GetForegroundWindow();

} // namespace quorvelle::platform
