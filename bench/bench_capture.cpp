// Capture on a real X server: copy-to-record latency, the GUI thread's longest stall while a
// large image is captured, what an image offered under many encodings costs, and the idle cost
// of the tick. Needs $DISPLAY (run under Xvfb) and
// the helper programs of the end-to-end tests:
//   DISPLAY=:77 build/bench/bench_capture
#include "BenchSupport.h"
#include "app/Brimble.h"
#include "app/EventBus.h"
#include "app/EventNames.h"
#include "app/Preferences.h"
#include "model/CoreDataManager.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

using BenchSupport::RecordedCounter;
using BenchSupport::runWithHeartbeat;

struct Session
{
    QTemporaryDir dir;
    std::unique_ptr<Platform> platform;

    Session()
    {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        Preferences::shared().setFilePath(dir.path() + "/config/brimble/preferences.json");
        CoreDataManager::shared().close();
        CoreDataManager::shared().open(dir.path() + "/Brimble.sqlite");
        CoreDataManager::shared().ensureDefaultCategory();
        platform = Platform::create();
        Brimble::create(*platform);
    }
    ~Session()
    {
        delete &Brimble::shared();
        CoreDataManager::shared().close();
    }
};

QString helper(const QString& name)
{
    return QCoreApplication::applicationDirPath() + "/../tests/e2e/" + name;
}

void BM_CopyToRecordText(benchmark::State& state)
{
    Session session;
    RecordedCounter recorded;
    int n = 0;
    QRandomGenerator random(11);
    for (auto _ : state) {
        // Copies land anywhere in the tick's period, as a user's do.
        state.PauseTiming();
        QElapsedTimer pause;
        pause.start();
        const int offset = random.bounded(500);
        runWithHeartbeat([&] { return pause.elapsed() >= offset; }, 1000);
        state.ResumeTiming();
        const int before = recorded.count;
        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-i"});
        xclip.write(QByteArray("latency probe ") + QByteArray::number(n++));
        xclip.closeWriteChannel();
        xclip.waitForFinished();
        QElapsedTimer timer;
        timer.start();
        runWithHeartbeat([&] { return recorded.count > before; }, 5000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_CopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_CaptureLargeImage(benchmark::State& state)
{
    const qint64 size = state.range(0) * 1024 * 1024;
    QTemporaryDir dir;
    QFile file(dir.filePath("image.png"));
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(1024 * 1024, 'x');
    for (qint64 i = 0; i < size / chunk.size(); ++i) {
        chunk[0] = char(i);
        file.write(chunk);
    }
    file.close();

    Session session;
    RecordedCounter recorded;
    double worstStall = 0;
    char generation = 0;
    for (auto _ : state) {
        // A new first byte each time, or the monitor rightly skips the copy as a repeat.
        state.PauseTiming();
        file.open(QIODevice::ReadWrite);
        file.write(&++generation, 1);
        file.close();
        state.ResumeTiming();
        const int before = recorded.count;
        QProcess owner;
        owner.start(helper("clipowner"),
                    {"--class", "BenchOwner", "--target-file", "image/png=" + file.fileName()});
        owner.waitForReadyRead(10000);
        QElapsedTimer timer;
        timer.start();
        worstStall = std::max(worstStall, runWithHeartbeat([&] { return recorded.count > before; }, 60000));
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        owner.terminate();
        owner.waitForFinished();
    }
    state.counters["gui_max_stall_ms"] = worstStall;
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_CaptureLargeImage)->Arg(50)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// A screenshot as an image toolkit offers it: PNG plus the encodings it derives on request.
// Where Qt has no writer for a format, the uncompressed BMP stands in (what those encoders
// produce is of that size).
QList<QPair<QString, QByteArray>> screenshotEncodings()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1920, 1080);
    gradient.setColorAt(0, QColor(30, 60, 120));
    gradient.setColorAt(1, QColor(220, 230, 240));
    painter.fillRect(image.rect(), gradient);
    QRandomGenerator random(5);
    for (int i = 0; i < 400; ++i) {
        painter.fillRect(random.bounded(1900), random.bounded(1060), random.bounded(300), random.bounded(40),
                         QColor::fromRgb(random.generate()));
        painter.drawText(random.bounded(1800), random.bounded(1080), QStringLiteral("window text %1").arg(i));
    }
    painter.end();
    auto encode = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    const QByteArray png = encode("PNG"), bmp = encode("BMP"), jpeg = encode("JPEG");
    return {{"image/png", png},
            {"image/bmp", bmp},
            {"image/x-bmp", bmp},
            {"image/x-MS-bmp", bmp},
            {"image/x-win-bitmap", bmp},
            {"image/x-icon", bmp},
            {"image/ico", bmp},
            {"image/vnd.microsoft.icon", bmp},
            {"image/jpeg", jpeg},
            {"image/tiff", bmp},
            {"image/x-portable-pixmap", encode("PPM")},
            {"image/x-portable-graymap", encode("PGM")},
            {"image/x-portable-bitmap", encode("PBM")},
            {"image/x-xbitmap", encode("XBM")},
            {"image/webp", jpeg}};
}

void BM_CaptureImageManyEncodings(benchmark::State& state)
{
    const auto encodings = screenshotEncodings();
    QTemporaryDir dir;
    QHash<QString, qint64> sizes;
    QStringList args{"--class", "BenchOwner", "--report"};
    for (int i = 0; i < encodings.size(); ++i) {
        QFile file(dir.filePath(QString::number(i)));
        file.open(QIODevice::WriteOnly);
        file.write(encodings.at(i).second);
        sizes.insert(encodings.at(i).first, encodings.at(i).second.size());
        args << "--target-file" << encodings.at(i).first + "=" + file.fileName();
    }
    QFile png(dir.filePath("0"));

    Session session;
    RecordedCounter recorded;
    qint64 read = 0;
    qint64 stored = 0;
    char generation = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Past the PNG signature, so each copy differs from the last.
        png.open(QIODevice::ReadWrite);
        png.seek(40);
        png.write(&++generation, 1);
        png.close();
        state.ResumeTiming();
        const int before = recorded.count;
        QProcess owner;
        owner.start(helper("clipowner"), args);
        owner.waitForReadyRead(10000);
        QElapsedTimer timer;
        timer.start();
        runWithHeartbeat([&] { return recorded.count > before; }, 60000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        owner.terminate();
        owner.waitForFinished();
        for (const QByteArray& line : owner.readAllStandardOutput().split('\n'))
            if (line.startsWith("served "))
                read += sizes.value(QString::fromUtf8(line.mid(7)));
        stored += recorded.lastBytes;
    }
    qint64 offered = 0;
    for (qint64 size : std::as_const(sizes))
        offered += size;
    state.counters["offered_MB"] = offered / 1e6;
    state.counters["read_MB"] = read / 1e6 / state.iterations();
    state.counters["stored_MB"] = stored / 1e6 / state.iterations();
}
BENCHMARK(BM_CaptureImageManyEncodings)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_WriteBackLargeImage(benchmark::State& state)
{
    const qint64 size = state.range(0) * 1024 * 1024;
    QByteArray image(size, 'y');
    PasteboardItem item;
    item.setData(QStringLiteral("image/png"), image);
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, QStringList{"image/png"}, nullptr);

    Session session;
    double worstStall = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Brimble::shared().pasteItems({model}, false, false, nullptr);
        // Another client reads the whole image back while the GUI thread keeps beating.
        QProcess reader;
        bool started = false;
        worstStall =
            std::max(worstStall,
                     runWithHeartbeat(
                         [&] {
                             if (!started && timer.elapsed() > 50) {
                                 // Straight to /dev/null: the bench's own GUI
                                 // thread must not be the one reading it.
                                 reader.setStandardOutputFile(QProcess::nullDevice());
                                 reader.start("xclip", {"-selection", "clipboard", "-o", "-t", "image/png"});
                                 started = true;
                             }
                             return started && reader.state() == QProcess::NotRunning;
                         },
                         60000));
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    state.counters["gui_max_stall_ms"] = worstStall;
}
BENCHMARK(BM_WriteBackLargeImage)->Arg(50)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_IdleCpu(benchmark::State& state)
{
    Session session;
    for (auto _ : state) {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        auto micros = [](const timeval& t) { return t.tv_sec * 1e6 + t.tv_usec; };
        const double cpu = (micros(after.ru_utime) - micros(before.ru_utime)) +
                           (micros(after.ru_stime) - micros(before.ru_stime));
        state.counters["idle_cpu_percent"] = 100.0 * cpu / (wall.elapsed() * 1000.0);
    }
}
BENCHMARK(BM_IdleCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
