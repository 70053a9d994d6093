#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <chrono>
#include <functional>

// The desktop portal's way of answering a method that may involve the user: the method returns
// the path of a Request object at once, and the answer comes later as that object's Response
// signal. The path is known before the call (the portal builds it from our unique bus name and
// the handle token we pass), so the answer is subscribed to first and cannot be missed.
//
// Everything runs on the thread of `context` (the GUI thread for Brimble's portal users) and
// never blocks it: the method call and the wait for the answer are both asynchronous and both
// have a time-out, after which the Request is closed and the caller hears "timedOut".
namespace Portal {

inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString objectPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

struct Answer
{
    enum class Status
    {
        success,   // Response 0
        cancelled, // Response 1: the user said no
        ended,     // Response 2 (or an unknown code): the interaction ended some other way
        failed,    // the method call itself failed (no portal, no such interface, bad arguments)
        timedOut,  // no reply or no Response in time
    };
    Status status = Status::failed;
    QVariantMap results;
    // For the log: the D-Bus error, or which step timed out.
    QString error;
};
using AnswerHandler = std::function<void(const Answer&)>;

// "success", "declined", ... for the log.
QString describe(const Answer& answer);

// A fresh token for handle_token and session_handle_token: unique and not guessable.
QString newToken();
// The object path the portal gives a Request or Session made with `token` by this connection:
// /org/freedesktop/portal/desktop/<kind>/<unique name without ':' and '.' as '_'>/<token>.
QString predictedPath(const QDBusConnection& bus, const QString& kind, const QString& token);

// An object path the portal sent as an object path or, as some versions do for
// session_handle, as a string.
QString pathFromVariant(const QVariant& value);

// Calls `method` of `interface` on the portal. `options` is the call's last argument; its
// handle_token is filled in here. `replyTimeout` bounds the call itself, `answerTimeout` the
// wait for the Response (a dialog the user leaves open ends there). `done` runs once, on the
// thread of `context`, unless `context` is gone by then.
void request(const QDBusConnection& bus, const QString& interface, const QString& method,
             const QVariantList& leadingArguments, QVariantMap options,
             std::chrono::milliseconds replyTimeout, std::chrono::milliseconds answerTimeout,
             QObject* context, AnswerHandler done);

// Reads the interface's "version" property: 0 with the reason when the portal or the interface is
// missing. `done` runs once on the thread of `context`.
void readVersion(const QDBusConnection& bus, const QString& interface, std::chrono::milliseconds timeout,
                 QObject* context, std::function<void(uint version, const QString& problem)> done);

} // namespace Portal

// One outstanding portal request; deletes itself once answered. Use Portal::request().
class PortalRequest : public QObject
{
    Q_OBJECT
public:
    PortalRequest(const QDBusConnection& bus, QObject* context, Portal::AnswerHandler done);
    void start(const QString& interface, const QString& method, const QVariantList& leadingArguments,
               QVariantMap options, std::chrono::milliseconds replyTimeout,
               std::chrono::milliseconds answerTimeout);

private Q_SLOTS:
    void onResponse(uint response, const QVariantMap& results);

private:
    void listen(const QString& path);
    void finish(const Portal::Answer& answer);

    QDBusConnection bus_;
    QString path_;
    Portal::AnswerHandler done_;
    bool finished_ = false;
};
