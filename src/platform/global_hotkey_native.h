#pragma once

// What each window system gives the global hot key: one source file per system
// (global_hotkey_xcb.cpp, global_hotkey_win.cpp, global_hotkey_none.cpp), of which
// the build compiles the one that fits.

#include "platform/global_hotkey.h"

#include <QLoggingCategory>
#include <QtGui/qtguiglobal.h>
#include <memory>

#if defined(Q_OS_WIN)
#define QUORVELLE_HOTKEY_WIN
#elif defined(QUORVELLE_HAVE_XCB) && QT_CONFIG(xcb)
#define QUORVELLE_HOTKEY_XCB
#endif

namespace quorvelle::platform {

Q_DECLARE_LOGGING_CATEGORY(lcHotKey)

// Offscreen and Wayland sessions ask again on every settings change: say it once.
void LogHotKeyUnavailableOnce(const char* why);

// One registration of a key with the window system.
struct GlobalHotKey::Native
{
    enum class Event
    {
        Other,
        Activation,
        KeymapChange
    };

    // Registers the key; nothing when the system refuses it (and says why).
    static std::unique_ptr<Native> acquire(QKeyCombination combination);
    virtual ~Native() = default;
    virtual void release() const = 0;
    // What a native event means for this key.
    virtual Event classify(const QByteArray& eventType, void* message) const = 0;
    // The keyboard map changed so that the key now sits elsewhere.
    virtual bool keymapMoved() const = 0;
};

} // namespace quorvelle::platform
