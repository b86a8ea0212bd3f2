#include "shell/notifications.h"

#ifdef QUORVELLE_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace quorvelle::shell {

namespace {

#ifdef QUORVELLE_HAVE_DBUS
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
#endif
// Long messages are cut for the bubble; the window shows them whole.
constexpr int MaxBody = 400;

} // namespace

Notifications::Notifications(std::function<bool()> quiet, QObject* parent)
    : QObject(parent), m_quiet(std::move(quiet))
{
#ifdef QUORVELLE_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this,
                SLOT(onClosed(uint, uint)));
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QStringList> reply = *w;
        // No answer (a service not started yet): keep escaping.
        if (reply.isValid())
            m_markup = reply.value().contains(QStringLiteral("body-markup"));
        w->deleteLater();
    });
#endif
}

void Notifications::show(const QString& tag, const QString& summary, const QString& body,
                         QList<NotificationAction> actions, const std::function<void()>& fallback)
{
    const auto fallBack = [fallback] {
        if (fallback)
            fallback();
    };
    // Quiet: what the program showed before, and nothing more.
    if (m_quiet())
        return fallBack();
#ifdef QUORVELLE_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fallBack();
    QString text = body.size() > MaxBody ? body.first(MaxBody) + QChar(0x2026) : body;
    // A peer's text is never markup.
    if (m_markup)
        text = text.toHtmlEscaped();
    QStringList keys;
    for (const NotificationAction& action : std::as_const(actions))
        keys << action.key << action.label;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    call << QStringLiteral("Quorvelle") << m_byTag.value(tag, 0)
         << QStringLiteral("org.halvorenwerk.Quorvelle") << summary << text << keys
         << QVariantMap{{QStringLiteral("desktop-entry"),
                         QStringLiteral("org.halvorenwerk.Quorvelle")}}
         << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, tag, actions = std::move(actions), fallBack](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isValid()) {
                    if (const uint before = m_byTag.value(tag, 0); before != reply.value())
                        m_open.remove(before);
                    m_byTag.insert(tag, reply.value());
                    m_open.insert(reply.value(), actions);
                } else {
                    fallBack();
                }
                w->deleteLater();
            });
#else
    Q_UNUSED(tag);
    Q_UNUSED(summary);
    Q_UNUSED(body);
    Q_UNUSED(actions);
    fallBack();
#endif
}

void Notifications::onActionInvoked(uint id, const QString& key)
{
    const auto it = m_open.constFind(id);
    if (it == m_open.cend())
        return; // another program's notification
    for (const NotificationAction& action : *it)
        if (action.key == key && action.run) {
            const auto run = action.run; // the list may go while it runs
            run();
            return;
        }
}

void Notifications::onClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    m_open.remove(id);
    for (auto it = m_byTag.begin(); it != m_byTag.end();)
        it = it.value() == id ? m_byTag.erase(it) : std::next(it);
}

} // namespace quorvelle::shell
