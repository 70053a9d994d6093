#include "EventBus.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "common/SerialQueue.h"

#include <QCoreApplication>
#include <QHash>

#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

// Delivery model:
// - The registrations for a name are taken when the event is posted, so a component that
//   registers later never sees an earlier event.
// - Main-thread handlers run in place when the delivery starts on the main thread (the sender
//   may be a value that only lives for the caller's scope, such as a key event); from any other
//   thread the delivery is queued to the main event loop.
// - Background handlers run one at a time on the bus's own serial queue, so two events are
//   handled in the order they were posted.
// - Every delivery checks that its registration is still in place just before it runs, and
//   unregister() waits for a background handler of the target that is running at that moment,
//   so a target may be destroyed as soon as unregister() returns. Background handlers must
//   therefore never wait for the main thread.
namespace EventBus {
namespace {

const QString kTag = QStringLiteral("EventBus");

struct Registration
{
    const void* target;
    Handler handler;
    bool background;
    std::atomic<bool> active{true};
    std::mutex running;
};
using RegistrationRef = std::shared_ptr<Registration>;

std::mutex& registryMutex()
{
    static std::mutex m;
    return m;
}

QHash<QString, std::vector<RegistrationRef>>& registry()
{
    static QHash<QString, std::vector<RegistrationRef>> map;
    return map;
}

SerialQueue& backgroundQueue()
{
    // Never destroyed: handlers still queued at exit must not run against torn-down statics.
    static SerialQueue* queue = new SerialQueue(QStringLiteral("event_bus"));
    return *queue;
}

void run(const RegistrationRef& registration, const Notification& notification)
{
    std::lock_guard lock(registration->running);
    if (!registration->active.load())
        return;
    try {
        registration->handler(notification);
    } catch (const std::exception& e) {
        Log::error(
            kTag,
            QStringLiteral("handler of %1 failed: %2").arg(notification.name, QString::fromUtf8(e.what())));
    } catch (...) {
        Log::error(kTag, QStringLiteral("handler of %1 failed").arg(notification.name));
    }
}

std::vector<RegistrationRef> registrationsFor(const QString& name)
{
    std::lock_guard lock(registryMutex());
    return registry().value(name);
}

void queueBackground(const std::vector<RegistrationRef>& registrations, const Notification& notification)
{
    for (const RegistrationRef& registration : registrations)
        if (registration->background)
            backgroundQueue().async([registration, notification] { run(registration, notification); });
}

// Runs on the main thread.
void runMainHandlers(const std::vector<RegistrationRef>& registrations, const Notification& notification)
{
    for (const RegistrationRef& registration : registrations)
        if (!registration->background)
            run(registration, notification);
}

bool hasMainHandlers(const std::vector<RegistrationRef>& registrations)
{
    for (const RegistrationRef& registration : registrations)
        if (!registration->background)
            return true;
    return false;
}

void toMainThread(std::function<void()> block, const QString& name)
{
    if (Dispatch::isMainThread()) {
        block();
        return;
    }
    if (!QCoreApplication::instance()) {
        Log::warning(kTag, QStringLiteral("no main thread to deliver %1").arg(name));
        return;
    }
    Dispatch::main(std::move(block));
}

void registerHandler(const void* target, const QString& name, Handler handler, bool background)
{
    auto registration = std::make_shared<Registration>();
    registration->target = target;
    registration->handler = std::move(handler);
    registration->background = background;
    std::lock_guard lock(registryMutex());
    registry()[name].push_back(std::move(registration));
}

} // namespace

void post(const QString& name, std::any sender)
{
    const std::vector<RegistrationRef> registrations = registrationsFor(name);
    if (registrations.empty())
        return;
    const Notification notification{name, std::move(sender)};
    queueBackground(registrations, notification);
    if (hasMainHandlers(registrations))
        toMainThread([registrations, notification] { runMainHandlers(registrations, notification); }, name);
}

void postToMainThread(const QString& name, std::any sender)
{
    const std::vector<RegistrationRef> registrations = registrationsFor(name);
    if (registrations.empty())
        return;
    const Notification notification{name, std::move(sender)};
    toMainThread(
        [registrations, notification] {
            queueBackground(registrations, notification);
            runMainHandlers(registrations, notification);
        },
        name);
}

void onMainThread(const void* target, const QString& name, Handler handler)
{
    registerHandler(target, name, std::move(handler), false);
}

void onBackgroundThread(const void* target, const QString& name, Handler handler)
{
    registerHandler(target, name, std::move(handler), true);
}

void unregister(const void* target)
{
    std::vector<RegistrationRef> removed;
    {
        std::lock_guard lock(registryMutex());
        auto& map = registry();
        for (auto it = map.begin(); it != map.end();) {
            auto& list = it.value();
            std::erase_if(list, [&](const RegistrationRef& registration) {
                if (registration->target != target)
                    return false;
                registration->active.store(false);
                removed.push_back(registration);
                return true;
            });
            it = list.empty() ? map.erase(it) : std::next(it);
        }
    }
    // A handler that unregisters its own target is already inside run(); waiting there would
    // deadlock, and it cannot outlive itself anyway.
    if (backgroundQueue().isCurrent())
        return;
    for (const RegistrationRef& registration : removed) {
        if (registration->background) {
            // Taking the lock means the handler is not running; it will not start again.
            registration->running.lock();
            registration->running.unlock();
        }
    }
}

} // namespace EventBus
