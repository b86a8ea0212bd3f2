#pragma once

// After a refresh empties the users list, the answers of a big net arrive all at
// once, and the system may drop some of them; a peer whose "!" was dropped sends
// nothing more and would stay unlisted. So:
// - when the system reports drops while the answers come in, the net is asked
//   once more (the list is kept), a few times at most;
// - the peers listed before the refresh that have not answered after a short
//   while are asked again, each at its own address, a few at a time so that their
//   answers do not crowd the socket again.

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace quorvelle::presence {
class UsersRegistry;
}

namespace quorvelle::net {

struct RecheckTimings
{
    int waitMs = 700;    // for the answers to the broadcast first
    int batch = 25;      // asks at a time
    int paceMs = 20;     // between batches
    int settleMs = 100;  // a burst is over when the list has not grown for this long
    int windowMs = 2000; // drops after this long are not the refresh's
    int netAsks = 3;     // at most this many more broadcasts per refresh
};

// How the recheck reaches the net.
struct RecheckLink
{
    std::function<void(quint32)> askAddress; // "?" to one address
    std::function<void()> askNet;            // "?" to the broadcast table
    // Datagrams the system dropped so far; nullopt where it does not tell.
    std::function<std::optional<quint64>()> systemDrops;
    std::function<QString()> myNick; // never asked
};

class RefreshRecheck : public QObject
{
    Q_OBJECT

public:
    using Timings = RecheckTimings;

    RefreshRecheck(presence::UsersRegistry& registry, RecheckLink link, Timings timings = {},
                   QObject* parent = nullptr);

private:
    void refreshStarted();
    void askBatch();
    void checkDrops();

    presence::UsersRegistry& m_registry;
    RecheckLink m_link;
    Timings m_timings;
    QHash<QString, quint32> m_before; // nick -> address, of the list the refresh emptied
    QTimer m_wait;
    QTimer m_pace;
    QTimer m_settle;
    QElapsedTimer m_sinceRefresh;
    quint64 m_dropsSeen = 0;
    int m_netAsks = 0;
    int m_lastCount = -1;
};

} // namespace quorvelle::net
