// The quick search preview over a history of its own (a temporary store): a 100 KB text from
// the selection to the painted pane, the first screen of a 50 MB text, the GUI thread's longest
// stall while a 50 MB PNG is read and shown, the memory left after browsing 1,000 images of
// 200 KB, and what the web engine holds before the first link.
//
// Run under Xvfb (or QT_QPA_PLATFORM=offscreen, which leaves out the web engine figures).

#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailWebView.h"
#include "platform/PasteboardTypes.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>
#include <malloc.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kImages = 1000;

QByteArray noisePng(const QSize& size, quint32 seed)
{
    QImage image(size, QImage::Format_ARGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y)
        random.fillRange(reinterpret_cast<quint32*>(image.scanLine(y)), size.width());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0);
    return bytes;
}

QByteArray words(qsizetype bytes)
{
    static const QByteArray line =
        "The quick brown fox jumps over the lazy dog, again and again. 0123456789\n";
    QByteArray text;
    text.reserve(bytes);
    while (text.size() < bytes)
        text += line;
    text.truncate(bytes);
    return text;
}

// A history of its own with the items the figures need, ids by name.
struct History
{
    QTemporaryDir dir;
    QHash<QString, PasteInfRow> rows;
    QList<PasteInfRow> images;

    bool create()
    {
        BenchSupport::QuietStderr quiet;
        const QString path = dir.filePath(QStringLiteral("Brimble.sqlite"));
        if (!BenchSupport::store().open(path))
            return false;
        auto add = [](const QString& type, const QByteArray& data, const QString& name) {
            PasteInfModel model = PasteInfModel::capture(PasteboardItems{PasteboardItem({{type, data}})},
                                                         QStringList{type}, nullptr);
            model.date = QDateTime::currentDateTime();
            model.appName = name;
            BenchSupport::store().insertPasteInf(model);
        };
        add(PasteboardType::string, words(100 << 10), QStringLiteral("text100k"));
        add(PasteboardType::string, words(100 << 10).replace('q', 'Q'), QStringLiteral("text100k-b"));
        add(PasteboardType::string, words(50 << 20), QStringLiteral("text50m"));
        add(PasteboardType::png, noisePng(QSize(3650, 3650), 7), QStringLiteral("png50m"));
        add(PasteboardType::string, QByteArrayLiteral("https://example.org/"), QStringLiteral("link"));
        for (int i = 0; i < kImages; ++i)
            add(PasteboardType::png, noisePng(QSize(256, 200), 100 + i), QStringLiteral("image"));
        HistoryReader reader(BenchSupport::store());
        if (!reader.open())
            return false;
        const std::optional<QList<qint64>> ids = reader.historyIds(kDefaultCategoryUUID);
        if (!ids)
            return false;
        for (const PasteInfRow& row : reader.rows(*ids)) {
            if (row.appName == QStringLiteral("image"))
                images.append(row);
            else
                rows.insert(row.appName.value_or(QString()), row);
        }
        return images.size() == kImages && rows.size() == 5;
    }
};

History* g_history = nullptr;
// The GUI thread's own CPU time in the last showAndPaint: what it spent, not what it waited.
double g_guiCpuMs = 0;

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Shows a row and runs the loop until its content is in the view and painted; the time from the
// call to the end of the paint, or -1 on a time-out.
double showAndPaint(QuickSearchPasteInfDetailView& view, const PasteInfRow& row)
{
    bool shown = false;
    const QMetaObject::Connection connection =
        QObject::connect(&view, &QuickSearchPasteInfDetailView::contentShown,
                         [&](const QString& uuid) { shown = uuid == row.uuid; });
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu = threadCpuNs();
    view.showItem(row);
    while (!shown && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QObject::disconnect(connection);
    if (!shown)
        return -1;
    view.repaint();
    g_guiCpuMs = (threadCpuNs() - cpu) / 1e6;
    return timer.nsecsElapsed() / 1e6;
}

// The longest time the GUI thread went without running a 1 ms timer while `work` ran the loop.
template <typename Work> double longestStallMs(Work work)
{
    QElapsedTimer since;
    since.start();
    qint64 worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, since.nsecsElapsed());
        since.restart();
    });
    tick.start(1);
    work();
    return worst / 1e6;
}

void BM_Text100K(benchmark::State& state)
{
    QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
    view.resize(440, 440);
    view.show();
    const PasteInfRow a = g_history->rows.value(QStringLiteral("text100k"));
    const PasteInfRow b = g_history->rows.value(QStringLiteral("text100k-b"));
    const double first = showAndPaint(view, a);
    showAndPaint(view, b);
    // Rows as the list reads them once the items are classified: with their kind and start.
    HistoryReader reader(BenchSupport::store());
    reader.open();
    const QList<PasteInfRow> classified = reader.rows({a.id, b.id});
    QElapsedTimer early;
    early.start();
    view.showItem(classified.value(0));
    view.repaint();
    state.counters["start_painted_ms"] = early.nsecsElapsed() / 1e6;
    double worst = 0, worstCpu = 0;
    int n = 0;
    for (auto _ : state) {
        const double ms = showAndPaint(view, n++ % 2 ? a : b);
        worst = std::max(worst, ms);
        worstCpu = std::max(worstCpu, g_guiCpuMs);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["first_ms"] = first;
    state.counters["worst_ms"] = worst;
    state.counters["worst_gui_cpu_ms"] = worstCpu;
}
BENCHMARK(BM_Text100K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// From the selection to the first screen of text painted (the start of the stored text, shown
// while the rest is read); whole_ms is until the cut text is in.
void BM_Text50MFirstScreen(benchmark::State& state)
{
    // As the list holds it just after the copy: not classified yet.
    const PasteInfRow row = g_history->rows.value(QStringLiteral("text50m"));
    for (auto _ : state) {
        QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
        view.resize(440, 440);
        view.show();
        double firstMs = -1;
        QElapsedTimer timer;
        const QMetaObject::Connection connection =
            QObject::connect(&view, &QuickSearchPasteInfDetailView::textStartShown, [&] {
                view.repaint();
                firstMs = timer.nsecsElapsed() / 1e6;
            });
        double whole = 0;
        const double stall = longestStallMs([&] {
            timer.start();
            whole = showAndPaint(view, row);
        });
        QObject::disconnect(connection);
        state.SetIterationTime((firstMs >= 0 ? firstMs : whole) / 1000);
        state.counters["whole_ms"] = whole;
        state.counters["gui_stall_ms"] = stall;
        state.counters["gui_cpu_ms"] = g_guiCpuMs;
    }
}
BENCHMARK(BM_Text50MFirstScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Png50MStall(benchmark::State& state)
{
    for (auto _ : state) {
        QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
        view.resize(440, 440);
        view.show();
        double ms = 0;
        const double stall =
            longestStallMs([&] { ms = showAndPaint(view, g_history->rows.value(QStringLiteral("png50m"))); });
        state.SetIterationTime(ms / 1000);
        state.counters["gui_stall_ms"] = stall;
    }
}
BENCHMARK(BM_Png50MStall)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BrowseImages(benchmark::State& state)
{
    for (auto _ : state) {
        QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
        view.resize(440, 440);
        view.show();
        showAndPaint(view, g_history->rows.value(QStringLiteral("text100k")));
        malloc_trim(0);
        const double before = BenchSupport::anonymousMegabytes();
        double peak = before, worstStall = 0;
        QElapsedTimer timer;
        timer.start();
        for (const PasteInfRow& row : g_history->images) {
            worstStall = std::max(worstStall, longestStallMs([&] { showAndPaint(view, row); }));
            peak = std::max(peak, BenchSupport::anonymousMegabytes());
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        showAndPaint(view, g_history->rows.value(QStringLiteral("text100k")));
        malloc_trim(0);
        state.counters["growth_MB"] = BenchSupport::anonymousMegabytes() - before;
        state.counters["peak_growth_MB"] = peak - before;
        state.counters["worst_stall_ms"] = worstStall;
    }
}
BENCHMARK(BM_BrowseImages)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

int webEngineProcesses()
{
    int count = 0;
    const QString self = QString::number(getpid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        if (fields.size() > 3 && fields.at(3) == self.toLatin1() && fields.at(1).contains("QtWebEngine"))
            ++count;
    }
    return count;
}

void BM_WebEngineCost(benchmark::State& state)
{
    if (!QuickSearchDetailWebView::isAvailable() ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        state.SkipWithError("needs the web engine and an X server");
        return;
    }
    for (auto _ : state) {
        QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
        view.resize(440, 440);
        view.show();
        showAndPaint(view, g_history->rows.value(QStringLiteral("text100k")));
        const double before = BenchSupport::anonymousMegabytes();
        const int processesBefore = webEngineProcesses();
        QElapsedTimer timer;
        timer.start();
        showAndPaint(view, g_history->rows.value(QStringLiteral("link")));
        // A page loads only when asked for.
        view.loadLinkPreview();
        while (!view.webView()->isEngineStarted() && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        const qint64 started = timer.elapsed();
        while (webEngineProcesses() == 0 && timer.elapsed() < 15000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["engine_started_after_ms"] = double(started);
        state.counters["processes_before"] = processesBefore;
        state.counters["processes_after"] = webEngineProcesses();
        state.counters["anon_before_link_MB"] = before;
        state.counters["anon_after_link_MB"] = BenchSupport::anonymousMegabytes();
    }
}
BENCHMARK(BM_WebEngineCost)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    Localized::install();
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    BenchSupport::preferences().setFilePath(home.filePath(QStringLiteral("preferences.json")));
    BenchSupport::preferences().setAutoPreviewLink(true);
    History history;
    if (!history.create()) {
        fprintf(stderr, "bench_preview: could not build the history\n");
        return 1;
    }
    g_history = &history;
    const int result = BenchSupport::runBenchmarks(argc, argv);
    BenchSupport::store().close();
    return result;
}
