#include "chat/chat_output.h"

#include "chat/chat_line.h"
#include "history/log_tail.h"
#include "settings/session_state.h"

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;
using net::LineColour;

ChatOutput::ChatOutput(settings::SessionState& state, ConversationSet& conversations,
                       const LogWriter& logs, const net::Sinks& sinks, QString caption,
                       std::function<QDateTime()> clock)
    : m_state(state), m_conversations(conversations), m_logs(logs), m_sinks(sinks),
      m_caption(std::move(caption)), m_clock(std::move(clock))
{}

bool ChatOutput::logged(int index) const
{
    const settings::Switches& on = m_state.switches;
    if (index == 0)
        return on.LogMain;
    return m_conversations.at(index).name.startsWith(u'#') ? on.LogOther : on.LogPriv;
}

void ChatOutput::writeDateHeader(const QString& name)
{
    m_logs.AppendLogLine(name + u".log"_s, LogDateHeader(m_clock().date()));
}

void ChatOutput::AddChatLine(const net::ChatLine& line)
{
    const ChatTarget target =
        ResolveChatTarget(line.conversation, line.nick, m_state.MyNick, m_state.MyStatus,
                          [this](const QString& name) { return m_conversations.exists(name); });
    if (target.action == ChatTarget::Drop)
        return;
    if (line.notify && m_view)
        m_view->newLineEvents();
    if (target.action == ChatTarget::OpenPrivate) {
        writeDateHeader(target.name);
        OpenConversation(target.name, target.activate, net::ConversationKind::Private);
    }
    const int index = m_conversations.TabIndexOf(target.name);
    if (index < 0)
        return;
    append(index, line.text, line.nick, line.colour, line.withNick, line.withTime, line.markup);
    m_conversations.lineAppended(index, true);
    if (line.notify)
        m_sinks.sounds->playSoundEvent(net::SoundReceiveChatLine);
    // The user's own lines need no hint: the user has just typed them.
    if (line.hint && m_view && line.nick != m_state.MyNick) {
        const QString stamp =
            ChatStamp(m_clock().time(), line.withTime, m_state.switches.ShowSeconds);
        m_view->showTrayHint(ComposeLines(line.text, stamp, NickPrefix(line.nick, line.withNick)),
                             line.markup);
    }
}

void ChatOutput::append(int index, const QString& text, const QString& nick, LineColour colour,
                        bool withNick, bool withTime, bool markup)
{
    const QString stamp = ChatStamp(m_clock().time(), withTime, m_state.switches.ShowSeconds);
    const QStringList lines = ComposeLines(text, stamp, NickPrefix(nick, withNick));
    if (m_view)
        m_view->appendLines(index, lines, colour, markup);
    if (logged(index))
        m_logs.AppendLogLine(m_conversations.at(index).name + u".log"_s, lines.join(u"\r\n"_s));
    if (m_observer)
        for (const QString& line : lines)
            m_observer(m_conversations.at(index).name, line);
}

void ChatOutput::OpenConversation(const QString& name, bool activate, net::ConversationKind kind)
{
    if (!m_conversations.OpenConversation(name, kind))
        return;
    const int index = m_conversations.TabIndexOf(name);
    // What was said here before, from the log, above this session's first line.
    if (m_view && m_state.switches.ShowHistory && LogWriter::IsLoggableName(name)) {
        const QStringList past = history::RecentLogLines(m_logs.directory() + name + u".log"_s,
                                                         m_clock(), m_logs.text());
        if (!past.isEmpty())
            m_view->showRecentHistory(index, past);
    }
    switch (kind) {
    case net::ConversationKind::Main:
        append(index, u"Welcome to "_s + m_caption + u", "_s + m_state.MyNick + u'!', QString(),
               LineColour::Welcome, false, m_state.switches.SystemStrings);
        break;
    case net::ConversationKind::Channel:
        append(index, u"Welcome to "_s + name, QString(), LineColour::Welcome, false,
               m_state.switches.SystemStrings);
        break;
    case net::ConversationKind::Private:
        append(index, u"Chat with "_s + name, m_state.MyNick, LineColour::Welcome, false,
               m_state.switches.SystemStrings);
        break;
    }
    m_conversations.lineAppended(index, false); // the welcome marks the tab, counts nothing
    // The first tab becomes current, and announces itself, after its welcome line,
    // so a failed announcement shows below it.
    const bool first = m_conversations.current() < 0;
    if (activate && m_view)
        m_view->activateConversation(index);
    if (activate || first)
        m_conversations.TabControl1Change(m_conversations.TabIndexOf(name));
}

void ChatOutput::windowCleared()
{
    const int index = m_conversations.current();
    if (index < 0)
        return;
    append(index, u"Window cleared"_s, m_state.MyNick, LineColour::Welcome, false,
           m_state.switches.SystemStrings);
    m_conversations.lineAppended(index, false);
}

} // namespace quorvelle::chat
