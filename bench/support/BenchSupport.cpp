#include "BenchSupport.h"

#include <QFile>

#include <benchmark/benchmark.h>

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
    return QStringLiteral("/tmp/brimble-bench-search-v3-%1.sqlite").arg(items);
}

double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

double anonymousMegabytes()
{
    return statusMegabytes("RssAnon:");
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

} // namespace BenchSupport
