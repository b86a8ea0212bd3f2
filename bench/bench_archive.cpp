// Reading the messages archive: a file of 100 000 records (about 10 MB) to records.
#include "messages/message_archive.h"

#include <benchmark/benchmark.h>

using namespace quorvelle;
using namespace quorvelle::messages;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Archive(const net::WireText& wire, int records)
{
    const QString nicks[] = {u"Вася"_s, u"Bob"_s, u"Петрович"_s, u"admin_2"_s};
    QString text;
    for (int i = 0; i < records; ++i) {
        const bool sent = i % 3 == 0;
        const ArchiveRecord record{
            sent,
            u"%1.03.2024 12:%2:%3"_s.arg(i % 28 + 1, 2, 10, QChar(u'0'))
                .arg(i / 60 % 60, 2, 10, QChar(u'0'))
                .arg(i % 60, 2, 10, QChar(u'0')),
            sent ? u"Me"_s : nicks[i % 4], i % 5 == 0 ? MassRecipient.toString() : nicks[i % 4],
            // Several lines with codes, a smile and an empty line, as people write them.
            u"Привет, _|это|_ сообщение %1 :)\r\n\r\nВторая строка.\r\n"_s.arg(i)};
        text += ArchiveRecordText(record) + u"\r\n"_s;
    }
    return wire.encode(text);
}

void BM_ReadArchive(benchmark::State& state)
{
    const net::WireText wire("windows-1251");
    const QByteArray file = Archive(wire, int(state.range(0)));
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
