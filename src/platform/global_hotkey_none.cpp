#include "platform/global_hotkey_native.h"

#if !defined(QUORVELLE_HOTKEY_XCB) && !defined(QUORVELLE_HOTKEY_WIN)

namespace quorvelle::platform {

std::unique_ptr<GlobalHotKey::Native> GlobalHotKey::Native::acquire(QKeyCombination)
{
    LogHotKeyUnavailableOnce("not implemented on this system");
    return nullptr;
}

} // namespace quorvelle::platform

#endif
