#include "transfer/files_queue_model.h"

#include <QFileInfo>
#include <QLocale>
#include <QTime>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

namespace {

// A time of day, as the clock shows it: whole days drop off.
QString clockText(qint64 seconds)
{
    return QTime(0, 0).addSecs(int(seconds % 86400)).toString(u"H:mm:ss"_s);
}

} // namespace

QString FormatByteCount(qint64 count)
{
    const QLocale locale;
    if (count >= 0 && count < 1000)
        return QString::number(count) + u" b"_s;
    if (count >= 1000 && count < 1000000)
        return locale.toString(count / 1000.0, 'f', 1) + u" K"_s;
    return locale.toString(count / 1000000.0, 'f', 1) + u" M"_s;
}

FilesQueueModel::FilesQueueModel(Direction direction, QObject* parent,
                                 std::function<QDateTime()> clock)
    : QAbstractTableModel(parent), m_direction(direction), m_clock(std::move(clock))
{}

int FilesQueueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int FilesQueueModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FilesQueueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return section >= SizeColumn && section <= PercentColumn
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileNameColumn:
        return tr("FileName:");
    case NickNameColumn:
        return tr("NickName:");
    case SizeColumn:
        return tr("Size:");
    case DoneColumn:
        return m_direction == Direction::Send ? tr("Send:") : tr("Recv:");
    case SpeedColumn:
        return tr("CPS:");
    case TimeColumn:
        return tr("Time:");
    case PercentColumn:
        return u"%"_s;
    case StatusColumn:
        return tr("Status Message:");
    default:
        return {};
    }
}

QString FilesQueueModel::cellText(int row, int column) const
{
    const Row& r = m_rows.at(row);
    switch (column) {
    case FileNameColumn:
        return QFileInfo(r.info.fileName).fileName();
    case NickNameColumn:
        return r.info.nickName;
    case SizeColumn:
        return FormatByteCount(r.info.size);
    case DoneColumn:
        return FormatByteCount(r.info.done);
    case SpeedColumn:
        return r.speed;
    case TimeColumn:
        return r.time;
    case PercentColumn:
        return r.percent;
    case StatusColumn:
        return ShownStatusText(r.info);
    default:
        return {};
    }
}

QVariant FilesQueueModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const TransferInfo& info = m_rows.at(index.row()).info;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return headerData(index.column(), Qt::Horizontal, role);
    case StateRole:
        return info.state;
    case IdRole:
        return info.id;
    case PathRole:
        return info.fileName;
    default:
        return {};
    }
}

int FilesQueueModel::rowOfId(int id) const
{
    for (int i = 0; i < count(); ++i)
        if (m_rows.at(i).info.id == id)
            return i;
    return -1;
}

void FilesQueueModel::append(const TransferInfo& info)
{
    beginInsertRows({}, count(), count());
    m_rows.append(Row{info});
    endInsertRows();
}

void FilesQueueModel::apply(const TransferInfo& report, int fields)
{
    if (m_removed.contains(report.id))
        return;
    int row = rowOfId(report.id);
    if (row < 0) {
        append(report);
        row = count() - 1;
    } else {
        TransferInfo& info = m_rows[row].info;
        if (fields & Field::FileName)
            info.fileName = report.fileName;
        if (fields & Field::NickName)
            info.nickName = report.nickName;
        if (fields & Field::Size)
            info.size = report.size;
        if (fields & Field::Done)
            info.done = report.done;
        if (fields & Field::State)
            info.state = report.state;
        if (fields & Field::Address)
            info.address = report.address;
        if (fields & Field::Time)
            info.time = report.time;
    }
    Row& r = m_rows[row];
    if (fields & Field::Elapsed) {
        r.info.elapsedMs = report.elapsedMs;
        r.finished = true;
    } else if (fields & Field::Time) {
        r.finished = false; // started again
    }
    refreshCells(r, fields);
    rowChanged(row);
}

void FilesQueueModel::refreshCells(Row& r, int fields)
{
    const TransferInfo& info = r.info;
    if (fields & Field::Done) {
        if (!info.time.isValid() || info.done == 0) {
            r.speed = u"0 b"_s;
            r.time = u"0:00:00"_s;
        } else {
            const qint64 ms = r.finished ? info.elapsedMs : info.time.msecsTo(m_clock());
            qint64 seconds = (ms / 1000) % 86400;
            if (seconds <= 0)
                seconds = 1;
            const double speed = double(info.done) / double(seconds);
            r.speed = FormatByteCount(qRound64(speed));
            r.time = clockText(qMax<qint64>(0, qint64((info.size - info.done) / speed)));
        }
        r.percent = info.size == 0
                        ? u"0 %"_s
                        : QString::number(qRound64(info.done * 100.0 / info.size)) + u" %"_s;
    }
    if (fields & Field::Time)
        r.time = u"0:00:00"_s;
    if (fields & Field::Elapsed)
        r.time = clockText(info.elapsedMs / 1000);
}

void FilesQueueModel::setState(int row, int state)
{
    m_rows[row].info.state = state;
    rowChanged(row);
}

void FilesQueueModel::removeEntry(int row)
{
    m_removed.insert(m_rows.at(row).info.id);
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

bool FilesQueueModel::hasSucceeded() const
{
    const int ok = m_direction == Direction::Send ? SendOk : ReceiveOk;
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [ok](const Row& r) { return r.info.state == ok; });
}

void FilesQueueModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

} // namespace quorvelle::transfer
