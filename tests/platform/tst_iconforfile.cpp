#include "platform/NullWorkspace.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Icons for files come from the freedesktop icon folders, read without QIcon so that capture
// threads may ask.
class TestIconForFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void desktopFileGivesItsIcon();
    void otherFilesGiveTheirMimeTypeIcon();
    void iconsLoadOffTheGuiThread();

private:
    static void saveIcon(const QString& path, int size, QColor color);
    QTemporaryDir dir_;
};

void TestIconForFile::saveIcon(const QString& path, int size, QColor color)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(path));
}

void TestIconForFile::initTestCase()
{
    qputenv("XDG_DATA_HOME", (dir_.path() + "/home").toUtf8());
    qputenv("XDG_DATA_DIRS", (dir_.path() + "/share").toUtf8());
    const QString hicolor = dir_.path() + "/share/icons/hicolor";
    // The 64 pixel version is preferred over larger and smaller ones.
    saveIcon(hicolor + "/32x32/apps/brimble-test-app.png", 32, Qt::blue);
    saveIcon(hicolor + "/64x64/apps/brimble-test-app.png", 64, Qt::green);
    saveIcon(hicolor + "/256x256/apps/brimble-test-app.png", 256, Qt::blue);
    saveIcon(hicolor + "/48x48/mimetypes/text-x-generic.png", 48, Qt::gray);
    saveIcon(dir_.path() + "/share/pixmaps/legacy-app.png", 100, Qt::yellow);
}

void TestIconForFile::desktopFileGivesItsIcon()
{
    NullWorkspace workspace;
    const QString desktop = dir_.filePath("app.desktop");
    QFile file(desktop);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=App\nIcon=brimble-test-app\n");
    file.close();
    const QImage icon = workspace.iconForFile(desktop);
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(32, 32), QColor(Qt::green));

    // Older applications keep their icon in the pixmaps folder; it is squared to 64 pixels.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Old\nIcon=legacy-app\n");
    file.close();
    const QImage legacy = workspace.iconForFile(desktop);
    QCOMPARE(legacy.size(), QSize(64, 64));
    QCOMPARE(legacy.pixelColor(32, 32), QColor(Qt::yellow));
}

void TestIconForFile::otherFilesGiveTheirMimeTypeIcon()
{
    NullWorkspace workspace;
    const QString text = dir_.filePath("notes.txt");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("plain words");
    file.close();
    // No text-plain icon exists in the test theme: the generic one stands in.
    const QImage icon = workspace.iconForFile(text);
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(32, 32), QColor(Qt::gray));
}

void TestIconForFile::iconsLoadOffTheGuiThread()
{
    NullWorkspace workspace;
    const QString desktop = dir_.filePath("threaded.desktop");
    QFile file(desktop);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=App\nIcon=brimble-test-app\n");
    file.close();
    QImage fromThread;
    std::unique_ptr<QThread> thread(QThread::create([&] { fromThread = workspace.iconForFile(desktop); }));
    thread->start();
    QVERIFY(thread->wait(10000));
    QCOMPARE(fromThread.size(), QSize(64, 64));
}

QTEST_MAIN(TestIconForFile)
#include "tst_iconforfile.moc"
