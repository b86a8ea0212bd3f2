#include "cli/headless_peer.h"

#include "chat/session_commands.h"
#include "history/log_search.h"

#include <QFileInfo>

namespace quorvelle::cli {

using namespace Qt::Literals::StringLiterals;

HeadlessPeer::HeadlessPeer(settings::SessionState& state, const PeerOptions& options,
                           QTextStream& out, QObject* parent)
    : QObject(parent), m_state(state), m_options(options), m_out(out),
      m_session(state, options.codepage),
      m_messages(m_session, [this](const messages::IncomingMessage& m) {
          print({u"!message"_s, m.caption, m.text});
      })
{
    // Without a logs directory nothing is logged, date headers included.
    m_session.logs().setDirectory(options.logsDirectory);
    m_session.logs().setEnabled(!options.logsDirectory.isEmpty());
    m_session.output().setView(this);
    net::Sinks& sinks = m_session.sinks();
    sinks.messages = &m_messages;
    sinks.information = this;
    sinks.channels = this;
    sinks.session = this;
    transfer::FileTransfers& transfers = m_session.transfers();
    transfers.setIncomingDir(options.filesDirectory);
    connect(&transfers.engine(), &transfer::TransferEngine::transferChanged, this,
            &HeadlessPeer::printTransfer);
    if (options.trace)
        connect(&m_session.net().transport(), &net::UdpTransport::datagramReceived, this,
                [this](const QByteArray& datagram) {
                    if (const auto decoded = net::DecodeDatagram(datagram))
                        print({u"!packet"_s, m_session.net().wireText().decode(decoded->packet)});
                });
}

bool HeadlessPeer::start()
{
    m_session.net().transport().setEveryInterface(m_options.everyInterface);
    if (!m_session.open(m_options.port, m_options.broadcast))
        return false;
    m_session.RestoreConversations(m_options.channels);
    m_session.GreetNet();
    return true;
}

void HeadlessPeer::quit()
{
    if (m_session.Leave())
        emit finished();
}

QChar HeadlessPeer::statusOf(const QString& nick)
{
    const auto& registry = m_session.net().registry();
    const int index = registry.FindUser(nick);
    return index < 0 ? QChar() : registry.status(index);
}

bool HeadlessPeer::execute(const QString& command)
{
    if (m_session.leaving())
        return false;
    chat::ConversationSet& conversations = m_session.conversations();
    const QString line = command.trimmed();
    const QString verb = line.section(u' ', 0, 0);
    const QString arg = line.section(u' ', 1).trimmed();
    const QString first = arg.section(u' ', 0, 0);
    const QString rest = arg.section(u' ', 1);
    auto& actions = m_session.actions();

    chat::SessionCommands commands(m_session);
    const auto report = [this](const QString& error) {
        if (!error.isEmpty())
            print({u"!error"_s, error});
    };

    if (verb == u"say") {
        report(commands.sendLine(first, rest));
    } else if (verb == u"join" || verb == u"private") {
        // A channel's name starts with "#", a private chat's does not.
        if (arg.startsWith(u'#') == (verb == u"join"))
            m_session.OpenForUser(arg);
    } else if (verb == u"switch") {
        conversations.TabControl1Change(conversations.TabIndexOf(arg));
    } else if (verb == u"leave" || verb == u"close") {
        if (arg == net::MainConversation) {
            quit();
            return false;
        }
        if (conversations.exists(arg)) {
            actions.LeaveConversation(arg);
            conversations.CloseConversation(arg);
        }
    } else if (verb == u"nick") {
        report(commands.setNick(arg));
    } else if (verb == u"status") {
        report(commands.setStatus(arg));
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
    } else if (verb == u"message") {
        report(commands.sendMessage(first, rest));
    } else if (verb == u"mass") {
        report(commands.sendMessage(QString(), arg));
    } else if (verb == u"send") {
        report(commands.sendFile(first, rest));
    } else if (verb == u"refresh") {
        actions.RefreshUsersList();
    } else if (verb == u"users") {
        QStringList fields{u"!users"_s};
        const auto& registry = m_session.net().registry();
        for (int i = 0; i < registry.count(); ++i)
            fields.append(registry.itemText(i));
        print(fields);
    } else if (verb == u"history") {
        // Every log and the archive; one line a hit, then how many.
        history::SearchQuery query;
        query.text = arg;
        int hits = 0;
        // A peer without a logs directory (no --use-settings) has no history.
        if (!m_session.logs().directory().isEmpty())
            history::SearchLogs(m_session.logs().directory(), query, m_session.net().wireText(),
                                [&](const history::SearchHit& h) {
                                    ++hits;
                                    print({u"!history"_s, h.conversation,
                                           h.date.toString(u"dd.MM.yyyy"_s), h.time, h.nick,
                                           h.line});
                                    return true;
                                });
        print({u"!history"_s, QString::number(hits) + u" found"_s});
    } else if (verb == u"tabs") {
        print(QStringList{u"!tabs"_s} + conversations.names());
    } else if (verb == u"channels") {
        actions.AskChannels();
    } else if (verb == u"quit") {
        quit();
        return false;
    } else if (!verb.isEmpty()) {
        print({u"!error"_s, u"unknown command "_s + verb});
    }
    return true;
}

void HeadlessPeer::printTransfer(transfer::Direction direction, const transfer::TransferInfo& info,
                                 int fields)
{
    // A line for each new state, with the row as the queue holds it then.
    if (!(fields & transfer::Field::State))
        return;
    const transfer::FilesQueueModel& list = m_session.transfers().queue().list(direction);
    const int row = list.rowOfId(info.id);
    if (row < 0)
        return;
    const transfer::TransferInfo& entry = list.entry(row);
    print({u"!transfer"_s, direction == transfer::Direction::Send ? u"send"_s : u"receive"_s,
           entry.nickName, entry.fileName, QString::number(entry.done),
           transfer::StatusText(entry)});
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

void HeadlessPeer::appendLines(int index, const QStringList& lines, net::LineColour, bool)
{
    const QString name = m_session.conversations().at(index).name;
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
