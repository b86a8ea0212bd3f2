#pragma once

// The files queue window (TFQueueFm): the sending and the receiving list over the
// queue's models, with their tool bars. The transfers go on while it is closed;
// opening it again shows every row as the queue kept it.

#include "transfer/transfer_info.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QTableView;

namespace quorvelle::transfer {

class FileTransfers;

class TFQueueFm : public QWidget
{
    Q_OBJECT

public:
    explicit TFQueueFm(FileTransfers& transfers);

    QTableView* list(Direction direction) const
    {
        return direction == Direction::Send ? lvSendList : lvRecvList;
    }

signals:
    // "Add File to Queue": the send-file dialog, with the files dropped on the
    // sending list if any.
    void addFilesRequested(const QStringList& files = {});
    void incomingDirChosen(const QString& dir);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeList(Direction direction);
    int selectedRow(Direction direction) const;
    void followSelection(Direction direction);
    void selectAfterRemove(Direction direction, int row);
    void FilesDirButtClick();

    FileTransfers& m_transfers;
    QTableView* lvSendList;
    QTableView* lvRecvList;
    QAction* RemSendButt;
    QAction* RemOkSendButt;
    QAction* StartSendButt;
    QAction* OpenRecvButt;
    QAction* RemRecvButt;
    QAction* RemOkRecvButt;
    QLineEdit* EdRecvDir;
};

} // namespace quorvelle::transfer
