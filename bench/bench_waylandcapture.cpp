// Capture on a native Wayland compositor: copy-to-record latency, the GUI thread's longest
// stall while a large image is captured, and the idle cost of the tick. Needs a compositor
// with data control (a headless sway, as scripts/test starts) and wl-copy:
//   WAYLAND_DISPLAY=/tmp/brimble-sway.XXXXXX/wayland-1 build/bench/bench_waylandcapture
#include "CaptureBench.h"

#include <QApplication>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

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
    CaptureBench::copyToRecord(state, [](const QByteArray& text) { wlCopy({}, text); });
}
BENCHMARK(BM_WaylandCopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_WaylandCaptureLargeImage(benchmark::State& state)
{
    CaptureBench::captureLargeImage(state, [](const QString& file) {
        wlCopy(file, {}, {"--type", "image/png"});
        return std::unique_ptr<QProcess>();
    });
}
BENCHMARK(BM_WaylandCaptureLargeImage)
    ->Arg(50)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_WaylandIdleCpu(benchmark::State& state)
{
    CaptureBench::idleCpu(state);
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
