// Capture through ext-data-control-v1: copy-to-record latency against testcompositor, the small
// compositor of our own the tests use (it owns the clipboard itself for each copy). Run from the
// build folder, which holds the compositor:
//   build/bench/bench_extdatacontrol
#include "CaptureBench.h"
#include "TestCompositor.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

TestCompositor* compositor = nullptr;

void BM_ExtCopyToRecordText(benchmark::State& state)
{
    CaptureBench::copyToRecord(state, [](const QByteArray& text) {
        compositor->offer({{QStringLiteral("text/plain;charset=utf-8"), text}});
    });
}
BENCHMARK(BM_ExtCopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("BRIMBLE_PLATFORM", "wayland");
    QApplication app(argc, argv);
    TestCompositor testCompositor;
    if (!testCompositor.start(QCoreApplication::applicationDirPath() + "/../tests/e2e/testcompositor")) {
        std::fprintf(stderr,
                     "bench_extdatacontrol: testcompositor did not start (build it with the tests)\n");
        return 1;
    }
    compositor = &testCompositor;
    qputenv("WAYLAND_DISPLAY", testCompositor.socket().toUtf8());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
