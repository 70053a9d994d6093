#include "InstanceChannel.h"

#include "common/Log.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString kTag = QStringLiteral("InstanceChannel");
// A request line larger than this is not a request.
constexpr qint64 kMaxRequestBytes = 1 << 20;

std::optional<QJsonObject> parseLine(const QByteArray& line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}
} // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

QString InstanceChannel::socketPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QDir(runtime).exists())
        return runtime + "/brimble.sock";
    return QDir::tempPath() + QStringLiteral("/brimble-%1.sock").arg(::getuid());
}

bool InstanceChannel::listen(Handler handler)
{
    handler_ = std::move(handler);
    const QString path = socketPath();
    // The lock file decides who serves the session: a socket file alone cannot tell a live
    // Brimble from one that died, and two Brimbles starting together would both think they
    // were first. The lock is held for the life of the process and released by the kernel.
    const QByteArray lockPath = QFile::encodeName(path + ".lock");
    lockFd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        Log::error(kTag, QStringLiteral("cannot open the instance lock ") + path + ".lock");
        return false;
    }
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd_);
        lockFd_ = -1;
        return false;
    }
    QLocalServer::removeServer(path);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        Log::error(kTag, QStringLiteral("cannot listen on ") + path + ": " + server_->errorString());
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::onConnection);
    return true;
}

void InstanceChannel::onConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes) {
                    Log::warning(kTag, QStringLiteral("request too large, connection closed"));
                    socket->abort();
                }
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequestBytes);
            QPointer<QLocalSocket> guard(socket);
            const Reply reply = [guard](const QJsonObject& answer) {
                if (!guard)
                    return;
                guard->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + "\n");
                guard->flush();
                guard->disconnectFromServer();
            };
            const auto request = parseLine(line);
            if (!request) {
                Log::warning(kTag, QStringLiteral("malformed request ignored"));
                reply({{"ok", false}, {"error", "malformed request"}});
                return;
            }
            handler_(*request, reply);
        });
    }
}

bool InstanceChannel::isInstanceRunning()
{
    const int fd = ::open(QFile::encodeName(socketPath() + ".lock").constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

std::optional<QJsonObject> InstanceChannel::request(const QJsonObject& request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000)) {
        // A Brimble that holds the lock but is still starting gets a moment to listen.
        if (!isInstanceRunning())
            return std::nullopt;
        QElapsedTimer waited;
        waited.start();
        while (socket.state() != QLocalSocket::ConnectedState && waited.elapsed() < 5000) {
            QThread::msleep(100);
            socket.connectToServer(socketPath());
            socket.waitForConnected(500);
        }
        if (socket.state() != QLocalSocket::ConnectedState)
            return std::nullopt;
    }
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + "\n");
    if (!socket.waitForBytesWritten(timeoutMs))
        return std::nullopt;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            answer += socket.readAll();
            break;
        }
        answer += socket.readAll();
    }
    if (!answer.contains('\n'))
        return std::nullopt;
    return parseLine(answer.left(answer.indexOf('\n')));
}
