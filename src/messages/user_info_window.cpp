#include "messages/user_info_window.h"

#include "chat/chat_session.h"
#include "presence/status.h"
#include "shell/image_list.h"
#include "shell/secondary_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Value(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText); // a peer's text, never markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLineEdit* Field(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFrame(false);
    return edit;
}

} // namespace

TUserInfoFm::TUserInfoFm()
    : QWidget(nullptr, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"TUserInfoFm"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(shell::ImageList::icon(26));
    ChatLab = new QLabel(this);
    ChatLab->setAlignment(Qt::AlignCenter);
    ChatLab->setTextFormat(Qt::PlainText);

    SysBox =
        TwoValues(tr(" System: "), tr("- = User = -"), tr("- = Computer = -"), SysLab1, SysLab0);
    MemBox = TwoValues(tr(" Memory: "), tr("- = Used = -"), tr("- = Total = -"), MemLab0, MemLab1);

    ProgBox = new QGroupBox(tr(" Active Program: "), this);
    auto* prog = new QGridLayout(ProgBox);
    prog->addWidget(new QLabel(tr("Window:"), ProgBox), 0, 0);
    prog->addWidget(ProgEd0 = Field(ProgBox), 0, 1);
    prog->addWidget(new QLabel(tr("Process:"), ProgBox), 1, 0);
    prog->addWidget(ProgEd1 = Field(ProgBox), 1, 1);

    auto* ok = new QPushButton(shell::ImageList::icon(65), tr("OK"), this);
    auto* refresh = new QPushButton(shell::ImageList::icon(69), tr("Refresh"), this);
    ok->setObjectName(u"BitBtn1"_s);
    refresh->setObjectName(u"BitBtn2"_s);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(refresh, &QPushButton::clicked, this, &TUserInfoFm::refreshRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChatLab);
    layout->addWidget(SysBox);
    layout->addWidget(MemBox);
    layout->addWidget(ProgBox);
    layout->addLayout(buttons);
    resize(218, 225);
    shell::CentreOnScreen(this);
}

QGroupBox* TUserInfoFm::TwoValues(const QString& title, const QString& left, const QString& right,
                                  QLabel*& leftValue, QLabel*& rightValue)
{
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(Caption(left, box), 0, 0);
    grid->addWidget(Caption(right, box), 0, 1);
    grid->addWidget(leftValue = Value(box), 1, 0);
    grid->addWidget(rightValue = Value(box), 1, 1);
    return box;
}

void TUserInfoFm::show(const UserInfoView& view)
{
    setWindowTitle(view.caption);
    ChatLab->setText(view.usingLine);
    SysLab1->setText(view.user);
    SysLab0->setText(view.computer);
    MemLab0->setText(view.memoryUsed);
    MemLab1->setText(view.memoryTotal);
    ProgEd0->setText(view.windowTitle);
    ProgEd0->setCursorPosition(0);
    ProgEd1->setText(view.process);
    ProgEd1->setCursorPosition(0);
    // A group the replier does not share, or this user does not ask for, is greyed.
    SysBox->setEnabled(view.systemEnabled);
    MemBox->setEnabled(view.memoryEnabled);
    ProgBox->setEnabled(view.programEnabled);
    QWidget::show();
    raise();
}

void TUserInfoFm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

UserInfoWindowSet::UserInfoWindowSet(chat::ChatSession& session, QObject* parent)
    : QObject(parent), m_session(session)
{}

bool UserInfoWindowSet::showInformation(const QString& window, const net::InfoReply& reply)
{
    const InfoRoute route = m_ids.route(window, reply.nick);
    if (route.kind == InfoRoute::Dropped)
        return false;
    QPointer<TUserInfoFm>& w = m_windows[route.id];
    if (!w) {
        w = new TUserInfoFm;
        const int id = route.id;
        connect(w, &TUserInfoFm::refreshRequested, this,
                [this, id] { m_session.actions().RefreshInfo(m_ids.nick(id), id); });
        connect(w, &QObject::destroyed, this, [this, id] {
            m_ids.close(id);
            m_windows.remove(id);
        });
    }
    w->show(ViewOf(reply, m_session.state().switches));
    return true;
}

void UserInfoWindowSet::RequestINFO1Click(const QString& nick, QChar status)
{
    if (presence::IsOffline(status)) // refused before anything else happens
        return;
    if (const auto open = m_ids.find(nick); open && m_windows.value(*open)) {
        TUserInfoFm* w = m_windows.value(*open);
        if (w->isMinimized())
            w->showNormal();
        w->raise();
        w->activateWindow();
        return;
    }
    m_session.actions().RequestInfo(nick, status);
}

void UserInfoWindowSet::followRename(const QString& from, const QString& to)
{
    m_ids.rename(from, to);
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it)
        if (*it && m_ids.nick(it.key()) == to)
            (*it)->setWindowTitle(InfoCaption(to));
}

} // namespace quorvelle::messages
