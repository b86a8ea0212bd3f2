#pragma once

// After a refresh empties the users list, the answers of a big net arrive all at
// once, and the system may drop some of them; a peer whose "!" was dropped sends
// nothing more and would stay unlisted. So the peers listed before the refresh
// that have not answered after a short while are asked again, each at its own
// address, a few at a time so that their answers do not crowd the socket again.

#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>

namespace quorvelle::presence {
class UsersRegistry;
}

namespace quorvelle::net {

struct RecheckTimings
{
    int waitMs = 700; // for the answers to the broadcast first
    int batch = 25;   // asks at a time
    int paceMs = 20;  // between batches
};

class RefreshRecheck : public QObject
{
    Q_OBJECT

public:
    using Timings = RecheckTimings;

    // ask sends "?" to one address; myNick is not asked.
    RefreshRecheck(presence::UsersRegistry& registry, std::function<void(quint32)> ask,
                   std::function<QString()> myNick, Timings timings = {},
                   QObject* parent = nullptr);

private:
    void askBatch();

    presence::UsersRegistry& m_registry;
    std::function<void(quint32)> m_ask;
    std::function<QString()> m_myNick;
    Timings m_timings;
    QHash<QString, quint32> m_before; // nick -> address, of the list the refresh emptied
    QTimer m_wait;
    QTimer m_pace;
};

} // namespace quorvelle::net
