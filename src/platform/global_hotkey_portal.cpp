#include "platform/global_hotkey_portal.h"

#include "platform/global_hotkey_native.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QGuiApplication>
#include <atomic>

namespace quorvelle::platform {

namespace {

const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Interface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString ShortcutId = QStringLiteral("show-window");

// Request and session paths are made of the caller's bus name and a token: a
// token used twice would route one request's answer to another's listener.
QString NextToken()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quorvelle%1").arg(++counter);
}

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace quorvelle::platform

Q_DECLARE_METATYPE(quorvelle::platform::PortalShortcut)

namespace quorvelle::platform {

bool PortalHotKey::available()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << Interface << QStringLiteral("version");
    const QDBusReply<QDBusVariant> version = bus.call(ask, QDBus::Block, 500);
    return version.isValid() && version.value().variant().toUInt() >= 1;
}

QString PortalHotKey::PortalTrigger(QKeyCombination combination)
{
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    QString key = QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    // Key names as the keyboard maps spell them: letters small, the rest as Qt has them.
    if (key.size() == 1)
        key = key.toLower();
    parts << key;
    return parts.join(u'+');
}

PortalHotKey::PortalHotKey(QObject* parent) : QObject(parent)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    if (!QDBusConnection::sessionBus().connect(Service, Path, Interface,
                                               QStringLiteral("Activated"), this,
                                               SLOT(onActivated(QDBusMessage))))
        qCInfo(lcHotKey, "cannot follow the desktop portal's shortcuts");
}

PortalHotKey::~PortalHotKey()
{
    release();
}

void PortalHotKey::bind(QKeyCombination combination)
{
    m_combination = combination;
    m_wanted = true;
    if (!m_session.isEmpty())
        return bindNow();
    if (m_asked)
        return; // the session is on its way; the key goes with it
    m_asked = true;
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), NextToken()}},
            SLOT(onSessionCreated(uint, QVariantMap)));
}

void PortalHotKey::release()
{
    m_wanted = false; // a session still on its way is closed when it comes
    if (m_session.isEmpty())
        return;
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(Service, m_session,
                                       QStringLiteral("org.freedesktop.portal.Session"),
                                       QStringLiteral("Close")),
        QDBus::NoBlock);
    m_session.clear();
    m_asked = false;
}

void PortalHotKey::request(const QString& method, QList<QVariant> arguments, QVariantMap options,
                           const char* slot)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The answer comes as a signal of a Request object whose path follows from our
    // name and a token; listen before asking, so that no answer is missed.
    const QString token = NextToken();
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString requestPath = Path + QStringLiteral("/request/") + sender + u'/' + token;
    bus.connect(Service, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), this, slot);
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call.setArguments(arguments);
    bus.call(call, QDBus::NoBlock);
}

void PortalHotKey::onSessionCreated(uint response, const QVariantMap& results)
{
    if (response != 0) {
        qCInfo(lcHotKey, "the desktop portal gave no shortcut session (answer %u)", response);
        m_asked = false;
        return;
    }
    // An object path by the portal's description, a string in older portals.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                    ? handle.value<QDBusObjectPath>().path()
                    : handle.toString();
    m_asked = false;
    if (m_session.isEmpty())
        return;
    if (m_wanted)
        bindNow();
    else
        release();
}

void PortalHotKey::bindNow()
{
    const PortalShortcut shortcut{
        ShortcutId,
        {{QStringLiteral("description"), tr("Show the Quorvelle window")},
         {QStringLiteral("preferred_trigger"), PortalTrigger(m_combination)}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)),
             QVariant::fromValue(QList<PortalShortcut>{shortcut}), QString()},
            {}, SLOT(onBound(uint, QVariantMap)));
}

void PortalHotKey::onBound(uint response, const QVariantMap& results)
{
    Q_UNUSED(results);
    if (response != 0)
        qCInfo(lcHotKey, "the desktop portal did not bind the hot key (answer %u)", response);
}

void PortalHotKey::onActivated(const QDBusMessage& signal)
{
    // (o session, s id, t timestamp, a{sv} options)
    const QList<QVariant> arguments = signal.arguments();
    if (arguments.size() >= 2 && !m_session.isEmpty() &&
        arguments[0].value<QDBusObjectPath>().path() == m_session &&
        arguments[1].toString() == ShortcutId)
        emit activated();
}

} // namespace quorvelle::platform
