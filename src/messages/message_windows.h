#pragma once

// The open message windows: a window for each message received (confirmed and
// archived before it shows), compose windows for the users list's "Message" and
// "Mass Message", captions that follow renamed peers, and the size they share.
// A peer that sends thousands of messages does not bury the desktop in windows:
// at most MaxOpenPerSender received windows per sender and MaxOpen in all are
// open at once; the others wait and show as windows close. Every message is still
// confirmed, archived and announced when it arrives.

#include "messages/archive_window.h"
#include "messages/message_receiver.h"
#include "messages/message_window.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

namespace quorvelle::messages {

class MessageWindows : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxOpenPerSender = 5;
    static constexpr int MaxOpen = 20;
    // Messages waiting for a window; beyond them #Main only counts them.
    static constexpr int MaxHeld = 200;

    // look gives the current font, markup and macros for a new window (the colours
    // are set here); size is the stored message window size, kept up to date as
    // the user resizes one.
    MessageWindows(chat::ChatSession& session, std::function<MessageLook()> look, QSize& size,
                   QObject* parent = nullptr);

    net::MessageSink& sink() { return m_receiver; }
    // The message colours as drawn, for windows opened from now on.
    void setColours(const QColor& background, const QColor& doubleQuote, const QColor& singleQuote,
                    const QColor& text);

    void MessMenuClick(const QString& nick);
    void MassMessage1Click();
    // "Messages Archive...": one archive window, reading the file anew each time it opens.
    void Messages1Click();
    // An archived message again: a sent one ready to send again, a received one as
    // it came.
    void openArchived(const ArchiveRecord& record);
    void followRename(const QString& from, const QString& to);

    // Brings the newest open window of a message from sender forward; false when
    // none is open.
    bool raiseReceived(const QString& sender);
    // A reply to sender: as the Reply button of its newest open message, else a
    // new message window to it.
    void replyTo(const QString& sender);

    int openReceived() const;
    int held() const { return int(m_held.size()); }

signals:
    void conversationRequested(const QString& name);
    // A popup message arrived (shown now or waiting for room).
    void arrived(const QString& sender, const QString& text, bool mass);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMessFm* newestReceived(const QString& sender) const;
    void show(const IncomingMessage& message);
    bool fits(const QString& sender) const;
    void open(const IncomingMessage& message);
    void showNextHeld();
    void adopt(TMessFm* window);

    chat::ChatSession& m_session;
    MessageLook look() const;

    std::function<MessageLook()> m_look;
    QColor m_background, m_doubleQuote, m_singleQuote, m_text;
    QSize& m_size;
    MessageReceiver m_receiver;
    QList<QPointer<TMessFm>> m_windows;
    QList<QPointer<TMessFm>> m_received;
    QList<IncomingMessage> m_held;
    int m_notShown = 0;
    QPointer<TMessArchFm> m_archive;
};

} // namespace quorvelle::messages
