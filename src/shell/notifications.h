#pragma once

// The desktop's notifications (org.freedesktop.Notifications on the session bus)
// for popup messages, received files and, while the window is hidden, the lines
// the switches would hint about; each with its actions. Where the service is
// missing (or on a system without a session bus) every call takes its fallback,
// as the program did without one. In DND only the fallbacks run.

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace quorvelle::shell {

struct NotificationAction
{
    QString key; // "default" is a click on the notification itself
    QString label;
    std::function<void()> run;
};

class Notifications : public QObject
{
    Q_OBJECT

public:
    // quiet: only the fallbacks run (DND).
    explicit Notifications(std::function<bool()> quiet, QObject* parent = nullptr);

    // A notification of the same tag takes the place of the one before it, so a
    // sender who floods fills one bubble, not the screen. fallback runs instead
    // when no notification service answers.
    void show(const QString& tag, const QString& summary, const QString& body,
              QList<NotificationAction> actions, const std::function<void()>& fallback = {});

private slots:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

private:
    std::function<bool()> m_quiet;
    // The service reads simple markup in the body; until it says, assume it does,
    // so that a peer's text is escaped rather than drawn as markup.
    bool m_markup = true;
    QHash<uint, QList<NotificationAction>> m_open;
    QHash<QString, uint> m_byTag;
};

} // namespace quorvelle::shell
