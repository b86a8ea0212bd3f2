#include "net/refresh_recheck.h"

#include "presence/users_registry.h"

namespace quorvelle::net {

RefreshRecheck::RefreshRecheck(presence::UsersRegistry& registry, RecheckLink link, Timings timings,
                               QObject* parent)
    : QObject(parent), m_registry(registry), m_link(std::move(link)), m_timings(timings)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(m_timings.waitMs);
    m_pace.setInterval(m_timings.paceMs);
    m_settle.setInterval(m_timings.settleMs);
    connect(&m_wait, &QTimer::timeout, &m_pace, qOverload<>(&QTimer::start));
    connect(&m_pace, &QTimer::timeout, this, &RefreshRecheck::askBatch);
    connect(&m_settle, &QTimer::timeout, this, &RefreshRecheck::checkDrops);
    // The list about to be emptied by a refresh.
    connect(&registry, &QAbstractItemModel::modelAboutToBeReset, this,
            &RefreshRecheck::refreshStarted);
}

void RefreshRecheck::refreshStarted()
{
    const QString me = m_link.myNick();
    for (int i = 0; i < m_registry.count(); ++i) {
        const QString nick = m_registry.ItemNick(i);
        if (nick != me && m_registry.address(i) != 0)
            m_before.insert(nick, m_registry.address(i));
    }
    m_pace.stop();
    if (!m_before.isEmpty())
        m_wait.start();

    m_settle.stop();
    if (const std::optional<quint64> drops = m_link.systemDrops()) {
        m_dropsSeen = *drops;
        m_netAsks = 0;
        m_lastCount = -1;
        m_sinceRefresh.start();
        m_settle.start();
    }
}

void RefreshRecheck::askBatch()
{
    int asked = 0;
    for (auto it = m_before.begin(); it != m_before.end() && asked < m_timings.batch;) {
        if (m_registry.FindUser(it.key()) < 0) { // not back yet
            m_link.askAddress(it.value());
            ++asked;
        }
        it = m_before.erase(it);
    }
    if (m_before.isEmpty())
        m_pace.stop();
}

void RefreshRecheck::checkDrops()
{
    if (m_sinceRefresh.hasExpired(m_timings.windowMs) || m_netAsks >= m_timings.netAsks) {
        m_settle.stop();
        return;
    }
    // Asking while answers still pour in would only crowd the socket more.
    const int count = m_registry.count();
    if (std::exchange(m_lastCount, count) != count)
        return;
    const std::optional<quint64> drops = m_link.systemDrops();
    if (!drops || *drops <= m_dropsSeen)
        return;
    m_dropsSeen = *drops;
    ++m_netAsks;
    m_lastCount = -1;
    m_link.askNet();
}

} // namespace quorvelle::net
