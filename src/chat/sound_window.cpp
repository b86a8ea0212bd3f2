#include "chat/sound_window.h"

#include "chat/sound_player.h"
#include "shell/image_list.h"
#include "shell/secondary_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TSoundFm::TSoundFm(SoundPlayer& player, const std::function<void(QWidget*)>& attachEditMenu)
    : m_player(player), m_copy(player.settings())
{
    setObjectName(u"TSoundFm"_s);
    setWindowTitle(tr("Sound Events"));
    setWindowIcon(shell::ImageList::icon(21));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);

    auto* group = new QGroupBox(tr(" Play Sound on Events: "), this);
    MasterSound =
        Named(new QCheckBox(tr("Enable All Sounds (Master switch)"), group), "MasterSound");
    SoundVisible = Named(new QCheckBox(tr("No Sounds in Hide Chat"), group), "SoundVisible");
    InDnd = Named(new QCheckBox(tr("In DND"), group), "InDnd");
    InAway = Named(new QCheckBox(tr("In Away"), group), "InAway");
    EventLabel = new QLabel(tr("Event:"), group);
    Events = Named(new QComboBox(group), "Events");
    for (const SoundEventInfo& info : SoundEventTable())
        Events->addItem(QCoreApplication::translate("SoundEvents", info.name.data()));
    TestBtn = Named(new QPushButton(tr("Test"), group), "TestBtn");
    Wave = Named(new QRadioButton(tr("WaveFile"), group), "Wave");
    Speacker = Named(new QRadioButton(tr("PC Speaker"), group), "Speacker");
    Disabled = Named(new QRadioButton(tr("Disabled"), group), "Disabled");
    WaveFile = Named(new QLineEdit(group), "WaveFile");
    BrowseBtn = Named(new QToolButton(group), "BrowseBtn");
    BrowseBtn->setText(u"...."_s);
    OkBtn = Named(new QPushButton(shell::ImageList::icon(65), tr("OK"), this), "OkBtn");
    CancelBtn = Named(new QPushButton(shell::ImageList::icon(15), tr("Cancel"), this), "CancelBtn");
    auto* choice = new QButtonGroup(this);
    for (QRadioButton* b : {Wave, Speacker, Disabled})
        choice->addButton(b);

    auto* grid = new QGridLayout(group);
    grid->addWidget(MasterSound, 0, 0, 1, 3);
    grid->addWidget(SoundVisible, 1, 0, 1, 3);
    auto* modes = new QHBoxLayout;
    modes->addWidget(InDnd);
    modes->addWidget(InAway);
    modes->addStretch();
    grid->addLayout(modes, 2, 0, 1, 3);
    grid->addWidget(EventLabel, 3, 0);
    grid->addWidget(Events, 3, 1);
    grid->addWidget(TestBtn, 3, 2);
    auto* radios = new QHBoxLayout;
    for (QRadioButton* b : {Wave, Speacker, Disabled})
        radios->addWidget(b);
    grid->addLayout(radios, 4, 0, 1, 3);
    auto* file = new QHBoxLayout;
    file->addWidget(WaveFile, 1);
    file->addWidget(BrowseBtn);
    grid->addLayout(file, 5, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);
    outer->addLayout(buttons);
    OkBtn->setDefault(true);

    if (attachEditMenu)
        attachEditMenu(WaveFile);
    WaveFile->installEventFilter(this);
    Speacker->installEventFilter(this);

    MasterSound->setChecked(m_copy.MasterSound);
    SoundVisible->setChecked(m_copy.SoundVisible);
    InDnd->setChecked(m_copy.InDND);
    InAway->setChecked(m_copy.InAway);
    connect(Events, &QComboBox::currentIndexChanged, this, &TSoundFm::EventsChange);
    connect(WaveFile, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_showing)
            current().waveFile = text;
    });
    for (QRadioButton* b : {Wave, Speacker, Disabled})
        connect(b, &QRadioButton::clicked, this, &TSoundFm::SpeackerClick);
    connect(MasterSound, &QCheckBox::toggled, this, &TSoundFm::MasterSoundClick);
    connect(BrowseBtn, &QToolButton::clicked, this, &TSoundFm::BrowseBtnClick);
    connect(TestBtn, &QPushButton::clicked, this, &TSoundFm::TestBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TSoundFm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);

    // The window edits the player's settings; it does not outlive them.
    connect(&player, &QObject::destroyed, this, &QObject::deleteLater);

    EventsChange(0);
    setFixedSize(sizeHint());
    shell::CentreOnScreen(this);
}

SoundEventSetting& TSoundFm::current()
{
    return m_copy.events[size_t(qBound(0, Events->currentIndex(), SoundEventCount - 1))];
}

void TSoundFm::EventsChange(int event)
{
    if (event < 0 || event >= SoundEventCount)
        return;
    if (Events->currentIndex() != event) {
        Events->setCurrentIndex(event); // comes back here
        return;
    }
    const SoundEventSetting& e = m_copy.events[size_t(event)];
    m_showing = true;
    WaveFile->setText(e.waveFile);
    (e.disabled ? Disabled : e.speaker ? Speacker : Wave)->setChecked(true);
    m_showing = false;
    enableControls();
}

void TSoundFm::SpeackerClick()
{
    SoundEventSetting& e = current();
    e.disabled = Disabled->isChecked();
    e.speaker = Speacker->isChecked();
    enableControls();
}

void TSoundFm::MasterSoundClick()
{
    enableControls();
}

void TSoundFm::enableControls()
{
    const bool on = MasterSound->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{SoundVisible, InDnd, InAway, EventLabel,
                                                      Events, Wave, Speacker, Disabled, TestBtn})
        w->setEnabled(on);
    const bool file = on && Wave->isChecked();
    WaveFile->setEnabled(file);
    BrowseBtn->setEnabled(file);
}

void TSoundFm::BrowseBtnClick()
{
    // Where the current file is, else the sounds directory.
    const QString current = SoundOfEvent({WaveFile->text()}, m_player.baseDirectory()).file;
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Select Wave File"),
        !folder.isEmpty() && QDir(folder).exists() ? folder
                                                   : m_player.baseDirectory() + u"Sounds"_s,
        tr("Wave Files (*.wav);;All Files (*)"));
    if (!chosen.isEmpty())
        WaveFile->setText(QDir::toNativeSeparators(chosen));
}

void TSoundFm::TestBtnClick()
{
    const SoundEventSetting tried{WaveFile->text(), Speacker->isChecked(), Disabled->isChecked()};
    m_player.play(SoundOfEvent(tried, m_player.baseDirectory()));
}

void TSoundFm::OkBtnClick()
{
    m_copy.MasterSound = MasterSound->isChecked();
    m_copy.SoundVisible = SoundVisible->isChecked();
    m_copy.InDND = InDnd->isChecked();
    m_copy.InAway = InAway->isChecked();
    m_player.settings() = m_copy;
    close();
}

bool TSoundFm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == WaveFile) {
            TestBtnClick();
            return true;
        }
        // Enter on "PC Speaker": every event beeps, in this copy.
        if (enter && watched == Speacker) {
            for (SoundEventSetting& e : m_copy.events)
                e.speaker = true;
            Speacker->setChecked(true);
            SpeackerClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvelle::chat
