#pragma once

// The records of the messages archive as the archive window lists them: one model
// holding every record, and the incoming and outgoing lists as filtered views of it.

#include "messages/message_archive.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <optional>

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
// One tab's view of the archive: all records, or those of one direction, narrowed
// to those whose text or nicks hold the filter text (any case).
class ArchiveFilter : public QSortFilterProxyModel
{
public:
    // outgoing: none for every record.
    ArchiveFilter(std::optional<bool> outgoing, QObject* parent)
        : QSortFilterProxyModel(parent), m_outgoing(outgoing)
    {}

    void setText(const QString& text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    std::optional<bool> m_outgoing;
    QString m_text;
};

} // namespace quorvelle::messages
