#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryChange.h"
#include "model/Preferences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <QFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace BenchSupport {

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in megabytes.
double statusMegabytes(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace

QString searchHistoryPath(qint64 items)
{
    return QStringLiteral("/tmp/brimble-bench-search-v4-%1.sqlite").arg(items);
}

double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

double anonymousMegabytes()
{
    return statusMegabytes("RssAnon:");
}

bool dropPageCache()
{
    ::sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    return drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2;
}

int runBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

CoreDataManager& store()
{
    // Never destroyed: a store queue still running during static destruction would outlive the
    // logger it writes to. The benchmarks close it themselves.
    static CoreDataManager* instance = new CoreDataManager;
    return *instance;
}

Preferences& preferences()
{
    static Preferences* instance = new Preferences(Preferences::defaultPath());
    return *instance;
}

RecordedCounter::RecordedCounter(CoreDataManager& store) : store_(store)
{
    observer_ = store_.addChangeObserver([this](const HistoryChange& change) {
        if (change.kind != HistoryChange::Kind::AddedToTop || change.ids.isEmpty())
            return;
        lastId = change.ids.first();
        count += int(change.ids.size());
    });
}

RecordedCounter::~RecordedCounter()
{
    store_.removeChangeObserver(observer_);
}

double runWithHeartbeat(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    double longest = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, (now - last) / 1e6 - 5.0);
        last = now;
    });
    heartbeat.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return longest;
}

QuietStderr::QuietStderr()
{
    fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDERR_FILENO);
    close(null);
}

QuietStderr::~QuietStderr()
{
    fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
}

} // namespace BenchSupport
