#pragma once

#include <QString>

#include <any>
#include <functional>

// The in-process bus of named events. Handlers run on the thread their registration asked
// for, whatever thread posted; posting and registering are safe from any thread.
struct Notification
{
    QString name;
    std::any object; // the sender's value; empty when the event carries none
};

namespace EventBus {
using Handler = std::function<void(const Notification&)>;

void post(const QString& name, std::any sender = {});
void postToMainThread(const QString& name, std::any sender = {});
void onMainThread(const void* target, const QString& name, Handler handler);
void onBackgroundThread(const void* target, const QString& name, Handler handler);
void unregister(const void* target);
} // namespace EventBus
