#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

// The local socket through which one Brimble per user session takes requests: from a second
// `brimble` started while it runs (the reopen), and from the command-line verbs.
//
// A request is one JSON object on one line ({"verb": ..., ...}); the answer is one JSON object
// on one line ({"ok": true, ...} or {"ok": false, "error": "..."}).
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    using Reply = std::function<void(const QJsonObject& answer)>;
    using Handler = std::function<void(const QJsonObject& request, Reply reply)>;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // $XDG_RUNTIME_DIR/brimble.sock, else a per-user name in the temporary folder.
    static QString socketPath();

    // Starts serving. False when another Brimble already serves this session (or the socket
    // cannot be made); a socket left behind by a dead Brimble is replaced.
    bool listen(Handler handler);

    // Sends one request to the running Brimble and waits for its answer. Absent when no
    // Brimble runs or it did not answer within the time-out.
    static std::optional<QJsonObject> request(const QJsonObject& request, int timeoutMs = 10000);

    // Whether a Brimble holds this session's instance lock.
    static bool isInstanceRunning();

private:
    void onConnection();

    QLocalServer* server_ = nullptr;
    Handler handler_;
    int lockFd_ = -1;
};
