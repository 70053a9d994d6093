// The battery state as UPower publishes it, read from a bus of the test's own on which a
// stand-in offers UPower's published property and signal.
#include "platform/PowerSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// org.freedesktop.UPower's OnBattery property, as the daemon exports it.
class FakeUPower : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UPower")
    Q_PROPERTY(bool OnBattery READ onBattery)

public:
    bool onBattery() const { return onBattery_; }
    void setOnBattery(QDBusConnection& bus, bool value, bool announceValue = true)
    {
        onBattery_ = value;
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/UPower"),
                                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        QVariantMap changed;
        QStringList invalidated;
        if (announceValue)
            changed.insert(QStringLiteral("OnBattery"), value);
        else
            invalidated << QStringLiteral("OnBattery");
        signal << QStringLiteral("org.freedesktop.UPower") << changed << invalidated;
        bus.send(signal);
    }

private:
    bool onBattery_ = false;
};

} // namespace

class TestPowerSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void followsUPower();
    void withoutUPowerCountsAsMains();

private:
    std::unique_ptr<QProcess> bus_;
    QString address_;
};

void TestPowerSource::initTestCase()
{
    bus_ = std::make_unique<QProcess>();
    bus_->start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                 QStringLiteral("--print-address=1")});
    QVERIFY2(bus_->waitForStarted(5000), "dbus-daemon did not start");
    QTRY_VERIFY_WITH_TIMEOUT(bus_->canReadLine(), 5000);
    address_ = QString::fromUtf8(bus_->readLine()).trimmed();
}

void TestPowerSource::cleanupTestCase()
{
    if (bus_) {
        bus_->kill();
        bus_->waitForFinished(2000);
    }
}

void TestPowerSource::followsUPower()
{
    QDBusConnection service = QDBusConnection::connectToBus(address_, QStringLiteral("upower"));
    QVERIFY(service.isConnected());
    FakeUPower upower;
    upower.setOnBattery(service, true);
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/UPower"), &upower,
                                   QDBusConnection::ExportAllProperties));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.UPower")));

    PowerSource power(QDBusConnection::connectToBus(address_, QStringLiteral("reader")));
    QSignalSpy changes(&power, &PowerSource::changed);
    // The state at start is asked for, not waited for.
    QTRY_VERIFY(power.onBattery());
    QCOMPARE(changes.size(), 1);

    upower.setOnBattery(service, false);
    QTRY_VERIFY(!power.onBattery());
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.last().first().toBool(), false);

    // A property announced only as changed, without its value, is asked for again.
    upower.setOnBattery(service, true, false);
    QTRY_VERIFY(power.onBattery());

    service.unregisterService(QStringLiteral("org.freedesktop.UPower"));
    service.unregisterObject(QStringLiteral("/org/freedesktop/UPower"));
    QDBusConnection::disconnectFromBus(QStringLiteral("upower"));
}

void TestPowerSource::withoutUPowerCountsAsMains()
{
    PowerSource power(QDBusConnection::connectToBus(address_, QStringLiteral("alone")));
    QSignalSpy changes(&power, &PowerSource::changed);
    QTest::qWait(300);
    QVERIFY(!power.onBattery());
    QVERIFY(changes.isEmpty());

    PowerSource noBus(QDBusConnection(QStringLiteral("not connected")));
    QVERIFY(!noBus.onBattery());
}

QTEST_GUILESS_MAIN(TestPowerSource)
#include "tst_powersource.moc"
