#include "RollingFileSink.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* kPrefix = "brimble-";
const char* kSuffix = ".log";
const char* kStampFormat = "yyyy-MM-dd_HH-mm-ss";

QStringList logFilesOldestFirst(const QString& directory)
{
    QDir dir(directory);
    return dir.entryList({QString(kPrefix) + "*" + kSuffix}, QDir::Files, QDir::Name);
}

// Every folder the path still lacks is created private, as XDG asks of the folders an
// application creates: what lives there describes what the user copied.
void makePrivatePath(const QString& directory)
{
    const QString absolute = QDir::cleanPath(QDir(directory).absolutePath());
    QString path;
    for (const QString& part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        ::mkdir(QFile::encodeName(path).constData(), 0700);
    }
}
} // namespace

RollingFileSink::RollingFileSink(QString directory, std::chrono::seconds rollInterval, int maxFiles)
    : directory_(std::move(directory)), rollInterval_(rollInterval), maxFiles_(maxFiles)
{
    makePrivatePath(directory_);
    ::chmod(QFile::encodeName(directory_).constData(), 0700);
    openFile(true, std::chrono::system_clock::now());
}

RollingFileSink::~RollingFileSink()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void RollingFileSink::openFile(bool continueNewest, std::chrono::system_clock::time_point now)
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (continueNewest) {
        const QStringList files = logFilesOldestFirst(directory_);
        if (!files.isEmpty()) {
            const QString name = files.last();
            const QString stamp =
                name.mid(int(strlen(kPrefix)), name.size() - int(strlen(kPrefix)) - int(strlen(kSuffix)));
            const QDateTime started = QDateTime::fromString(stamp, kStampFormat);
            if (started.isValid()) {
                const auto startedAt = std::chrono::system_clock::from_time_t(started.toSecsSinceEpoch());
                if (now - startedAt < rollInterval_ && now >= startedAt) {
                    currentPath_ = QDir(directory_).filePath(name);
                    fileStarted_ = startedAt;
                }
            }
        }
    }
    if (!continueNewest || currentPath_.isEmpty() || !QFileInfo::exists(currentPath_)) {
        const QString stamp =
            QDateTime::fromSecsSinceEpoch(std::chrono::system_clock::to_time_t(now)).toString(kStampFormat);
        currentPath_ = QDir(directory_).filePath(QString(kPrefix) + stamp + kSuffix);
        fileStarted_ = now;
    }
    fd_ =
        ::open(QFile::encodeName(currentPath_).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    prune();
}

void RollingFileSink::prune()
{
    QStringList files = logFilesOldestFirst(directory_);
    while (files.size() > maxFiles_) {
        QFile::remove(QDir(directory_).filePath(files.takeFirst()));
    }
}

void RollingFileSink::sink_it_(const spdlog::details::log_msg& msg)
{
    if (msg.time - fileStarted_ >= rollInterval_)
        openFile(false, msg.time);
    if (fd_ < 0)
        return;
    spdlog::memory_buf_t formatted;
    formatter_->format(msg, formatted);
    // One write of the whole line while holding the lock: a line longer than a pipe's or a
    // page's worth still cannot be cut by another process's line.
    ::flock(fd_, LOCK_EX);
    const char* data = formatted.data();
    size_t left = formatted.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        data += written;
        left -= size_t(written);
    }
    ::flock(fd_, LOCK_UN);
}

void RollingFileSink::flush_()
{
    // Nothing is held back: every line was written when it was logged.
}
