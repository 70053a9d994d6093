// Capture on a GNOME Wayland session: a copy in a GTK application on Wayland under a nested
// mutter reaches Brimble through XWayland's clipboard bridge; from the copy key stroke to the
// recorded item (XFixes announces each copy at once; the tick plays no part). Needs an X
// display with a window manager to nest mutter in, e.g.
//   xvfb-run -a -s "-screen 0 1920x1080x24" sh -c 'openbox & sleep 1; build/bench/bench_gnomecapture'
#include "BenchSupport.h"
#include "CaptureBench.h"
#include "NestedMutter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QProcessEnvironment host;

void xdotool(const QStringList& arguments)
{
    QProcess run;
    run.setProcessEnvironment(host);
    run.start("xdotool", arguments);
    run.waitForFinished(10000);
}

void BM_GnomeWaylandCopyToRecordText(benchmark::State& state)
{
    CaptureBench::Session session;
    BenchSupport::RecordedCounter recorded(*session.store);
    int n = 0;
    for (auto _ : state) {
        // The typing replaces the text selected in the last round; the clock starts when the
        // copy key is sent.
        state.PauseTiming();
        xdotool({"type", "--delay", "5", QStringLiteral("latency probe %1").arg(n++)});
        xdotool({"key", "ctrl+a"});
        BenchSupport::runWithHeartbeat([] { return false; }, 200);
        state.ResumeTiming();
        const int before = recorded.count;
        QElapsedTimer timer;
        timer.start();
        QProcess copyKey;
        copyKey.setProcessEnvironment(host);
        copyKey.start("xdotool", {"key", "ctrl+c"});
        BenchSupport::runWithHeartbeat([&] { return recorded.count > before; }, 5000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        copyKey.waitForFinished(5000);
    }
}
BENCHMARK(BM_GnomeWaylandCopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NestedMutter mutter;
    if (const QString whyNot = mutter.start(); !whyNot.isEmpty()) {
        std::fprintf(stderr, "bench_gnomecapture: %s\n", qPrintable(whyNot));
        return 1;
    }
    QProcess gtkField;
    gtkField.setProcessEnvironment(mutter.waylandClient());
    gtkField.start("/usr/bin/python3", {QStringLiteral(BRIMBLE_SOURCE_DIR "/tests/e2e/gtk/gtktextfield.py")});
    if (!gtkField.waitForReadyRead(15000) || !gtkField.readLine().startsWith("ready")) {
        std::fprintf(stderr, "bench_gnomecapture: the GTK field did not start on Wayland\n");
        return 1;
    }
    // xdotool types on the host; Brimble's engine connects to XWayland, as in a GNOME session.
    host = QProcessEnvironment::systemEnvironment();
    qputenv("DISPLAY", mutter.xwaylandDisplay().toUtf8());
    qputenv("XAUTHORITY", mutter.xauthority().toUtf8());
    qputenv("BRIMBLE_PLATFORM", "x11");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gtkField.terminate();
    gtkField.waitForFinished(3000);
    return 0;
}
