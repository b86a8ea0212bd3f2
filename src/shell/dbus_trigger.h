#pragma once

#include <QObject>

namespace quorvelle::shell {

// Lets other programs ask for a fresh users list over the session bus:
// org.halvorenwerk.Quorvelle, object "/", method UpdateUsersList.
class UsersListTrigger : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.halvorenwerk.Quorvelle")

public:
    explicit UsersListTrigger(QObject* parent = nullptr);
    // False (and nothing registered) without a session bus or when the name is taken.
    bool registerOnSessionBus();

public slots:
    Q_SCRIPTABLE void UpdateUsersList();

signals:
    void updateRequested();
};

} // namespace quorvelle::shell
