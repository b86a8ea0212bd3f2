// Frame + decode throughput of the datagram codec.
#include "net/codec.h"

#include <benchmark/benchmark.h>

using namespace quorvelle::net;

static void BM_FrameAndDecode(benchmark::State& state)
{
    QByteArray packet(state.range(0), 'x');
    packet[0] = '/';
    packet[1] = '#';
    DatagramSeq seq(0);
    for (auto _ : state) {
        auto decoded = DecodeDatagram(FrameDatagram(packet, seq));
        benchmark::DoNotOptimize(decoded);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * (packet.size() + 2));
    state.SetLabel("items/s = datagrams per second");
}
BENCHMARK(BM_FrameAndDecode)->Arg(58)->Arg(8188);

BENCHMARK_MAIN();
