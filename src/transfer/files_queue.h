#pragma once

// The files queue: the sending and the receiving list, and the scheduler that
// runs at most ten sending transfers at once. Everything here is on the GUI thread;
// the engine's reports come in through applyReport() and sendEnded().

#include "transfer/files_queue_model.h"
#include "transfer/transfer_control.h"

#include <QObject>
#include <QSet>

namespace quorvelle::transfer {

class TransferEngine;

class FilesQueue : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxRunningSends = 10;

    explicit FilesQueue(TransferControl& control, QObject* parent = nullptr,
                        std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    FilesQueueModel& sending() { return m_sending; }
    FilesQueueModel& receiving() { return m_receiving; }
    FilesQueueModel& list(Direction direction)
    {
        return direction == Direction::Send ? m_sending : m_receiving;
    }

    // Every file for every nick, in that order; a pair already listed (in any state)
    // is skipped. Starts what the limit allows; gives the number of entries added.
    int addFiles(const QStringList& paths, const QStringList& nicks);
    // Start on a sending row: a running transfer tries to connect now, any other one
    // starts again, whatever the number running.
    void start(int row);
    // Stops the row's transfer if it runs, then drops the row.
    void remove(Direction direction, int row);
    // Drops every "Send OK" or "Receive OK" row of the list.
    void removeSucceeded(Direction direction);
    int runningSends() const { return int(m_running.size()); }

    void applyReport(quorvelle::transfer::Direction direction,
                     const quorvelle::transfer::TransferInfo& info, int fields);
    void sendEnded(int id);

signals:
    // A row reached a final state (done or failed), once.
    void ended(quorvelle::transfer::Direction direction,
               const quorvelle::transfer::TransferInfo& info);

private:
    void startNextQueued();
    void startEntry(int row);

    TransferControl& m_control;
    FilesQueueModel m_sending;
    FilesQueueModel m_receiving;
    QSet<int> m_running; // sending ids with a worker
    int m_sendCounter = 0;
};

// Reports and ends of the engine's workers reach the queue.
void ConnectQueue(TransferEngine& engine, FilesQueue& queue);

// The line #Main shows when a transfer ends: what, how big, with whom, and for a
// received file links that open it and its folder; or which file failed and why.
QString TransferEndLine(Direction direction, const TransferInfo& info);

} // namespace quorvelle::transfer
