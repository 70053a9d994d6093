// Capture on a real X server: copy-to-record latency, the GUI thread's longest stall while a
// large image is captured, what an image offered under many encodings costs, and the idle cost
// of the tick. Needs $DISPLAY (run under Xvfb) and
// the helper programs of the end-to-end tests:
//   DISPLAY=:77 build/bench/bench_capture
#include "BenchSupport.h"
#include "CaptureBench.h"
#include "app/Brimble.h"
#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Preferences.h"
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

using CaptureBench::Session;

QString helper(const QString& name)
{
    return QCoreApplication::applicationDirPath() + "/../tests/e2e/" + name;
}

void BM_CopyToRecordText(benchmark::State& state)
{
    CaptureBench::copyToRecord(state, [](const QByteArray& text) {
        QProcess xclip;
        xclip.start("xclip", {"-selection", "clipboard", "-i"});
        xclip.write(text);
        xclip.closeWriteChannel();
        xclip.waitForFinished();
    });
}
BENCHMARK(BM_CopyToRecordText)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_CaptureLargeImage(benchmark::State& state)
{
    CaptureBench::captureLargeImage(state, [](const QString& file) {
        auto owner = std::make_unique<QProcess>();
        owner->start(helper("clipowner"), {"--class", "BenchOwner", "--target-file", "image/png=" + file});
        owner->waitForReadyRead(10000);
        return owner;
    });
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
    RecordedCounter recorded(*session.store);
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
        HistoryReader reader(BenchSupport::store());
        if (reader.open())
            stored += reader.contentBytes({recorded.lastId}).value_or(0);
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
        session.brimble->pasteItems({model}, false, false, nullptr);
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
    CaptureBench::idleCpu(state);
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
