#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <atomic>

// Whether the machine runs on battery, as UPower says on the system bus. Without UPower (a
// desktop machine, a container) it counts as mains power. Created on the GUI thread;
// onBattery() may be read from any thread.
class PowerSource : public QObject
{
    Q_OBJECT

public:
    explicit PowerSource(QDBusConnection bus = QDBusConnection::systemBus(), QObject* parent = nullptr);

    bool onBattery() const { return onBattery_.load(); }

Q_SIGNALS:
    void changed(bool onBattery);

private Q_SLOTS:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);

private:
    void read();
    void set(bool onBattery);

    QDBusConnection bus_;
    std::atomic<bool> onBattery_{false};
};
