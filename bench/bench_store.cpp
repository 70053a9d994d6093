// The history store at the scale of a long-used default clipboard: 100,000 items (mostly text
// of 100 B - 4 KB, 1% ~200 KB images, 3% file lists) generated once into a temporary database.
//
//   /tmp/devbuild bench_store && build/bench/bench_store
#include "BenchSupport.h"
#include "HistoryGenerator.h"

#include "model/CoreDataManager.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kHistorySize = 100000;

PasteCategoryInfModel defaultClipboard()
{
    PasteCategoryInfModel clipboard;
    clipboard.uuid = kDefaultCategoryUUID;
    return clipboard;
}

// Built on first use, so listing the benchmarks costs nothing.
struct History
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/bench_store-XXXXXX")};
    CoreDataManager store;
    double generationSeconds = 0;

    History()
    {
        const QString path = dir.filePath(QStringLiteral("Brimble.sqlite"));
        store.open(path);
        QElapsedTimer timer;
        timer.start();
        {
            BenchSupport::QuietStderr quiet;
            const HistoryGenerator::Shape shape;
            store.performBatch([&] {
                for (int i = 0; i < kHistorySize; ++i)
                    store.insertPasteInf(HistoryGenerator::item(shape, i));
            });
            store.save();
        }
        generationSeconds = timer.elapsed() / 1000.0;
        std::printf("generated %d items in %.1f s, database %.0f MB\n", kHistorySize, generationSeconds,
                    QFileInfo(path).size() / 1048576.0);
        std::fflush(stdout);
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

void BM_FetchPasteInfs(benchmark::State& state)
{
    CoreDataManager& store = History::shared().store;
    const double before = BenchSupport::residentMegabytes();
    qsizetype items = 0;
    double after = 0;
    for (auto _ : state) {
        QList<PasteInfModel> models = store.fetchPasteInfs(defaultClipboard());
        items = models.size();
        state.PauseTiming();
        after = BenchSupport::residentMegabytes();
        state.ResumeTiming();
        benchmark::DoNotOptimize(models);
    }
    state.counters["items"] = double(items);
    state.counters["rss_before_MB"] = before;
    state.counters["rss_with_list_MB"] = after;
}
BENCHMARK(BM_FetchPasteInfs)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_CountPasteInfs(benchmark::State& state)
{
    CoreDataManager& store = History::shared().store;
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = store.countPasteInfs(defaultClipboard()));
    state.counters["items"] = count;
}
BENCHMARK(BM_CountPasteInfs)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();

void BM_InsertSmallText(benchmark::State& state)
{
    CoreDataManager& store = History::shared().store;
    // Captured ahead: the capture itself belongs to the monitor, not the store.
    const int planned = int(state.max_iterations);
    QList<PasteInfModel> models;
    models.reserve(planned);
    for (int i = 0; i < planned; ++i) {
        const QByteArray body =
            "a short copied line number " + QByteArray::number(i) + " with some words in it";
        const PasteboardItem item({{QStringLiteral("UTF8_STRING"), body}, {PasteboardType::string, body}});
        models.append(PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr));
    }
    BenchSupport::QuietStderr quiet;
    int next = 0;
    for (auto _ : state)
        store.insertPasteInf(models.at(next++));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InsertSmallText)->Unit(benchmark::kMicrosecond)->Iterations(5000)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int status = BenchSupport::runBenchmarks(argc, argv);
    History::g_history.reset();
    return status;
}
