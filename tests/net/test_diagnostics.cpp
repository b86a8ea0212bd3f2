#include "net/diagnostics.h"
#include "settings/translations.h"

#include <QTest>

using namespace quorvelle::net;
using namespace Qt::StringLiterals;

namespace {

// Cable and Wi-Fi up, loopback; nothing here touches a socket.
const InterfaceAddress Eth{u"eth0"_s, 0x0A000005, 24, 0x0A0000FF, true, true, false};
const InterfaceAddress Wlan{u"wlan0"_s, 0xC0A80107, 24, 0xC0A801FF, true, true, false};
const InterfaceAddress Lo{u"lo"_s, 0x7F000001, 8, 0, true, false, true};

DiagnosticFacts Healthy()
{
    DiagnosticFacts f;
    f.interfaces = {Lo, Eth, Wlan};
    f.table = {0xFFFFFFFF};
    f.udp = {8166, true, false, {}};
    f.files = {8165, true, false, {}};
    f.probed = true;
    f.echoes = {Eth.address, Wlan.address};
    f.answers = {{u"Bob"_s, 0x0A000009, 12}, {u"Carl"_s, 0xC0A80102, 30}};
    f.systemDrops = 0;
    return f;
}

} // namespace

class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quorvelle::settings::InstallTranslations(); }

    // Each trouble gives its own words; the rest of the facts are healthy.
    void findings_data()
    {
        QTest::addColumn<DiagnosticFacts>("facts");
        QTest::addColumn<QStringList>("findings");
        DiagnosticFacts f = Healthy();
        QTest::newRow("all well") << f << QStringList{u"The net works: 2 peers answered."_s};
        f.answers.removeLast();
        QTest::newRow("nobody on the Wi-Fi")
            << f
            << QStringList{u"Nobody answered on wlan0 (192.168.1.7/24) in 3 s. A firewall may be "
                           "blocking UDP port 8166."_s};
        f.everyInterface = false;
        QTest::newRow("the Wi-Fi not broadcast to")
            << f
            << QStringList{u"Nothing is broadcast on wlan0 (192.168.1.7/24): turn on \"Broadcast "
                           "on every network interface\" in UDP Connection, or add "
                           "192.168.1.255 to its addresses."_s};
        f = Healthy();
        f.answers = {{u"Dan"_s, 0x08080808, 40}}; // through a router: neither network's
        f.echoes.clear();
        QTest::newRow("own broadcast lost")
            << f
            << QStringList{u"The test broadcast did not come back: the firewall of this computer "
                           "may be blocking UDP port 8166, or no route leads to the broadcast "
                           "addresses."_s,
                           u"Nobody answered on eth0 (10.0.0.5/24) in 3 s. A firewall may be "
                           "blocking UDP port 8166."_s,
                           u"Nobody answered on wlan0 (192.168.1.7/24) in 3 s. A firewall may be "
                           "blocking UDP port 8166."_s};
        f = Healthy();
        f.udp = {8166, false, true, u"The bound address is already in use"_s};
        f.probed = false;
        f.files = {8165, false, true, u"The bound address is already in use"_s};
        QTest::newRow("ports held by another program")
            << f
            << QStringList{u"UDP port 8166 is in use by another program: this computer cannot "
                           "hear the net. Close that program, or choose another port in UDP "
                           "Connection (every peer must use the same)."_s,
                           u"File port 8165 is in use by another program: files sent to you "
                           "cannot arrive."_s};
        f = Healthy();
        f.interfaces = {Lo};
        f.echoes = {Lo.address};
        f.answers.clear();
        QTest::newRow("no network")
            << f
            << QStringList{u"No network interface is up: connect a cable or join a network."_s};
        f = Healthy();
        // Cable and Wi-Fi on one network, and a tunnel that cannot broadcast.
        f.interfaces = {Lo,
                        Eth,
                        {u"wlan0"_s, 0x0A000006, 24, 0x0A0000FF, true, true, false},
                        {u"tun0"_s, 0x0A080001, 32, 0, true, false, false}};
        f.answers.removeLast();
        QTest::newRow("two cards on one network, a tunnel")
            << f << QStringList{u"The net works: 1 peer answered."_s};
        f = Healthy();
        f.heldByProgram = true;
        f.probed = false;
        QTest::newRow("the running program holds the ports")
            << f
            << QStringList{u"Quorvelle runs on this computer and holds UDP port 8166: its Network "
                           "Diagnostics (Configuration menu) tests the net through its own "
                           "sockets."_s};
        f = Healthy();
        f.systemDrops = 1;
        QTest::newRow("drops")
            << f
            << QStringList{u"The system dropped 1 datagram for a full receive buffer. On Linux, "
                           "raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304)."_s};
    }

    void findings()
    {
        QFETCH(DiagnosticFacts, facts);
        QFETCH(QStringList, findings);
        QCOMPARE(Diagnostics::findings(facts), findings);
        // The report carries them, and who answered by which interface.
        const QString report = Diagnostics::report(facts);
        for (const QString& finding : findings)
            QVERIFY(report.contains(u"  - "_s + finding));
        for (const ProbeAnswer& answer : facts.probed ? facts.answers : QList<ProbeAnswer>{})
            QVERIFY2(report.contains(answer.nick + u" answered from "_s), qPrintable(report));
    }

    void reportNamesTheWay()
    {
        DiagnosticFacts f = Healthy();
        f.answers.append({u"Dan"_s, 0x08080808, 40});
        const QString report = Diagnostics::report(f);
        for (const QString& line : {u"  Bob answered from 10.0.0.9 by eth0 in 12 ms"_s,
                                    u"  Carl answered from 192.168.1.2 by wlan0 in 30 ms"_s,
                                    u"  Dan answered from 8.8.8.8 by a router in 40 ms"_s,
                                    u"  it came back by eth0 (10.0.0.5), wlan0 (192.168.1.7)"_s,
                                    u"UDP port 8166: open"_s, u"File port 8165: listening"_s})
            QVERIFY2(report.contains(line), qPrintable(line + u"\n"_s + report));
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "test_diagnostics.moc"
