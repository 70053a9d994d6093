#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool LocalHttpServer::listen()
{
    return server_.listen(QHostAddress::LocalHost);
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

void LocalHttpServer::respond(int status, const QByteArray& body, const QByteArray& location)
{
    status_ = status;
    body_ = body;
    location_ = location;
}

void LocalHttpServer::serve(QTcpSocket* socket)
{
    // Waits until the head and the announced body are in.
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", buffer);
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    const QByteArray head = buffer.left(headEnd);
    qsizetype length = 0;
    for (const QByteArray& line : head.split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    }
    if (buffer.size() < headEnd + 4 + length)
        return;
    const QList<QByteArray> requestLine = head.left(head.indexOf('\r')).split(' ');
    requests_.append({requestLine.value(0), requestLine.value(1), buffer.mid(headEnd + 4, length)});
    socket->setProperty("buffer", QByteArray());

    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status_) + " Status\r\n";
    if (!location_.isEmpty())
        answer += "Location: " + location_ + "\r\n";
    answer += "Content-Type: application/json\r\nConnection: close\r\nContent-Length: " +
              QByteArray::number(body_.size()) + "\r\n\r\n" + body_;
    socket->write(answer);
    socket->disconnectFromHost();
}
