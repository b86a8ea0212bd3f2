#include "chat/chat_session.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "settings/program_info.h"
#include "settings/settings_store.h"
#include "settings/translations.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"
#include "shell/window_presence.h"

#ifdef QUORVELLE_HAVE_DBUS
#include "messages/message_windows.h"
#include "shell/session_bus_entry.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSessionManager>
#include <cstdio>

using namespace quorvelle;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int UsageError = 2;

QString Usage()
{
    return u"Usage: quorvelle [--help] [--version] [Qt options such as -platform NAME]\n\n"
           "A serverless chat for the local network. It starts in the notification area\n"
           "(right click its icon and choose Show, or press Ctrl+Alt+S); a second start\n"
           "brings the running copy's window forward.\n"_s;
}

// Help and version are answered before anything needs a display or joins the net.
std::optional<int> AnswerBeforeStart(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::fputs(qPrintable(Usage()), stdout);
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            std::printf("%s\n", qPrintable(settings::WindowCaption()));
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto answered = AnswerBeforeStart(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    // What Qt did not take is ours, and we take no arguments.
    if (app.arguments().size() > 1) {
        std::fprintf(stderr, "quorvelle: unknown argument '%s'\n%s",
                     qPrintable(app.arguments().at(1)), qPrintable(Usage()));
        return UsageError;
    }
    settings::InstallTranslations();
    settings::UseNativeSettingsFormat();
    QApplication::setApplicationDisplayName(settings::WindowCaption());
    QApplication::setQuitOnLastWindowClosed(false);
    // Desktops find the menu entry and icon by it.
    QGuiApplication::setDesktopFileName(u"org.halvorenwerk.Quorvelle"_s);

    settings::SettingsStore store;
    const bool firstStart = !QFileInfo::exists(store.location());
    platform::SingleInstance instance(store.location());
    if (!instance.tryLock()) {
        // Another copy runs for this user: it shows its window, this one ends silently.
#ifdef QUORVELLE_HAVE_DBUS
        shell::SessionBusEntry::AskRunningCopyToShow();
#endif
        return 0;
    }

    shell::TMainFm window(store);
    QObject::connect(&window, &shell::TMainFm::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    // The end of the desktop session and the termination signals run the exit
    // sequence, like "Exit" does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.Exit1Click(); });
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &window,
                     [&window] { window.Exit1Click(); });

#ifdef QUORVELLE_HAVE_DBUS
    shell::SessionBusEntry entry(&window.session());
    QObject::connect(&window.messageWindows(), &messages::MessageWindows::arrived, &entry,
                     [&entry](const QString& sender, const QString& text) {
                         emit entry.MessageReceived(sender, text);
                     });
    QObject::connect(&entry, &shell::SessionBusEntry::updateRequested, &window,
                     [&window] { window.session().actions().RefreshUsersList(); });
    QObject::connect(&entry, &shell::SessionBusEntry::showRequested, &window,
                     [&window] { window.presence().ShowAsked(); });
    entry.registerOnSessionBus();
#endif

    window.InitMainWindow();
    // Started hidden in the tray; without a tray the window is the only way in. It
    // shows without a second users-list refresh: the start has just asked.
    if (!shell::TrayIcon::available())
        window.presence().ShowWithoutRefresh();
    else if (firstStart)
        window.presence().tray().showFirstStartHint();
    return app.exec();
}
