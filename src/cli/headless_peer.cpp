#include "cli/headless_peer.h"

#include "settings/program_info.h"

namespace quorvelle::cli {

using namespace Qt::Literals::StringLiterals;
using net::ConversationKind;

HeadlessPeer::HeadlessPeer(settings::SessionState& state, const PeerOptions& options,
                           QTextStream& out, QObject* parent)
    : QObject(parent), m_state(state), m_options(options), m_out(out),
      m_session(state, *this, options.codepage),
      m_conversations([this](ConversationKind kind, const QString& name) {
          m_session.actions().AnnounceConversation(kind, name);
      }),
      m_logs(m_session.wireText(), options.logsDirectory),
      m_output(state, m_conversations, m_logs, m_logSwitches, *this, settings::WindowCaption())
{
    // Without a logs directory nothing is logged, date headers included.
    m_logs.setEnabled(!options.logsDirectory.isEmpty());
}

bool HeadlessPeer::start()
{
    if (!m_session.open(m_options.port, m_options.broadcast))
        return false;
    m_output.writeDateHeader(net::MainConversation);
    m_output.OpenConversation(net::MainConversation, false, ConversationKind::Main);
    for (const QString& channel : m_options.channels) {
        if (!channel.startsWith(u'#') || m_conversations.exists(channel))
            continue;
        m_output.writeDateHeader(channel);
        m_output.OpenConversation(channel, false, ConversationKind::Channel);
    }
    m_session.actions().RefreshUsersList();
    m_session.actions().AskSubject();
    return true;
}

void HeadlessPeer::quit()
{
    if (m_quit)
        return;
    m_quit = true;
    m_session.actions().LeaveAll(m_conversations.names());
    m_session.beginExit();
    emit finished();
}

QChar HeadlessPeer::statusOf(const QString& nick)
{
    const auto& registry = m_session.registry();
    const int index = registry.FindUser(nick);
    return index < 0 ? QChar() : registry.status(index);
}

bool HeadlessPeer::execute(const QString& command)
{
    if (m_quit)
        return false;
    const QString line = command.trimmed();
    const QString verb = line.section(u' ', 0, 0);
    const QString arg = line.section(u' ', 1).trimmed();
    const QString first = arg.section(u' ', 0, 0);
    const QString rest = arg.section(u' ', 1);
    auto& actions = m_session.actions();

    if (verb == u"say") {
        if (m_conversations.exists(first))
            actions.SendChatLine(first, rest);
        else
            print({u"!error"_s, u"no conversation "_s + first});
    } else if (verb == u"join") {
        if (arg.startsWith(u'#'))
            m_output.OpenConversation(arg, true, ConversationKind::Channel);
        m_conversations.TabControl1Change(m_conversations.TabIndexOf(arg));
    } else if (verb == u"private") {
        if (!arg.isEmpty() && !arg.startsWith(u'#'))
            m_output.OpenConversation(arg, true, ConversationKind::Private);
        m_conversations.TabControl1Change(m_conversations.TabIndexOf(arg));
    } else if (verb == u"switch") {
        m_conversations.TabControl1Change(m_conversations.TabIndexOf(arg));
    } else if (verb == u"leave" || verb == u"close") {
        if (arg == net::MainConversation) {
            quit();
            return false;
        }
        if (m_conversations.exists(arg)) {
            actions.LeaveConversation(arg);
            m_conversations.CloseConversation(arg);
        }
    } else if (verb == u"nick") {
        if (!actions.RequestNickChange(arg))
            print({u"!error"_s, u"nick refused"_s});
    } else if (verb == u"status") {
        if (arg.size() == 1 && arg[0] >= u'0' && arg[0] <= u'3')
            actions.ChangeStatus(arg[0]);
        else
            print({u"!error"_s, u"status is 0, 1, 2 or 3"_s});
    } else if (verb == u"subject") {
        actions.SetSubject(arg);
    } else if (verb == u"beep" || verb == u"info") {
        const QChar status = statusOf(arg);
        if (status.isNull())
            print({u"!error"_s, u"no user "_s + arg});
        else if (verb == u"beep")
            actions.Beep(arg, status);
        else
            actions.RequestInfo(arg, status);
    } else if (verb == u"refresh") {
        actions.RefreshUsersList();
    } else if (verb == u"users") {
        QStringList fields{u"!users"_s};
        const auto& registry = m_session.registry();
        for (int i = 0; i < registry.count(); ++i)
            fields.append(registry.itemText(i));
        print(fields);
    } else if (verb == u"tabs") {
        print(QStringList{u"!tabs"_s} + m_conversations.names());
    } else if (verb == u"channels") {
        m_session.link().SendBroadcast(m_session.packets().AskChannels(m_state.MyNick));
    } else if (verb == u"quit") {
        quit();
        return false;
    } else if (!verb.isEmpty()) {
        print({u"!error"_s, u"unknown command "_s + verb});
    }
    return true;
}

void HeadlessPeer::addChatLine(const net::ChatLine& line)
{
    m_output.AddChatLine(line);
}

bool HeadlessPeer::conversationExists(const QString& name) const
{
    return m_conversations.exists(name);
}

QStringList HeadlessPeer::conversationNames() const
{
    return m_conversations.names();
}

void HeadlessPeer::renameConversation(const QString& from, const QString& to)
{
    m_conversations.renameConversation(from, to);
}

void HeadlessPeer::receiveMessage(const QString& caption, const QString& text)
{
    print({u"!message"_s, caption, text});
}

bool HeadlessPeer::showInformation(const QString& window, const net::InfoReply& r)
{
    print({u"!info"_s, window, r.nick, r.allowed, r.version, r.computer, r.memoryLoad,
           r.memoryTotal, r.process, r.title});
    return true;
}

void HeadlessPeer::addCreatedChannels(const QStringList& channels)
{
    print(QStringList{u"!channels"_s} + channels);
}

void HeadlessPeer::subjectChanged()
{
    print({u"!subject"_s, m_state.SubjectAuthor, m_state.SubjectTime, m_state.SubjectText});
}

void HeadlessPeer::ownNickChanged()
{
    print({u"!nick"_s, m_state.MyNick});
}

void HeadlessPeer::appendLines(int index, const QStringList& lines, net::LineColour)
{
    const QString name = m_conversations.at(index).name;
    for (const QString& line : lines)
        print({name, line});
}

void HeadlessPeer::print(const QStringList& fields)
{
    // One record per line, fields separated by tabs; line breaks from the net
    // cannot split a record.
    QStringList clean;
    clean.reserve(fields.size());
    for (QString field : fields) {
        for (QChar& c : field)
            if (c == u'\t' || c == u'\r' || c == u'\n')
                c = u' ';
        clean.append(field);
    }
    m_out << clean.join(u'\t') << Qt::endl;
}

} // namespace quorvelle::cli
