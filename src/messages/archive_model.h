#pragma once

// The records of the messages archive as the archive window lists them: one model
// holding every record, and the incoming and outgoing lists as filtered views of it.

#include "messages/message_archive.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace quorvelle::messages {

class ArchiveModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Direction, // "<" or ">", with the single or mass message icon
        DateTime,
        From,
        To,
        Text,
        ColumnCount
    };
    static constexpr int OutgoingRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(QList<ArchiveRecord> records);
    const ArchiveRecord& record(int row) const { return m_records.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ArchiveRecord> m_records;
};

// The records of one direction.
class ArchiveDirectionFilter : public QSortFilterProxyModel
{
public:
    ArchiveDirectionFilter(bool outgoing, QObject* parent)
        : QSortFilterProxyModel(parent), m_outgoing(outgoing)
    {}

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    bool m_outgoing;
};

} // namespace quorvelle::messages
