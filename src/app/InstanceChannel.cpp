#include "InstanceChannel.h"

#include "common/Log.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

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

InstanceChannel::~InstanceChannel() = default;

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
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = socketPath();
    if (!server_->listen(path)) {
        // Someone answering there is a running Brimble; a socket nobody answers is left over
        // from one that died.
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(1000))
            return false;
        QLocalServer::removeServer(path);
        if (!server_->listen(path)) {
            Log::error(kTag, QStringLiteral("cannot listen on ") + path + ": " + server_->errorString());
            return false;
        }
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

std::optional<QJsonObject> InstanceChannel::request(const QJsonObject& request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000))
        return std::nullopt;
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
