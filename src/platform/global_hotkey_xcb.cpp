#include "platform/global_hotkey_native.h"

#if defined(QUORVELLE_HOTKEY_XCB)

#include <QGuiApplication>
#include <X11/keysym.h>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace quorvelle::platform {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Take(T* reply)
{
    return Reply<T>(reply, &std::free);
}

using KeySymbols = std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)>;

// The modifier bits the server may set in a key event's state: Shift, Lock, Control, Mod1-5.
constexpr quint16 kModifierBits = 0xff;
// XKB events share one event code and tell their kind in the second byte.
constexpr quint8 kXkbNewKeyboardNotify = 0;
constexpr quint8 kXkbMapNotify = 1;

xcb_connection_t* XConnection()
{
    if (!qGuiApp)
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Keys without a character, by their X names.
constexpr std::pair<int, xcb_keysym_t> kNamedKeySyms[] = {
    {Qt::Key_Space, XK_space},   {Qt::Key_Return, XK_Return}, {Qt::Key_Enter, XK_KP_Enter},
    {Qt::Key_Escape, XK_Escape}, {Qt::Key_Tab, XK_Tab},       {Qt::Key_Backspace, XK_BackSpace},
    {Qt::Key_Insert, XK_Insert}, {Qt::Key_Delete, XK_Delete}, {Qt::Key_Home, XK_Home},
    {Qt::Key_End, XK_End},       {Qt::Key_PageUp, XK_Prior},  {Qt::Key_PageDown, XK_Next},
    {Qt::Key_Left, XK_Left},     {Qt::Key_Up, XK_Up},         {Qt::Key_Right, XK_Right},
    {Qt::Key_Down, XK_Down},     {Qt::Key_Pause, XK_Pause},   {Qt::Key_Print, XK_Print},
};

xcb_keysym_t KeySym(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + xcb_keysym_t(key - Qt::Key_F1);
    for (const auto& [qt, sym] : kNamedKeySyms)
        if (qt == key)
            return sym;
    // Latin-1 keysyms are the code points; Qt names letters by their capitals.
    if (key > 0x20 && key <= 0xff)
        return QChar(key).toLower().unicode();
    return XK_VoidSymbol;
}

std::vector<xcb_keycode_t> KeyCodes(xcb_key_symbols_t* symbols, xcb_keysym_t sym)
{
    std::vector<xcb_keycode_t> codes;
    xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, sym);
    for (const xcb_keycode_t* code = found; code && *code != XCB_NO_SYMBOL; ++code)
        if (std::find(codes.begin(), codes.end(), *code) == codes.end())
            codes.push_back(*code);
    std::free(found);
    return codes;
}

// The modifier bit that a lock key sets, from the server's modifier map; 0 if none.
quint16 ModifierOf(const xcb_get_modifier_mapping_reply_t* map, xcb_key_symbols_t* symbols,
                   xcb_keysym_t sym)
{
    if (!map)
        return 0;
    const std::vector<xcb_keycode_t> codes = KeyCodes(symbols, sym);
    const xcb_keycode_t* mapped = xcb_get_modifier_mapping_keycodes(map);
    const int perModifier = map->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            if (std::find(codes.begin(), codes.end(), mapped[modifier * perModifier + i]) !=
                codes.end())
                return quint16(1u << modifier);
    return 0;
}

struct KeyBinding
{
    std::vector<xcb_keycode_t> keycodes;
    quint16 modifiers = 0;
    quint16 ignored = 0; // lock modifiers that may be on or off when the key is pressed

    bool operator==(const KeyBinding&) const = default;
};

// Where the keyboard map offers the combination, its key codes and lock masks.
std::optional<KeyBinding> Bind(xcb_connection_t* c, QKeyCombination combination)
{
    const Qt::KeyboardModifiers qtModifiers = combination.keyboardModifiers();
    if (qtModifiers &
        ~(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier)) {
        qCInfo(lcHotKey) << "no global key with keypad or group modifiers:"
                         << QKeySequence(combination).toString(QKeySequence::PortableText);
        return std::nullopt;
    }
    KeyBinding binding;
    if (qtModifiers & Qt::ControlModifier)
        binding.modifiers |= XCB_MOD_MASK_CONTROL;
    if (qtModifiers & Qt::AltModifier)
        binding.modifiers |= XCB_MOD_MASK_1;
    if (qtModifiers & Qt::ShiftModifier)
        binding.modifiers |= XCB_MOD_MASK_SHIFT;
    if (qtModifiers & Qt::MetaModifier)
        binding.modifiers |= XCB_MOD_MASK_4;

    const xcb_keysym_t sym = KeySym(combination.key());
    if (sym == XK_VoidSymbol) {
        qCInfo(lcHotKey) << "no global key for"
                         << QKeySequence(combination).toString(QKeySequence::PortableText);
        return std::nullopt;
    }
    const KeySymbols symbols(xcb_key_symbols_alloc(c), &xcb_key_symbols_free);
    binding.keycodes = KeyCodes(symbols.get(), sym);
    if (binding.keycodes.empty()) {
        qCInfo(lcHotKey) << "the keyboard map has no key for"
                         << QKeySequence(combination).toString(QKeySequence::PortableText);
        return std::nullopt;
    }
    const auto map = Take(xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    // Num Lock is Mod2 on nearly every map; a map without it loses nothing by the extra grabs.
    const quint16 numLock = ModifierOf(map.get(), symbols.get(), XK_Num_Lock);
    const quint16 scrollLock = ModifierOf(map.get(), symbols.get(), XK_Scroll_Lock);
    binding.ignored = quint16(XCB_MOD_MASK_LOCK | (numLock ? numLock : quint16(XCB_MOD_MASK_2)) |
                              (scrollLock & ~(XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL)));
    binding.ignored &= quint16(~binding.modifiers);
    return binding;
}

std::vector<quint16> LockCombinations(quint16 ignored)
{
    // Every subset of the lock bits, the empty one first.
    std::vector<quint16> subsets;
    quint16 subset = 0;
    do {
        subsets.push_back(subset);
        subset = quint16((subset - ignored) & ignored);
    } while (subset != 0);
    return subsets;
}

std::vector<xcb_window_t> Roots(xcb_connection_t* c)
{
    std::vector<xcb_window_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem > 0; xcb_screen_next(&it))
        roots.push_back(it.data->root);
    return roots;
}

quint8 XkbFirstEvent(xcb_connection_t* c)
{
    static constexpr char name[] = "XKEYBOARD";
    const auto reply =
        Take(xcb_query_extension_reply(c, xcb_query_extension(c, sizeof name - 1, name), nullptr));
    return reply && reply->present ? reply->first_event : 0;
}

struct XcbGrab final : GlobalHotKey::Native
{
    KeyBinding binding;
    QKeyCombination combination;
    std::vector<xcb_window_t> roots;
    quint8 xkbFirstEvent = 0;

    static std::unique_ptr<XcbGrab> acquire(QKeyCombination combination)
    {
        xcb_connection_t* c = XConnection();
        if (!c) {
            LogHotKeyUnavailableOnce("no X11 connection (Wayland, offscreen or another platform)");
            return nullptr;
        }
        std::optional<KeyBinding> binding = Bind(c, combination);
        if (!binding)
            return nullptr;
        auto native = std::make_unique<XcbGrab>();
        native->binding = *binding;
        native->combination = combination;
        native->roots = Roots(c);
        native->xkbFirstEvent = XkbFirstEvent(c);

        // Checked requests: a refusal comes back here instead of to Qt's error log.
        struct Pending
        {
            xcb_window_t root;
            xcb_keycode_t keycode;
            quint16 modifiers;
            xcb_void_cookie_t cookie;
            bool granted = false;
        };
        std::vector<Pending> pending;
        for (xcb_window_t root : native->roots)
            for (xcb_keycode_t keycode : binding->keycodes)
                for (quint16 locks : LockCombinations(binding->ignored)) {
                    const quint16 modifiers = binding->modifiers | locks;
                    // Not owner events: even our own focused window sees the press on the root.
                    pending.push_back(
                        {root, keycode, modifiers,
                         xcb_grab_key_checked(c, 0, root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                              XCB_GRAB_MODE_ASYNC)});
                }
        quint8 refusal = 0;
        for (Pending& p : pending) {
            const auto error = Take(xcb_request_check(c, p.cookie));
            if (error && refusal == 0)
                refusal = error->error_code;
            p.granted = !error;
        }
        if (refusal == 0)
            return native;

        // A half-made grab would swallow the key in some lock states only: undo it all.
        for (const Pending& p : pending)
            if (p.granted)
                xcb_ungrab_key(c, p.keycode, p.root, p.modifiers);
        xcb_flush(c);
        const QString text = QKeySequence(combination).toString(QKeySequence::PortableText);
        if (refusal == XCB_ACCESS)
            qCInfo(lcHotKey) << "another program holds the key" << text;
        else
            qCInfo(lcHotKey) << "the X server refused the key" << text << "with error" << refusal;
        return nullptr;
    }

    void release() const override
    {
        // Gone with the application: the server dropped the grabs with the connection.
        xcb_connection_t* c = XConnection();
        if (!c)
            return;
        for (xcb_window_t root : roots)
            for (xcb_keycode_t keycode : binding.keycodes)
                for (quint16 locks : LockCombinations(binding.ignored))
                    xcb_ungrab_key(c, keycode, root, binding.modifiers | locks);
        xcb_flush(c);
    }

    Event classify(const QByteArray& eventType, void* message) const override
    {
        if (eventType != "xcb_generic_event_t")
            return Event::Other;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const quint8 type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS) {
            const auto* key = static_cast<const xcb_key_press_event_t*>(message);
            const quint16 state = key->state & kModifierBits & quint16(~binding.ignored);
            const bool ours = std::find(roots.begin(), roots.end(), key->event) != roots.end() &&
                              std::find(binding.keycodes.begin(), binding.keycodes.end(),
                                        key->detail) != binding.keycodes.end() &&
                              state == binding.modifiers;
            return ours ? Event::Activation : Event::Other;
        }
        if (type == XCB_MAPPING_NOTIFY) {
            const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
            return mapping->request == XCB_MAPPING_POINTER ? Event::Other : Event::KeymapChange;
        }
        // Qt takes the keyboard map from XKB, and XKB clients get no core mapping events.
        if (xkbFirstEvent != 0 && type == xkbFirstEvent) {
            const quint8 xkbType = reinterpret_cast<const quint8*>(message)[1];
            if (xkbType == kXkbNewKeyboardNotify || xkbType == kXkbMapNotify)
                return Event::KeymapChange;
        }
        return Event::Other;
    }

    bool keymapMoved() const override
    {
        xcb_connection_t* c = XConnection();
        if (!c)
            return false;
        const std::optional<KeyBinding> now = Bind(c, combination);
        return !now || !(*now == binding);
    }
};

} // namespace

std::unique_ptr<GlobalHotKey::Native> GlobalHotKey::Native::acquire(QKeyCombination combination)
{
    return XcbGrab::acquire(combination);
}

} // namespace quorvelle::platform

#endif // QUORVELLE_HOTKEY_XCB
