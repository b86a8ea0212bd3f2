// Appending lines to the chat view: single lines and batches, on an empty view
// and on views that already hold 10 000 and 100 000 lines, shown at a window's size.
#include "chat/conversation_view.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using quorvelle::chat::ConversationView;
using namespace Qt::Literals::StringLiterals;

namespace {

// Resident memory in KB, 0 where the system does not tell.
qint64 ResidentKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

QString Line(qint64 n)
{
    // About 60 characters, like a typical stamped line.
    return u"[12:34] <Nick%1> some text of typical length, sixty chars"_s.arg(n % 100);
}

const QColor Colours[] = {QColor(0, 0, 0), QColor(200, 0, 0), QColor(0, 120, 0), QColor(0, 0, 220)};

// Bytes the heap holds in live allocations, -1 where the C library does not tell.
// Resident memory also counts freed memory the allocator keeps.
qint64 HeapBytes()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

struct Prefilled
{
    std::unique_ptr<ConversationView> view;
    double kbPer10k = 0;
    double heapKbPer10k = 0;
    // What the lines from the 10 000th to the last held cost, without what the view
    // and its window cost whatever they show.
    double marginalKbPer10k = 0;
};

// One view per size and mode, filled once: filling 100 000 lines is not what is timed.
Prefilled& ViewWith(int lines, bool shown)
{
    static std::map<std::pair<int, bool>, Prefilled> views;
    Prefilled& p = views[{lines, shown}];
    if (p.view)
        return p;
    const qint64 before = ResidentKb();
    const qint64 heapBefore = HeapBytes();
    p.view = std::make_unique<ConversationView>();
    p.view->resize(640, 400);
    if (shown)
        p.view->show();
    QCoreApplication::processEvents();
    constexpr int Batch = 1000;
    qint64 heapAt10k = -1;
    for (int i = 0; i < lines; i += Batch) {
        if (i == 10000)
            heapAt10k = HeapBytes();
        QStringList batch;
        for (int j = i; j < i + Batch && j < lines; ++j)
            batch << Line(j);
        p.view->appendLines(batch, Colours[i / Batch % 4]);
    }
    QCoreApplication::processEvents();
    // Per line the view still holds: the oldest leave a full view.
    const int held = p.view->lineCount();
    if (lines > 0) {
        p.kbPer10k = double(ResidentKb() - before) * 10000.0 / held;
        if (heapBefore >= 0)
            p.heapKbPer10k = double(HeapBytes() - heapBefore) / 1024 * 10000.0 / held;
        if (heapAt10k >= 0 && held > 10000)
            p.marginalKbPer10k = double(HeapBytes() - heapAt10k) / 1024 * 10000.0 / (held - 10000);
    }
    return p;
}

void Report(benchmark::State& state, const Prefilled& p, qint64 linesPerIteration)
{
    state.SetItemsProcessed(state.iterations() * linesPerIteration);
    if (p.kbPer10k > 0)
        state.counters["rss_kb_per_10k_lines"] = p.kbPer10k;
    if (p.heapKbPer10k > 0)
        state.counters["heap_kb_per_10k_lines"] = p.heapKbPer10k;
    if (p.marginalKbPer10k > 0)
        state.counters["heap_kb_per_10k_more"] = p.marginalKbPer10k;
    state.counters["lines_held"] = double(p.view->lineCount());
    state.SetLabel("items/s = lines per second");
}

// One line per call. With "paint" the event loop turns after each line, so every line
// is also drawn: the worst case, lines trickling in one per pass. Lines that arrive
// faster than that share one paint.
void BM_AppendLine(benchmark::State& state)
{
    Prefilled& p = ViewWith(int(state.range(0)), state.range(1) != 0);
    const bool paint = state.range(2) != 0;
    qint64 n = 0;
    for (auto _ : state) {
        p.view->appendLines({Line(n)}, Colours[n % 4]);
        if (paint)
            QCoreApplication::processEvents();
        ++n;
    }
    Report(state, p, 1);
}
BENCHMARK(BM_AppendLine)
    ->ArgNames({"held", "shown", "paint"})
    ->Args({0, 1, 0})
    ->Args({10000, 1, 0})
    ->Args({100000, 1, 0})
    ->Args({100000, 0, 0})
    ->Args({0, 1, 1})
    ->Args({100000, 1, 1});

// A thousand lines that arrived together, in one call, then drawn.
void BM_AppendBatch(benchmark::State& state)
{
    Prefilled& p = ViewWith(int(state.range(0)), true);
    QStringList batch;
    for (int i = 0; i < 1000; ++i)
        batch << Line(i);
    qint64 n = 0;
    for (auto _ : state) {
        p.view->appendLines(batch, Colours[n++ % 4]);
        QCoreApplication::processEvents();
    }
    Report(state, p, batch.size());
}
BENCHMARK(BM_AppendBatch)->ArgNames({"held"})->Arg(0)->Arg(100000);

// Lines full of colour codes and smiles, "Enabled and Stripped" with smiles shown.
void BM_AppendMarkupLine(benchmark::State& state)
{
    Prefilled& p = ViewWith(int(state.range(0)), true);
    p.view->setMarkup(quorvelle::chat::ColourCodeMode::EnabledStripped, true);
    const bool paint = state.range(1) != 0;
    qint64 n = 0;
    for (auto _ : state) {
        p.view->appendLines(
            {u"[12:34] <Nick%1> ^Ок!^ #|Эй|# :?: _|П|_^|р|^&|и|& :) see www.x.org"_s.arg(n % 100)},
            Colours[n % 4]);
        if (paint)
            QCoreApplication::processEvents();
        ++n;
    }
    p.view->setMarkup(quorvelle::chat::ColourCodeMode::Disabled, false);
    Report(state, p, 1);
}
BENCHMARK(BM_AppendMarkupLine)->ArgNames({"held", "paint"})->Args({100000, 0})->Args({100000, 1});

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
