#include "shell/configuration_commands.h"

#include "chat/chat_session.h"
#include "net/ipv4_text.h"
#include "settings/settings.h"
#include "shell/connection_window.h"
#include "shell/diagnostics_window.h"
#include "shell/main_menu.h"
#include "shell/secondary_window.h"

#include <QAction>
#include <QFileDialog>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;
namespace key = settings::key;

ConfigurationCommands::ConfigurationCommands(QWidget* window, MainMenu& menu,
                                             chat::ChatSession& session)
    : QObject(window), m_window(window), m_session(session)
{
    connect(menu.Connection1, &QAction::triggered, this, &ConfigurationCommands::Connection1Click);
    connect(menu.LogsDirectory1, &QAction::triggered, this,
            &ConfigurationCommands::LogsDirectory1Click);
    connect(menu.Diagnostics1, &QAction::triggered, this,
            &ConfigurationCommands::Diagnostics1Click);
}

void ConfigurationCommands::load(const settings::Settings& s)
{
    m_session.net().transport().setEveryInterface(s.flag(key::BroadcastEveryInterface));
    m_session.logs().setDirectory(s.text(key::LogsDir));
    m_session.transfers().setIncomingDir(s.text(key::FilesDir));
}

void ConfigurationCommands::save(settings::Settings& s) const
{
    net::UdpTransport& transport = m_session.net().transport();
    s.setNumber(key::UDPPort, transport.sendPort());
    s.eraseSection(settings::section::AddrList);
    for (quint32 address : transport.broadcastAddrs())
        s.setListItem(settings::section::AddrList, net::IpToText(address));
    s.setFlag(key::BroadcastEveryInterface, transport.everyInterface());
    s.setText(key::Codepage, QString::fromLatin1(m_session.net().wireText().codepage()));
    s.setText(key::LogsDir, m_session.logs().directory());
    s.setText(key::FilesDir, m_session.transfers().incomingDir());
}

void ConfigurationCommands::Connection1Click()
{
    ShowSecondaryWindow(m_connection, [this] {
        net::UdpTransport& transport = m_session.net().transport();
        QStringList addresses;
        for (quint32 address : transport.broadcastAddrs())
            addresses.append(net::IpToText(address));
        auto* window =
            new TConnFm(addresses, transport.sendPort(), m_session.net().wireText().codepage());
        window->setEveryInterface(transport.everyInterface());
        connect(window, &TConnFm::codepageChosen, this,
                [this](const QByteArray& codepage) { m_session.setCodepage(codepage); });
        connect(window, &TConnFm::applied, this, [this](const QStringList& texts, quint16 port) {
            m_session.net().transport().SetBroadcastAddrs(texts);
            m_session.net().transport().setSendPort(port);
        });
        connect(window, &TConnFm::everyInterfaceChosen, this,
                [this](bool on) { m_session.net().transport().setEveryInterface(on); });
        connect(window, &TConnFm::confirmed, this,
                [this] { m_session.actions().RefreshUsersList(); });
        return window;
    });
}

void ConfigurationCommands::Diagnostics1Click()
{
    ShowSecondaryWindow(m_diagnostics, [this] { return new DiagnosticsWindow(m_session); });
}

void ConfigurationCommands::LogsDirectory1Click()
{
    QString start = m_session.logs().directory();
    if (start.endsWith(u'/') && start.size() > 1)
        start.chop(1);
    const QString chosen = QFileDialog::getExistingDirectory(
        m_window, tr("Select Directory for Save Logs"), start, QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        m_session.logs().setDirectory(chosen.endsWith(u'/') ? chosen : chosen + u'/');
}

} // namespace quorvelle::shell
