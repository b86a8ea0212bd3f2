#pragma once

// The global hot key through the desktop portal's GlobalShortcuts (Wayland
// sessions, where no program may grab keys itself): a session with the portal,
// one shortcut bound in it, and the portal's word when it is pressed. The desktop
// may ask the user to confirm or change the key.

#include <QDBusMessage>
#include <QKeySequence>
#include <QObject>
#include <QVariantMap>

namespace quorvelle::platform {

class PortalHotKey : public QObject
{
    Q_OBJECT

public:
    // Whether this is a Wayland session whose portal offers global shortcuts.
    static bool available();
    // The portal's spelling of a key: "CTRL+ALT+s".
    static QString PortalTrigger(QKeyCombination combination);

    explicit PortalHotKey(QObject* parent = nullptr);
    ~PortalHotKey() override; // closes the session

    // Binds the key (asking for a session first); replaces an earlier one.
    void bind(QKeyCombination combination);
    void release();

signals:
    void activated();

private slots:
    void onSessionCreated(uint response, const QVariantMap& results);
    void onBound(uint response, const QVariantMap& results);
    void onActivated(const QDBusMessage& signal);

private:
    // Calls a portal method that answers through a Request object's Response signal.
    void request(const QString& method, QList<QVariant> arguments, QVariantMap options,
                 const char* slot);
    void bindNow();

    QString m_session;     // object path; empty until the portal made one
    bool m_asked = false;  // a session was asked for and has not come yet
    bool m_wanted = false; // a key is to be bound
    QKeyCombination m_combination;
};

} // namespace quorvelle::platform
