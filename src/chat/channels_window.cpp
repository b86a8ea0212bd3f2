#include "chat/channels_window.h"

#include "chat/chat_session.h"
#include "shell/image_list.h"
#include "shell/secondary_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;

namespace {

QPushButton* Button(const QString& name, const QString& text, int image, QWidget* parent)
{
    auto* button = new QPushButton(shell::ImageList::icon(image), text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TChannelsFm::TChannelsFm(const QList<KeptChannel>& kept)
    : QWidget(nullptr, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
{
    setObjectName(u"TChannelsFm"_s);
    setWindowTitle(tr("Channels"));
    setWindowIcon(shell::ImageList::icon(40));

    auto* own = new QGroupBox(tr(" Your List of Channels: "), this);
    MyChanList = new QListWidget(own);
    MyChanList->setObjectName(u"MyChanList"_s);
    ChanEdit = new QLineEdit(own);
    ChanEdit->setObjectName(u"ChanEdit"_s);
    ChanEdit->setMaxLength(24);
    QPushButton* AddButt = Button(u"AddButt"_s, tr("Add"), 50, own);
    QPushButton* DelButt = Button(u"DelButt"_s, tr("Del"), 51, own);
    QPushButton* JoinButt = Button(u"JoinButt"_s, tr("Join the Channel"), 8, own);
    auto* ownLayout = new QGridLayout(own);
    ownLayout->setContentsMargins(6, 4, 6, 6);
    ownLayout->setSpacing(4);
    ownLayout->addWidget(MyChanList, 0, 0, 1, 3);
    ownLayout->addWidget(ChanEdit, 1, 0, 1, 2);
    ownLayout->addWidget(AddButt, 1, 2);
    ownLayout->addWidget(DelButt, 2, 0);
    ownLayout->addWidget(JoinButt, 2, 1, 1, 2);

    auto* net = new QGroupBox(tr(" Created Channels: "), this);
    CreatedChanList = new QListWidget(net);
    CreatedChanList->setObjectName(u"CreatedChanList"_s);
    GetChanButt = Button(u"GetChanButt"_s, QString(), 69, net);
    GetChanButt->setFlat(true);
    GetChanButt->setToolTip(tr("Ask the net again (Ctrl+R)"));
    QPushButton* AddListButt = Button(u"AddListButt"_s, tr("Add to List"), 20, net);
    auto* netLayout = new QGridLayout(net);
    netLayout->setContentsMargins(6, 4, 6, 6);
    netLayout->setSpacing(4);
    netLayout->addWidget(CreatedChanList, 0, 0, 2, 1);
    netLayout->addWidget(GetChanButt, 0, 1, Qt::AlignTop);
    netLayout->addWidget(AddListButt, 1, 1, Qt::AlignBottom);

    QPushButton* OKButt = Button(u"OKButt"_s, tr("&OK"), 65, this);
    QPushButton* CancelButt = Button(u"CancelButt"_s, tr("Cancel"), 15, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButt);
    buttons->addWidget(CancelButt);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(own, 3);
    layout->addWidget(net, 2);
    layout->addLayout(buttons);

    for (const KeptChannel& channel : kept)
        append(channel.name, channel.opensAtStart);

    // Its size, unless the desktop's font needs more room.
    setFixedSize(QSize(288, 274).expandedTo(minimumSizeHint()));
    shell::CentreOnScreen(this);

    ChanEdit->installEventFilter(this);
    CreatedChanList->installEventFilter(this);
    connect(AddButt, &QPushButton::clicked, this, &TChannelsFm::AddButtClick);
    connect(DelButt, &QPushButton::clicked, this, &TChannelsFm::DelButtClick);
    connect(JoinButt, &QPushButton::clicked, this, &TChannelsFm::JoinButtClick);
    connect(GetChanButt, &QPushButton::clicked, this, &TChannelsFm::GetChanButtClick);
    connect(AddListButt, &QPushButton::clicked, this, &TChannelsFm::AddListButtClick);
    connect(MyChanList, &QListWidget::itemDoubleClicked, this, &TChannelsFm::JoinButtClick);
    connect(CreatedChanList, &QListWidget::itemDoubleClicked, this, &TChannelsFm::AddListButtClick);
    connect(OKButt, &QPushButton::clicked, this, [this] {
        emit confirmed(this->kept());
        close();
    });
    connect(CancelButt, &QPushButton::clicked, this, &QWidget::close);
}

QList<KeptChannel> TChannelsFm::kept() const
{
    QList<KeptChannel> list;
    for (int i = 0; i < MyChanList->count(); ++i)
        list.append(
            {MyChanList->item(i)->text(), MyChanList->item(i)->checkState() == Qt::Checked});
    return list;
}

bool TChannelsFm::listed(const QString& channel) const
{
    for (int i = 0; i < MyChanList->count(); ++i)
        if (MyChanList->item(i)->text() == channel)
            return true;
    return false;
}

void TChannelsFm::append(const QString& channel, bool ticked)
{
    auto* item = new QListWidgetItem(channel, MyChanList);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void TChannelsFm::AddButtClick()
{
    const QString channel = ChannelFromTyped(ChanEdit->text());
    if (channel.isEmpty())
        return;
    ChanEdit->setText(channel);
    if (channel == u"#Main"_s) {
        ChanEdit->clear();
        return;
    }
    // A "/" or "\" would split the name in the packets and in the settings.
    if (!IsChannelName(channel)) {
        QToolTip::showText(ChanEdit->mapToGlobal(QPoint(0, ChanEdit->height())),
                           tr("A channel name cannot hold \"/\", \"\\\" or control characters."),
                           ChanEdit);
        return;
    }
    if (!listed(channel)) {
        append(channel, false);
        ChanEdit->clear();
    }
}

void TChannelsFm::DelButtClick()
{
    delete MyChanList->currentItem();
}

void TChannelsFm::JoinButtClick()
{
    if (const QListWidgetItem* item = MyChanList->currentItem()) {
        emit joinRequested(item->text());
        GetChanButtClick();
    }
}

void TChannelsFm::GetChanButtClick()
{
    CreatedChanList->clear();
    emit channelsAsked();
}

void TChannelsFm::AddCreatedChannels(const QStringList& channels)
{
    for (const QString& channel : channels)
        if (CreatedChanList->findItems(channel, Qt::MatchExactly | Qt::MatchCaseSensitive)
                .isEmpty())
            CreatedChanList->addItem(channel);
}

void TChannelsFm::AddListButtClick()
{
    const QListWidgetItem* item = CreatedChanList->currentItem();
    if (item && item->text() != u"#Main"_s && IsChannelName(item->text()) && !listed(item->text()))
        append(item->text(), false);
}

bool TChannelsFm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ChanEdit && key->key() == Qt::Key_Escape && !ChanEdit->text().isEmpty()) {
            ChanEdit->clear();
            return true;
        }
        if (watched == ChanEdit && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            AddButtClick();
            return true;
        }
        // The keyboard's double click: Enter takes the channel into the own list.
        if (watched == CreatedChanList &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            AddListButtClick();
            return true;
        }
        if (watched == CreatedChanList && key->key() == Qt::Key_R &&
            key->modifiers() == Qt::ControlModifier) {
            GetChanButtClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ChannelsWindows::ChannelsWindows(ChatSession& session, settings::Settings& settings,
                                 std::function<void(QWidget*)> attachEditMenu, QObject* parent)
    : QObject(parent), m_session(session), m_settings(settings),
      m_attachEditMenu(std::move(attachEditMenu))
{}

void ChannelsWindows::Channels1Click()
{
    const bool fresh = !m_window;
    shell::ShowSecondaryWindow(m_window, [this] {
        auto* w = new TChannelsFm(KeptChannels(m_settings));
        m_attachEditMenu(w->findChild<QLineEdit*>(u"ChanEdit"_s));
        connect(w, &TChannelsFm::channelsAsked, this,
                [this] { m_session.actions().AskChannels(); });
        connect(w, &TChannelsFm::joinRequested, this, [this](const QString& channel) {
            m_session.OpenForUser(channel);
            emit channelJoined();
            // The user goes on choosing here: the window stays in front.
            m_window->raise();
            m_window->activateWindow();
        });
        connect(w, &TChannelsFm::confirmed, this,
                [this](const QList<KeptChannel>& kept) { SaveKeptChannels(m_settings, kept); });
        return w;
    });
    if (fresh)
        m_window->GetChanButtClick();
}

void ChannelsWindows::addCreatedChannels(const QStringList& channels)
{
    if (m_window)
        m_window->AddCreatedChannels(channels);
}

} // namespace quorvelle::chat
