// Export and import of a 20,000-item history (the store benchmark's mix of texts, images and
// file lists, generated once into a temporary database): the export to a new file, and the
// import of that file into an empty history, each timed from the call until it returned.
//
//   cmake --build build --target bench_archive && build/bench/bench_archive
#include "BenchSupport.h"
#include "HistoryGenerator.h"

#include "model/CoreDataManager.h"
#include "model/HistoryArchive.h"
#include "model/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kHistorySize = 20000;

struct History
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/bench_archive-XXXXXX")};
    QString source = dir.filePath(QStringLiteral("Brimble.sqlite"));

    History()
    {
        BenchSupport::preferences().setFilePath(dir.filePath(QStringLiteral("preferences.json")));
        BenchSupport::store().open(source);
        BenchSupport::QuietStderr quiet;
        BenchSupport::store().ensureDefaultCategory();
        const HistoryGenerator::Shape shape;
        BenchSupport::store().performBatch([&] {
            for (int i = 0; i < kHistorySize; ++i)
                BenchSupport::store().insertPasteInf(HistoryGenerator::item(shape, i));
        });
        BenchSupport::store().save();
    }

    static History& shared()
    {
        static History history;
        return history;
    }
};

void BM_Export20000Items(benchmark::State& state)
{
    History& history = History::shared();
    HistoryArchive::Result result;
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchSupport::store().open(history.source);
        const QString file = history.dir.filePath(QStringLiteral("export.brimble-history"));
        QFile::remove(file);
        state.ResumeTiming();
        BenchSupport::QuietStderr quiet;
        result = HistoryArchive::exportHistory(BenchSupport::store(), file);
        bytes = QFileInfo(file).size();
    }
    state.counters["items"] = double(result.items);
    state.counters["file_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_Export20000Items)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_Import20000ItemsIntoAnEmptyHistory(benchmark::State& state)
{
    History& history = History::shared();
    const QString file = history.dir.filePath(QStringLiteral("export.brimble-history"));
    HistoryArchive::Result result;
    for (auto _ : state) {
        state.PauseTiming();
        if (!QFile::exists(file)) {
            BenchSupport::store().open(history.source);
            BenchSupport::QuietStderr quiet;
            HistoryArchive::exportHistory(BenchSupport::store(), file);
        }
        const QString target = history.dir.filePath(QStringLiteral("Empty.sqlite"));
        BenchSupport::store().close();
        QFile::remove(target);
        QFile::remove(target + QStringLiteral("-wal"));
        QFile::remove(target + QStringLiteral("-shm"));
        BenchSupport::store().open(target);
        BenchSupport::store().ensureDefaultCategory();
        state.ResumeTiming();
        BenchSupport::QuietStderr quiet;
        result = HistoryArchive::importHistory(BenchSupport::store(), file);
    }
    state.counters["added"] = double(result.items);
}
BENCHMARK(BM_Import20000ItemsIntoAnEmptyHistory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int status = BenchSupport::runBenchmarks(argc, argv);
    BenchSupport::store().close();
    return status;
}
