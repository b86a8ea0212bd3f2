// quorvelle-fake-notifications: a desktop notification service for the tests, on
// the session bus of DBUS_SESSION_BUS_ADDRESS. Prints every notification as
// "notify<TAB>id<TAB>summary<TAB>body<TAB>key=label,key=label" and takes
// "invoke ID KEY" lines on standard input, as a click on an action would.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSocketNotifier>
#include <QTextStream>
#include <QVariantMap>
#include <cstdio>
#include <unistd.h>

class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout)
    {
        Q_UNUSED(app);
        Q_UNUSED(replaces);
        Q_UNUSED(icon);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        QStringList pairs;
        for (qsizetype i = 0; i + 1 < actions.size(); i += 2)
            pairs << actions[i] + u'=' + actions[i + 1];
        QString flat = body;
        flat.replace(u'\n', u'|');
        std::printf("notify\t%u\t%s\t%s\t%s\n", ++m_last, qPrintable(summary), qPrintable(flat),
                    qPrintable(pairs.join(u',')));
        std::fflush(stdout);
        return m_last;
    }
    void CloseNotification(uint id) { Q_UNUSED(id); }

signals:
    void ActionInvoked(uint id, const QString& key);

private:
    uint m_last = 0;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    FakeNotifications service;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "cannot take org.freedesktop.Notifications\n");
        return 1;
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream in(stdin);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        const QString line = in.readLine();
        if (line.isNull())
            return QCoreApplication::quit();
        const QStringList words = line.split(u' ');
        if (words.size() == 3 && words[0] == u"invoke")
            emit service.ActionInvoked(words[1].toUInt(), words[2]);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "fake_notifications.moc"
