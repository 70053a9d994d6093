#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>

class QThread;
class InstanceChannelServer;

// The local socket through which one Brimble per user session takes requests: from a second
// `brimble` started while it runs (the reopen), and from the command-line verbs.
//
// A request is one JSON object on one line ({"verb": ..., ...}); the answer is one JSON object
// on one line ({"ok": true, ...} or {"ok": false, "error": "..."}).
//
// The socket is served from a thread of its own, so a client always gets an answer while this
// process lives: a request the GUI thread does not take up within the busy time-out is dropped
// and answered {"ok": false, "busy": true}, never left to look like a dead Brimble.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    using Reply = std::function<void(const QJsonObject& answer)>;
    // Called on the thread the channel was made on; `reply` may be called from any thread,
    // once.
    using Handler = std::function<void(const QJsonObject& request, Reply reply)>;

    static constexpr int defaultBusyTimeoutMs = 3000;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // $XDG_RUNTIME_DIR/brimble.sock, else a per-user name in the temporary folder.
    static QString socketPath();

    // Starts serving. False when another Brimble already serves this session (or the socket
    // cannot be made); a socket left behind by a dead Brimble is replaced.
    bool listen(Handler handler);

    // How long a request waits for the handler's thread before it is answered busy.
    void setBusyTimeout(int ms);

    // An answer made on the channel's own thread for `verb`, without asking the handler: for
    // what must not wait behind a busy GUI thread. `answer` must be safe to call from there.
    void setStandingAnswer(const QString& verb, std::function<QJsonObject()> answer);

    struct Answer
    {
        enum class Status
        {
            Answered,
            NotRunning,
            // A Brimble holds the session but gave no answer in time.
            Busy
        };
        Status status = Status::NotRunning;
        QJsonObject object;

        // An answer that is there and says so; a busy instance answers {"busy": true}.
        bool isBusy() const { return status == Status::Busy || object.value("busy").toBool(); }
    };

    // Sends one request to the running Brimble and waits for its answer.
    static Answer request(const QJsonObject& request, int timeoutMs = 10000);

    // Whether a Brimble holds this session's instance lock.
    static bool isInstanceRunning();

    static QJsonObject busyAnswer();

private:
    friend class InstanceChannelServer;
    // Called on the channel thread for every well-formed request.
    void dispatch(const QJsonObject& request, Reply reply);

    QThread* thread_ = nullptr;
    InstanceChannelServer* server_ = nullptr;
    Handler handler_;
    int lockFd_ = -1;
    std::mutex mutex_;
    int busyTimeoutMs_ = defaultBusyTimeoutMs;
    QHash<QString, std::function<QJsonObject()>> standingAnswers_;
};
