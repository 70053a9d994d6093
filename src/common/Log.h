#pragma once

#include <QString>

#include <functional>
#include <memory>

// One logging utility for the whole program: info, warning and error, each with a tag and a
// message. Lines go to the system journal (or syslog) and to weekly rolling files.
namespace Log {

enum class Level
{
    Info,
    Warning,
    Error
};

// "[info] [1/0.1.0] tag: message"
QString formatLine(Level level, const QString& tag, const QString& message);

void info(const QString& tag, const QString& message);
void warning(const QString& tag, const QString& message);
void error(const QString& tag, const QString& message);

// Installs the system-log sink and the rolling file logger in logDirectory (created 0700).
// Until then lines go to standard error.
void setup(const QString& logDirectory);

// Standard location: $XDG_STATE_HOME/brimble/logs
QString defaultLogDirectory();

// Records every line written while it is alive; used by tests to check what was logged.
class Capture
{
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    QStringList lines() const;
    bool contains(const QString& fragment) const;
    int count(const QString& fragment) const;
    void clear();

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace Log
