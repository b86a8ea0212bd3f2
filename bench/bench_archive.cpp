// Reading the messages archive: a file of 100 000 records (about 10 MB) to records.
#include "archive_file.h"
#include "messages/message_archive.h"

#include <benchmark/benchmark.h>

using namespace quorvelle;
using namespace quorvelle::messages;
using namespace Qt::Literals::StringLiterals;

namespace {

void BM_ReadArchive(benchmark::State& state)
{
    const net::WireText wire("windows-1251");
    const QByteArray file = bench::ArchiveFile(wire, int(state.range(0)));
    for (auto _ : state) {
        auto records = ReadArchive(file, wire);
        benchmark::DoNotOptimize(records);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetLabel(QByteArray::number(file.size() / 1e6, 'f', 1).toStdString() +
                   " MB; bytes/s = MB/s read, items/s = records/s");
}
BENCHMARK(BM_ReadArchive)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A hostile file of markers only: 10 MB, 500 000 empty records.
void BM_ReadMarkersOnly(benchmark::State& state)
{
    const net::WireText wire("windows-1251");
    const QByteArray file = QByteArray("*>*\r\n").repeated(2'000'000);
    for (auto _ : state) {
        auto records = ReadArchive(file, wire);
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadMarkersOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
