#include "Log.h"

#include "ControlCharacters.h"
#include "RollingFileSink.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>
#ifdef BRIMBLE_HAVE_SYSTEMD
#include <spdlog/sinks/systemd_sink.h>
#else
#include <spdlog/sinks/syslog_sink.h>
#endif

#include <mutex>
#include <vector>

namespace Log {

struct Capture::State
{
    mutable std::mutex mutex;
    QStringList lines;
};

namespace {

std::mutex& captureMutex()
{
    static std::mutex m;
    return m;
}

std::vector<std::weak_ptr<Capture::State>>& captures()
{
    static std::vector<std::weak_ptr<Capture::State>> list;
    return list;
}

std::shared_ptr<spdlog::logger> makeStderrLogger()
{
    auto logger =
        std::make_shared<spdlog::logger>("brimble", std::make_shared<spdlog::sinks::stderr_sink_mt>());
    logger->set_pattern("%v");
    logger->set_level(spdlog::level::info);
    return logger;
}

std::mutex& loggerMutex()
{
    static std::mutex m;
    return m;
}

std::shared_ptr<spdlog::logger>& currentLogger()
{
    static std::shared_ptr<spdlog::logger> logger = makeStderrLogger();
    return logger;
}

spdlog::level::level_enum toSpd(Level level)
{
    switch (level) {
    case Level::Info:
        return spdlog::level::info;
    case Level::Warning:
        return spdlog::level::warn;
    case Level::Error:
        return spdlog::level::err;
    }
    return spdlog::level::info;
}

void write(Level level, const QString& tag, const QString& message)
{
    std::shared_ptr<spdlog::logger> logger;
    {
        std::lock_guard lock(loggerMutex());
        logger = currentLogger();
    }
    const auto spdLevel = toSpd(level);
    if (!logger->should_log(spdLevel))
        return;
    const QString line = formatLine(level, tag, message);
    {
        std::lock_guard lock(captureMutex());
        auto& list = captures();
        for (auto it = list.begin(); it != list.end();) {
            if (auto state = it->lock()) {
                std::lock_guard stateLock(state->mutex);
                state->lines.append(line);
                ++it;
            } else {
                it = list.erase(it);
            }
        }
    }
    logger->log(spdLevel, "{}", line.toStdString());
    if (level == Level::Error)
        logger->flush();
}

} // namespace

QString formatLine(Level level, const QString& tag, const QString& message)
{
    const char* prefix = level == Level::Info      ? "[info] ["
                         : level == Level::Warning ? "[warn] ["
                                                   : "[error] [";
    // Messages quote what came from outside (a file name, a feed's title): one entry stays one
    // line, and nothing in it can restyle or reorder the terminal the log is read in.
    return QString::fromLatin1(prefix) + QStringLiteral(BRIMBLE_BUILD_NUMBER) + "/" +
           QStringLiteral(BRIMBLE_VERSION) + "] " + ControlCharacters::escaped(tag) + ": " +
           ControlCharacters::escaped(message);
}

void info(const QString& tag, const QString& message)
{
    write(Level::Info, tag, message);
}
void warning(const QString& tag, const QString& message)
{
    write(Level::Warning, tag, message);
}
void error(const QString& tag, const QString& message)
{
    write(Level::Error, tag, message);
}

QString defaultLogDirectory()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + "/.local/state";
    return state + "/brimble/logs";
}

void setup(const QString& logDirectory)
{
    std::vector<spdlog::sink_ptr> sinks;
#ifdef BRIMBLE_HAVE_SYSTEMD
    auto system = std::make_shared<spdlog::sinks::systemd_sink_mt>("brimble");
#else
    auto system = std::make_shared<spdlog::sinks::syslog_sink_mt>("brimble", 0, LOG_USER, false);
#endif
    system->set_pattern("%v");
    sinks.push_back(system);

    auto file = std::make_shared<RollingFileSink>(logDirectory, std::chrono::seconds(604800), 8);
    file->set_pattern("%Y-%m-%d %H:%M:%S.%e %v");
    sinks.push_back(file);

    if (qEnvironmentVariableIsSet("BRIMBLE_LOG_STDERR")) {
        auto err = std::make_shared<spdlog::sinks::stderr_sink_mt>();
        err->set_pattern("%v");
        sinks.push_back(err);
    }

    auto logger = std::make_shared<spdlog::logger>("brimble", sinks.begin(), sinks.end());
    logger->set_level(spdlog::level::info);
    logger->flush_on(spdlog::level::warn);
    std::lock_guard lock(loggerMutex());
    currentLogger() = logger;
}

Capture::Capture() : state_(std::make_shared<State>())
{
    std::lock_guard lock(captureMutex());
    captures().push_back(state_);
}

Capture::~Capture()
{
    std::lock_guard lock(captureMutex());
    auto& list = captures();
    std::erase_if(list, [this](const std::weak_ptr<State>& w) { return w.lock() == state_; });
}

QStringList Capture::lines() const
{
    std::lock_guard lock(state_->mutex);
    return state_->lines;
}

bool Capture::contains(const QString& fragment) const
{
    return count(fragment) > 0;
}

int Capture::count(const QString& fragment) const
{
    std::lock_guard lock(state_->mutex);
    int n = 0;
    for (const QString& line : state_->lines)
        n += line.contains(fragment) ? 1 : 0;
    return n;
}

void Capture::clear()
{
    std::lock_guard lock(state_->mutex);
    state_->lines.clear();
}

} // namespace Log
