#pragma once

// A main window for widget tests: its settings in a temporary file, its datagrams
// on a random port of the loopback broadcast address only. restart() runs the exit
// sequence and starts a new window on the same settings, as a user's next session.

#include "settings/settings.h"
#include "shell/main_window.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace quorvelle::testing {

class MainWindowFixture
{
public:
    // extraIni: more sections or values, appended to the settings file.
    bool start(const QString& extraIni = {})
    {
        using namespace Qt::Literals::StringLiterals;
        m_port = quint16(QRandomGenerator::global()->bounded(20000, 60000));
        const QString ini = m_dir.filePath(u"Quorvelle-%1.ini"_s.arg(m_port));
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(u"[Settings]\nNickName=Me\nUDPPort=%1\nLogsDir=%2/logs%1/\nUpdateOnPopup=0\n"
                   "Codepage=windows-1251\n[AddrList]\n127.255.255.255=\n"_s.arg(m_port)
                       .arg(m_dir.path())
                       .toUtf8() +
                   extraIni.toUtf8());
        file.close();
        store = std::make_unique<settings::SettingsStore>(ini);
        open();
        return true;
    }
    void restart()
    {
        window->Exit1Click();
        window.reset();
        open();
    }
    void stop()
    {
        window.reset();
        store.reset();
    }
    // The settings file as text, for what must or must not have been stored.
    QByteArray stored() const
    {
        QFile file(store->location());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<settings::SettingsStore> store;
    std::unique_ptr<shell::TMainFm> window;

private:
    void open()
    {
        window = std::make_unique<shell::TMainFm>(*store);
        window->InitMainWindow();
    }

    QTemporaryDir m_dir;
    quint16 m_port = 0;
};

} // namespace quorvelle::testing
