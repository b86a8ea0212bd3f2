// The users registry on the path of every received datagram (find the sender, filter
// duplicates) and when the whole list is rebuilt after a refresh.
#include "presence/users_registry.h"

#include <QStringList>
#include <benchmark/benchmark.h>

using namespace quorvelle::presence;

static QStringList nicks(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("user%1").arg(i * 7919 % 100003);
    return out;
}

static void fill(UsersRegistry& reg, const QStringList& names)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        reg.AddUser(names[i], QString::number(i % 4), quint32(0x0A000000 + i));
}

static void BM_FindAndCheckSignature(benchmark::State& state)
{
    const QStringList names = nicks(int(state.range(0)));
    UsersRegistry reg;
    fill(reg, names);
    qsizetype next = 0;
    quint16 sig = 0;
    for (auto _ : state) {
        const int index = reg.FindUser(names[next]);
        benchmark::DoNotOptimize(reg.CheckSignature(index, ++sig));
        next = next + 1 == names.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items/s = datagrams per second");
}
BENCHMARK(BM_FindAndCheckSignature)->Arg(10)->Arg(1000)->Arg(10000);

static void BM_RefillEmpty(benchmark::State& state)
{
    const QStringList names = nicks(int(state.range(0)));
    UsersRegistry reg;
    for (auto _ : state) {
        reg.ClearUsers();
        fill(reg, names);
    }
    state.SetItemsProcessed(state.iterations() * names.size());
    state.SetLabel("time = one refill; items/s = users added per second");
}
BENCHMARK(BM_RefillEmpty)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
