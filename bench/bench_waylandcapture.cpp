// Capture on a native Wayland compositor: copy-to-record latency, the GUI thread's longest
// stall while a large image is captured, and the idle cost of the tick. Needs a compositor
// with data control (a headless sway, as scripts/test starts) and wl-copy:
//   WAYLAND_DISPLAY=/tmp/brimble-sway.XXXXXX/wayland-1 build/bench/bench_waylandcapture
#include "BenchSupport.h"
#include "app/Brimble.h"
#include "app/Preferences.h"
#include "model/CoreDataManager.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using BenchSupport::RecordedCounter;
using BenchSupport::runWithHeartbeat;

struct Session
{
    QTemporaryDir dir;
    std::unique_ptr<Platform> platform;

    Session()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        Preferences::shared().setFilePath(dir.path() + "/config/brimble/preferences.json");
        CoreDataManager::shared().close();
        CoreDataManager::shared().open(dir.path() + "/Brimble.sqlite");
        CoreDataManager::shared().ensureDefaultCategory();
        platform = Platform::create();
        Brimble::create(*platform);
    }
    ~Session()
    {
        delete &Brimble::shared();
        CoreDataManager::shared().close();
    }
};

// Starts wl-copy on the given input; it returns once the compositor has the selection.
void wlCopy(const QString& inputFile, const QByteArray& data, const QStringList& args = {})
{
    QProcess copy;
    if (!inputFile.isEmpty())
        copy.setStandardInputFile(inputFile);
    copy.start("wl-copy", args);
    if (inputFile.isEmpty()) {
        copy.write(data);
        copy.closeWriteChannel();
    }
    copy.waitForFinished(60000);
}

void BM_WaylandCopyToRecordText(benchmark::State& state)
{
    Session session;
    RecordedCounter recorded;
    int n = 0;
    QRandomGenerator random(11);
    for (auto _ : state) {
        // Copies land anywhere in the tick's period, as a user's do.
        state.PauseTiming();
        QElapsedTimer pause;
        pause.start();
        const int offset = random.bounded(500);
        runWithHeartbeat([&] { return pause.elapsed() >= offset; }, 1000);
        state.ResumeTiming();
        const int before = recorded.count;
        wlCopy({}, QByteArray("latency probe ") + QByteArray::number(n++));
        QElapsedTimer timer;
        timer.start();
        runWithHeartbeat([&] { return recorded.count > before; }, 5000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_WaylandCopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_WaylandCaptureLargeImage(benchmark::State& state)
{
    const qint64 size = state.range(0) * 1024 * 1024;
    QTemporaryDir dir;
    QFile file(dir.filePath("image.png"));
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(1024 * 1024, 'x');
    for (qint64 i = 0; i < size / chunk.size(); ++i) {
        chunk[0] = char(i);
        file.write(chunk);
    }
    file.close();

    Session session;
    RecordedCounter recorded;
    double worstStall = 0;
    char generation = 0;
    for (auto _ : state) {
        // A new first byte each time, or the monitor rightly skips the copy as a repeat.
        state.PauseTiming();
        file.open(QIODevice::ReadWrite);
        file.write(&++generation, 1);
        file.close();
        state.ResumeTiming();
        const int before = recorded.count;
        wlCopy(file.fileName(), {}, {"--type", "image/png"});
        QElapsedTimer timer;
        timer.start();
        worstStall = std::max(worstStall, runWithHeartbeat([&] { return recorded.count > before; }, 60000));
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    state.counters["gui_max_stall_ms"] = worstStall;
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WaylandCaptureLargeImage)
    ->Arg(50)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_WaylandIdleCpu(benchmark::State& state)
{
    Session session;
    for (auto _ : state) {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        auto micros = [](const timeval& t) { return t.tv_sec * 1e6 + t.tv_usec; };
        const double cpu = (micros(after.ru_utime) - micros(before.ru_utime)) +
                           (micros(after.ru_stime) - micros(before.ru_stime));
        state.counters["idle_cpu_percent"] = 100.0 * cpu / (wall.elapsed() * 1000.0);
    }
}
BENCHMARK(BM_WaylandIdleCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The bench measures the engine and the GUI thread's event loop, not a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("BRIMBLE_PLATFORM", "wayland");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
