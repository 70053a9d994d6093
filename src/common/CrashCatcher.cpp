#include "CrashCatcher.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <unwind.h>

namespace CrashCatcher {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr size_t kPathCapacity = 4096;
// Room left after the folder for "crash-<seconds>-<pid>.txt".
constexpr size_t kFileNameRoom = 64;
constexpr int kMaxFrames = 64;

// Everything the handler reads is prepared here at install: it must not allocate.
char g_directory[kPathCapacity];
size_t g_directoryLength = 0;
char g_version[128];
// The handler, the unwinder and the writer run on this stack, so an overflowed main stack
// is reported too. Far above SIGSTKSZ, which is too small for the unwinder.
alignas(16) char g_alternateStack[256 * 1024];
// The thread writing a report; 0 while none is.
std::atomic<long> g_writerThread{0};

// Writes through a small buffer straight to a descriptor.
class Out
{
public:
    explicit Out(int fd) : fd_(fd) {}
    ~Out() { flush(); }

    Out& text(const char* s)
    {
        while (*s)
            put(*s++);
        return *this;
    }
    Out& number(unsigned long long value, unsigned base = 10, int minDigits = 1)
    {
        char digits[32];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value && n < 32);
        while (n < minDigits && n < 32)
            digits[n++] = '0';
        while (n)
            put(digits[--n]);
        return *this;
    }
    Out& hex(uintptr_t value)
    {
        text("0x");
        return number(value, 16);
    }
    void put(char c)
    {
        if (size_ == sizeof buffer_)
            flush();
        buffer_[size_++] = c;
    }
    void flush()
    {
        size_t offset = 0;
        while (offset < size_) {
            const ssize_t written = ::write(fd_, buffer_ + offset, size_ - offset);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                break;
            offset += size_t(written);
        }
        size_ = 0;
    }

private:
    int fd_;
    char buffer_[512];
    size_t size_ = 0;
};

const char* signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "?";
    }
}

struct Frames
{
    uintptr_t addresses[kMaxFrames];
    int count = 0;
};

_Unwind_Reason_Code collectFrame(_Unwind_Context* context, void* argument)
{
    auto* frames = static_cast<Frames*>(argument);
    if (frames->count >= kMaxFrames)
        return _URC_END_OF_STACK;
    frames->addresses[frames->count++] = _Unwind_GetIP(context);
    return _URC_NO_REASON;
}

// Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar), in integers only.
void civilDate(long long days, long long* year, unsigned* month, unsigned* day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    *day = dayOfYear - (153 * mp + 2) / 5 + 1;
    *month = mp < 10 ? mp + 3 : mp - 9;
    *year = (long long)yearOfEra + era * 400 + (*month <= 2 ? 1 : 0);
}

// The executable mappings of /proc/self/maps: enough to turn the backtrace's addresses into
// functions later, with the build's debug symbols.
void writeModules(Out& out)
{
    const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (maps < 0) {
        out.text("  (unavailable)\n");
        return;
    }
    char chunk[2048];
    char line[512];
    size_t lineLength = 0;
    auto finishLine = [&] {
        // "start-end perms offset dev inode path": keep the lines whose perms allow execution.
        const char* space = static_cast<const char*>(memchr(line, ' ', lineLength));
        if (space && size_t(space - line) + 4 < lineLength && space[3] == 'x') {
            out.text("  ");
            for (size_t i = 0; i < lineLength; ++i)
                out.put(line[i]);
            out.put('\n');
        }
        lineLength = 0;
    };
    for (;;) {
        const ssize_t got = ::read(maps, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got; ++i) {
            if (chunk[i] == '\n')
                finishLine();
            else if (lineLength < sizeof line)
                line[lineLength++] = chunk[i];
        }
    }
    if (lineLength)
        finishLine();
    ::close(maps);
}

void writeReport(int sig, const siginfo_t* info)
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);

    char path[kPathCapacity];
    memcpy(path, g_directory, g_directoryLength);
    size_t length = g_directoryLength;
    auto append = [&](const char* s) {
        while (*s && length + 1 < sizeof path)
            path[length++] = *s++;
    };
    auto appendNumber = [&](unsigned long long value) {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value);
        while (n && length + 1 < sizeof path)
            path[length++] = digits[--n];
    };
    append(reportPrefix);
    appendNumber((unsigned long long)now.tv_sec);
    append("-");
    appendNumber((unsigned long long)getpid());
    append(reportSuffix);
    path[length] = '\0';

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return;
    {
        Out out(fd);
        long long year;
        unsigned month, day;
        const long long seconds = now.tv_sec;
        civilDate(seconds / 86400, &year, &month, &day);
        const long long secondOfDay = seconds % 86400;
        out.text("Brimble crash report\n");
        out.text("version: ").text(g_version).text("\n");
        out.text("signal: ").number(unsigned(sig)).text(" (").text(signalName(sig)).text(")\n");
        if (info) {
            out.text("code: ").number(unsigned(info->si_code)).text("\n");
            // A fault's address says where memory was touched; a signal sent by a process
            // says who sent it instead.
            if (info->si_code > 0)
                out.text("address: ").hex(uintptr_t(info->si_addr)).text("\n");
            else
                out.text("sender: ").number(unsigned(info->si_pid)).text("\n");
        }
        out.text("time: ")
            .number((unsigned long long)year)
            .text("-")
            .number(month, 10, 2)
            .text("-")
            .number(day, 10, 2)
            .text("T")
            .number((unsigned long long)secondOfDay / 3600, 10, 2)
            .text(":")
            .number((unsigned long long)secondOfDay / 60 % 60, 10, 2)
            .text(":")
            .number((unsigned long long)secondOfDay % 60, 10, 2)
            .text("Z\n");
        out.text("pid: ").number((unsigned long long)getpid()).text("\n");
        out.text("thread: ").number((unsigned long long)syscall(SYS_gettid)).text("\n");

        Frames frames;
        _Unwind_Backtrace(collectFrame, &frames);
        out.text("backtrace:\n");
        for (int i = 0; i < frames.count; ++i)
            out.text("  #").number(unsigned(i)).text(" ").hex(frames.addresses[i]).text("\n");
        out.text("modules:\n");
        writeModules(out);
    }
    ::fsync(fd);
    ::close(fd);
}

// With the default action restored and the signal unblocked, raising it ends the process the
// way it would have ended without Brimble's handler.
void raiseWithDefaultAction(int sig)
{
    ::signal(sig, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(sig);
}

void onFatalSignal(int sig, siginfo_t* info, void*)
{
    const long self = long(syscall(SYS_gettid));
    long writer = 0;
    if (!g_writerThread.compare_exchange_strong(writer, self)) {
        // A fault inside the writer ends the process now. Another thread crashing at the same
        // time waits a little, so the first report is complete before the process goes.
        if (writer != self) {
            const timespec pause = {0, 100 * 1000 * 1000};
            for (int i = 0; i < 50; ++i)
                nanosleep(&pause, nullptr);
        }
        raiseWithDefaultAction(sig);
        return;
    }
    writeReport(sig, info);
    raiseWithDefaultAction(sig);
}

bool makeDirectories(char* path)
{
    // Missing parents are created private too: they are Brimble's state folders.
    for (char* p = path + 1; *p; ++p) {
        if (*p != '/')
            continue;
        *p = '\0';
        const bool made = ::mkdir(path, 0700) == 0 || errno == EEXIST;
        *p = '/';
        if (!made)
            return false;
    }
    return ::mkdir(path, 0700) == 0 || errno == EEXIST;
}

} // namespace

bool install(const char* reportDirectory, const char* version)
{
    const size_t length = reportDirectory ? strlen(reportDirectory) : 0;
    if (length == 0 || reportDirectory[0] != '/' || length + 1 + kFileNameRoom >= kPathCapacity)
        return false;
    // Prepared aside: a handler installed earlier keeps its folder if this one is refused.
    char directory[kPathCapacity];
    memcpy(directory, reportDirectory, length + 1);
    if (!makeDirectories(directory))
        return false;
    size_t directoryLength = length;
    if (directory[directoryLength - 1] != '/')
        directory[directoryLength++] = '/';
    directory[directoryLength] = '\0';
    memcpy(g_directory, directory, directoryLength + 1);
    g_directoryLength = directoryLength;

    const size_t versionLength = std::min(strlen(version), sizeof g_version - 1);
    memcpy(g_version, version, versionLength);
    g_version[versionLength] = '\0';

    // The unwinder sets itself up on first use (it may allocate then); do that now, outside
    // any handler.
    Frames warmUp;
    _Unwind_Backtrace(collectFrame, &warmUp);

    // The alternate stack serves the thread that installs (the main thread); other threads
    // bring their own (prepareThread).
    stack_t stack = {};
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof g_alternateStack;
    if (sigaltstack(&stack, nullptr) != 0)
        return false;

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: the same signal raised again while the report is written takes the
    // default action instead of coming back here.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    for (const int sig : kSignals) {
        if (sigaction(sig, &action, nullptr) != 0)
            return false;
    }
    return true;
}

void prepareThread()
{
    // Mapped, not allocated: only the pages a handler touches take memory. Unmapped when the
    // thread ends, after the stack is switched off.
    struct AlternateStack
    {
        void* base = MAP_FAILED;
        AlternateStack()
        {
            base = mmap(nullptr, sizeof g_alternateStack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                        -1, 0);
            if (base == MAP_FAILED)
                return;
            stack_t stack = {};
            stack.ss_sp = base;
            stack.ss_size = sizeof g_alternateStack;
            if (sigaltstack(&stack, nullptr) != 0) {
                munmap(base, sizeof g_alternateStack);
                base = MAP_FAILED;
            }
        }
        ~AlternateStack()
        {
            if (base == MAP_FAILED)
                return;
            stack_t off = {};
            off.ss_flags = SS_DISABLE;
            sigaltstack(&off, nullptr);
            munmap(base, sizeof g_alternateStack);
        }
    };
    thread_local AlternateStack stack;
}

const char* defaultReportDirectory()
{
    static char directory[kPathCapacity];
    const char* state = getenv("XDG_STATE_HOME");
    const char* home = getenv("HOME");
    const char* tail = "/brimble/crashes";
    const char* base = nullptr;
    const char* middle = "";
    if (state && state[0] == '/') {
        base = state;
    } else if (home && home[0] == '/') {
        base = home;
        middle = "/.local/state";
    } else {
        directory[0] = '\0';
        return directory;
    }
    if (strlen(base) + strlen(middle) + strlen(tail) >= sizeof directory) {
        directory[0] = '\0';
        return directory;
    }
    strcpy(directory, base);
    strcat(directory, middle);
    strcat(directory, tail);
    return directory;
}

} // namespace CrashCatcher
