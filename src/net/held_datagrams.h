#pragma once

// Datagrams from a nick that is not listed yet. Rather than drop them (a refresh
// empties the list, and a lost "!" leaves a peer that is plainly there unheard),
// the dispatcher holds them while it asks the sender who it is, and handles them
// in arrival order once the sender's answer lists it. Bounded in every way: a
// stranger who never answers costs at most PerSender datagrams for HoldMs, and is
// asked at most once every AskEveryMs.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <deque>

namespace quorvelle::net {

class HeldDatagrams
{
public:
    static constexpr int PerSender = 64;
    static constexpr int Total = 4096;
    static constexpr qint64 HoldMs = 5000;
    static constexpr qint64 AskEveryMs = 2000;
    // However many senders a flood names, no more "?" than this in one second.
    static constexpr int AsksPerSecond = 50;

    struct Held
    {
        QString nick;
        quint32 source = 0;
        QByteArray datagram;
        qint64 at = 0;
    };

    // Keeps a datagram of an unlisted sender, while there is room; true when the
    // sender's address is to be asked now.
    bool hold(const QString& nick, quint32 source, const QByteArray& datagram, qint64 nowMs);
    // The sender is listed now: what it sent meanwhile, oldest first.
    QList<Held> release(const QString& nick, qint64 nowMs);
    int size() const { return int(m_held.size()); }

private:
    void expire(qint64 nowMs);
    bool mayAsk(quint32 source, qint64 nowMs);

    std::deque<Held> m_held; // in arrival order
    QHash<QString, int> m_perSender;
    QHash<quint32, qint64> m_asked; // address -> when it was last asked
    qint64 m_askSecond = -1;
    int m_asksInSecond = 0;
};

} // namespace quorvelle::net
