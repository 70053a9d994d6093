#include "common/Log.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgLoginItem.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestXdgLoginItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchingOnWritesAStartableEntry_data();
    void switchingOnWritesAStartableEntry();
    void switchingOffKeepsTheFileHidden();
    void switchingOffWithoutAFileCreatesNothing();
    void defaultsToTheConfigHome();
    void unwritableFolderFailsAndLogs();
};

void TestXdgLoginItem::switchingOnWritesAStartableEntry_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain path") << "/usr/bin/brimble";
    QTest::newRow("path with spaces and quotes") << "/home/me/My \"Apps\"/brimble";
}

void TestXdgLoginItem::switchingOnWritesAStartableEntry()
{
    QFETCH(QString, program);
    QTemporaryDir dir;
    XdgLoginItem item(program, dir.filePath("autostart"));
    QVERIFY(!item.isEnabled());
    QVERIFY(item.setEnabled(true));
    QVERIFY(item.isEnabled());

    const auto entry = DesktopEntry::load(item.filePath());
    QVERIFY(entry);
    QCOMPARE(entry->type, QString("Application"));
    QCOMPARE(entry->name, QString("Brimble"));
    QVERIFY(!entry->hidden);
    QCOMPARE(DesktopEntry::splitExec(entry->exec), QStringList{program});
    QFile file(item.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("X-GNOME-Autostart-enabled=true\n"));
}

void TestXdgLoginItem::switchingOffKeepsTheFileHidden()
{
    QTemporaryDir dir;
    XdgLoginItem item("/usr/bin/brimble", dir.filePath("autostart"));
    QVERIFY(item.setEnabled(true));
    QVERIFY(item.setEnabled(false));
    QVERIFY(QFileInfo::exists(item.filePath()));
    QVERIFY(!item.isEnabled());
    QVERIFY(DesktopEntry::load(item.filePath())->hidden);
    // On again: the Hidden key goes away.
    QVERIFY(item.setEnabled(true));
    QVERIFY(item.isEnabled());
}

void TestXdgLoginItem::switchingOffWithoutAFileCreatesNothing()
{
    QTemporaryDir dir;
    XdgLoginItem item("/usr/bin/brimble", dir.filePath("autostart"));
    QVERIFY(item.setEnabled(false));
    QVERIFY(!QFileInfo::exists(item.filePath()));
}

void TestXdgLoginItem::defaultsToTheConfigHome()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    XdgLoginItem item;
    QCOMPARE(item.filePath(), dir.path() + "/autostart/brimble.desktop");
    QVERIFY(item.setEnabled(true));
    const auto entry = DesktopEntry::load(item.filePath());
    QVERIFY(entry);
    // Without an explicit path, the running program starts at login, by absolute path.
    QCOMPARE(DesktopEntry::splitExec(entry->exec).value(0), QCoreApplication::applicationFilePath());
}

void TestXdgLoginItem::unwritableFolderFailsAndLogs()
{
    QTemporaryDir dir;
    // A file where the folder should be.
    QFile blocker(dir.filePath("autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Log::Capture capture;
    XdgLoginItem item("/usr/bin/brimble", dir.filePath("autostart"));
    QVERIFY(!item.setEnabled(true));
    QVERIFY(!item.isEnabled());
    QCOMPARE(capture.count("login item"), 1);
}

QTEST_GUILESS_MAIN(TestXdgLoginItem)
#include "tst_xdgloginitem.moc"
