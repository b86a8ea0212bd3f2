#include "platform/keyboard_layout.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <vector>
#include <windows.h>
#elif defined(QUORVELLE_HAVE_XCB) && defined(QUORVELLE_HAVE_XCB_XKB) && QT_CONFIG(xcb)
#define QUORVELLE_LAYOUT_XKB
#include <QByteArrayList>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
// A member of one of its structs is named `explicit`, a C++ keyword.
#ifdef __clang__
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#ifdef __clang__
#pragma clang diagnostic pop
#endif
#endif

namespace quorvelle::platform {

namespace {

#if defined(Q_OS_WIN)
constexpr QStringView kUsLayout = u"00000409";
constexpr QStringView kRussianLayout = u"00000419";
#else
constexpr QStringView kUsLayout = u"us";
constexpr QStringView kRussianLayout = u"ru";
#endif

#if defined(QUORVELLE_LAYOUT_XKB)

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Take(T* reply)
{
    return Reply<T>(reply, &std::free);
}

// Qt's own connection; null under offscreen and Wayland, or when the server lacks XKB.
xcb_connection_t* XkbConnection()
{
    if (!qGuiApp)
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return nullptr;
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(c, &xcb_xkb_id);
    if (!xkb || !xkb->present)
        return nullptr;
    // The server answers XKB requests only after this; Qt has said it already, saying it
    // again costs one round trip and keeps us independent of that.
    const auto use = Take(xcb_xkb_use_extension_reply(
        c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    return use && use->supported ? c : nullptr;
}

// The layouts setxkbmap and the desktops record on the root window: the third of the
// NUL-separated fields rules, model, layouts, variants, options, e.g. "us,ru".
QStringList RulesLayouts(xcb_connection_t* c)
{
    static constexpr char name[] = "_XKB_RULES_NAMES";
    const auto atom =
        Take(xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto property = Take(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->format != 8)
        return {};
    const QByteArrayList fields =
        QByteArray(static_cast<const char*>(xcb_get_property_value(property.get())),
                   xcb_get_property_value_length(property.get()))
            .split('\0');
    if (fields.size() < 3 || fields.at(2).isEmpty())
        return {};
    QStringList layouts = QString::fromLatin1(fields.at(2)).split(u',');
    for (QString& layout : layouts)
        layout = layout.trimmed();
    return layouts;
}

#elif defined(Q_OS_WIN)

std::vector<HKL> InstalledLayouts()
{
    const int count = GetKeyboardLayoutList(0, nullptr);
    if (count <= 0)
        return {};
    std::vector<HKL> layouts(size_t(count));
    layouts.resize(size_t(qMax(GetKeyboardLayoutList(count, layouts.data()), 0)));
    return layouts;
}

#endif

} // namespace

std::optional<KeyboardLayouts> CurrentKeyboardLayouts()
{
#if defined(QUORVELLE_LAYOUT_XKB)
    xcb_connection_t* c = XkbConnection();
    if (!c)
        return std::nullopt;
    const auto state =
        Take(xcb_xkb_get_state_reply(c, xcb_xkb_get_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr));
    if (!state)
        return std::nullopt;
    KeyboardLayouts layouts;
    layouts.names = RulesLayouts(c);
    // A group locked before the layout list got shorter stays until the next key press,
    // which wraps it into range; read it as that press will.
    if (!layouts.names.isEmpty())
        layouts.active = state->group % int(layouts.names.size());
    return layouts;
#elif defined(Q_OS_WIN)
    const std::vector<HKL> installed = InstalledLayouts();
    if (installed.empty())
        return std::nullopt;
    const HKL current = GetKeyboardLayout(0);
    KeyboardLayouts layouts;
    for (size_t i = 0; i < installed.size(); ++i) {
        // The language half of the handle, spelled as the language's default layout name.
        const auto language = unsigned(reinterpret_cast<quintptr>(installed[i]) & 0xffff);
        layouts.names.append(QString::asprintf("%08X", language));
        if (installed[i] == current)
            layouts.active = int(i);
    }
    return layouts;
#else
    return std::nullopt;
#endif
}

bool LockKeyboardGroup(int group)
{
#if defined(QUORVELLE_LAYOUT_XKB)
    constexpr int kGroups = 4; // XKB knows no more
    xcb_connection_t* c = group >= 0 && group < kGroups ? XkbConnection() : nullptr;
    if (!c)
        return false;
    // Checked, so that a following read already sees the new group.
    const auto error =
        Take(xcb_request_check(c, xcb_xkb_latch_lock_state_checked(c, XCB_XKB_ID_USE_CORE_KBD, 0, 0,
                                                                   1, quint8(group), 0, 0, 0)));
    return !error;
#elif defined(Q_OS_WIN)
    const std::vector<HKL> installed = InstalledLayouts();
    return group >= 0 && size_t(group) < installed.size() &&
           ActivateKeyboardLayout(installed[size_t(group)], 0) != nullptr;
#else
    Q_UNUSED(group);
    return false;
#endif
}

bool KlcAvailable()
{
    const std::optional<KeyboardLayouts> layouts = CurrentKeyboardLayouts();
    return layouts && layouts->names.size() >= 2;
}

std::optional<bool> SwitchFromTypedLayout()
{
    const std::optional<KeyboardLayouts> layouts = CurrentKeyboardLayouts();
    if (!layouts || layouts->active < 0)
        return std::nullopt;
    const bool fromUs = layouts->names.at(layouts->active) == kUsLayout;
    // The user goes on typing in the layout the text now reads in.
    const qsizetype other = layouts->names.indexOf(fromUs ? kRussianLayout : kUsLayout);
    if (other >= 0)
        LockKeyboardGroup(int(other));
    return fromUs;
}

} // namespace quorvelle::platform
