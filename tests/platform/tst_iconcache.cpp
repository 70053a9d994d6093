#include "common/Log.h"
#include "platform/IconCache.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

// Application icons reach the GUI without it ever reading a file, and each is read once.
class TestIconCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void guiAsksAndIsToldLater();
    void missingFileGivesNoIconAndOneLogLine();
    void backgroundCallersReadThroughTheCache();

private:
    QString touch(const QString& name);
    IconCache::Loader loader();

    QTemporaryDir dir_;
    std::atomic<int> reads_{0};
    std::atomic<bool> readOnGuiThread_{false};
};

void TestIconCache::init()
{
    reads_ = 0;
    readOnGuiThread_ = false;
}

QString TestIconCache::touch(const QString& name)
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write into the temporary folder");
    return file.fileName();
}

IconCache::Loader TestIconCache::loader()
{
    return [this](const QString& path) {
        ++reads_;
        if (QThread::currentThread() == qApp->thread())
            readOnGuiThread_ = true;
        QImage icon(4, 4, QImage::Format_ARGB32);
        icon.fill(path.endsWith("blue.desktop") ? Qt::blue : Qt::red);
        return icon;
    };
}

void TestIconCache::guiAsksAndIsToldLater()
{
    const QString blue = touch("blue.desktop");
    const QString red = touch("red.desktop");
    IconCache cache(loader(), 1);
    QSignalSpy loaded(&cache, &IconCache::iconLoaded);

    QVERIFY(cache.icon(blue).isNull());
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded.at(0).at(0).toString(), blue);
    QCOMPARE(loaded.at(0).at(1).value<QImage>().pixelColor(0, 0), QColor(Qt::blue));
    QVERIFY(!readOnGuiThread_);

    QCOMPARE(cache.icon(blue).pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(reads_.load(), 1);

    // Bounded: with room for one icon, the next one pushes the first out.
    QVERIFY(cache.icon(red).isNull());
    QVERIFY(loaded.wait());
    QVERIFY(cache.cachedIcon(red));
    QVERIFY(!cache.cachedIcon(blue));
}

void TestIconCache::missingFileGivesNoIconAndOneLogLine()
{
    Log::Capture log;
    const QString gone = dir_.filePath("uninstalled.desktop");
    IconCache cache(loader());
    QSignalSpy loaded(&cache, &IconCache::iconLoaded);

    QVERIFY(cache.icon(gone).isNull());
    QVERIFY(loaded.wait());
    QVERIFY(loaded.at(0).at(1).value<QImage>().isNull());
    QVERIFY(cache.icon(gone).isNull());
    QVERIFY(cache.cachedIcon(gone));
    QCOMPARE(reads_.load(), 0);
    QCOMPARE(log.count(gone), 1);
    QCOMPARE(loaded.count(), 1);
}

void TestIconCache::backgroundCallersReadThroughTheCache()
{
    const QString blue = touch("blue.desktop");
    IconCache cache(loader());
    QImage first;
    QImage second;
    std::thread capture([&] {
        first = cache.icon(blue);
        second = cache.icon(blue);
    });
    capture.join();
    QCOMPARE(first.pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(second, first);
    QCOMPARE(reads_.load(), 1);
    // The GUI then gets it at once.
    QCOMPARE(cache.icon(blue), first);
}

QTEST_GUILESS_MAIN(TestIconCache)
#include "tst_iconcache.moc"
