#include "settings/colours_window.h"

#include "shell/colour_views.h"
#include "shell/image_list.h"
#include "shell/secondary_window.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::settings {

using namespace Qt::Literals::StringLiterals;

namespace {

const char* const IdProperty = "colourId";

// The captions of the twelve kinds of conversation line, and of the message texts;
// the window shows them translated (context "Colours").
const char* const LineCaptions[LineColourCount] = {
    QT_TRANSLATE_NOOP("Colours", "Welcome Text"),
    QT_TRANSLATE_NOOP("Colours", "Join/Leave Text"),
    QT_TRANSLATE_NOOP("Colours", "Change NickName"),
    QT_TRANSLATE_NOOP("Colours", "Change User Status"),
    QT_TRANSLATE_NOOP("Colours", "Change Subject"),
    QT_TRANSLATE_NOOP("Colours", "Receive Message"),
    QT_TRANSLATE_NOOP("Colours", "Receive Confirmation"),
    QT_TRANSLATE_NOOP("Colours", "Send Beep"),
    QT_TRANSLATE_NOOP("Colours", "Receive Beep"),
    QT_TRANSLATE_NOOP("Colours", "System Errors"),
    QT_TRANSLATE_NOOP("Colours", "External Users Text"),
    QT_TRANSLATE_NOOP("Colours", "Local Your Text"),
};
const char* const MessageCaptions[MessageColourCount] = {
    QT_TRANSLATE_NOOP("Colours", ">>Double Quote"),
    QT_TRANSLATE_NOOP("Colours", ">Single Quote"),
    QT_TRANSLATE_NOOP("Colours", "Your Text Message"),
};

} // namespace

TColorsFm::TColorsFm(ColourViews& views) : m_views(views), m_model(views.colours())
{
    setObjectName(u"TColorsFm"_s);
    setWindowTitle(tr("Colors"));
    setWindowIcon(shell::ImageList::appIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    chooseColour = [](const QColor& initial, QWidget* parent) {
        return QColorDialog::getColor(initial, parent);
    };
    using C = ColourId;

    auto* messageGroup = new QGroupBox(tr(" Message Window: "), this);
    QWidget* mess = panel(messageGroup, "MessWnd", C::MessageBrush);
    auto* messLayout = new QVBoxLayout(mess);
    for (int n = 1; n <= MessageColourCount; ++n)
        messLayout->addWidget(label(mess, QByteArray("Mess" + QByteArray::number(n)).constData(),
                                    QCoreApplication::translate("Colours", MessageCaptions[n - 1]),
                                    MessageColourId(n)));
    (new QVBoxLayout(messageGroup))->addWidget(mess);

    auto* chatGroup = new QGroupBox(tr(" Chat Window: "), this);
    const auto boxPanel = [this](QWidget* parent, const char* panelName, ColourId brush,
                                 const char* labelName, const QString& caption, ColourId font) {
        QWidget* p = panel(parent, panelName, brush);
        (new QHBoxLayout(p))->addWidget(label(p, labelName, caption, font));
        return p;
    };
    QWidget* subj =
        boxPanel(chatGroup, "SubjWnd", C::SubjectBrush, "Subj1", tr("Subject"), C::SubjectFont);
    QWidget* nick =
        boxPanel(chatGroup, "NickWnd", C::NickNameBrush, "Nick1", tr("NickName"), C::NickNameFont);
    QWidget* chat = panel(chatGroup, "ChatWnd", C::ChatBrush);
    auto* chatLayout = new QVBoxLayout(chat);
    chatLayout->setSpacing(0);
    for (int n = 1; n <= LineColourCount; ++n)
        chatLayout->addWidget(label(chat, QByteArray("Chat" + QByteArray::number(n)).constData(),
                                    QCoreApplication::translate("Colours", LineCaptions[n - 1]),
                                    LineColourId(n)));
    QWidget* users = boxPanel(chatGroup, "UsersWnd", C::UsersListBrush, "Users1", tr("Users List"),
                              C::UsersListFont);
    users->layout()->setAlignment(Qt::AlignTop);
    QWidget* edit =
        boxPanel(chatGroup, "EditWnd", C::EditBoxBrush, "Edit1", tr("Edit Box"), C::EditBoxFont);

    // Laid out as the main window: subject over the lines, nick over the users,
    // the input line under both.
    auto* chatGrid = new QGridLayout(chatGroup);
    chatGrid->setSpacing(3);
    chatGrid->addWidget(subj, 0, 0);
    chatGrid->addWidget(nick, 0, 1);
    chatGrid->addWidget(chat, 1, 0);
    chatGrid->addWidget(users, 1, 1);
    chatGrid->addWidget(edit, 2, 0, 1, 2);

    OkBtn = new QPushButton(shell::ImageList::icon(65), tr("OK"), this);
    OkBtn->setObjectName(u"OkBtn"_s);
    CancelBtn = new QPushButton(shell::ImageList::icon(15), tr("Cancel"), this);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    ApplyButt = new QPushButton(tr("Apply"), this);
    ApplyButt->setObjectName(u"ApplyButt"_s);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {OkBtn, CancelBtn, ApplyButt})
        buttons->addWidget(b);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(messageGroup);
    outer->addWidget(chatGroup);
    outer->addLayout(buttons);
    OkBtn->setDefault(true);

    connect(OkBtn, &QPushButton::clicked, this, &TColorsFm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(ApplyButt, &QPushButton::clicked, this, &TColorsFm::ApplyButtClick);
    showModel();
    setFixedSize(sizeHint());
    shell::CentreOnScreen(this);
}

QWidget* TColorsFm::panel(QWidget* parent, const char* name, ColourId id)
{
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAutoFillBackground(true);
    p->setCursor(Qt::PointingHandCursor);
    p->setProperty(IdProperty, int(id));
    p->installEventFilter(this);
    m_swatches[size_t(id)] = p;
    return p;
}

QLabel* TColorsFm::label(QWidget* parent, const char* name, const QString& caption, ColourId id)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setCursor(Qt::PointingHandCursor);
    l->setProperty(IdProperty, int(id));
    l->installEventFilter(this);
    m_swatches[size_t(id)] = l;
    return l;
}

void TColorsFm::showModel()
{
    for (const ColourDef& def : ColourTable()) {
        QWidget* w = m_swatches[size_t(def.id)];
        QPalette p = w->palette();
        const QColor colour = m_views.shown(m_model, def.id);
        p.setColor(def.drawnOn == def.id ? QPalette::Window : QPalette::WindowText, colour);
        w->setPalette(p);
    }
}

void TColorsFm::pick(ColourId id)
{
    const QColor chosen = chooseColour(m_views.shown(m_model, id), this);
    if (!chosen.isValid())
        return;
    m_model.set(id, ColourValueOf(chosen.rgb()));
    m_changed.set(size_t(id));
    showModel();
}

void TColorsFm::ApplyButtClick()
{
    for (const ColourDef& def : ColourTable())
        if (m_changed.test(size_t(def.id)))
            m_views.set(def.id, m_model.value(def.id));
    m_changed.reset();
}

void TColorsFm::OkBtnClick()
{
    m_ok = true;
    close();
}

void TColorsFm::closeEvent(QCloseEvent* event)
{
    if (std::exchange(m_ok, false))
        ApplyButtClick();
    QWidget::closeEvent(event);
}

bool TColorsFm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QVariant id = watched->property(IdProperty);
        if (id.isValid()) {
            pick(ColourId(id.toInt()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvelle::settings
