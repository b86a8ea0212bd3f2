#include "history/search_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace quorvelle::history {

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column
{
    ConversationColumn,
    DateColumn,
    TimeColumn,
    NickColumn,
    LineColumn,
    ColumnCount
};
constexpr int FileRole = Qt::UserRole;
constexpr int LineNumberRole = Qt::UserRole + 1;
constexpr int MessageRole = Qt::UserRole + 3; // index into m_messages, -1 for a log line
constexpr int MatchRole = Qt::UserRole + 2;   // the query, for the highlight

// The line as plain text, the query's matches on a marked background.
class MatchDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        const QString match = index.data(MatchRole).toString();
        const auto cs = Qt::CaseSensitivity(index.data(MatchRole + 1).toInt());
        const QRect r = o.rect.adjusted(3, 0, -3, 0);
        painter->save();
        painter->setFont(o.font);
        const QFontMetrics metrics(o.font);
        int x = r.left();
        for (qsizetype at = 0; at < text.size() && x < r.right();) {
            const qsizetype hit = match.isEmpty() ? -1 : text.indexOf(match, at, cs);
            const qsizetype end = hit < 0 ? text.size() : hit;
            const QString before = text.mid(at, end - at);
            painter->setPen(o.palette.color(
                o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
            painter->drawText(QRect(x, r.top(), r.right() - x, r.height()),
                              Qt::AlignVCenter | Qt::TextSingleLine, before);
            x += metrics.horizontalAdvance(before);
            if (hit < 0)
                break;
            const QString found = text.mid(hit, match.size());
            const QRect box(x, r.top() + 1, metrics.horizontalAdvance(found), r.height() - 2);
            painter->fillRect(box, QColor(255, 230, 90));
            painter->setPen(Qt::black);
            painter->drawText(box, Qt::AlignVCenter | Qt::TextSingleLine, found);
            x += box.width();
            at = hit + match.size();
        }
        painter->restore();
    }
};

} // namespace

struct TSearchFm::Run
{
    std::atomic<bool> stop{false};
    std::atomic<qint64> done{0}, total{0};
    QMutex mutex;
    QList<SearchHit> found; // taken by the window in batches
};

TSearchFm::TSearchFm(QString logsDirectory, const net::WireText& text)
    : QWidget(nullptr, Qt::Window), m_directory(std::move(logsDirectory)), m_text(text)
{
    setObjectName(u"TSearchFm"_s);
    setWindowTitle(tr("Search History"));
    m_query = new QLineEdit(this);
    m_query->setObjectName(u"SearchText"_s);
    m_query->setPlaceholderText(tr("Text to find in every log and message"));
    m_conversation = new QComboBox(this);
    m_conversation->addItem(tr("All conversations"), QString());
    for (const QFileInfo& log : QDir(m_directory).entryInfoList({u"*.log"_s}, QDir::Files))
        m_conversation->addItem(ConversationOfLog(log.fileName()),
                                ConversationOfLog(log.fileName()));
    m_nick = new QLineEdit(this);
    m_nick->setPlaceholderText(tr("Any nick"));
    m_useDays = new QCheckBox(tr("Days from"), this);
    m_from = new QDateEdit(QDate::currentDate().addDays(-7), this);
    m_to = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit* d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(u"dd.MM.yyyy"_s);
        d->setEnabled(false);
        connect(m_useDays, &QCheckBox::toggled, d, &QWidget::setEnabled);
    }
    m_matchCase = new QCheckBox(tr("Match case"), this);
    m_go = new QPushButton(tr("Search"), this);
    m_go->setDefault(true);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(10);
    m_progress->hide();
    m_count = new QLabel(this);

    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels(
        {tr("Conversation"), tr("Date"), tr("Time"), tr("Nick"), tr("Line")});
    m_results = new QTreeView(this);
    m_results->setObjectName(u"SearchResults"_s);
    m_results->setModel(m_model);
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setItemDelegateForColumn(LineColumn, new MatchDelegate(m_results));
    m_results->header()->setStretchLastSection(true);
    const int widths[] = {110, 80, 60, 90};
    for (int c = 0; c < 4; ++c)
        m_results->header()->resizeSection(c, widths[c]);
    m_results->installEventFilter(this);
    connect(m_results, &QAbstractItemView::doubleClicked, this, &TSearchFm::showResult);

    auto* filters = new QGridLayout;
    filters->addWidget(m_query, 0, 0, 1, 4);
    filters->addWidget(m_go, 0, 4);
    filters->addWidget(m_conversation, 1, 0);
    filters->addWidget(m_nick, 1, 1);
    filters->addWidget(m_matchCase, 1, 2, 1, 3);
    filters->addWidget(m_useDays, 2, 0);
    filters->addWidget(m_from, 2, 1);
    filters->addWidget(m_to, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_progress);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_count);
    resize(720, 460);

    m_drain = new QTimer(this);
    m_drain->setInterval(50);
    connect(m_drain, &QTimer::timeout, this, &TSearchFm::takeFound);
    connect(m_go, &QPushButton::clicked, this, [this] { searching() ? stop() : search(); });
    connect(m_query, &QLineEdit::returnPressed, this, &TSearchFm::search);
}

TSearchFm::~TSearchFm()
{
    stop();
    if (m_thread)
        m_thread->wait();
}

void TSearchFm::search()
{
    if (searching() || m_query->text().isEmpty())
        return;
    SearchQuery query;
    query.text = m_query->text();
    query.cs = m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    query.conversation = m_conversation->currentData().toString();
    query.nick = m_nick->text().trimmed();
    if (m_useDays->isChecked()) {
        query.from = m_from->date();
        query.to = m_to->date();
    }
    m_model->removeRows(0, m_model->rowCount());
    m_messages.clear();
    m_shown = query; // what the results below are marked with
    m_run = std::make_shared<Run>();
    // The thread's own copy of the code page: the user may change it meanwhile.
    m_thread =
        QThread::create([run = m_run, query, dir = m_directory, codepage = m_text.codepage()] {
            const net::WireText text(codepage);
            SearchLogs(
                dir, query, text,
                [&run](const SearchHit& hit) {
                    QMutexLocker lock(&run->mutex);
                    run->found.append(hit);
                    return true;
                },
                [&run](qint64 done, qint64 total) {
                    run->done = done;
                    run->total = total;
                },
                &run->stop);
        });
    connect(m_thread, &QThread::finished, this, &TSearchFm::finished);
    m_go->setText(tr("Stop"));
    m_progress->setValue(0);
    m_progress->show();
    m_count->setText(tr("Searching..."));
    m_drain->start();
    m_thread->start(QThread::LowPriority);
}

void TSearchFm::stop()
{
    if (m_run)
        m_run->stop = true;
}

void TSearchFm::takeFound()
{
    if (!m_run)
        return;
    QList<SearchHit> batch;
    {
        QMutexLocker lock(&m_run->mutex);
        batch.swap(m_run->found);
    }
    for (const SearchHit& hit : batch) {
        QList<QStandardItem*> row;
        for (const QString& cell :
             {hit.conversation, hit.date.toString(u"dd.MM.yyyy"_s), hit.time, hit.nick, hit.line})
            row.append(new QStandardItem(cell));
        row[0]->setData(hit.file, FileRole);
        row[0]->setData(hit.lineNumber, LineNumberRole);
        row[0]->setData(hit.message ? int(m_messages.size()) : -1, MessageRole);
        if (hit.message)
            m_messages.append(*hit.message);
        row[LineColumn]->setData(m_shown.text, MatchRole);
        row[LineColumn]->setData(int(m_shown.cs), MatchRole + 1);
        row[LineColumn]->setToolTip(hit.line);
        m_model->appendRow(row);
    }
    const qint64 total = m_run->total;
    if (total > 0)
        m_progress->setValue(int(m_run->done * 1000 / total));
    if (!batch.isEmpty())
        m_count->setText(tr("%n found so far", nullptr, m_model->rowCount()));
}

void TSearchFm::finished()
{
    takeFound();
    m_drain->stop();
    const bool stopped = m_run->stop;
    m_thread->deleteLater();
    m_thread = nullptr;
    m_run.reset();
    m_go->setText(tr("Search"));
    m_progress->hide();
    m_count->setText(stopped ? tr("Stopped: %n found", nullptr, m_model->rowCount())
                             : tr("%n found", nullptr, m_model->rowCount()));
    if (m_model->rowCount() > 0 && !m_results->currentIndex().isValid())
        m_results->setCurrentIndex(m_model->index(0, 0));
}

void TSearchFm::showResult(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QModelIndex first = index.siblingAtColumn(0);
    const qint64 number = first.data(LineNumberRole).toLongLong();
    if (const int message = first.data(MessageRole).toInt(); message >= 0) {
        emit messageRequested(m_messages.value(message));
        return;
    }
    // The lines around it in its log, the found one selected.
    constexpr int Context = 10;
    const QStringList lines =
        LogLinesAround(first.data(FileRole).toString(), number, Context, m_text);
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(first.data().toString());
    auto* view = new QPlainTextEdit(dialog);
    view->setReadOnly(true);
    view->setPlainText(lines.join(u'\n'));
    QTextCursor at(view->document()->findBlockByNumber(int(qMin<qint64>(number, Context))));
    at.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view->setTextCursor(at);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(view);
    dialog->resize(640, 360);
    dialog->show();
}

bool TSearchFm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_results && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showResult(m_results->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvelle::history
