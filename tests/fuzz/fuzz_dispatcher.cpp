// The receive path fed several datagrams per input, so that state carries across
// them: users admitted and renamed, repeats dropped, the subject taken over, chats
// opened and information windows routed. Each datagram starts with a control byte:
// bits 0-1 pick the sender's address, bit 2 sends the bytes as they are instead of
// framing them, bit 3 advances the clock by a minute.
#include "../net/fakes.h"
#include "messages/user_info.h"
#include "net/codec.h"
#include "net/dispatcher.h"
#include "net/outgoing_actions.h"
#include "net/packets.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvelle;
using namespace Qt::Literals::StringLiterals;

namespace {

// Information replies go through the windows' real bookkeeping.
class InfoWindows : public testing::FakeSurface
{
public:
    bool showInformation(const QString& window, const net::InfoReply& reply) override
    {
        const messages::InfoRoute route = ids.route(window, reply.nick);
        if (route.kind == messages::InfoRoute::Dropped)
            return false;
        messages::ViewOf(reply, switches);
        if (ids.count() > 3)
            ids.close(route.id);
        return true;
    }
    messages::UserInfoWindows ids;
    settings::Switches switches;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    static const net::WireText text("windows-1251");
    static const net::Packets packets(text);
    presence::UsersRegistry registry;
    settings::SessionState state;
    state.MyNick = u"Me"_s;
    state.SubjectText = u"old"_s;
    state.SubjectAuthor = u"Carl"_s;
    state.SubjectTime = u"[05.12.2026 - 10:00:00]"_s;
    testing::FakeLink link;
    InfoWindows surface;
    surface.conversations << u"#Talks"_s << u"Bob"_s;
    surface.channelsOpen = true;
    net::OutgoingActions actions{
        registry, state, link, packets,
        net::MachineInfo{[] { return u"HOST"_s; },
                         [] {
                             return platform::MemoryStatus{42, 1024};
                         },
                         [] {
                             return platform::ForegroundWindow{u"a/b"_s, u"ed"_s};
                         },
                         [] { return u"1.2.3.4"_s; }}};
    const net::Sinks sinks = surface.sinks();
    QDateTime now(QDate(2026, 12, 6), QTime(17, 30, 5));
    net::Dispatcher dispatcher(registry, state, link, packets, text, actions, sinks,
                               [&now] { return now; });
    net::DatagramSeq seq(100);
    static const quint32 addresses[] = {0x0A00000B, 0x0A00000C, 0x7F000001, 0};

    for (int datagrams = 0; datagrams < 64 && input.remaining_bytes() > 0; ++datagrams) {
        const uint8_t control = input.ConsumeIntegral<uint8_t>();
        const std::string bytes = input.ConsumeRandomLengthString(net::MaxDatagramSize + 16);
        const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
        if (control & 8)
            now = now.addSecs(60);
        dispatcher.DispatchDatagram(control & 4 ? view.toByteArray()
                                                : net::FrameDatagram(view, seq),
                                    addresses[control & 3]);
    }
    // The list stays consistent with its index whatever was admitted.
    for (int i = 0; i < registry.count(); ++i)
        if (registry.FindUser(registry.ItemNick(i)) != i)
            std::abort();
    return 0;
}
