#include "settings/program_info.h"
#include "settings/settings_store.h"
#include "shell/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quorvelle::settings::UseNativeSettingsFormat();
    QApplication::setApplicationDisplayName(quorvelle::settings::WindowCaption());

    quorvelle::shell::TMainFm window;
    QObject::connect(&window, &quorvelle::shell::TMainFm::exitRequested, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
