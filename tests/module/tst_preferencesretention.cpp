#include "module/preferences/PreferencesGeneralViewController.h"

#include <QTest>

// The retention slider's four stops, and which moves must ask before they shorten the history.
class TestPreferencesRetention : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stops_data();
    void stops();
    void asksOnlyWhenThePeriodShortens_data();
    void asksOnlyWhenThePeriodShortens();
};

void TestPreferencesRetention::stops_data()
{
    QTest::addColumn<qint64>("level");
    QTest::addColumn<int>("stop");
    QTest::newRow("a day") << qint64(0) << 0;
    QTest::newRow("a week") << qint64(33) << 1;
    QTest::newRow("a month") << qint64(66) << 2;
    QTest::newRow("for ever") << qint64(100) << 3;
    // Any other stored level keeps everything, so it shows at "for ever".
    QTest::newRow("50 keeps for ever") << qint64(50) << 3;
    QTest::newRow("negative keeps for ever") << qint64(-1) << 3;
}

void TestPreferencesRetention::stops()
{
    QFETCH(qint64, level);
    QFETCH(int, stop);
    QCOMPARE(PreferencesGeneralViewController::stopForLevel(level), stop);
    if (level == 0 || level == 33 || level == 66 || level == 100)
        QCOMPARE(PreferencesGeneralViewController::levelForStop(stop), level);
}

void TestPreferencesRetention::asksOnlyWhenThePeriodShortens_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<bool>("shortens");
    QTest::newRow("for ever to a month") << qint64(100) << qint64(66) << true;
    QTest::newRow("a month to a day") << qint64(66) << qint64(0) << true;
    QTest::newRow("a day to a week") << qint64(0) << qint64(33) << false;
    QTest::newRow("a week to for ever") << qint64(33) << qint64(100) << false;
    // A lower number is not a shorter period: 50 keeps everything, as 100 does.
    QTest::newRow("66 to 50 lengthens") << qint64(66) << qint64(50) << false;
    QTest::newRow("50 to 100 is the same") << qint64(50) << qint64(100) << false;
    QTest::newRow("50 to a month") << qint64(50) << qint64(66) << true;
}

void TestPreferencesRetention::asksOnlyWhenThePeriodShortens()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(bool, shortens);
    QCOMPARE(PreferencesGeneralViewController::shortensRetention(from, to), shortens);
}

QTEST_GUILESS_MAIN(TestPreferencesRetention)
#include "tst_preferencesretention.moc"
