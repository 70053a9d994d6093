// Reading the text in a copied screenshot: one 1920×1080 screenshot recognised on one core,
// the memory the reader adds, and the GUI thread's longest gap while the background reader
// works through a few screenshots in a temporary store.
//
//   OMP_THREAD_LIMIT=1 QT_QPA_PLATFORM=offscreen build/bench/bench_imagetext

#include "BenchSupport.h"
#include "model/CoreDataManager.h"
#include "model/ImageTextReader.h"
#include "platform/PasteboardTypes.h"
#include "platform/TextRecognizer.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

namespace {

// A desktop screenshot's shape: a title bar, a side bar and a page of 15-pixel text.
QImage screenshot(int seed)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(QColor(246, 246, 244));
    QPainter painter(&image);
    painter.fillRect(0, 0, 1920, 36, QColor(48, 48, 52));
    painter.fillRect(0, 36, 260, 1044, QColor(232, 232, 236));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(16, 24, QStringLiteral("Invoice %1 - Accounts - Brimble Mail").arg(seed));
    painter.setPen(QColor(30, 30, 36));
    for (int i = 0; i < 28; ++i)
        painter.drawText(20, 70 + i * 34, QStringLiteral("Folder %1").arg(i));
    for (int i = 0; i < 40; ++i)
        painter.drawText(300, 70 + i * 24,
                         QStringLiteral("Line %1: the order of %2 units was shipped on Tuesday, "
                                        "invoice number %3, payment due in thirty days.")
                             .arg(i)
                             .arg(seed * 7 + i)
                             .arg(10000 + seed * 100 + i));
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

long maxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_RecogniseScreenshot(benchmark::State& state)
{
    const QImage image = screenshot(1);
    const long before = maxRssKb();
    TextRecognizer recognizer;
    const std::atomic<bool> cancel{false};
    qsizetype characters = 0;
    for (auto _ : state) {
        const auto text = recognizer.recognise(image, QStringLiteral("eng"), cancel);
        characters = text ? text->size() : -1;
    }
    state.counters["characters"] = double(characters);
    state.counters["added_max_rss_MB"] = double(maxRssKb() - before) / 1024.0;
}
BENCHMARK(BM_RecogniseScreenshot)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GuiGapWhileReading(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        CoreDataManager& store = BenchSupport::store();
        store.open(dir.path() + "/Brimble.sqlite");
        constexpr int kShots = 3;
        for (int i = 0; i < kShots; ++i) {
            const PasteboardItem item({{PasteboardType::png, png(screenshot(i + 2))}});
            PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr);
            store.insertPasteInf(model);
        }
        store.waitForQueued();
        ImageTextReader reader(BenchSupport::store(), {});
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
            if (reader.readCount() == kShots)
                QCoreApplication::quit();
        });
        clock.start();
        tick.start();
        reader.start();
        QCoreApplication::exec();
        reader.stop();
        store.close();
        state.counters["gui_longest_gap_ms"] = double(longest) / 1e6;
        state.counters["seconds_per_screenshot"] = double(clock.elapsed()) / 1000.0 / kShots;
    }
}
BENCHMARK(BM_GuiGapWhileReading)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("OMP_THREAD_LIMIT", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
