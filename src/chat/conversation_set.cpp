#include "chat/conversation_set.h"

namespace quorvelle::chat {

ConversationSet::ConversationSet(Announce announce, QObject* parent)
    : QObject(parent), m_announce(std::move(announce))
{}

int ConversationSet::TabIndexOf(const QString& name) const
{
    for (int i = 0; i < count(); ++i)
        if (m_items[i].name == name)
            return i;
    return -1;
}

QStringList ConversationSet::names() const
{
    QStringList list;
    list.reserve(count());
    for (const Conversation& c : m_items)
        list.append(c.name);
    return list;
}

QString ConversationSet::currentName() const
{
    return m_current >= 0 ? m_items[m_current].name : QString();
}

bool ConversationSet::OpenConversation(const QString& name, ConversationKind kind)
{
    if (exists(name))
        return false;
    m_items.append(Conversation{name, kind});
    emit opened(count() - 1);
    return true;
}

void ConversationSet::CloseConversation(const QString& name)
{
    const int index = TabIndexOf(name);
    if (index < 0)
        return;
    m_items.removeAt(index);
    emit closed(index);
    m_current = -1;
    if (!m_items.isEmpty())
        TabControl1Change(qMin(index, count() - 1));
}

bool ConversationSet::renameConversation(const QString& from, const QString& to)
{
    const int index = TabIndexOf(from);
    if (index < 0 || exists(to))
        return false;
    m_items[index].name = to;
    emit renamed(index);
    return true;
}

void ConversationSet::TabControl1Change(int index)
{
    if (index < 0 || index >= count())
        return;
    m_current = index;
    // Copied: a slot of the signals below may change the set.
    const Conversation c = m_items[index];
    m_items[index].pendingJoin = false;
    if (c.unread)
        setUnread(index, false);
    emit currentChanged(index);
    if (c.pendingJoin && m_announce)
        m_announce(c.kind, c.name);
}

void ConversationSet::Next1Click()
{
    if (count() > 0)
        TabControl1Change(m_current + 1 >= count() ? 0 : m_current + 1);
}

void ConversationSet::Prev1Click()
{
    if (count() > 0)
        TabControl1Change(m_current <= 0 ? count() - 1 : m_current - 1);
}

void ConversationSet::lineAppended(int index, bool counted)
{
    if (index == m_current || index < 0 || index >= count())
        return;
    if (!m_items[index].unread)
        setUnread(index, true);
    if (!counted)
        return;
    ++m_items[index].unreadLines;
    emit unreadCountChanged(index);
}

int ConversationSet::unreadTotal() const
{
    int total = 0;
    for (const Conversation& c : m_items)
        total += c.unreadLines;
    return total;
}

void ConversationSet::setUnread(int index, bool unread)
{
    m_items[index].unread = unread;
    emit unreadChanged(index, unread);
    if (!unread && m_items[index].unreadLines > 0) {
        m_items[index].unreadLines = 0;
        emit unreadCountChanged(index);
    }
}

} // namespace quorvelle::chat
