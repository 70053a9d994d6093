#include "CaptureBench.h"

#include "BenchSupport.h"
#include "app/Brimble.h"
#include "model/CoreDataManager.h"
#include "model/Preferences.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <sys/resource.h>

namespace CaptureBench {

using BenchSupport::RecordedCounter;
using BenchSupport::runWithHeartbeat;

Session::Session()
{
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
    preferences = std::make_unique<Preferences>(dir.path() + "/config/brimble/preferences.json");
    store = std::make_unique<CoreDataManager>();
    store->open(dir.path() + "/Brimble.sqlite");
    store->ensureDefaultCategory();
    platform = Platform::create();
    brimble = std::make_unique<Brimble>(*platform, *store, *preferences);
}

Session::~Session()
{
    brimble.reset();
    store->close();
}

void copyToRecord(benchmark::State& state, const std::function<void(const QByteArray& text)>& copy)
{
    Session session;
    RecordedCounter recorded(*session.store);
    int n = 0;
    QRandomGenerator random(11);
    for (auto _ : state) {
        state.PauseTiming();
        QElapsedTimer pause;
        pause.start();
        const int offset = random.bounded(500);
        runWithHeartbeat([&] { return pause.elapsed() >= offset; }, 1000);
        state.ResumeTiming();
        const int before = recorded.count;
        copy(QByteArray("latency probe ") + QByteArray::number(n++));
        QElapsedTimer timer;
        timer.start();
        runWithHeartbeat([&] { return recorded.count > before; }, 5000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}

void captureLargeImage(benchmark::State& state,
                       const std::function<std::unique_ptr<QProcess>(const QString& file)>& offer)
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
    RecordedCounter recorded(*session.store);
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
        const std::unique_ptr<QProcess> owner = offer(file.fileName());
        QElapsedTimer timer;
        timer.start();
        worstStall = std::max(worstStall, runWithHeartbeat([&] { return recorded.count > before; }, 60000));
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (owner) {
            owner->terminate();
            owner->waitForFinished();
        }
    }
    state.counters["gui_max_stall_ms"] = worstStall;
    state.SetBytesProcessed(state.iterations() * size);
}

void idleCpu(benchmark::State& state)
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

} // namespace CaptureBench
