#include "platform/portal/PortalRequest.h"

#include "common/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

namespace {
const QString kTag = QStringLiteral("portal");
} // namespace

namespace Portal {

QString describe(const Answer& answer)
{
    switch (answer.status) {
    case Answer::Status::success:
        return QStringLiteral("granted");
    case Answer::Status::cancelled:
        return QStringLiteral("declined by the user");
    case Answer::Status::ended:
        return QStringLiteral("ended without an answer");
    case Answer::Status::failed:
        return QStringLiteral("failed: %1").arg(answer.error);
    case Answer::Status::timedOut:
        return QStringLiteral("timed out: %1").arg(answer.error);
    }
    return {};
}

QString newToken()
{
    return QStringLiteral("brimble_%1")
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

QString predictedPath(const QDBusConnection& bus, const QString& kind, const QString& token)
{
    QString sender = bus.baseService();
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("%1/%2/%3/%4").arg(objectPath, kind, sender, token);
}

QString pathFromVariant(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

void request(const QDBusConnection& bus, const QString& interface, const QString& method,
             const QVariantList& leadingArguments, QVariantMap options,
             std::chrono::milliseconds replyTimeout, std::chrono::milliseconds answerTimeout,
             QObject* context, AnswerHandler done)
{
    auto* call = new PortalRequest(bus, context, std::move(done));
    call->start(interface, method, leadingArguments, std::move(options), replyTimeout, answerTimeout);
}

void readVersion(const QDBusConnection& bus, const QString& interface, std::chrono::milliseconds timeout,
                 QObject* context, std::function<void(uint version, const QString& problem)> done)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, objectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, int(timeout.count())), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (reply.isError()) {
            done(0, reply.error().message().isEmpty() ? reply.error().name() : reply.error().message());
            return;
        }
        bool ok = false;
        const uint version = reply.value().variant().toUInt(&ok);
        done(ok ? version : 0, ok ? QString() : QStringLiteral("no version"));
    });
}

} // namespace Portal

PortalRequest::PortalRequest(const QDBusConnection& bus, QObject* context, Portal::AnswerHandler done)
    : QObject(context), bus_(bus), done_(std::move(done))
{
}

void PortalRequest::start(const QString& interface, const QString& method,
                          const QVariantList& leadingArguments, QVariantMap options,
                          std::chrono::milliseconds replyTimeout, std::chrono::milliseconds answerTimeout)
{
    const QString token = Portal::newToken();
    options.insert(QStringLiteral("handle_token"), token);
    // Subscribed before the call, so an answer sent at once is not missed.
    listen(Portal::predictedPath(bus_, QStringLiteral("request"), token));

    QDBusMessage message =
        QDBusMessage::createMethodCall(Portal::service, Portal::objectPath, interface, method);
    QVariantList arguments = leadingArguments;
    arguments.append(options);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, int(replyTimeout.count())), this);
    const QString what = QStringLiteral("%1.%2").arg(interface.section(QLatin1Char('.'), -1), method);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, what] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            const QDBusError error = reply.error();
            finish({Portal::Answer::Status::failed,
                    {},
                    QStringLiteral("%1: %2").arg(what, error.message().isEmpty() ? error.name()
                                                                                 : error.message())});
            return;
        }
        // A portal older than the path convention names another object: follow it.
        const QString handle = reply.value().path();
        if (handle != path_) {
            bus_.disconnect(Portal::service, path_, Portal::requestInterface, QStringLiteral("Response"),
                            this, SLOT(onResponse(uint, QVariantMap)));
            listen(handle);
        }
    });
    QTimer::singleShot(answerTimeout, this, [this, what] {
        if (finished_)
            return;
        // Closing the request takes a forgotten dialog away.
        bus_.asyncCall(QDBusMessage::createMethodCall(Portal::service, path_, Portal::requestInterface,
                                                      QStringLiteral("Close")));
        finish({Portal::Answer::Status::timedOut, {}, QStringLiteral("%1 had no answer").arg(what)});
    });
}

void PortalRequest::listen(const QString& path)
{
    path_ = path;
    if (!bus_.connect(Portal::service, path_, Portal::requestInterface, QStringLiteral("Response"), this,
                      SLOT(onResponse(uint, QVariantMap))))
        Log::warning(kTag, QStringLiteral("cannot listen for the answer on %1").arg(path_));
}

void PortalRequest::onResponse(uint response, const QVariantMap& results)
{
    using Status = Portal::Answer::Status;
    const Status status = response == 0 ? Status::success : response == 1 ? Status::cancelled : Status::ended;
    finish({status, results, {}});
}

void PortalRequest::finish(const Portal::Answer& answer)
{
    if (finished_)
        return;
    finished_ = true;
    bus_.disconnect(Portal::service, path_, Portal::requestInterface, QStringLiteral("Response"), this,
                    SLOT(onResponse(uint, QVariantMap)));
    // The caller may start the next request from here; this one is done with.
    const Portal::AnswerHandler done = std::move(done_);
    deleteLater();
    if (done)
        done(answer);
}
