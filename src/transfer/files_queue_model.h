#pragma once

// The rows of one list of the files queue (sending or receiving), kept from the
// workers' reports. Views show it; the cells for speed, remaining time and percent
// are worked out when a report brings them, so a repaint never changes a row.

#include "transfer/transfer_info.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <functional>

namespace quorvelle::transfer {

// 0 .. 999 "512 b", below a million "12.3 K", from there (and negative) "1.5 M";
// powers of 1000, the locale's decimal separator.
QString FormatByteCount(qint64 count);

class FilesQueueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        FileNameColumn,
        NickNameColumn,
        SizeColumn,
        DoneColumn, // "Send:" or "Recv:"
        SpeedColumn,
        TimeColumn, // remaining while running, elapsed once finished
        PercentColumn,
        StatusColumn,
        ColumnCount
    };
    enum Roles
    {
        StateRole = Qt::UserRole + 1, // int, the state code
        IdRole,                       // int
        PathRole,                     // QString, the full file name
    };

    explicit FilesQueueModel(Direction direction, QObject* parent = nullptr,
                             std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    Direction direction() const { return m_direction; }
    int count() const { return int(m_rows.size()); }
    const TransferInfo& entry(int row) const { return m_rows.at(row).info; }
    int rowOfId(int id) const;
    // Text of a cell as shown, for the views and the tests.
    QString cellText(int row, int column) const;

    void append(const TransferInfo& info);
    // A report: only the fields named are taken. A report for an unknown id adds a
    // row, unless that id was removed (reports of a stopped worker still come).
    void apply(const TransferInfo& report, int fields);
    void setState(int row, int state);
    void removeEntry(int row);
    // Any row in its successful final state ("Send OK" or "Receive OK").
    bool hasSucceeded() const;

private:
    struct Row
    {
        TransferInfo info;
        bool finished = false; // info.elapsedMs holds the elapsed time
        QString speed = QStringLiteral("0 b");
        QString time = QStringLiteral("0:00:00");
        QString percent = QStringLiteral("0 %");
    };
    void refreshCells(Row& row, int fields);
    void rowChanged(int row);

    Direction m_direction;
    std::function<QDateTime()> m_clock;
    QList<Row> m_rows;
    QSet<int> m_removed;
};

} // namespace quorvelle::transfer
