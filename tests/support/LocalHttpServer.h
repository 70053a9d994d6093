#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for tests: answers every request with the status and
// body set last, and keeps what it was sent.
class LocalHttpServer : public QObject
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QByteArray body;
    };

    explicit LocalHttpServer(QObject* parent = nullptr);
    bool listen();
    void close() { server_.close(); }
    QUrl url(const QString& path = QStringLiteral("/")) const;

    // `location` makes it a redirect.
    void respond(int status, const QByteArray& body, const QByteArray& location = QByteArray());
    const QList<Request>& requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    int status_ = 200;
    QByteArray body_;
    QByteArray location_;
    QList<Request> requests_;
};
