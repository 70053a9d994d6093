#include "platform/portal/PortalKeySynthesizer.h"

#include "common/Log.h"
#include "platform/portal/PortalRequest.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusObjectPath>
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <utility>

namespace {
const QString kTag = QStringLiteral("portal paste");
const QString kInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr std::chrono::milliseconds kReplyTimeout{5000};
constexpr std::chrono::milliseconds kQuickAnswer{10000};
} // namespace

PortalKeySynthesizer::PortalKeySynthesizer(std::unique_ptr<KeySynthesizer> inner, PortalConsentStore store,
                                           const QDBusConnection& bus)
    : inner_(std::move(inner)), store_(std::move(store)), bus_(bus)
{
    // A paste waiting for the desktop's dialog must not hold up quitting, which waits for the
    // write-backs to finish.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            {
                std::lock_guard lock(mutex_);
                quitting_ = true;
            }
            changed_.notify_all();
        });
    Portal::readVersion(bus_, kInterface, kReplyTimeout, this, [this](uint version, const QString& problem) {
        if (version == 0) {
            setState(State::unavailable,
                     QStringLiteral("the desktop offers no remote desktop portal (%1)").arg(problem));
            return;
        }
        version_ = version;
        if (store_.declined && store_.declined()) {
            setState(State::declined, QStringLiteral("the user declined sending keys earlier"));
            return;
        }
        Log::info(kTag, QStringLiteral("remote desktop portal version %1").arg(version));
        setState(State::idle);
        if (std::exchange(startWhenOffered_, false))
            startSession();
    });
}

PortalKeySynthesizer::~PortalKeySynthesizer()
{
    if (!session_.isEmpty())
        bus_.asyncCall(QDBusMessage::createMethodCall(Portal::service, session_, Portal::sessionInterface,
                                                      QStringLiteral("Close")));
}

bool PortalKeySynthesizer::innerTakes(const RunningApplication* target) const
{
    return inner_ && target && inner_->isTrusted(target);
}

bool PortalKeySynthesizer::isTrusted(const RunningApplication* target)
{
    if (innerTakes(target))
        return true;
    std::lock_guard lock(mutex_);
    return state_ != State::declined && state_ != State::unavailable;
}

bool PortalKeySynthesizer::canSynthesize() const
{
    if (inner_ && inner_->canSynthesize())
        return true;
    std::lock_guard lock(mutex_);
    return state_ != State::declined && state_ != State::unavailable;
}

bool PortalKeySynthesizer::isTerminal(const RunningApplication* target) const
{
    return inner_ && inner_->isTerminal(target);
}

void PortalKeySynthesizer::askAgain()
{
    if (store_.setDeclined)
        store_.setDeclined(false);
    std::lock_guard lock(mutex_);
    if (state_ == State::declined)
        state_ = State::idle;
}

bool PortalKeySynthesizer::sendPaste(const RunningApplication* target)
{
    if (innerTakes(target))
        return inner_->sendPaste(target);
    if (QThread::currentThread() == thread()) {
        // The session is made on this thread; waiting for it here would wait for ever.
        Log::error(kTag, QStringLiteral("a paste key stroke was asked for on the GUI thread; not sent"));
        return false;
    }
    {
        std::unique_lock lock(mutex_);
        if (state_ == State::declined || state_ == State::unavailable)
            return false;
        if (state_ != State::started) {
            QMetaObject::invokeMethod(this, [this] {
                std::unique_lock lock(mutex_);
                if (state_ == State::probing)
                    startWhenOffered_ = true;
                if (state_ != State::idle)
                    return;
                lock.unlock();
                startSession();
            });
            const bool settled = changed_.wait_for(lock, sessionWait, [this] {
                return quitting_ || state_ == State::started || state_ == State::declined ||
                       state_ == State::unavailable;
            });
            if (!settled || state_ != State::started) {
                Log::warning(kTag, settled
                                       ? QStringLiteral("no remote desktop session to send the keys through")
                                       : QStringLiteral("the remote desktop session was not ready in time"));
                return false;
            }
        }
    }
    QString session;
    {
        std::lock_guard lock(mutex_);
        session = session_;
    }
    // Sent from this (write-back) thread: these are plain method calls without a dialog.
    const auto key = [this, &session](quint32 keysym, uint pressed) {
        QDBusMessage notify = QDBusMessage::createMethodCall(Portal::service, Portal::objectPath, kInterface,
                                                             QStringLiteral("NotifyKeyboardKeysym"));
        notify << QVariant::fromValue(QDBusObjectPath(session)) << QVariantMap() << int(keysym) << pressed;
        const QDBusMessage reply = bus_.call(notify, QDBus::Block, int(kReplyTimeout.count()));
        if (reply.type() == QDBusMessage::ErrorMessage) {
            Log::warning(kTag, QStringLiteral("key not sent: %1").arg(reply.errorMessage()));
            return false;
        }
        return true;
    };
    const bool sent = key(controlKeysym, 1) && key(vKeysym, 1);
    // The keys are released whatever happened, so none stays held down.
    key(vKeysym, 0);
    key(controlKeysym, 0);
    return sent;
}

void PortalKeySynthesizer::startSession()
{
    setState(State::starting);
    Portal::request(
        bus_, kInterface, QStringLiteral("CreateSession"), {},
        {{QStringLiteral("session_handle_token"), Portal::newToken()}}, kReplyTimeout, kQuickAnswer, this,
        [this](const Portal::Answer& answer) {
            if (answer.status != Portal::Answer::Status::success) {
                setState(State::unavailable,
                         QStringLiteral("no remote desktop session: %1").arg(Portal::describe(answer)));
                return;
            }
            {
                std::lock_guard lock(mutex_);
                session_ = Portal::pathFromVariant(answer.results.value(QStringLiteral("session_handle")));
            }
            bus_.connect(Portal::service, session_, Portal::sessionInterface, QStringLiteral("Closed"), this,
                         SLOT(onSessionClosed()));
            selectDevices();
        });
}

void PortalKeySynthesizer::selectDevices()
{
    QVariantMap options{{QStringLiteral("types"), uint(keyboardDevice)}};
    // Persistence came with version 2.
    if (version_ >= 2) {
        options.insert(QStringLiteral("persist_mode"), uint(persistUntilRevoked));
        const QString token = store_.restoreToken ? store_.restoreToken() : QString();
        if (!token.isEmpty())
            options.insert(QStringLiteral("restore_token"), token);
    }
    Portal::request(
        bus_, kInterface, QStringLiteral("SelectDevices"), {QVariant::fromValue(QDBusObjectPath(session_))},
        options, kReplyTimeout, kQuickAnswer, this, [this](const Portal::Answer& answer) {
            if (answer.status != Portal::Answer::Status::success) {
                setState(State::unavailable, QStringLiteral("no keyboard: %1").arg(Portal::describe(answer)));
                return;
            }
            start();
        });
}

void PortalKeySynthesizer::start()
{
    Portal::request(bus_, kInterface, QStringLiteral("Start"),
                    {QVariant::fromValue(QDBusObjectPath(session_)), QString()}, {}, kReplyTimeout,
                    sessionWait, this, [this](const Portal::Answer& answer) {
                        if (answer.status == Portal::Answer::Status::cancelled) {
                            if (store_.setDeclined)
                                store_.setDeclined(true);
                            setState(State::declined, QStringLiteral("the user declined sending keys"));
                            return;
                        }
                        if (answer.status != Portal::Answer::Status::success) {
                            setState(State::unavailable,
                                     QStringLiteral("remote desktop %1").arg(Portal::describe(answer)));
                            return;
                        }
                        if (!(answer.results.value(QStringLiteral("devices")).toUInt() & keyboardDevice)) {
                            setState(State::unavailable, QStringLiteral("the desktop granted no keyboard"));
                            return;
                        }
                        // Each token is good for one restore; the new one replaces it.
                        const QString token =
                            answer.results.value(QStringLiteral("restore_token")).toString();
                        if (!token.isEmpty() && store_.setRestoreToken)
                            store_.setRestoreToken(token);
                        Log::info(kTag, QStringLiteral("remote desktop session started (keyboard only)"));
                        setState(State::started);
                    });
}

void PortalKeySynthesizer::onSessionClosed()
{
    Log::info(kTag, QStringLiteral("the desktop closed the remote desktop session"));
    {
        std::lock_guard lock(mutex_);
        session_.clear();
    }
    setState(State::idle);
}

void PortalKeySynthesizer::setState(State state, const QString& problem)
{
    if (!problem.isEmpty())
        Log::warning(kTag, problem + QStringLiteral("; pasted items wait on the clipboard for Ctrl+V"));
    {
        std::lock_guard lock(mutex_);
        state_ = state;
    }
    changed_.notify_all();
}
