#include "platform/PowerSource.h"

#include "common/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString kTag = QStringLiteral("power");
const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kInterface = QStringLiteral("org.freedesktop.UPower");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kOnBattery = QStringLiteral("OnBattery");
constexpr int kTimeoutMs = 2000;
} // namespace

PowerSource::PowerSource(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(std::move(bus))
{
    if (!bus_.isConnected()) {
        Log::info(kTag, QStringLiteral("no system bus: counted as mains power"));
        return;
    }
    bus_.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    read();
}

void PowerSource::read()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
    call << kInterface << kOnBattery;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *done;
        if (reply.isError()) {
            // Most desktops without a battery have no UPower either.
            Log::info(kTag, QStringLiteral("UPower does not answer (%1): counted as mains power")
                                .arg(reply.error().message()));
            set(false);
            return;
        }
        set(reply.value().variant().toBool());
    });
}

void PowerSource::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                    const QStringList& invalidated)
{
    if (interface != kInterface)
        return;
    if (changed.contains(kOnBattery))
        set(changed.value(kOnBattery).toBool());
    else if (invalidated.contains(kOnBattery))
        read();
}

void PowerSource::set(bool onBattery)
{
    if (onBattery_.exchange(onBattery) == onBattery)
        return;
    Log::info(kTag, onBattery ? QStringLiteral("on battery") : QStringLiteral("on mains power"));
    Q_EMIT changed(onBattery);
}
