#pragma once

// The open conversations in tab order: #Main first and always there, then
// channels and private chats. Each is announced to the net the first time it
// becomes current, and carries an unread mark while lines arrive in the background.

#include "net/conversation_kind.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace quorvelle::chat {

using net::ConversationKind;

struct Conversation
{
    QString name;
    ConversationKind kind;
    bool pendingJoin = true; // not yet announced to the net
    bool unread = false;
    int unreadLines = 0; // lines that came while it was not current
};

class ConversationSet : public QObject
{
    Q_OBJECT

public:
    using Announce = std::function<void(ConversationKind, const QString&)>;
    explicit ConversationSet(Announce announce, QObject* parent = nullptr);

    int count() const { return int(m_items.size()); }
    const Conversation& at(int index) const { return m_items.at(index); }
    int TabIndexOf(const QString& name) const;
    bool exists(const QString& name) const { return TabIndexOf(name) >= 0; }
    QStringList names() const;
    int current() const { return m_current; }
    QString currentName() const;

    // Appends a conversation; false (and nothing changes) when the name is open.
    // It becomes current (and is announced) only through TabControl1Change.
    bool OpenConversation(const QString& name, ConversationKind kind);
    // Removes it; the tab now at its place, or the last one, becomes current.
    void CloseConversation(const QString& name);
    // Renames a private chat after its peer renamed; false when the name is
    // missing or the new name is taken.
    bool renameConversation(const QString& from, const QString& to);

    // Makes a tab current: clears its unread mark and announces it once.
    void TabControl1Change(int index);
    void Next1Click();
    void Prev1Click();
    // A line arrived: marks the conversation unread unless it is current; a counted
    // one (from the net, not the program's own welcome) adds to its unread lines.
    void lineAppended(int index, bool counted = true);
    // Lines that came to conversations while they were not current.
    int unreadTotal() const;

signals:
    void opened(int index);
    void closed(int index);
    void renamed(int index);
    void currentChanged(int index);
    void unreadChanged(int index, bool unread);
    // A conversation's count of unread lines changed (and so the total).
    void unreadCountChanged(int index);

private:
    void setUnread(int index, bool unread);

    Announce m_announce;
    QList<Conversation> m_items;
    int m_current = -1;
};

} // namespace quorvelle::chat
