#pragma once

// The messages archive window (TMessArchFm): every record of "Messages.log" in three
// tabs (all, incoming, outgoing) over one model. The file is read off the GUI thread,
// so the window is painted at once and stays responsive while a large archive loads;
// Enter or a double-click asks for the record in a message window.

#include "messages/message_archive.h"

#include <QWidget>
#include <atomic>
#include <memory>

class QLineEdit;
class QProgressBar;
class QTabWidget;
class QThread;
class QTimer;
class QTreeView;

namespace quorvelle::messages {

class ArchiveFilter;

class ArchiveModel;

class TMessArchFm : public QWidget
{
    Q_OBJECT

public:
    TMessArchFm();
    ~TMessArchFm() override;

    // Reads the archive at path; the lists fill when it is read. A missing file
    // leaves them empty.
    void load(const QString& path, const net::WireText& text);
    bool loading() const { return m_reader != nullptr; }

    QTreeView* list(int tab) const { return m_lists[tab]; }
    QTabWidget* pages() const { return PageControl1; }

signals:
    void viewRequested(const quorvelle::messages::ArchiveRecord& record);
    void loaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Reading;

    void finishLoad();
    void showProgress();
    void ViewMessage(QTreeView* list);
    void PageControl1Change(int index);

    QTabWidget* PageControl1;
    QTreeView* m_lists[3]; // ListAll, ListIncom, ListOut
    ArchiveFilter* m_filters[3];
    QLineEdit* FilterEdit;
    bool m_scrolled[3] = {true, false, false}; // the tab's Tag: shown once
    QProgressBar* ProgressMess;
    ArchiveModel* m_model;
    QThread* m_reader = nullptr;
    QTimer* m_progressTimer;
    std::shared_ptr<Reading> m_reading;
};

} // namespace quorvelle::messages
