// Undo of a large delete: 1,000 items spread over a 20,000-item history (generated once into a
// temporary database, the store benchmark's mix of texts, images and file lists) are deleted
// from the panel, then put back. Timed from the undo until the store has committed it and told
// its observers.
//
//   cmake --build build --target bench_undo && build/bench/bench_undo
#include "BenchSupport.h"
#include "HistoryGenerator.h"

#include "model/CoreDataManager.h"
#include "model/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include <ctime>
#include <future>

namespace {

constexpr int kHistorySize = 20000;
constexpr int kDeleted = 1000;

struct History
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/bench_undo-XXXXXX")};
    CoreDataManager store;
    QList<qint64> deleted;

    History()
    {
        store.open(dir.filePath(QStringLiteral("Brimble.sqlite")));
        BenchSupport::QuietStderr quiet;
        const HistoryGenerator::Shape shape;
        store.performBatch([&] {
            for (int i = 0; i < kHistorySize; ++i)
                store.insertPasteInf(HistoryGenerator::item(shape, i));
        });
        store.save();
        // Row ids follow insertion: every twentieth item.
        for (qint64 id = 1; id <= kHistorySize; id += kHistorySize / kDeleted)
            deleted.append(id);
    }

    ~History() { store.close(); }

    // Made on first use, so listing the benchmarks costs nothing; gone before main() returns.
    static History& shared()
    {
        if (!g_history)
            g_history = std::make_unique<History>();
        return *g_history;
    }
    static inline std::unique_ptr<History> g_history;
};

void BM_UndoThousandDeletedItems(benchmark::State& state)
{
    History& history = History::shared();
    qint64 restored = 0;
    // The work runs on the store's thread: its CPU time is what the machine's load does not
    // inflate.
    double cpuMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        history.store.deletePasteInfIds(history.deleted, {}, true);
        history.store.waitForQueued();
        state.ResumeTiming();
        const std::clock_t start = std::clock();
        std::promise<qint64> done;
        history.store.undoLastChange([&](qint64 count) { done.set_value(count); });
        restored = done.get_future().get();
        cpuMs += double(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
    }
    state.counters["restored"] = double(restored);
    state.counters["cpu_ms"] = cpuMs / double(state.iterations());
}
BENCHMARK(BM_UndoThousandDeletedItems)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int status = BenchSupport::runBenchmarks(argc, argv);
    History::g_history.reset();
    return status;
}
