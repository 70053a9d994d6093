#include "InstanceChannel.h"

#include "common/Log.h"
#include "model/Localized.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <fcntl.h>
#include <memory>
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

// Who gets a request first: the handler's thread taking it up, or the busy time-out giving
// up on it. Exactly one of them wins, so a request answered busy is never carried out later.
enum RequestState : int
{
    Waiting,
    Taken,
    Abandoned
};
} // namespace

// Lives on the channel's thread: the socket server and its connections. Answers may be handed
// in from any thread; they are written here, to the connection that is still open.
class InstanceChannelServer : public QObject
{
public:
    // The way back to the server for answers: cleared when the server goes, so a handler that
    // answers late (after shutdown began) writes nothing.
    struct Link
    {
        std::mutex mutex;
        InstanceChannelServer* server = nullptr;
    };

    explicit InstanceChannelServer(InstanceChannel* channel)
        : channel_(channel), link_(std::make_shared<Link>())
    {
        link_->server = this;
    }

    ~InstanceChannelServer() override
    {
        std::lock_guard lock(link_->mutex);
        link_->server = nullptr;
    }

    bool listen(const QString& path, QString* error)
    {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_->listen(path)) {
            *error = server_->errorString();
            return false;
        }
        connect(server_, &QLocalServer::newConnection, this, [this] { onConnection(); });
        return true;
    }

private:
    void onConnection()
    {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            const quint64 id = ++lastId_;
            sockets_.insert(id, socket);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QObject::destroyed, this, [this, id] { sockets_.remove(id); });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, id] { onReadyRead(socket, id); });
        }
    }

    void onReadyRead(QLocalSocket* socket, quint64 id)
    {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequestBytes) {
                Log::warning(kTag, QStringLiteral("request too large, connection closed"));
                socket->abort();
            }
            return;
        }
        const QByteArray line = socket->readLine(kMaxRequestBytes);
        const InstanceChannel::Reply reply = [link = link_, id](const QJsonObject& answer) {
            std::lock_guard lock(link->mutex);
            if (InstanceChannelServer* server = link->server)
                QMetaObject::invokeMethod(server, [server, id, answer] { server->write(id, answer); });
        };
        const auto request = parseLine(line);
        if (!request) {
            Log::warning(kTag, QStringLiteral("malformed request ignored"));
            reply({{"ok", false}, {"error", "malformed request"}});
            return;
        }
        channel_->dispatch(*request, reply);
    }

    void write(quint64 id, const QJsonObject& answer)
    {
        QLocalSocket* socket = sockets_.value(id);
        if (!socket)
            return;
        // One answer per connection: a second one (a late answer after a busy one) is dropped.
        sockets_.remove(id);
        socket->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + "\n");
        socket->flush();
        socket->disconnectFromServer();
    }

    InstanceChannel* const channel_;
    const std::shared_ptr<Link> link_;
    QLocalServer* server_ = nullptr;
    QHash<quint64, QLocalSocket*> sockets_;
    quint64 lastId_ = 0;
};

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel()
{
    if (thread_) {
        // The server goes with its thread (see listen), its sockets closed there.
        thread_->quit();
        thread_->wait();
        delete thread_;
    }
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

QJsonObject InstanceChannel::busyAnswer()
{
    return {{"ok", false}, {"busy", true}, {"error", LocalizedCommandLine::busy()}};
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
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("InstanceChannel"));
    server_ = new InstanceChannelServer(this);
    server_->moveToThread(thread_);
    connect(thread_, &QThread::finished, server_, &QObject::deleteLater);
    thread_->start();
    bool listening = false;
    QString error;
    QMetaObject::invokeMethod(
        server_, [&] { listening = server_->listen(path, &error); }, Qt::BlockingQueuedConnection);
    if (!listening) {
        Log::error(kTag, QStringLiteral("cannot listen on ") + path + ": " + error);
        return false;
    }
    return true;
}

void InstanceChannel::setBusyTimeout(int ms)
{
    std::lock_guard lock(mutex_);
    busyTimeoutMs_ = ms;
}

void InstanceChannel::setStandingAnswer(const QString& verb, std::function<QJsonObject()> answer)
{
    std::lock_guard lock(mutex_);
    standingAnswers_.insert(verb, std::move(answer));
}

void InstanceChannel::dispatch(const QJsonObject& request, Reply reply)
{
    int timeoutMs = 0;
    std::function<QJsonObject()> standing;
    {
        std::lock_guard lock(mutex_);
        standing = standingAnswers_.value(request.value("verb").toString());
        timeoutMs = busyTimeoutMs_;
    }
    if (standing) {
        reply(standing());
        return;
    }
    const auto state = std::make_shared<std::atomic<int>>(Waiting);
    QMetaObject::invokeMethod(
        this,
        [this, state, request, reply] {
            int expected = Waiting;
            if (state->compare_exchange_strong(expected, Taken))
                handler_(request, reply);
        },
        Qt::QueuedConnection);
    QTimer::singleShot(timeoutMs, server_, [state, request, reply] {
        int expected = Waiting;
        if (!state->compare_exchange_strong(expected, Abandoned))
            return;
        Log::warning(kTag, QStringLiteral("\"%1\" not taken up in time; answered busy")
                               .arg(request.value("verb").toString()));
        reply(busyAnswer());
    });
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

InstanceChannel::Answer InstanceChannel::request(const QJsonObject& request, int timeoutMs)
{
    using Status = Answer::Status;
    // Whatever went wrong on the way, a Brimble that still holds the session is one that did
    // not answer in time, not one that is gone.
    const auto noAnswer = [] { return Answer{isInstanceRunning() ? Status::Busy : Status::NotRunning, {}}; };
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000)) {
        // A Brimble that holds the lock but is still starting gets a moment to listen.
        if (!isInstanceRunning())
            return {Status::NotRunning, {}};
        QElapsedTimer waited;
        waited.start();
        while (socket.state() != QLocalSocket::ConnectedState && waited.elapsed() < 5000) {
            QThread::msleep(100);
            socket.connectToServer(socketPath());
            socket.waitForConnected(500);
        }
        if (socket.state() != QLocalSocket::ConnectedState)
            return noAnswer();
    }
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + "\n");
    if (!socket.waitForBytesWritten(timeoutMs))
        return noAnswer();
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            answer += socket.readAll();
            break;
        }
        answer += socket.readAll();
    }
    if (!answer.contains('\n'))
        return noAnswer();
    const auto object = parseLine(answer.left(answer.indexOf('\n')));
    if (!object)
        return {Status::Answered, {{"ok", false}, {"error", LocalizedCommandLine::unreadableAnswer()}}};
    return {Status::Answered, *object};
}
