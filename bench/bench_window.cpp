// What the quick search window asks of the store over a long history: opening a clipboard (its
// order of ids and the first screen of rows), pages of rows anywhere in it, and moving many items
// at once.
//
// It uses copies of the search benchmark's histories (run bench_search once to generate them),
// made once beside them as /tmp/brimble-bench-window-<items>.sqlite, since the moves write:
//
//   /tmp/devbuild bench_window && build/bench/bench_window --benchmark_counters_tabular=true
#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryIndex.h"
#include "model/HistoryReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <future>
#include <memory>

namespace {

const QString kDefaultClipboard = QStringLiteral("default-pasteinf-catgory-coooool");
const QString kOtherClipboard = QStringLiteral("bench-other-clipboard");

// The copy for `items`, made on first use; empty when the search benchmark's file is missing.
QString history(qint64 items)
{
    const QString copy = QStringLiteral("/tmp/brimble-bench-window-%1.sqlite").arg(items);
    if (QFile::exists(copy))
        return copy;
    const QString source = BenchSupport::searchHistoryPath(items);
    if (!QFile::exists(source) || !QFile::copy(source, copy))
        return {};
    return copy;
}

bool openStore(benchmark::State& state, const QString& path)
{
    CoreDataManager& store = BenchSupport::store();
    if (path.isEmpty()) {
        state.SkipWithError("no history: run bench_search first");
        return false;
    }
    if (store.path() != path && !store.open(path)) {
        state.SkipWithError("cannot open the history");
        return false;
    }
    return true;
}

// The store opened on the copy for the benchmark's first argument, and the default clipboard's
// order read by a reader of its own; null (the benchmark skipped) when that fails or the
// clipboard holds fewer than `atLeast` items.
struct OpenHistory
{
    explicit OpenHistory(const QString& path) : reader(BenchSupport::store(), path) {}
    HistoryReader reader;
    HistoryIndex index{kDefaultClipboard};
};

std::unique_ptr<OpenHistory> openHistory(benchmark::State& state, qsizetype atLeast = 0)
{
    const QString path = history(state.range(0));
    if (!openStore(state, path))
        return nullptr;
    auto open = std::make_unique<OpenHistory>(path);
    if (!open->reader.open() || !open->index.load(open->reader) || open->index.size() < atLeast) {
        state.SkipWithError("cannot read the history");
        return nullptr;
    }
    return open;
}

// Opening a clipboard in the window for the first time: a reader of its own, the first screen of
// ids and rows (what the window shows at once), then the whole order of ids (read on the reader
// thread while the window is already up, and kept up to date from then on).
void BM_FirstScreen(benchmark::State& state)
{
    const QString path = history(state.range(0));
    if (!openStore(state, path))
        return;
    for (auto _ : state) {
        HistoryReader reader(BenchSupport::store(), path);
        std::optional<QList<qint64>> first;
        if (!reader.open() || !(first = reader.historyIds(kDefaultClipboard, 20))) {
            state.SkipWithError("cannot read the history");
            return;
        }
        const QList<PasteInfRow> rows = reader.rows(*first);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_FirstScreen)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseRealTime();

void BM_BuildIndex(benchmark::State& state)
{
    const QString path = history(state.range(0));
    if (!openStore(state, path))
        return;
    const double before = BenchSupport::residentMegabytes();
    qsizetype size = 0;
    qsizetype capacity = 0;
    double held = 0;
    for (auto _ : state) {
        HistoryReader reader(BenchSupport::store(), path);
        HistoryIndex index(kDefaultClipboard);
        if (!reader.open() || !index.load(reader)) {
            state.SkipWithError("cannot read the history");
            return;
        }
        const QList<PasteInfRow> rows = reader.rows(index.ids().first(std::min<qsizetype>(20, index.size())));
        benchmark::DoNotOptimize(rows);
        state.PauseTiming();
        size = index.size();
        capacity = index.ids().capacity();
        held = BenchSupport::residentMegabytes();
        state.ResumeTiming();
    }
    state.counters["items"] = double(size);
    state.counters["index_B_per_item"] =
        double(capacity) * sizeof(qint64) / double(std::max<qsizetype>(size, 1));
    state.counters["rss_before_MB"] = before;
    state.counters["rss_index_held_MB"] = held;
}
BENCHMARK(BM_BuildIndex)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();

// Opening it again, with the index kept: a capture applied to it, and the first screen of rows.
void BM_ReopenWithKeptIndex(benchmark::State& state)
{
    const auto open = openHistory(state);
    if (!open)
        return;
    HistoryReader& reader = open->reader;
    HistoryIndex& index = open->index;
    const QList<qint64> copy = index.ids(); // what the GUI thread holds, shared until a change
    for (auto _ : state) {
        index.apply({HistoryChange::Kind::AddedToTop, kDefaultClipboard, {index.ids().last()}});
        const QList<PasteInfRow> rows = reader.rows(index.ids().first(20));
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ReopenWithKeptIndex)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

// A page of 50 rows at random places in the history.
void BM_PageOf50(benchmark::State& state)
{
    const auto open = openHistory(state, 50);
    if (!open)
        return;
    HistoryReader& reader = open->reader;
    HistoryIndex& index = open->index;
    QRandomGenerator random(7);
    qint64 rows = 0;
    for (auto _ : state) {
        const qsizetype from = random.bounded(index.size() - 50);
        const QList<PasteInfRow> page = reader.rows(index.ids().mid(from, 50));
        rows += page.size();
        benchmark::DoNotOptimize(page);
    }
    state.counters["rows_per_page"] = double(rows) / double(state.iterations());
}
BENCHMARK(BM_PageOf50)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->UseRealTime();

// 1,000 items moved to the top of their clipboard, or to another clipboard, in one transaction;
// timed until the store reports the commit. Either a run of adjacent rows (a selection) or items
// scattered over the whole history, whose pages are mostly not in memory (the worst case).
void moveThousand(benchmark::State& state, const std::optional<QString>& target)
{
    const bool scattered = state.range(1) != 0;
    const auto open = openHistory(state, 2000);
    if (!open)
        return;
    HistoryReader& reader = open->reader;
    HistoryIndex& index = open->index;
    QRandomGenerator random(11);
    for (auto _ : state) {
        state.PauseTiming();
        QList<qint64> ids;
        const qsizetype step = index.size() / 1000;
        const qsizetype start = random.bounded(index.size() - 1000);
        for (qsizetype i = 0; i < 1000; ++i)
            ids.append(scattered ? index.ids().at(i * step + random.bounded(step))
                                 : index.ids().at(start + i));
        state.ResumeTiming();
        std::promise<bool> done;
        BenchSupport::store().movePasteInfsToTop(ids, target, [&](bool ok) { done.set_value(ok); });
        if (!done.get_future().get()) {
            state.SkipWithError("the move failed");
            return;
        }
        state.PauseTiming();
        // The moved ones are elsewhere now; read the order again for the next round, and let the
        // journal be written out (a step of its own after the commit) before it starts.
        index.load(reader);
        BenchSupport::store().waitForQueued();
        state.ResumeTiming();
    }
}

void BM_MoveThousandToTop(benchmark::State& state)
{
    moveThousand(state, std::nullopt);
}
BENCHMARK(BM_MoveThousandToTop)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

void BM_MoveThousandToOtherClipboard(benchmark::State& state)
{
    moveThousand(state, kOtherClipboard);
}
BENCHMARK(BM_MoveThousandToOtherClipboard)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// Content on demand: one item's content read through the store's reader thread and its cache.
void BM_LoadContent(benchmark::State& state)
{
    const auto open = openHistory(state);
    if (!open)
        return;
    HistoryIndex& index = open->index;
    QRandomGenerator random(13);
    for (auto _ : state) {
        std::promise<bool> done;
        BenchSupport::store().loadContent(index.ids().at(random.bounded(index.size())),
                                          [&](const auto& items) { done.set_value(items.has_value()); });
        benchmark::DoNotOptimize(done.get_future().get());
    }
}
BENCHMARK(BM_LoadContent)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int status = BenchSupport::runBenchmarks(argc, argv);
    BenchSupport::store().close();
    return status;
}
