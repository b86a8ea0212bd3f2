#pragma once

// "UDP Connection..." (the broadcast table, the port and the code page, used at
// once) and the directories: "Logs Directory..." and the incoming files' directory.

#include <QObject>
#include <QPointer>

class QWidget;

namespace quorvelle::chat {
class ChatSession;
}
namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::shell {

class MainMenu;
class TConnFm;
class DiagnosticsWindow;

class ConfigurationCommands : public QObject
{
    Q_OBJECT

public:
    ConfigurationCommands(QWidget* window, MainMenu& menu, chat::ChatSession& session);

    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;

    void Connection1Click();
    void LogsDirectory1Click();
    void Diagnostics1Click();

private:
    QWidget* m_window;
    chat::ChatSession& m_session;
    QPointer<TConnFm> m_connection;
    QPointer<DiagnosticsWindow> m_diagnostics;
};

} // namespace quorvelle::shell
