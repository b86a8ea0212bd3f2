#include "chat/chat_session.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "settings/program_info.h"
#include "settings/settings_store.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"
#include "shell/window_presence.h"

#ifdef QUORVELLE_HAVE_DBUS
#include "shell/dbus_trigger.h"
#endif

#include <QApplication>
#include <QSessionManager>

using namespace quorvelle;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    settings::UseNativeSettingsFormat();
    QApplication::setApplicationDisplayName(settings::WindowCaption());
    QApplication::setQuitOnLastWindowClosed(false);

    settings::SettingsStore store;
    platform::SingleInstance instance(store.location());
    if (!instance.tryLock())
        return 0; // another copy runs for this user: end silently

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
    shell::UsersListTrigger trigger;
    QObject::connect(&trigger, &shell::UsersListTrigger::updateRequested, &window,
                     [&window] { window.session().actions().RefreshUsersList(); });
    trigger.registerOnSessionBus();
#endif

    window.InitMainWindow();
    // Started hidden in the tray; without a tray the window is the only way in. It
    // shows without a second users-list refresh: the start has just asked.
    if (!shell::TrayIcon::available())
        window.presence().ShowWithoutRefresh();
    return app.exec();
}
