#include "platform/global_hotkey_portal.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace quorvelle::platform;
using namespace Qt::StringLiterals;

// One shortcut of BindShortcuts' a(sa{sv}), as the portal reads it.
struct FakeShortcut
{
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(FakeShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const FakeShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, FakeShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

// The desktop portal's side, on a bus of the test's own: sessions are made and
// shortcuts bound at once, answering through Request objects as the portal does.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")

public:
    explicit FakePortal(QDBusConnection bus) : m_bus(bus) {}
    QString session;
    QString boundId, boundTrigger;

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options)
    {
        session = u"/org/freedesktop/portal/desktop/session/x/"_s +
                  options.value(u"session_handle_token"_s).toString();
        return answer(options,
                      {{u"session_handle"_s, QVariant::fromValue(QDBusObjectPath(session))}});
    }
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& handle,
                                  const QList<FakeShortcut>& shortcuts, const QString& parent,
                                  const QVariantMap& options)
    {
        Q_UNUSED(parent);
        if (handle.path() != session || shortcuts.size() != 1)
            return answer(options, {}, 2);
        boundId = shortcuts[0].id;
        boundTrigger = shortcuts[0].properties.value(u"preferred_trigger"_s).toString();
        return answer(options, {});
    }

    void press(const QString& id)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(u"/org/freedesktop/portal/desktop"_s,
                                       u"org.freedesktop.portal.GlobalShortcuts"_s, u"Activated"_s);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1)
               << QVariantMap();
        m_bus.send(signal);
    }

private:
    QDBusObjectPath answer(const QVariantMap& options, const QVariantMap& results,
                           uint response = 0)
    {
        QString sender = message().service().mid(1);
        sender.replace(u'.', u'_');
        const QString path = u"/org/freedesktop/portal/desktop/request/"_s + sender + u'/' +
                             options.value(u"handle_token"_s).toString();
        QDBusMessage signal =
            QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        signal << response << results;
        // After the call's own reply, as the portal does.
        QMetaObject::invokeMethod(
            this, [this, signal] { m_bus.send(signal); }, Qt::QueuedConnection);
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
};

class TestPortalHotKey : public QObject
{
    Q_OBJECT

    QProcess m_daemon;

private slots:
    void initTestCase()
    {
        m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(5000))
            QSKIP("dbus-daemon is not installed");
        const QByteArray address = m_daemon.readLine().trimmed();
        // The program's side talks over "the session bus", as it would on a desktop.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }

    void cleanupTestCase()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void portalTrigger_data()
    {
        QTest::addColumn<QKeyCombination>("combination");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Ctrl+Alt+S") << (Qt::CTRL | Qt::ALT | Qt::Key_S) << u"CTRL+ALT+s"_s;
        QTest::newRow("Shift+Meta+F5") << (Qt::SHIFT | Qt::META | Qt::Key_F5) << u"SHIFT+LOGO+F5"_s;
    }

    void portalTrigger()
    {
        QFETCH(QKeyCombination, combination);
        QTEST(PortalHotKey::PortalTrigger(combination), "trigger");
    }

    // A session, the key bound in it, and the portal's press reaching the program.
    void bindsAndHearsThePress()
    {
        QDBusConnection portalBus = QDBusConnection::connectToBus(
            qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), u"portal"_s);
        qDBusRegisterMetaType<FakeShortcut>();
        qDBusRegisterMetaType<QList<FakeShortcut>>();
        FakePortal portal(portalBus);
        QVERIFY(portalBus.registerObject(u"/org/freedesktop/portal/desktop"_s, &portal,
                                         QDBusConnection::ExportAllSlots));
        QVERIFY(portalBus.registerService(u"org.freedesktop.portal.Desktop"_s));

        PortalHotKey key;
        QSignalSpy pressed(&key, &PortalHotKey::activated);
        key.bind(Qt::CTRL | Qt::ALT | Qt::Key_S);
        QTRY_COMPARE(portal.boundTrigger, u"CTRL+ALT+s"_s);
        portal.press(u"something-else"_s);
        portal.press(portal.boundId);
        QTRY_COMPARE(pressed.size(), 1);
        QTest::qWait(100);
        QCOMPARE(pressed.size(), 1); // another program's shortcut is not ours

        // A key let go while its session is on its way is not bound when it comes.
        portal.boundTrigger.clear();
        PortalHotKey released;
        released.bind(Qt::CTRL | Qt::Key_F9);
        released.release();
        QTest::qWait(300);
        QCOMPARE(portal.boundTrigger, QString());
    }
};

QTEST_MAIN(TestPortalHotKey)
#include "test_portal_hotkey.moc"
