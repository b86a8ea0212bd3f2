#include "platform/global_hotkey_native.h"

#if defined(QUORVELLE_HOTKEY_WIN)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <utility>
#include <windows.h>

namespace quorvelle::platform {

namespace {

// Keys without a character, by their virtual key codes.
constexpr std::pair<int, UINT> kNamedVirtualKeys[] = {
    {Qt::Key_Space, VK_SPACE},   {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Home, VK_HOME},
    {Qt::Key_End, VK_END},       {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},     {Qt::Key_Pause, VK_PAUSE},   {Qt::Key_Print, VK_SNAPSHOT},
};

UINT VirtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key); // the virtual keys of letters and digits are their ASCII capitals
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + UINT(key - Qt::Key_F1);
    for (const auto& [qt, vk] : kNamedVirtualKeys)
        if (qt == key)
            return vk;
    // Punctuation sits on different keys per layout: ask the current one.
    if (key > 0x20 && key <= 0xff) {
        const SHORT scan = VkKeyScanW(wchar_t(QChar(key).toLower().unicode()));
        if (scan != -1)
            return UINT(LOBYTE(scan));
    }
    return 0;
}

struct WindowsHotKey final : GlobalHotKey::Native
{
    int id = 0;

    static std::unique_ptr<WindowsHotKey> acquire(QKeyCombination combination)
    {
        const QString text = QKeySequence(combination).toString(QKeySequence::PortableText);
        const Qt::KeyboardModifiers qtModifiers = combination.keyboardModifiers();
        const UINT key = VirtualKey(combination.key());
        if (key == 0 || (qtModifiers & ~(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier |
                                         Qt::MetaModifier))) {
            qCInfo(lcHotKey) << "no global key for" << text;
            return nullptr;
        }
        UINT modifiers = 0;
        if (qtModifiers & Qt::ControlModifier)
            modifiers |= MOD_CONTROL;
        if (qtModifiers & Qt::AltModifier)
            modifiers |= MOD_ALT;
        if (qtModifiers & Qt::ShiftModifier)
            modifiers |= MOD_SHIFT;
        if (qtModifiers & Qt::MetaModifier)
            modifiers |= MOD_WIN;
#ifdef MOD_NOREPEAT
        modifiers |= MOD_NOREPEAT; // one activation per press, not one per auto-repeat
#endif
        // Applications own the ids 0x0000-0xBFFF; each registration takes a fresh one
        // so that a late WM_HOTKEY of a replaced key is not taken for the new one.
        static int lastId = 0;
        lastId = lastId % 0xBFFF + 1;
        // No window: WM_HOTKEY goes to this thread's queue, where Qt's event dispatcher
        // shows it to the native event filters. Modal loops of the system drop such
        // messages, so a press during a system dialog is lost.
        if (!RegisterHotKey(nullptr, lastId, modifiers, key)) {
            const DWORD error = GetLastError();
            if (error == ERROR_HOTKEY_ALREADY_REGISTERED)
                qCInfo(lcHotKey) << "another program holds the key" << text;
            else
                qCInfo(lcHotKey) << "the system refused the key" << text << "with error" << error;
            return nullptr;
        }
        auto native = std::make_unique<WindowsHotKey>();
        native->id = lastId;
        return native;
    }

    void release() const override
    {
        UnregisterHotKey(nullptr, id);
    }

    Event classify(const QByteArray& eventType, void* message) const override
    {
        if (eventType != "windows_generic_MSG")
            return Event::Other;
        const auto* msg = static_cast<const MSG*>(message);
        return msg->message == WM_HOTKEY && msg->wParam == WPARAM(id) ? Event::Activation
                                                                      : Event::Other;
    }

    bool keymapMoved() const override
    {
        return false;
    }
};

} // namespace

std::unique_ptr<GlobalHotKey::Native> GlobalHotKey::Native::acquire(QKeyCombination combination)
{
    return WindowsHotKey::acquire(combination);
}

} // namespace quorvelle::platform

#endif // QUORVELLE_HOTKEY_WIN
