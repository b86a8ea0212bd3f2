// Receive path throughput: decode, duplicate check and dispatch of chat-line
// datagrams into a conversation sink that only counts, with many peers registered.
#include "net/codec.h"
#include "net/dispatcher.h"
#include "net/outgoing_actions.h"
#include "net/packet_link.h"
#include "net/packets.h"
#include "net/sinks.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"

#include <benchmark/benchmark.h>

using namespace quorvelle;
using namespace quorvelle::net;

namespace {

class CountingSurface : public ConversationSink
{
public:
    void addChatLine(const ChatLine& line) override { chars += line.text.size(); }
    bool conversationExists(const QString& name) const override { return name == MainConversation; }
    QStringList conversationNames() const override { return {MainConversation}; }
    void renameConversation(const QString&, const QString&) override {}
    qsizetype chars = 0;
};

class NullLink : public PacketLink
{
public:
    void SendBroadcast(const QByteArray&) override {}
    void SendToUser(const QByteArray&, const QString&) override {}
};

} // namespace

static void BM_DispatchChatLines(benchmark::State& state)
{
    const int peers = int(state.range(0));
    WireText text("windows-1251");
    Packets packets(text);
    presence::UsersRegistry registry;
    settings::SessionState session;
    session.MyNick = QStringLiteral("Me");
    NullLink link;
    CountingSurface surface;
    OutgoingActions actions(registry, session, link, packets, MachineInfo::system());
    const Sinks sinks{&surface};
    Dispatcher dispatcher(registry, session, link, packets, text, actions, sinks);

    // One datagram per peer, each sent with its own sequence numbers.
    DatagramSeq seq(1);
    QList<QByteArray> datagrams;
    for (int i = 0; i < peers; ++i) {
        const QString nick = QStringLiteral("peer%1").arg(i);
        registry.AddUser(nick, u"0", quint32(0x0A000000 + i));
        datagrams.append(FrameDatagram(
            packets.ChatLine(nick, MainConversation, QStringLiteral("a typical line of chat text")),
            seq));
    }
    qsizetype i = 0;
    for (auto _ : state) {
        // A fresh sequence number each round, as on the wire, so nothing is a repeat.
        QByteArray datagram = datagrams[i % datagrams.size()];
        datagram[datagram.size() - 1] = char(datagram[datagram.size() - 1] ^ char(i >> 8));
        datagram[datagram.size() - 2] = char(datagram[datagram.size() - 2] ^ char(i));
        dispatcher.DispatchDatagram(datagram, 0);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items/s = datagrams per second");
    benchmark::DoNotOptimize(surface.chars);
}
BENCHMARK(BM_DispatchChatLines)->Arg(10)->Arg(1000)->Arg(10000);

BENCHMARK_MAIN();
