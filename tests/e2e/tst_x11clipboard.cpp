#include "RequiredServices.h"
#include "common/Log.h"
#include "platform/PasteboardTypes.h"
#include "platform/x11/X11Clipboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <future>

// The clipboard engine against a real X server, with xclip and our clipowner helper as the
// other clients.
class TestX11Clipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void seesCopiesByOtherClients();
    void readsEveryTargetInOrder();
    void readsLargeTargetsOverIncr();
    void stalledOwnerDoesNotHangReaders();
    void readIsAbandonedWhenTheOwnerChanges();
    void servesWritesToOtherClients();
    void servesLargeWritesOverIncr();
    void mergesSeveralItems();
    void losesOwnershipToAnotherClient();
    void servesPrimary();
    void tellsWhichContentWasRead();
    void stopsReadingPastTheSizeCap();

private:
    // Everything on offer, as a capture would read it.
    std::optional<PasteboardItems> readAll();
    // Starts clipowner and waits for its "ready".
    QProcess* startOwner(const QStringList& arguments);
    static QByteArray xclipRead(const QString& selection, const QString& target);
    static void xclipCopy(const QByteArray& data, const QString& target);
    static QString randomFile(QTemporaryDir& dir, qsizetype size, QByteArray* contents);

    QString helperDir_;
    std::unique_ptr<X11Clipboard> clipboard_;
    QList<QProcess*> owners_;
};

void TestX11Clipboard::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
    helperDir_ = qEnvironmentVariable("BRIMBLE_HELPER_DIR", QCoreApplication::applicationDirPath() + "/e2e");
    clipboard_ = std::make_unique<X11Clipboard>();
    QVERIFY(clipboard_->isValid());
}

void TestX11Clipboard::cleanup()
{
    for (QProcess* owner : std::as_const(owners_)) {
        owner->terminate();
        if (!owner->waitForFinished(5000))
            owner->kill();
        delete owner;
    }
    owners_.clear();
}

std::optional<PasteboardItems> TestX11Clipboard::readAll()
{
    const auto types = clipboard_->types();
    if (!types)
        return std::nullopt;
    ClipboardContent content = clipboard_->read(*types);
    if (content.status != ClipboardContent::Status::Read)
        return std::nullopt;
    return content.items;
}

QProcess* TestX11Clipboard::startOwner(const QStringList& arguments)
{
    auto* process = new QProcess;
    owners_.append(process);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(helperDir_ + "/clipowner", arguments);
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    while (!output.contains("ready\n") && timer.elapsed() < 15000) {
        process->waitForReadyRead(100);
        output += process->readAllStandardOutput();
    }
    return output.contains("ready\n") ? process : nullptr;
}

QByteArray TestX11Clipboard::xclipRead(const QString& selection, const QString& target)
{
    QProcess xclip;
    xclip.start("xclip", {"-o", "-selection", selection, "-t", target});
    xclip.waitForFinished(60000);
    return xclip.readAllStandardOutput();
}

void TestX11Clipboard::xclipCopy(const QByteArray& data, const QString& target)
{
    QProcess xclip;
    // xclip keeps serving from a child process until someone else takes the clipboard.
    xclip.start("xclip", {"-i", "-selection", "clipboard", "-t", target});
    xclip.write(data);
    xclip.closeWriteChannel();
    xclip.waitForFinished(10000);
}

QString TestX11Clipboard::randomFile(QTemporaryDir& dir, qsizetype size, QByteArray* contents)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        data[i] = char((i * 131 + i / 977) & 0xff);
    const QString path = dir.filePath(QString("data-%1.bin").arg(size));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
    *contents = data;
    return path;
}

void TestX11Clipboard::seesCopiesByOtherClients()
{
    const qint64 before = clipboard_->changeCount();
    xclipCopy("from xclip", "UTF8_STRING");
    QTRY_VERIFY(clipboard_->changeCount() != before);
    QCOMPARE(clipboard_->types(), QStringList{"UTF8_STRING"});
    const auto items = readAll();
    QVERIFY(items);
    QCOMPARE(items->size(), 1);
    QCOMPARE(items->first().dataForType("UTF8_STRING"), QByteArray("from xclip"));

    // The counter stays put while nothing changes.
    const qint64 settled = clipboard_->changeCount();
    QTest::qWait(300);
    QCOMPARE(clipboard_->changeCount(), settled);
}

void TestX11Clipboard::readsEveryTargetInOrder()
{
    QTemporaryDir dir;
    QByteArray png;
    const QString pngPath = randomFile(dir, 70000, &png);
    QVERIFY(startOwner({"--class", "BrimbleTestApp", "--target", "text/html=<b>bold</b>", "--target",
                        "text/plain;charset=utf-8=bold", "--target-file", "image/png=" + pngPath, "--target",
                        "x-kde-passwordManagerHint=secret", "--target", "UTF8_STRING=bold"}));
    const QStringList expected = {"text/html", "text/plain;charset=utf-8", "image/png",
                                  "x-kde-passwordManagerHint", "UTF8_STRING"};
    QCOMPARE(clipboard_->types(), expected);
    const auto items = readAll();
    QVERIFY(items);
    QCOMPARE(items->size(), 1);
    const PasteboardItem& item = items->first();
    QCOMPARE(item.types(), expected);
    QCOMPARE(item.dataForType("text/html"), QByteArray("<b>bold</b>"));
    QCOMPARE(item.dataForType("text/plain;charset=utf-8"), QByteArray("bold"));
    QCOMPARE(item.dataForType("image/png"), png);
    QCOMPARE(item.dataForType("x-kde-passwordManagerHint"), QByteArray("secret"));
}

void TestX11Clipboard::readsLargeTargetsOverIncr()
{
    QTemporaryDir dir;
    QByteArray big;
    const QString path = randomFile(dir, 20 * 1024 * 1024, &big);
    QVERIFY(startOwner(
        {"--class", "BrimbleTestApp", "--target-file", "image/png=" + path, "--target", "text/plain=small"}));
    const auto items = readAll();
    QVERIFY(items);
    QCOMPARE(items->first().types(), QStringList({"image/png", "text/plain"}));
    QVERIFY(items->first().dataForType("image/png") == big);

    // Small chunks force many INCR rounds even for modest data.
    QVERIFY(startOwner({"--target", "text/plain=" + QString(5000, 'z'), "--incr-chunk", "100"}));
    QCOMPARE(readAll()->first().dataForType("text/plain"), QByteArray(5000, 'z'));
}

void TestX11Clipboard::stalledOwnerDoesNotHangReaders()
{
    QVERIFY(startOwner({"--stall", "--target", "text/plain=never"}));
    Log::Capture capture;
    // Asked again, as the monitor does on every tick, the same owner is not logged again.
    QVERIFY(!clipboard_->types());

    // The read runs on its own thread; the test thread stays free to prove others get through.
    auto read = std::async(std::launch::async, [this] { return readAll(); });
    QTest::qWait(100);
    // A write queued behind the stalled read is served once the read gives up.
    auto write = std::async(std::launch::async, [this] {
        return clipboard_->write(
            {PasteboardItem(QList<PasteboardItem::Representation>{{"text/plain", "after stall"}})});
    });
    QCOMPARE(read.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    QVERIFY(!read.get());
    QCOMPARE(write.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    QVERIFY(write.get());
    QCOMPARE(capture.count("cannot read the offered types: timed out"), 1);
    QCOMPARE(xclipRead("clipboard", "text/plain"), QByteArray("after stall"));

    // A slow owner is waited for as long as each answer comes within the time-out.
    QVERIFY(startOwner({"--delay-ms", "600", "--target", "text/plain=slow"}));
    QCOMPARE(readAll()->first().dataForType("text/plain"), QByteArray("slow"));
    cleanup();
    QVERIFY(startOwner({"--delay-ms", "1500", "--target", "text/plain=too slow"}));
    QVERIFY(!readAll());
}

void TestX11Clipboard::readIsAbandonedWhenTheOwnerChanges()
{
    // A slow owner keeps the read busy long enough for another client to copy meanwhile.
    QVERIFY(startOwner({"--delay-ms", "800", "--target", "text/plain=old", "--target", "text/html=old"}));
    Log::Capture capture;
    auto read = std::async(std::launch::async, [this] { return readAll(); });
    QTest::qWait(300);
    xclipCopy("interrupting copy", "UTF8_STRING");
    QCOMPARE(read.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    QVERIFY(!read.get());
    QVERIFY(capture.contains("clipboard changed"));
    QCOMPARE(readAll()->first().dataForType("UTF8_STRING"), QByteArray("interrupting copy"));
}

void TestX11Clipboard::servesWritesToOtherClients()
{
    const qint64 before = clipboard_->changeCount();
    const PasteboardItem item({{"text/html", "<i>mine</i>"},
                               {"text/plain;charset=utf-8", "caf\xc3\xa9"},
                               {"image/png", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)},
                               {PasteboardType::marker, PasteboardType::marker.toUtf8()}});
    QVERIFY(clipboard_->write({item}));
    // The counter has moved by the time write() returns, so the monitor sees its own write.
    QVERIFY(clipboard_->changeCount() != before);

    const QStringList targets =
        QString::fromUtf8(xclipRead("clipboard", "TARGETS")).split('\n', Qt::SkipEmptyParts);
    for (const char* type : {"text/html", "text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "STRING",
                             "TEXT", "image/png", "TARGETS", "TIMESTAMP"})
        QVERIFY2(targets.contains(type), qPrintable(type));
    QCOMPARE(xclipRead("clipboard", "text/html"), QByteArray("<i>mine</i>"));
    QCOMPARE(xclipRead("clipboard", "UTF8_STRING"), QByteArray("caf\xc3\xa9"));
    // Old clients get the same text under the old names.
    QCOMPARE(xclipRead("clipboard", "STRING"), QByteArray("caf\xe9"));
    QCOMPARE(xclipRead("clipboard", "TEXT"), QByteArray("caf\xc3\xa9"));
    QCOMPARE(xclipRead("clipboard", "image/png"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    QCOMPARE(xclipRead("clipboard", PasteboardType::marker), PasteboardType::marker.toUtf8());
    // Reading our own offer needs no round trip to ourselves.
    QCOMPARE(readAll()->first().dataForType("text/html"), QByteArray("<i>mine</i>"));
}

void TestX11Clipboard::servesLargeWritesOverIncr()
{
    QTemporaryDir dir;
    QByteArray big;
    randomFile(dir, 50 * 1024 * 1024, &big);
    QVERIFY(clipboard_->write({PasteboardItem(
        QList<PasteboardItem::Representation>{{"image/png", big}, {"text/plain", "caption"}})}));
    QVERIFY(xclipRead("clipboard", "image/png") == big);
    QCOMPARE(xclipRead("clipboard", "text/plain"), QByteArray("caption"));
}

void TestX11Clipboard::mergesSeveralItems()
{
    QVERIFY(clipboard_->write({PasteboardItem(QList<PasteboardItem::Representation>{
                                   {"UTF8_STRING", "one"}, {"text/uri-list", "file:///tmp/one"}}),
                               PasteboardItem(QList<PasteboardItem::Representation>{
                                   {"text/plain", "two"}, {"text/uri-list", "file:///tmp/two"}})}));
    QCOMPARE(xclipRead("clipboard", "UTF8_STRING"), QByteArray("one\ntwo"));
    QCOMPARE(xclipRead("clipboard", "text/plain;charset=utf-8"), QByteArray("one\ntwo"));
    QCOMPARE(xclipRead("clipboard", "text/uri-list"), QByteArray("file:///tmp/one\r\nfile:///tmp/two"));
}

void TestX11Clipboard::losesOwnershipToAnotherClient()
{
    QVERIFY(
        clipboard_->write({PasteboardItem(QList<PasteboardItem::Representation>{{"text/plain", "ours"}})}));
    const qint64 afterWrite = clipboard_->changeCount();
    xclipCopy("theirs", "text/plain");
    QTRY_VERIFY(clipboard_->changeCount() != afterWrite);
    QCOMPARE(readAll()->first().dataForType("text/plain"), QByteArray("theirs"));
    QCOMPARE(xclipRead("clipboard", "text/plain"), QByteArray("theirs"));

    // clear() only gives up what we own: xclip's copy stays.
    clipboard_->clear();
    QCOMPARE(xclipRead("clipboard", "text/plain"), QByteArray("theirs"));
    QVERIFY(clipboard_->write(
        {PasteboardItem(QList<PasteboardItem::Representation>{{"text/plain", "ours again"}})}));
    clipboard_->clear();
    QVERIFY(!readAll());
}

void TestX11Clipboard::tellsWhichContentWasRead()
{
    QMutex mutex;
    QStringList reads;
    QVERIFY(clipboard_->setContentReadListener([&](const QString& type, bool primary) {
        QMutexLocker lock(&mutex);
        reads.append((primary ? "primary " : "") + type);
    }));
    const auto heard = [&] {
        QMutexLocker lock(&mutex);
        return reads;
    };
    QVERIFY(clipboard_->write(
        {PasteboardItem(QList<PasteboardItem::Representation>{{"UTF8_STRING", "read me"}})}));
    QVERIFY(clipboard_->writePrimary(
        {PasteboardItem(QList<PasteboardItem::Representation>{{"UTF8_STRING", "in primary"}})}));
    // The list of types and the timestamp are no content.
    QVERIFY(!xclipRead("clipboard", "TARGETS").isEmpty());
    xclipRead("clipboard", "TIMESTAMP");
    QCOMPARE(xclipRead("clipboard", "UTF8_STRING"), QByteArray("read me"));
    QCOMPARE(xclipRead("clipboard", "STRING"), QByteArray("read me"));
    QCOMPARE(xclipRead("primary", "UTF8_STRING"), QByteArray("in primary"));
    // A type not offered is refused, and not heard of.
    QVERIFY(xclipRead("clipboard", "image/png").isEmpty());
    QTRY_COMPARE(heard(), QStringList({"UTF8_STRING", "STRING", "primary UTF8_STRING"}));
    QVERIFY(clipboard_->setContentReadListener({}));
    QCOMPARE(xclipRead("clipboard", "UTF8_STRING"), QByteArray("read me"));
    QCOMPARE(heard().size(), 3);
}

void TestX11Clipboard::servesPrimary()
{
    // Notifications of the previous test's clipboard changes may still be on their way.
    qint64 before = clipboard_->changeCount();
    for (int quiet = 0; quiet < 4; ++quiet) {
        QTest::qWait(100);
        if (clipboard_->changeCount() != before) {
            before = clipboard_->changeCount();
            quiet = -1;
        }
    }
    QVERIFY(clipboard_->writePrimary(
        {PasteboardItem(QList<PasteboardItem::Representation>{{"UTF8_STRING", "for the terminal"}})}));
    QCOMPARE(xclipRead("primary", "UTF8_STRING"), QByteArray("for the terminal"));
    // PRIMARY is not the clipboard the monitor watches.
    QCOMPARE(clipboard_->changeCount(), before);
}

void TestX11Clipboard::stopsReadingPastTheSizeCap()
{
    const qsizetype cap = 1024 * 1024;
    X11Clipboard capped({}, cap);
    QTemporaryDir dir;
    QByteArray big;
    const QString path = randomFile(dir, cap + 1, &big);
    // In one property, and in INCR chunks whose announced size is already past the cap.
    for (const QStringList& transfer : {QStringList(), QStringList{"--incr-chunk", "65536"}}) {
        QVERIFY(startOwner(
            QStringList{"--target", "text/plain=caption", "--target-file", "image/png=" + path} + transfer));
        QCOMPARE(capped.read({"text/plain", "image/png"}).status, ClipboardContent::Status::TooLarge);
        const ClipboardContent small = capped.read({"text/plain"});
        QCOMPARE(small.status, ClipboardContent::Status::Read);
        QCOMPARE(small.items.first().dataForType("text/plain"), QByteArray("caption"));
        cleanup();
    }
}

QTEST_GUILESS_MAIN(TestX11Clipboard)
#include "tst_x11clipboard.moc"
