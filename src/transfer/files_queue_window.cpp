#include "transfer/files_queue_window.h"

#include "shell/image_list.h"
#include "shell/secondary_window.h"
#include "transfer/dropped_files.h"
#include "transfer/file_transfers.h"
#include "transfer/transfer_icons.h"

#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

namespace {

// The queue's rows with the picture of their state in front of the file name.
class RowPictures : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole && index.column() == FilesQueueModel::FileNameColumn)
            return StateIcon(index.data(FilesQueueModel::StateRole).toInt());
        return QIdentityProxyModel::data(index, role);
    }
};

QToolBar* ToolBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

QAction* Tool(QToolBar* bar, const char* name, const QString& hint, int image)
{
    QAction* action = bar->addAction(shell::ImageList::icon(image), hint);
    action->setObjectName(QLatin1StringView(name));
    action->setToolTip(hint);
    return action;
}

QLabel* Caption(const QString& text, QToolBar* bar)
{
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto* label = new QLabel(text, bar);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(label);
    return label;
}

} // namespace

TFQueueFm::TFQueueFm(FileTransfers& transfers)
    : QWidget(nullptr, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_transfers(transfers)
{
    setObjectName(u"TFQueueFm"_s);
    setWindowTitle(tr("Files Queue"));
    setWindowIcon(shell::ImageList::icon(ImageFilesQueue));
    setMinimumSize(360, 120);
    resize(544, 344);
    shell::CentreOnScreen(this);

    QToolBar* SendTool = ToolBar(this);
    QAction* AddSendButt = Tool(SendTool, "AddSendButt", tr("Add File to Queue"), ImageAddFile);
    RemSendButt = Tool(SendTool, "RemSendButt", tr("Remove File from Queue"), ImageRemove);
    RemOkSendButt =
        Tool(SendTool, "RemOkSendButt", tr("Remove All Ok Files from Queue"), ImageRemoveOk);
    SendTool->addSeparator();
    StartSendButt = Tool(SendTool, "StartSendButt", tr("Start Send File"), ImageStart);
    QAction* StopSendButt = Tool(SendTool, "StopSendButt", tr("Stop Send File"), ImageStop);
    StopSendButt->setCheckable(true);
    StopSendButt->setEnabled(false); // never enabled: Remove stops a transfer
    SendTool->addSeparator();
    QAction* SendGridButt = Tool(SendTool, "SendGridButt", tr("Show Grid Lines"), ImageGrid);
    SendGridButt->setCheckable(true);
    Caption(tr("Sending Files Queue"), SendTool);

    QToolBar* RecvTool = ToolBar(this);
    OpenRecvButt = Tool(RecvTool, "OpenRecvButt", tr("Open Received File"), ImageOpen);
    RemRecvButt = Tool(RecvTool, "RemRecvButt", tr("Remove Received File from Queue"), ImageRemove);
    RemOkRecvButt =
        Tool(RecvTool, "RemOkRecvButt", tr("Remove All Ok Files from Queue"), ImageRemoveOk);
    RecvTool->addSeparator();
    QAction* CancelRecvButt =
        Tool(RecvTool, "CancelRecvButt", tr("Cancel Receive File"), ImageCancel);
    CancelRecvButt->setEnabled(false);
    RecvTool->addSeparator();
    QAction* RecvGridButt = Tool(RecvTool, "RecvGridButt", tr("Show Grid Lines"), ImageGrid);
    RecvGridButt->setCheckable(true);
    EdRecvDir = new QLineEdit(transfers.incomingDir(), RecvTool);
    EdRecvDir->setObjectName(u"EdRecvDir"_s);
    // Wide enough for a usual path; the tool tip has the whole one.
    EdRecvDir->setMinimumWidth(
        qBound(120, EdRecvDir->fontMetrics().horizontalAdvance(EdRecvDir->text()) + 16, 360));
    EdRecvDir->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    EdRecvDir->setCursorPosition(0);
    const auto hint = [this](const QString& path) {
        EdRecvDir->setToolTip(tr("Incomming Directory") + u'\n' + path);
    };
    connect(EdRecvDir, &QLineEdit::textChanged, EdRecvDir, hint);
    hint(EdRecvDir->text());
    RecvTool->addWidget(EdRecvDir);
    QAction* FilesDirButt =
        Tool(RecvTool, "FilesDirButt", tr("Change Incomming Directory"), ImageFolder);
    RecvTool->addSeparator();
    Caption(tr("Receiving Files Queue"), RecvTool);

    lvSendList = makeList(Direction::Send);
    lvRecvList = makeList(Direction::Receive);
    auto* sendPane = new QWidget(this);
    auto* sendLayout = new QVBoxLayout(sendPane);
    sendLayout->setContentsMargins(0, 0, 0, 0);
    sendLayout->setSpacing(0);
    sendLayout->addWidget(SendTool);
    sendLayout->addWidget(lvSendList);
    auto* recvPane = new QWidget(this);
    auto* recvLayout = new QVBoxLayout(recvPane);
    recvLayout->setContentsMargins(0, 0, 0, 0);
    recvLayout->setSpacing(0);
    recvLayout->addWidget(RecvTool);
    recvLayout->addWidget(lvRecvList);
    auto* Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(sendPane);
    Splitter1->addWidget(recvPane);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Splitter1);

    for (QAction* a :
         {RemSendButt, RemOkSendButt, StartSendButt, OpenRecvButt, RemRecvButt, RemOkRecvButt})
        a->setEnabled(false);
    lvSendList->setFocus(); // not the directory box, where a stray key would change it
    RemOkSendButt->setEnabled(transfers.queue().sending().hasSucceeded());
    RemOkRecvButt->setEnabled(transfers.queue().receiving().hasSucceeded());

    FilesQueue& queue = transfers.queue();
    connect(AddSendButt, &QAction::triggered, this, [this] { emit addFilesRequested(); });
    // Remove and Remove All Ok work alike on both lists.
    const struct
    {
        Direction direction;
        QAction* remove;
        QAction* removeOk;
    } lists[] = {{Direction::Send, RemSendButt, RemOkSendButt},
                 {Direction::Receive, RemRecvButt, RemOkRecvButt}};
    for (const auto& l : lists) {
        const Direction d = l.direction;
        connect(l.remove, &QAction::triggered, this, [this, &queue, d] {
            if (const int row = selectedRow(d); row >= 0) {
                queue.remove(d, row);
                selectAfterRemove(d, row);
            }
        });
        connect(l.removeOk, &QAction::triggered, this, [this, &queue, d] {
            queue.removeSucceeded(d);
            selectAfterRemove(d, 0);
        });
    }
    connect(StartSendButt, &QAction::triggered, this, [this, &queue] {
        if (const int row = selectedRow(Direction::Send); row >= 0)
            queue.start(row);
    });
    connect(OpenRecvButt, &QAction::triggered, this, [this, &queue] {
        if (const int row = selectedRow(Direction::Receive); row >= 0)
            QDesktopServices::openUrl(QUrl::fromLocalFile(queue.receiving().entry(row).fileName));
    });
    // A received row opens its file with Enter or a double click, and offers its
    // folder on the right button.
    connect(lvRecvList, &QAbstractItemView::activated, OpenRecvButt, [this] {
        if (OpenRecvButt->isEnabled())
            OpenRecvButt->trigger();
    });
    auto* openFolder = new QAction(tr("Open Folder"), lvRecvList);
    openFolder->setObjectName(u"OpenRecvFolder"_s);
    connect(openFolder, &QAction::triggered, this, [this, &queue] {
        if (const int row = selectedRow(Direction::Receive); row >= 0)
            QDesktopServices::openUrl(QUrl::fromLocalFile(
                QFileInfo(queue.receiving().entry(row).fileName).absolutePath()));
    });
    lvRecvList->addActions({OpenRecvButt, openFolder});
    lvRecvList->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(SendGridButt, &QAction::toggled, lvSendList, &QTableView::setShowGrid);
    connect(RecvGridButt, &QAction::toggled, lvRecvList, &QTableView::setShowGrid);
    connect(EdRecvDir, &QLineEdit::textEdited, this, &TFQueueFm::incomingDirChosen);
    EdRecvDir->installEventFilter(this);
    lvSendList->viewport()->setAcceptDrops(true);
    lvSendList->viewport()->installEventFilter(this);
    connect(FilesDirButt, &QAction::triggered, this, &TFQueueFm::FilesDirButtClick);

    // The buttons follow the selected row, also when a report changes its state.
    for (Direction d : {Direction::Send, Direction::Receive}) {
        QTableView* view = list(d);
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, d] { followSelection(d); });
        connect(view->model(), &QAbstractItemModel::dataChanged, this,
                [this, d] { followSelection(d); });
        connect(view->model(), &QAbstractItemModel::rowsRemoved, this,
                [this, d] { followSelection(d); });
    }
}

QTableView* TFQueueFm::makeList(Direction direction)
{
    auto* view = new QTableView(this);
    view->setObjectName(direction == Direction::Send ? u"lvSendList"_s : u"lvRecvList"_s);
    auto* pictures = new RowPictures(view);
    pictures->setSourceModel(&m_transfers.queue().list(direction));
    view->setModel(pictures);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setMinimumHeight(38);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView* header = view->horizontalHeader();
    header->setStretchLastSection(true);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    const int widths[] = {100, 75, 52, 52, 52, 54, 42};
    for (int c = 0; c < 7; ++c)
        header->resizeSection(c, qMax(widths[c], header->sectionSizeHint(c)));
    // Columns grow to what they show (the user may still make them narrower).
    const auto fit = [view] {
        QHeaderView* h = view->horizontalHeader();
        for (int c = 0; c + 1 < h->count(); ++c)
            h->resizeSection(c, qMax(h->sectionSize(c),
                                     static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c)));
    };
    connect(view->model(), &QAbstractItemModel::rowsInserted, view, fit);
    connect(view->model(), &QAbstractItemModel::dataChanged, view, fit);
    return view;
}

int TFQueueFm::selectedRow(Direction direction) const
{
    const QModelIndexList rows = list(direction)->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFQueueFm::followSelection(Direction direction)
{
    const FilesQueueModel& model = m_transfers.queue().list(direction);
    const int row = selectedRow(direction);
    const int state = row >= 0 ? model.entry(row).state : -1;
    if (direction == Direction::Send) {
        RemSendButt->setEnabled(row >= 0 && state != Connecting);
        StartSendButt->setEnabled(row >= 0 && state != Connecting && state != Sending &&
                                  state != SendOk);
        RemOkSendButt->setEnabled(model.hasSucceeded());
    } else {
        OpenRecvButt->setEnabled(state == ReceiveOk);
        RemRecvButt->setEnabled(row >= 0);
        RemOkRecvButt->setEnabled(model.hasSucceeded());
    }
}

void TFQueueFm::selectAfterRemove(Direction direction, int row)
{
    QTableView* view = list(direction);
    const int rows = view->model()->rowCount();
    if (rows > 0)
        view->selectRow(std::min(row, rows - 1));
    else
        view->clearSelection();
    followSelection(direction);
}

void TFQueueFm::FilesDirButtClick()
{
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("Select Directory for Save Incomming Files"), m_transfers.incomingDir());
    if (!dir.isEmpty())
        emit incomingDirChosen(QDir::fromNativeSeparators(dir) + u'/');
    EdRecvDir->setText(m_transfers.incomingDir());
}

bool TFQueueFm::eventFilter(QObject* watched, QEvent* event)
{
    // Files dropped on the sending list open the send dialog with them.
    if (watched == lvSendList->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (DroppedFiles(drag->mimeData()).isEmpty())
                drag->ignore();
            else
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList files = DroppedFiles(drop->mimeData());
            if (files.isEmpty())
                return false;
            drop->acceptProposedAction();
            emit addFilesRequested(files);
            return true;
        }
        default:
            break;
        }
    }
    if (watched == EdRecvDir && event->type() == QEvent::MouseButtonDblClick &&
        !EdRecvDir->text().isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(EdRecvDir->text()));
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvelle::transfer
