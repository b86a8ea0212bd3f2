#include "messages/archive_window.h"

#include "messages/archive_model.h"
#include "shell/image_list.h"

#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

// What the reading thread shares with the window: its progress, a way to stop it,
// and the records once it is done.
struct TMessArchFm::Reading
{
    std::atomic<qsizetype> done{0};
    std::atomic<qsizetype> total{0};
    std::atomic_bool stop{false};
    QList<ArchiveRecord> records;
};

TMessArchFm::TMessArchFm()
    : QWidget(nullptr, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"TMessArchFm"_s);
    setWindowTitle(tr("Messages Archive"));
    setWindowIcon(shell::ImageList::icon(28));
    setMinimumSize(211, 162);
    resize(492, 325);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + std::max(0, (area.width() - width()) / 2),
             area.top() + std::max(0, (area.height() - height()) / 2));
    }

    m_model = new ArchiveModel(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(u"PageControl1"_s);
    struct Tab
    {
        const char16_t* list;
        QString caption;
        int image;
    };
    const Tab tabs[3] = {{u"ListAll", tr("All"), 29},
                         {u"ListIncom", tr("Incoming"), 20},
                         {u"ListOut", tr("Outgoing"), 19}};
    for (int i = 0; i < 3; ++i) {
        auto* list = new QTreeView(PageControl1);
        list->setObjectName(QString::fromUtf16(tabs[i].list));
        auto* filter = new ArchiveFilter(i == 0 ? std::nullopt : std::optional<bool>(i == 2), list);
        filter->setSourceModel(m_model);
        list->setModel(filter);
        m_filters[i] = filter;
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true); // 100 000 rows lay out at once
        list->setItemsExpandable(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setWordWrap(false);
        list->setTextElideMode(Qt::ElideRight);
        list->setToolTip(tr("No Messages Loaded"));
        QHeaderView* header = list->header();
        header->setSectionsClickable(false);
        header->setStretchLastSection(true);
        // The date and time column fits its text in the window's font.
        const int stamp = list->fontMetrics().horizontalAdvance(u"00.00.0000 00:00:00"_s) + 16;
        const int widths[] = {25, qMax(115, stamp), 50, 50};
        for (int c = 0; c < 4; ++c)
            header->resizeSection(c, widths[c]);
        list->installEventFilter(this);
        connect(list, &QAbstractItemView::doubleClicked, this, [this, list] { ViewMessage(list); });
        PageControl1->addTab(list, shell::ImageList::icon(tabs[i].image), tabs[i].caption);
        m_lists[i] = list;
    }

    ProgressMess = new QProgressBar(this);
    ProgressMess->setObjectName(u"ProgressMess"_s);
    ProgressMess->setFixedHeight(14);
    ProgressMess->setTextVisible(false);
    ProgressMess->setRange(0, 1);
    ProgressMess->setValue(0);
    PageControl1->setCornerWidget(ProgressMess, Qt::TopRightCorner);
    ProgressMess->hide(); // shown only while the file is read

    // One filter for the three lists: text or nick.
    FilterEdit = new QLineEdit(this);
    FilterEdit->setObjectName(u"FilterEdit"_s);
    FilterEdit->setPlaceholderText(tr("Filter by text or nick"));
    FilterEdit->setClearButtonEnabled(true);
    FilterEdit->installEventFilter(this);
    connect(FilterEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (ArchiveFilter* filter : m_filters)
            filter->setText(text);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(FilterEdit);
    layout->addWidget(PageControl1);

    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, &TMessArchFm::showProgress);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMessArchFm::PageControl1Change);
    m_lists[0]->setFocus(); // the keys walk the list; the filter is a click or Tab away
}

TMessArchFm::~TMessArchFm()
{
    if (m_reader) {
        // Stops at its next line; the file is already in memory by then.
        m_reading->stop = true;
        m_reader->wait();
        delete m_reader;
    }
}

void TMessArchFm::load(const QString& path, const net::WireText& text)
{
    if (m_reader || !QFile::exists(path))
        return;
    m_reading = std::make_shared<Reading>();
    m_reader = QThread::create([path, text, reading = m_reading] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        reading->records = ReadArchive(bytes, text, [&](qsizetype done, qsizetype total) {
            reading->done.store(done, std::memory_order_relaxed);
            reading->total.store(total, std::memory_order_relaxed);
            return !reading->stop.load(std::memory_order_relaxed);
        });
    });
    connect(m_reader, &QThread::finished, this, &TMessArchFm::finishLoad);
    setCursor(Qt::BusyCursor);
    ProgressMess->show();
    m_progressTimer->start();
    m_reader->start(QThread::LowPriority);
}

void TMessArchFm::showProgress()
{
    const qsizetype total = m_reading->total.load(std::memory_order_relaxed);
    if (total <= 0)
        return;
    // The bar counts in thousandths, so any number of lines fits its int range.
    ProgressMess->setRange(0, 1000);
    ProgressMess->setValue(int(m_reading->done.load(std::memory_order_relaxed) * 1000 / total));
}

void TMessArchFm::finishLoad()
{
    m_progressTimer->stop();
    m_reader->wait();
    m_reader->deleteLater();
    m_reader = nullptr;
    m_model->setRecords(std::move(m_reading->records));
    m_reading.reset();

    for (int i = 0; i < 3; ++i) {
        QTreeView* list = m_lists[i];
        const int rows = list->model()->rowCount();
        list->setToolTip(tr("Messages Loaded: %1").arg(rows));
        if (rows > 0)
            list->setCurrentIndex(list->model()->index(rows - 1, 0));
    }
    m_lists[PageControl1->currentIndex()]->scrollToBottom();
    m_scrolled[PageControl1->currentIndex()] = true;
    ProgressMess->setRange(0, 1);
    ProgressMess->setValue(0);
    ProgressMess->hide();
    unsetCursor();
    emit loaded();
}

void TMessArchFm::PageControl1Change(int index)
{
    // A list that was hidden while it filled goes to its end the first time it shows.
    if (index >= 0 && !m_scrolled[index] && !m_reader) {
        m_scrolled[index] = true;
        m_lists[index]->scrollToBottom();
    }
}

void TMessArchFm::ViewMessage(QTreeView* list)
{
    const QModelIndex current = list->currentIndex();
    if (!current.isValid())
        return;
    int row = current.row();
    if (auto* filter = qobject_cast<QSortFilterProxyModel*>(list->model()))
        row = filter->mapToSource(current).row();
    emit viewRequested(m_model->record(row));
}

bool TMessArchFm::eventFilter(QObject* watched, QEvent* event)
{
    // Esc in the filter empties it first; an empty filter lets Esc close the window.
    if (watched == FilterEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !FilterEdit->text().isEmpty()) {
        FilterEdit->clear();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ViewMessage(static_cast<QTreeView*>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMessArchFm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The bar fills the room to the right of the tabs.
    ProgressMess->setFixedWidth(
        std::max(20, width() - PageControl1->tabBar()->sizeHint().width() - 12));
}

} // namespace quorvelle::messages
