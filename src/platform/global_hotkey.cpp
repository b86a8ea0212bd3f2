#include "platform/global_hotkey_native.h"

#include <QCoreApplication>
#include <optional>

#ifdef QUORVELLE_HAVE_DBUS
#include "platform/global_hotkey_portal.h"
#endif

namespace quorvelle::platform {

Q_LOGGING_CATEGORY(lcHotKey, "quorvelle.hotkey")

void LogHotKeyUnavailableOnce(const char* why)
{
    static bool logged = false;
    if (!logged)
        qCInfo(lcHotKey, "global hot keys are not available: %s", why);
    logged = true;
}

namespace {

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

// The one combination of a sequence; nullopt for empty sequences, chords (a global
// key is a single press) and modifiers alone.
std::optional<QKeyCombination> SingleCombination(const QKeySequence& shortcut)
{
    if (shortcut.count() != 1)
        return std::nullopt;
    const QKeyCombination combination = shortcut[0];
    const int key = combination.key();
    if (key == 0 || key == Qt::Key_unknown || IsModifierKey(key))
        return std::nullopt;
    return combination;
}

} // namespace

GlobalHotKey::GlobalHotKey(QObject* parent) : QObject(parent) {}

GlobalHotKey::~GlobalHotKey()
{
    unregister();
}

bool GlobalHotKey::setShortcut(const QKeySequence& shortcut)
{
    unregister();
    m_shortcut = shortcut;
    return grab();
}

QKeySequence GlobalHotKey::shortcut() const
{
    return m_shortcut;
}

bool GlobalHotKey::isActive() const
{
    return m_native != nullptr || m_portalBound;
}

void GlobalHotKey::unregister()
{
#ifdef QUORVELLE_HAVE_DBUS
    if (m_portal)
        m_portal->release();
#endif
    m_portalBound = false;
    if (!m_native)
        return;
    m_native->release();
    m_native.reset();
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool GlobalHotKey::grab()
{
    if (m_shortcut.isEmpty())
        return false;
    const std::optional<QKeyCombination> combination = SingleCombination(m_shortcut);
    if (!combination) {
        qCInfo(lcHotKey) << "not a single key with modifiers:"
                         << m_shortcut.toString(QKeySequence::PortableText);
        return false;
    }
    auto* app = QCoreApplication::instance();
    if (!app) {
        qCInfo(lcHotKey, "no application object to deliver global keys to");
        return false;
    }
#ifdef QUORVELLE_HAVE_DBUS
    // A yes is kept for the session; a no is asked again at the next grab, since
    // the portal may still have been starting.
    static bool portal = false;
    if (portal || (portal = PortalHotKey::available())) {
        if (!m_portal) {
            m_portal = new PortalHotKey(this);
            connect(m_portal, &PortalHotKey::activated, this, &GlobalHotKey::activated);
        }
        m_portal->bind(*combination);
        m_portalBound = true;
        return true;
    }
#endif
    m_native = Native::acquire(*combination);
    // The filter sees every native event: keep it out of the way while nothing is grabbed.
    if (m_native)
        app->installNativeEventFilter(this);
    return m_native != nullptr;
}

void GlobalHotKey::refreshAfterKeymapChange()
{
    m_refreshQueued = false;
    if (!m_native || !m_native->keymapMoved())
        return;
    qCInfo(lcHotKey) << "keyboard map changed, grabbing"
                     << m_shortcut.toString(QKeySequence::PortableText) << "again";
    unregister();
    grab();
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (!m_native)
        return false;
    switch (m_native->classify(eventType, message)) {
    case Native::Event::Activation:
        emit activated();
        break;
    case Native::Event::KeymapChange:
        // One change comes as a burst of events, and round trips do not belong in a filter.
        if (!m_refreshQueued) {
            m_refreshQueued = true;
            QMetaObject::invokeMethod(this, &GlobalHotKey::refreshAfterKeymapChange,
                                      Qt::QueuedConnection);
        }
        break;
    case Native::Event::Other:
        break;
    }
    // The press went to the root window, which Qt ignores; nothing to hide from it.
    return false;
}

QKeySequence HotKeyFromText(const QString& text)
{
    const QKeySequence parsed =
        QKeySequence::fromString(text.trimmed(), QKeySequence::PortableText);
    const std::optional<QKeyCombination> combination = SingleCombination(parsed);
    return combination ? QKeySequence(*combination) : QKeySequence();
}

QString HotKeyToText(const QKeySequence& shortcut)
{
    return shortcut.toString(QKeySequence::PortableText);
}

} // namespace quorvelle::platform
