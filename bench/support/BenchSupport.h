#pragma once

#include <QString>

// What every benchmark program shares: where the generated histories are, what the process holds
// in memory, and the run itself.
namespace BenchSupport {

// The history of `items` items that bench_search generates (and the other benchmarks read).
QString searchHistoryPath(qint64 items);

// All resident memory, the mapped database pages included.
double residentMegabytes();

// Private memory only: the mapped database pages count towards the resident set but are the
// page cache, shared and reclaimable.
double anonymousMegabytes();

// Runs the benchmarks the command line selects; 1 for arguments it does not know.
int runBenchmarks(int& argc, char** argv);

} // namespace BenchSupport
