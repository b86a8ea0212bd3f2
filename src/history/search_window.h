#pragma once

// "Search History...": one query over every log and the messages archive. The
// search runs on a thread of its own; results stream into the list as they are
// found, with progress and a Stop, and the window never waits for it. Enter or a
// double click shows a result where it was said.

#include "history/log_search.h"

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QThread;
class QTimer;
class QTreeView;

namespace quorvelle::history {

class TSearchFm : public QWidget
{
    Q_OBJECT

public:
    TSearchFm(QString logsDirectory, const net::WireText& text);
    ~TSearchFm() override;

    void search();
    void stop();
    bool searching() const { return m_thread != nullptr; }
    QTreeView* results() const { return m_results; }
    QLineEdit* query() const { return m_query; }

signals:
    // A message found in the archive, to be shown in a message window.
    void messageRequested(const quorvelle::messages::ArchiveRecord& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Run; // what the thread shares with the window
    void takeFound();
    void finished();
    void showResult(const QModelIndex& index);

    const QString m_directory;
    const net::WireText& m_text;
    QLineEdit* m_query;
    QComboBox* m_conversation;
    QLineEdit* m_nick;
    QCheckBox* m_useDays;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QCheckBox* m_matchCase;
    QPushButton* m_go;
    QProgressBar* m_progress;
    QLabel* m_count;
    QTreeView* m_results;
    QStandardItemModel* m_model;
    QTimer* m_drain;
    QThread* m_thread = nullptr;
    std::shared_ptr<Run> m_run;
    SearchQuery m_shown;                       // the query of the results in the list
    QList<messages::ArchiveRecord> m_messages; // the archive's hits, by MessageRole
};

} // namespace quorvelle::history
