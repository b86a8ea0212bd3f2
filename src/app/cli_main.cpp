// quorvelle-cli: a peer without windows, for terminals, scripts and tests.

#include "chat/channel_list.h"
#include "cli/diagnose.h"
#include "cli/headless_peer.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "settings/program_info.h"
#include "settings/settings.h"
#include "settings/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include <iostream>
#include <memory>
#include <string>

using namespace quorvelle;
using namespace Qt::Literals::StringLiterals;

namespace {

// Hands over standard input line by line without blocking the event loop.
class StdinReader : public QObject
{
    Q_OBJECT

public:
    void start()
    {
#ifdef Q_OS_UNIX
        auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
            char chunk[4096];
            const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
            if (got <= 0) {
                notifier->setEnabled(false);
                emit endOfInput();
                return;
            }
            m_pending.append(chunk, got);
            qsizetype end;
            while ((end = m_pending.indexOf('\n')) >= 0) {
                emit lineRead(QString::fromLocal8Bit(m_pending.first(end)));
                m_pending.remove(0, end + 1);
            }
        });
#else
        // No readiness for console input here: a thread of its own that blocks on
        // it and is left to end with the process.
        auto* thread = QThread::create([this] {
            std::string line;
            while (std::getline(std::cin, line))
                QMetaObject::invokeMethod(
                    this, [this, text = QString::fromLocal8Bit(line)] { emit lineRead(text); });
            QMetaObject::invokeMethod(this, [this] { emit endOfInput(); });
        });
        thread->start();
#endif
    }

signals:
    void lineRead(const QString& line);
    void endOfInput();

private:
    QByteArray m_pending;
};

// The net as the user's settings have it.
cli::NetOptions NetOptionsFrom(const settings::Settings& values)
{
    cli::NetOptions net;
    net.port = quint16(values.number(settings::key::UDPPort));
    net.broadcast = values.listItems(settings::section::AddrList);
    net.everyInterface = values.flag(settings::key::BroadcastEveryInterface);
    net.codepage = values.text(settings::key::Codepage).toLatin1();
    return net;
}

// The options "--port", "--broadcast" and "--codepage", where given.
struct NetOverrides
{
    const QCommandLineOption& port;
    const QCommandLineOption& broadcast;
    const QCommandLineOption& codepage;

    void apply(const QCommandLineParser& parser, cli::NetOptions& net) const
    {
        if (parser.isSet(port))
            net.port = quint16(parser.value(port).toUInt());
        if (parser.isSet(broadcast))
            net.broadcast = parser.values(broadcast);
        if (parser.isSet(codepage))
            net.codepage = parser.value(codepage).toLatin1();
    }
};

// Reads the user's settings without writing them; options given override them.
int Diagnose(const QCommandLineParser& parser, const QCommandLineOption& nick,
             const NetOverrides& overrides)
{
    settings::SettingsSchema schema(settings::SchemaContext::current());
    settings::SettingsStore store;
    const settings::Settings values(store, schema);
    cli::DiagnoseOptions options;
    static_cast<cli::NetOptions&>(options) = NetOptionsFrom(values);
    options.nick = parser.isSet(nick) ? parser.value(nick) : values.text(settings::key::NickName);
    options.programRunning = !platform::SingleInstance(store.location()).tryLock();
    overrides.apply(parser, options);
    QTextStream out(stdout);
    return cli::RunDiagnose(options, out);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    settings::InstallTranslations();
    settings::UseNativeSettingsFormat();
    QCoreApplication::setApplicationVersion(settings::GetVersionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"A Quorvelle peer without windows. Prints every line it would show as "
        "conversation<TAB>line, and reads commands from standard input: say CONV TEXT, "
        "join #CHANNEL, private NICK, switch CONV, leave CONV, nick NEW, status 0-3, "
        "subject TEXT, beep NICK, info NICK, message NICK TEXT, mass TEXT, send NICK PATH, "
        "refresh, users, tabs, channels, history TEXT (searches the logs and the "
        "archive), quit."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption nickOption(u"nick"_s, u"Nick name (default: host name)."_s, u"name"_s);
    const QCommandLineOption statusOption(u"status"_s, u"Status digit 0-3."_s, u"digit"_s);
    const QCommandLineOption portOption(u"port"_s, u"UDP port (default 8166)."_s, u"port"_s);
    const QCommandLineOption broadcastOption(
        u"broadcast"_s, u"Broadcast address; repeat for several."_s, u"address"_s);
    const QCommandLineOption channelOption(
        u"channel"_s, u"Channel to join at start; repeat for several (default #Talks)."_s,
        u"name"_s);
    const QCommandLineOption logsOption(u"logs"_s, u"Write conversation logs here."_s, u"dir"_s);
    const QCommandLineOption filesOption(
        u"files-dir"_s, u"Receive files into this directory (default: none are accepted)."_s,
        u"dir"_s);
    const QCommandLineOption codepageOption(u"codepage"_s, u"Code page of the net."_s, u"name"_s);
    const QCommandLineOption stampsOption(u"stamps"_s, u"Print time stamps."_s);
    const QCommandLineOption traceOption(
        u"trace"_s, u"Print every packet that arrives as !packet<TAB>packet."_s);
    const QCommandLineOption settingsOption(
        u"use-settings"_s, u"Start from the user's settings and save them at quit."_s);
    const QCommandLineOption diagnoseOption(
        u"diagnose"_s, u"Test the net with the user's settings (or the options given), print "
                       "what was found and the likely cause when nobody answers, and exit."_s);
    parser.addOptions({nickOption, statusOption, portOption, broadcastOption, channelOption,
                       logsOption, filesOption, codepageOption, stampsOption, traceOption,
                       settingsOption, diagnoseOption});
    parser.process(app);
    const NetOverrides netOverrides{portOption, broadcastOption, codepageOption};
    if (parser.isSet(diagnoseOption))
        return Diagnose(parser, nickOption, netOverrides);

    const bool useSettings = parser.isSet(settingsOption);
    settings::SettingsSchema schema(settings::SchemaContext::current());
    // Without --use-settings the user's store is neither read nor written.
    std::unique_ptr<settings::SettingsStore> store;
    std::unique_ptr<settings::Settings> stored;
    if (useSettings) {
        store = std::make_unique<settings::SettingsStore>();
        stored = std::make_unique<settings::Settings>(*store, schema);
    }

    settings::SessionState state;
    cli::PeerOptions options;
    if (useSettings) {
        settings::Settings& values = *stored;
        state.load(values);
        static_cast<cli::NetOptions&>(options) = NetOptionsFrom(values);
        options.channels = chat::StartupChannels(values);
        options.filesDirectory = values.text(settings::key::FilesDir);
    } else {
        state.MyNick = settings::GetComputerNameText();
        state.SubjectAuthor = state.MyNick;
        state.SubjectTime = settings::SubjectTimeText(QDateTime::currentDateTime());
        state.SubjectText = settings::WindowCaption();
        options.codepage = settings::DefaultCodepage();
        options.channels = QStringList{u"#Talks"_s};
    }
    state.switches.SystemStrings = state.switches.UsersStrings = parser.isSet(stampsOption);
    if (parser.isSet(nickOption)) {
        if (!useSettings && state.SubjectAuthor == state.MyNick)
            state.SubjectAuthor = parser.value(nickOption);
        state.MyNick = parser.value(nickOption);
    }
    if (parser.isSet(statusOption)) {
        if (const auto status = presence::StatusFromText(parser.value(statusOption)))
            state.MyStatus = *status;
    }
    netOverrides.apply(parser, options);
    if (parser.isSet(channelOption))
        options.channels = parser.values(channelOption);
    if (parser.isSet(logsOption)) {
        options.logsDirectory = parser.value(logsOption);
        if (!options.logsDirectory.endsWith(u'/'))
            options.logsDirectory += u'/';
    }
    if (parser.isSet(filesOption))
        options.filesDirectory = parser.value(filesOption);
    options.trace = parser.isSet(traceOption);

    QTextStream out(stdout);
    cli::HeadlessPeer peer(state, options, out);
    if (!peer.start()) {
        std::cerr << "quorvelle-cli: cannot bind UDP port " << options.port << '\n';
        return 1;
    }

    QObject::connect(&peer, &cli::HeadlessPeer::finished, &app, [&] {
        if (useSettings) {
            state.save(*stored);
            stored->setNumber(settings::key::UDPPort, options.port);
            store->sync();
        }
        QCoreApplication::quit();
    });
    platform::TerminationSignals signalsToQuit;
    QObject::connect(&signalsToQuit, &platform::TerminationSignals::terminationRequested, &peer,
                     &cli::HeadlessPeer::quit);

    StdinReader reader;
    QObject::connect(&reader, &StdinReader::lineRead, &peer,
                     [&](const QString& line) { peer.execute(line); });
    QObject::connect(&reader, &StdinReader::endOfInput, &peer, &cli::HeadlessPeer::quit);
    reader.start();
    return app.exec();
}

#include "cli_main.moc"
