#include "transfer/files_queue.h"

#include "transfer/transfer_engine.h"

#include <QFileInfo>
#include <QUrl>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

FilesQueue::FilesQueue(TransferControl& control, QObject* parent, std::function<QDateTime()> clock)
    : QObject(parent), m_control(control), m_sending(Direction::Send, this, clock),
      m_receiving(Direction::Receive, this, clock)
{}

int FilesQueue::addFiles(const QStringList& paths, const QStringList& nicks)
{
    int added = 0;
    for (const QString& path : paths) {
        for (const QString& nick : nicks) {
            bool listed = false;
            for (int i = 0; i < m_sending.count() && !listed; ++i)
                listed = m_sending.entry(i).fileName == path && m_sending.entry(i).nickName == nick;
            if (listed)
                continue;
            TransferInfo entry;
            entry.id = ++m_sendCounter;
            entry.fileName = path;
            entry.nickName = nick;
            m_sending.append(entry);
            ++added;
            startNextQueued();
        }
    }
    return added;
}

void FilesQueue::start(int row)
{
    const int id = m_sending.entry(row).id;
    if (m_running.contains(id))
        m_control.wake(id);
    else
        startEntry(row);
}

void FilesQueue::remove(Direction direction, int row)
{
    FilesQueueModel& model = list(direction);
    const TransferInfo& info = model.entry(row);
    const bool running =
        direction == Direction::Send ? m_running.contains(info.id) : !IsFinalState(info.state);
    if (running)
        m_control.stop(direction, info.id);
    model.removeEntry(row);
}

void FilesQueue::removeSucceeded(Direction direction)
{
    FilesQueueModel& model = list(direction);
    const int ok = direction == Direction::Send ? SendOk : ReceiveOk;
    for (int row = model.count() - 1; row >= 0; --row)
        if (model.entry(row).state == ok)
            model.removeEntry(row);
}

void FilesQueue::applyReport(Direction direction, const TransferInfo& info, int fields)
{
    // Sending rows are made by the queue; a report never adds one.
    if (direction == Direction::Send && m_sending.rowOfId(info.id) < 0)
        return;
    FilesQueueModel& model = list(direction);
    const auto finalAt = [&model, &info] {
        const int row = model.rowOfId(info.id);
        return row >= 0 && IsFinalState(model.entry(row).state);
    };
    const bool wasFinal = finalAt();
    model.apply(info, fields);
    if (!wasFinal && finalAt())
        emit ended(direction, model.entry(model.rowOfId(info.id)));
}

QString TransferEndLine(Direction direction, const TransferInfo& info)
{
    // A line of #Main, so of its log too: English, never translated.
    const QFileInfo file(info.fileName);
    const QString name = file.fileName().isEmpty() ? u"a file"_s : u'"' + file.fileName() + u'"';
    const QString nick = info.nickName.isEmpty() ? u"a peer"_s : info.nickName;
    const bool ok = info.state == (direction == Direction::Send ? SendOk : ReceiveOk);
    if (direction == Direction::Send)
        return ok ? u"Sent %1 (%2) to %3"_s.arg(name, FormatByteCount(info.done), nick)
                  : u"Sending %1 to %2 failed: %3"_s.arg(name, nick, StatusText(info));
    if (!ok)
        return u"Receiving %1 from %2 failed: %3"_s.arg(name, nick, StatusText(info));
    // Encoded, so that a name with spaces stays one link.
    const auto link = [](const QString& path) {
        return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    };
    return u"Received %1 (%2) from %3: %4 (folder %5)"_s.arg(name, FormatByteCount(info.done), nick,
                                                             link(file.absoluteFilePath()),
                                                             link(file.absolutePath() + u'/'));
}

void FilesQueue::sendEnded(int id)
{
    m_running.remove(id);
    startNextQueued();
}

void FilesQueue::startNextQueued()
{
    if (m_running.size() >= MaxRunningSends)
        return;
    for (int row = 0; row < m_sending.count(); ++row) {
        if (m_sending.entry(row).state == Queued) {
            startEntry(row);
            return;
        }
    }
}

void FilesQueue::startEntry(int row)
{
    m_sending.setState(row, Created);
    const TransferInfo& entry = m_sending.entry(row);
    m_running.insert(entry.id);
    m_control.startSend(entry);
}

void ConnectQueue(TransferEngine& engine, FilesQueue& queue)
{
    QObject::connect(&engine, &TransferEngine::transferChanged, &queue, &FilesQueue::applyReport);
    QObject::connect(&engine, &TransferEngine::sendEnded, &queue, &FilesQueue::sendEnded);
}

} // namespace quorvelle::transfer
