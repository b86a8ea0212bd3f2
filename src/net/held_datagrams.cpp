#include "net/held_datagrams.h"

namespace quorvelle::net {

bool HeldDatagrams::hold(const QString& nick, quint32 source, const QByteArray& datagram,
                         qint64 nowMs)
{
    expire(nowMs);
    // No entry for a sender that gets no room: a flood of names costs nothing here.
    const int count = m_perSender.value(nick);
    if (count < PerSender && int(m_held.size()) < Total) {
        m_held.push_back({nick, source, datagram, nowMs});
        m_perSender.insert(nick, count + 1);
    }
    return mayAsk(source, nowMs);
}

QList<HeldDatagrams::Held> HeldDatagrams::release(const QString& nick, qint64 nowMs)
{
    expire(nowMs);
    QList<Held> released;
    if (m_perSender.remove(nick) == 0)
        return released;
    std::deque<Held> kept;
    for (Held& held : m_held)
        (held.nick == nick ? released.emplaceBack(std::move(held))
                           : kept.emplace_back(std::move(held)));
    m_held.swap(kept);
    return released;
}

void HeldDatagrams::expire(qint64 nowMs)
{
    while (!m_held.empty() && nowMs - m_held.front().at > HoldMs) {
        const auto sender = m_perSender.find(m_held.front().nick);
        if (sender != m_perSender.end() && --*sender <= 0)
            m_perSender.erase(sender);
        m_held.pop_front();
    }
    if (m_asked.size() > 1024)
        m_asked.removeIf([nowMs](auto it) { return nowMs - it.value() >= AskEveryMs; });
}

bool HeldDatagrams::mayAsk(quint32 source, qint64 nowMs)
{
    const auto last = m_asked.constFind(source);
    if (last != m_asked.cend() && nowMs - *last < AskEveryMs)
        return false;
    if (nowMs / 1000 != m_askSecond) {
        m_askSecond = nowMs / 1000;
        m_asksInSecond = 0;
    }
    if (m_asksInSecond >= AsksPerSecond)
        return false;
    ++m_asksInSecond;
    m_asked.insert(source, nowMs);
    return true;
}

} // namespace quorvelle::net
