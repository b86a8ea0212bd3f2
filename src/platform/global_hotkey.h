#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <memory>

namespace quorvelle::platform {

class PortalHotKey;

// A system-wide key combination. On X11 it is a key grab on the root window; on
// Windows a registered hot key; under Wayland a shortcut bound through the desktop
// portal (the desktop may ask the user to confirm it). Where the system offers no
// global keys (offscreen, a Wayland desktop without the portal) registering does
// nothing and says why in the program's own diagnostics (category
// "quorvelle.hotkey"), never to the user.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit GlobalHotKey(QObject* parent = nullptr);
    ~GlobalHotKey() override; // unregisters

    // Replaces the registered key; an empty sequence or one without a key
    // registers nothing. Returns whether the grab is active.
    bool setShortcut(const QKeySequence& shortcut);
    QKeySequence shortcut() const;
    bool isActive() const;
    void unregister();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The window system's side of one registration (global_hotkey_native.h).
    struct Native;

signals:
    void activated();

private:
    bool grab();
    void refreshAfterKeymapChange();

    std::unique_ptr<Native> m_native;
    PortalHotKey* m_portal = nullptr; // Wayland
    bool m_portalBound = false;
    QKeySequence m_shortcut;
    bool m_refreshQueued = false;
};

// The shortcut text round trip of the settings: "Ctrl+Alt+S" <-> QKeySequence
// (portable text, one combination); an unrecognised text gives an empty sequence.
QKeySequence HotKeyFromText(const QString& text);
QString HotKeyToText(const QKeySequence& shortcut);

} // namespace quorvelle::platform
