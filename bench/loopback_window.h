#pragma once

// The desktop program's main window on a random loopback port (address table
// 127.0.0.1 only), started and shown as a user would watch it.

#include "settings/settings_store.h"
#include "shell/main_window.h"
#include "shell/window_presence.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace quorvelle::bench {

struct LoopbackWindow
{
    QTemporaryDir dir;
    quint16 port = quint16(QRandomGenerator::global()->bounded(20000, 60000));
    std::unique_ptr<settings::SettingsStore> store;
    std::unique_ptr<shell::TMainFm> window;

    bool start()
    {
        const QString ini = dir.filePath(QStringLiteral("Quorvelle.ini"));
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QStringLiteral("[Settings]\nNickName=Me\nUDPPort=%1\nLogsDir=%2/logs/\n"
                                  "UpdateOnPopup=0\n[AddrList]\n127.0.0.1=\n")
                       .arg(port)
                       .arg(dir.path())
                       .toUtf8());
        file.close();
        store = std::make_unique<settings::SettingsStore>(ini);
        window = std::make_unique<shell::TMainFm>(*store);
        window->InitMainWindow();
        window->presence().Hide1Click();
        QCoreApplication::processEvents();
        return true;
    }
};

} // namespace quorvelle::bench
