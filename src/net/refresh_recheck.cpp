#include "net/refresh_recheck.h"

#include "presence/users_registry.h"

namespace quorvelle::net {

RefreshRecheck::RefreshRecheck(presence::UsersRegistry& registry, std::function<void(quint32)> ask,
                               std::function<QString()> myNick, Timings timings, QObject* parent)
    : QObject(parent), m_registry(registry), m_ask(std::move(ask)), m_myNick(std::move(myNick)),
      m_timings(timings)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(m_timings.waitMs);
    m_pace.setInterval(m_timings.paceMs);
    connect(&m_wait, &QTimer::timeout, &m_pace, qOverload<>(&QTimer::start));
    connect(&m_pace, &QTimer::timeout, this, &RefreshRecheck::askBatch);
    // The list about to be emptied by a refresh: who was there.
    connect(&registry, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QString me = m_myNick();
        for (int i = 0; i < m_registry.count(); ++i) {
            const QString nick = m_registry.ItemNick(i);
            if (nick != me && m_registry.address(i) != 0)
                m_before.insert(nick, m_registry.address(i));
        }
        m_pace.stop();
        if (!m_before.isEmpty())
            m_wait.start();
    });
}

void RefreshRecheck::askBatch()
{
    int asked = 0;
    for (auto it = m_before.begin(); it != m_before.end() && asked < m_timings.batch;) {
        if (m_registry.FindUser(it.key()) < 0) { // not back yet
            m_ask(it.value());
            ++asked;
        }
        it = m_before.erase(it);
    }
    if (m_before.isEmpty())
        m_pace.stop();
}

} // namespace quorvelle::net
