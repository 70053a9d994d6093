// What installing the crash catcher adds to start-up. The first install in a process is the
// one that counts (it creates the folder and sets up the unwinder), so every iteration forks
// a fresh child that times its own first install; a repeated install is measured beside it.
//
//   cmake --build build --target bench_crashcatcher && build/bench/bench_crashcatcher

#include "common/CrashCatcher.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double secondsSince(const timespec& start)
{
    timespec end = {};
    clock_gettime(CLOCK_MONOTONIC, &end);
    return double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
}

void BM_FirstInstallInAFreshProcess(benchmark::State& state)
{
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        // A new folder each time: creating it is part of a first start.
        const QByteArray folder =
            QFile::encodeName(dir.path() + "/state" + QString::number(n++) + "/crashes");
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const pid_t child = fork();
        if (child == 0) {
            timespec start = {};
            clock_gettime(CLOCK_MONOTONIC, &start);
            const bool ok = CrashCatcher::install(folder.constData(), "0.0.0 (0)");
            const double seconds = ok ? secondsSince(start) : -1;
            [[maybe_unused]] auto written = write(pipeFds[1], &seconds, sizeof seconds);
            _exit(0);
        }
        double seconds = -1;
        [[maybe_unused]] auto got = read(pipeFds[0], &seconds, sizeof seconds);
        close(pipeFds[0]);
        close(pipeFds[1]);
        waitpid(child, nullptr, 0);
        if (seconds < 0) {
            state.SkipWithError("install failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_FirstInstallInAFreshProcess)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(50);

void BM_RepeatedInstall(benchmark::State& state)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path() + "/crashes");
    for (auto _ : state)
        benchmark::DoNotOptimize(CrashCatcher::install(folder.constData(), "0.0.0 (0)"));
}
BENCHMARK(BM_RepeatedInstall)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
