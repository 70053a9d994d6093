#pragma once

#include <QString>

#include <spdlog/sinks/base_sink.h>

#include <chrono>
#include <mutex>

// A file sink that starts a new file once the current one is older than the roll interval
// and keeps at most maxFiles files in its folder. Files are named by the time they were
// started, so the newest one can be continued after a restart.
//
// The running Brimble and every command line write the same file. Each line goes out at once as
// one append under the file's lock, so lines arrive whole and in the order they were written,
// whichever process wrote them.
class RollingFileSink final : public spdlog::sinks::base_sink<std::mutex>
{
public:
    RollingFileSink(QString directory, std::chrono::seconds rollInterval, int maxFiles);
    ~RollingFileSink() override;

    QString currentFile() const { return currentPath_; }

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override;
    void flush_() override;

private:
    void openFile(bool continueNewest, std::chrono::system_clock::time_point now);
    void prune();

    QString directory_;
    std::chrono::seconds rollInterval_;
    int maxFiles_;
    QString currentPath_;
    int fd_ = -1;
    std::chrono::system_clock::time_point fileStarted_;
};
