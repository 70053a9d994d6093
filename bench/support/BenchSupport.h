#pragma once

#include <QString>

#include <atomic>
#include <functional>

// What every benchmark program shares: where the generated histories are, what the process holds
// in memory, and the run itself.
class CoreDataManager;
class Preferences;

namespace BenchSupport {

// The history store and the preferences a benchmark program measures against: the program's
// own, made on first use (the preferences on the standard path until the benchmark points them
// at its temporary folder) and kept to the end of the process, as the application keeps its
// own. Handed to what is measured like the application hands them.
CoreDataManager& store();
Preferences& preferences();

// The history of `items` items that bench_search generates (and the other benchmarks read).
QString searchHistoryPath(qint64 items);

// All resident memory, the mapped database pages included.
double residentMegabytes();

// Private memory only: the mapped database pages count towards the resident set but are the
// page cache, shared and reclaimable.
double anonymousMegabytes();

// Drops the kernel's page cache, so that what is read next comes from the disk. Needs root;
// false otherwise.
bool dropPageCache();

// Counts recorded items from the store's change reports (made on the store's queue), so waiting
// for a capture does not put store calls on the GUI thread being measured.
struct RecordedCounter
{
    std::atomic<int> count = 0;
    // The row id of the last recorded item.
    std::atomic<qint64> lastId = 0;
    explicit RecordedCounter(CoreDataManager& store);
    ~RecordedCounter();
    RecordedCounter(const RecordedCounter&) = delete;
    RecordedCounter& operator=(const RecordedCounter&) = delete;

private:
    CoreDataManager& store_;
    int observer_ = 0;
};

// Runs the event loop with a 5 ms heartbeat until `done` holds; returns the longest gap
// between heartbeats in milliseconds.
double runWithHeartbeat(const std::function<bool()>& done, int timeoutMs);

// Sends stderr to /dev/null while it lives: the store logs a line per insert, and a history
// of a hundred thousand items would bury the figures.
class QuietStderr
{
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1;
};

// Runs the benchmarks the command line selects; 1 for arguments it does not know.
int runBenchmarks(int& argc, char** argv);

} // namespace BenchSupport
