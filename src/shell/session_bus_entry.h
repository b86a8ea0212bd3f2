#pragma once

#include <QObject>

namespace quorvelle::shell {

// What other programs may ask of the running copy over the session bus, as
// method calls to org.halvorenwerk.Quorvelle, object "/", interface
// org.halvorenwerk.Quorvelle: UpdateUsersList (a fresh users list) and Show
// (bring the window forward; a second start asks this before it ends).
class SessionBusEntry : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.halvorenwerk.Quorvelle")

public:
    explicit SessionBusEntry(QObject* parent = nullptr);
    // False (and nothing registered) without a session bus or when the name is taken.
    bool registerOnSessionBus();

    // From a second start: asks the running copy to show its window; false when
    // no copy answers.
    static bool AskRunningCopyToShow();

public slots:
    Q_SCRIPTABLE void UpdateUsersList();
    Q_SCRIPTABLE void Show();

signals:
    void updateRequested();
    void showRequested();
};

} // namespace quorvelle::shell
