#include "messages/message_windows.h"

#include "chat/chat_session.h"
#include "messages/message_send.h"
#include "shell/secondary_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

MessageWindows::MessageWindows(chat::ChatSession& session, std::function<MessageLook()> look,
                               QSize& size, QObject* parent)
    : QObject(parent), m_session(session), m_look(std::move(look)), m_size(size),
      m_receiver(session, [this](const IncomingMessage& message) { show(message); })
{}

void MessageWindows::setColours(const QColor& background, const QColor& doubleQuote,
                                const QColor& singleQuote, const QColor& text)
{
    m_background = background;
    m_doubleQuote = doubleQuote;
    m_singleQuote = singleQuote;
    m_text = text;
}

MessageLook MessageWindows::look() const
{
    MessageLook look = m_look();
    look.background = m_background;
    look.doubleQuote = m_doubleQuote;
    look.singleQuote = m_singleQuote;
    look.text = m_text;
    return look;
}

int MessageWindows::openReceived() const
{
    int open = 0;
    for (const auto& w : m_received)
        open += w ? 1 : 0;
    return open;
}

bool MessageWindows::fits(const QString& sender) const
{
    int fromSender = 0;
    for (const auto& w : m_received)
        if (w && w->nick() == sender && !w->composing())
            ++fromSender;
    return openReceived() < MaxOpen && fromSender < MaxOpenPerSender;
}

void MessageWindows::show(const IncomingMessage& message)
{
    emit arrived(message.sender, message.text, message.mass);
    if (fits(message.sender)) {
        open(message);
    } else if (m_held.size() < MaxHeld) {
        m_held.append(message);
    } else if (m_notShown++ == 0) {
        // Confirmed and archived already; one line for the whole burst. A line of
        // #Main goes into its log: English, never translated.
        QTimer::singleShot(0, this, [this] {
            const int count = std::exchange(m_notShown, 0);
            const QString text =
                count == 1 ? u"1 more message waits in Logging > Messages Archive..."_s
                           : u"%1 more messages wait in Logging > Messages Archive..."_s.arg(count);
            m_session.output().AddChatLine(net::ChatLine::system(net::MainConversation, text,
                                                                 net::LineColour::ReceiveMessage,
                                                                 m_session.state().switches));
        });
    }
}

void MessageWindows::open(const IncomingMessage& message)
{
    TMessFm* w = TMessFm::NewIncomingMessage(message.caption, message.text,
                                             message.received.toString(u"dd.MM.yyyy"_s),
                                             message.received.toString(u"HH:mm:ss"_s), look());
    adopt(w);
    m_received.append(w);
    connect(w, &QObject::destroyed, this, &MessageWindows::showNextHeld, Qt::QueuedConnection);
    // In DND it waits minimised; a message window the user types in keeps the
    // keyboard; otherwise the message comes to the front.
    const bool typingInMessage = qobject_cast<TMessFm*>(QApplication::activeWindow()) != nullptr;
    if (m_session.state().MyStatus == presence::Status::DND) {
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->showMinimized();
    } else if (typingInMessage) {
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->show();
    } else {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

TMessFm* MessageWindows::newestReceived(const QString& sender) const
{
    for (auto it = m_received.crbegin(); it != m_received.crend(); ++it)
        if (*it && !(*it)->composing() && (*it)->nick() == sender)
            return *it;
    return nullptr;
}

bool MessageWindows::raiseReceived(const QString& sender)
{
    TMessFm* w = newestReceived(sender);
    if (!w)
        return false;
    w->showNormal();
    w->raise();
    w->activateWindow();
    return true;
}

void MessageWindows::replyTo(const QString& sender)
{
    if (TMessFm* w = newestReceived(sender)) {
        raiseReceived(sender);
        w->BitBtn6Click();
    } else {
        MessMenuClick(sender);
    }
}

void MessageWindows::showNextHeld()
{
    for (qsizetype i = 0; i < m_held.size(); ++i) {
        if (fits(m_held[i].sender)) {
            open(m_held.takeAt(i));
            return;
        }
    }
}

void MessageWindows::MessMenuClick(const QString& nick)
{
    TMessFm* w = TMessFm::NewOutgoingMessage(nick, look());
    adopt(w);
    w->show();
    w->activateWindow();
}

void MessageWindows::MassMessage1Click()
{
    MessMenuClick(QString());
}

void MessageWindows::Messages1Click()
{
    const bool fresh = !m_archive;
    shell::ShowSecondaryWindow(m_archive, [this] {
        auto* w = new TMessArchFm;
        connect(w, &TMessArchFm::viewRequested, this, &MessageWindows::openArchived);
        return w;
    });
    // Painted first, then read.
    if (fresh)
        m_archive->load(m_session.logs().directory() + ArchiveFileName, m_session.logs().text());
}

void MessageWindows::openArchived(const ArchiveRecord& record)
{
    TMessFm* w = nullptr;
    if (record.outgoing) {
        w = TMessFm::NewOutgoingMessage(record.isMass() ? QString() : record.recipient, look());
    } else {
        // The stored stamp is "date time"; the window shows them apart.
        const qsizetype space = record.dateTime.indexOf(u' ');
        w = TMessFm::NewIncomingMessage((record.isMass() ? u"<= "_s : u"<- "_s) + record.sender,
                                        record.text, record.dateTime.left(space),
                                        space < 0 ? QString() : record.dateTime.mid(space + 1),
                                        look());
    }
    adopt(w);
    if (record.outgoing)
        w->setRawText(record.text);
    w->show();
    w->activateWindow();
}

void MessageWindows::followRename(const QString& from, const QString& to)
{
    for (const auto& w : m_windows)
        if (w)
            w->followRename(from, to);
}

void MessageWindows::adopt(TMessFm* window)
{
    m_windows.removeAll(nullptr);
    m_received.removeAll(nullptr);
    m_windows.append(window);
    window->resize(m_size);
    shell::CentreOnScreen(window);
    window->installEventFilter(this);
    connect(window, &TMessFm::sendRequested, this,
            [this](const QString& nick, const QString& raw, bool* accepted) {
                *accepted = SendMessageText(m_session, nick, raw);
            });
    connect(window, &TMessFm::conversationRequested, this, &MessageWindows::conversationRequested);
}

bool MessageWindows::eventFilter(QObject* watched, QEvent* event)
{
    // Every later message window opens at the size the user last gave one.
    if (event->type() == QEvent::Resize) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isVisible() && !w->isMaximized() && !w->isMinimized())
            m_size = w->size();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::messages
