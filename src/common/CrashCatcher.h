#pragma once

// Records fatal signals (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) as small text reports: the
// version, the signal, the time, a backtrace of return addresses and the executable mappings
// of the process. Nothing is read from the heap or from the program's data, so a report
// holds no clipboard content.
//
// The handler runs on an alternate stack (a stack overflow is caught too), uses only
// async-signal-safe calls on buffers prepared at install, writes the report with mode 0600,
// then restores the default action and raises the signal again, so a core is still dumped
// where the system asks for one. A fault while a report is being written ends the process
// with the default action at once.
namespace CrashCatcher {

// Prepares the report folder (created 0700 if missing) and installs the handlers. Cheap
// enough for the first line of main(); installing again replaces folder and version. False
// when the folder name does not fit the prepared buffers or the handlers cannot be set.
bool install(const char* reportDirectory, const char* version);

// $XDG_STATE_HOME/brimble/crashes (~/.local/state/brimble/crashes), worked out without Qt
// so that it can run before anything else. Empty when neither variable helps.
const char* defaultReportDirectory();

// Gives the calling thread an alternate stack of its own, so that its stack overflowing is
// reported too (the one install() sets serves the installing thread only). Once per thread;
// later calls return at once. Every long-lived thread of ours calls it when it starts.
void prepareThread();

// The file-name prefix and suffix of the reports in the folder.
inline constexpr const char* reportPrefix = "crash-";
inline constexpr const char* reportSuffix = ".txt";

} // namespace CrashCatcher
