// The quick search window's result list over the search benchmark's generated histories (run
// bench_search first to create them): opening a clipboard, reading a page anywhere, memory with
// the ids held and after scrolling, and the GUI thread's time in data() and in painting.

#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSearchThumbnailCache.h"
#include "platform/PasteboardItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QRandomGenerator>
#include <QTimer>

#include <time.h>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Runs the event loop until `done` holds (or 30 s pass).
template <typename Done> bool spinUntil(Done done)
{
    QElapsedTimer timer;
    timer.start();
    // Sleeps until something is posted: a busy loop would take the CPU the reader thread needs.
    QTimer wake;
    wake.start(100);
    while (!done()) {
        if (timer.elapsed() > 30000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool load(QuickSearchPasteInfListModel& model)
{
    bool loaded = false;
    QObject::connect(&model, &QuickSearchPasteInfListModel::historyLoaded, [&] { loaded = true; });
    model.loadHistory(kDefaultCategoryUUID);
    return spinUntil([&] { return loaded; });
}

bool rowReady(const QuickSearchPasteInfListModel& model, int row)
{
    return model.rowAt(row).has_value();
}

bool skipWithoutHistory(benchmark::State& state, const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    state.SkipWithError("no generated history; run bench_search first");
    return true;
}

// A model over `path` with the default clipboard loaded; null (the benchmark skipped) when that
// fails.
std::unique_ptr<QuickSearchPasteInfListModel> loadedModel(benchmark::State& state, const QString& path)
{
    if (skipWithoutHistory(state, path))
        return nullptr;
    auto model = std::make_unique<QuickSearchPasteInfListModel>(BenchSupport::store(), path);
    if (!load(*model)) {
        state.SkipWithError("load failed");
        return nullptr;
    }
    return model;
}

// A new model per run: the clipboard's ids read and the first page of rows ready.
void BM_OpenClipboard(benchmark::State& state)
{
    const QString path = BenchSupport::searchHistoryPath(state.range(0));
    if (skipWithoutHistory(state, path))
        return;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QuickSearchPasteInfListModel model(BenchSupport::store(), path);
        if (!load(model) || !rowReady(model, 19)) {
            state.SkipWithError("load failed");
            return;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["rows"] = model.rowCount();
        // The store's own part: the ids read straight from a reader of its own.
        HistoryReader reader(BenchSupport::store(), path);
        QElapsedTimer ids;
        ids.start();
        if (reader.open())
            reader.historyIds(kDefaultCategoryUUID);
        state.counters["reader_ids_ms"] = ids.nsecsElapsed() / 1e6;
    }
}
BENCHMARK(BM_OpenClipboard)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// A page asked for by painting a row anywhere in the list, until its rows are there.
void BM_PageAnywhere(benchmark::State& state)
{
    const QString path = BenchSupport::searchHistoryPath(1000000);
    const auto loaded = loadedModel(state, path);
    if (!loaded)
        return;
    QuickSearchPasteInfListModel& model = *loaded;
    QRandomGenerator random(7);
    for (auto _ : state) {
        const int row = int(random.bounded(model.rowCount()));
        QElapsedTimer timer;
        timer.start();
        model.index(row).data(QuickSearchPasteInfListModel::PasteInfRowRole);
        if (!spinUntil([&] { return rowReady(model, row); })) {
            state.SkipWithError("page never arrived");
            return;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_PageAnywhere)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// Memory with the ids of a million items held, then after scrolling through 10,000 rows a screen
// (8 rows) at a time, each screen painted as the rows arrive; and the longest data() call.
void BM_ScrollTenThousand(benchmark::State& state)
{
    const QString path = BenchSupport::searchHistoryPath(1000000);
    if (skipWithoutHistory(state, path))
        return;
    for (auto _ : state) {
        const double before = BenchSupport::anonymousMegabytes();
        QuickSearchPasteInfListModel model(BenchSupport::store(), path);
        if (!load(model)) {
            state.SkipWithError("load failed");
            return;
        }
        const double held = BenchSupport::anonymousMegabytes();
        qint64 worstNs = 0;
        qint64 worstCpuNs = 0;
        QElapsedTimer total;
        total.start();
        const int start = model.rowCount() / 3;
        for (int top = start; top < start + 10000; top += 8) {
            for (int row = top; row < top + 8; ++row) {
                QElapsedTimer call;
                const qint64 cpu = threadCpuNs();
                call.start();
                model.index(row).data(QuickSearchPasteInfListModel::PasteInfRowRole);
                worstNs = std::max(worstNs, call.nsecsElapsed());
                worstCpuNs = std::max(worstCpuNs, threadCpuNs() - cpu);
            }
            spinUntil([&] { return rowReady(model, top + 7); });
        }
        state.SetIterationTime(total.nsecsElapsed() / 1e9);
        state.counters["ids_held_MB"] = held - before;
        state.counters["scroll_growth_MB"] = BenchSupport::anonymousMegabytes() - held;
        state.counters["anon_MB"] = BenchSupport::anonymousMegabytes();
        state.counters["cached_rows"] = double(model.cachedRowCount());
        // Wall time includes being preempted on a busy machine; CPU time is the call's own work.
        state.counters["worst_data_us"] = worstNs / 1000.0;
        state.counters["worst_data_cpu_us"] = worstCpuNs / 1000.0;
    }
}
BENCHMARK(BM_ScrollTenThousand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// A 270 x 400 list view over the million rows with the cell, laid out in one pass or in batches:
// the first paint after the model is set, and the longest paint while jumping to random places (rows not read
// yet paint as placeholders; nothing waits for the database).
void BM_ViewPaint(benchmark::State& state)
{
    const QString path = BenchSupport::searchHistoryPath(1000000);
    const auto loaded = loadedModel(state, path);
    if (!loaded)
        return;
    QuickSearchPasteInfListModel& model = *loaded;
    // Image cells read their content through the store, read-only here.
    BenchSupport::store().openReadOnly(path);
    QuickSearchThumbnailCache thumbnails(BenchSupport::store());
    QuickSearchPasteInfItem delegate(&thumbnails);
    QRandomGenerator random(11);
    for (auto _ : state) {
        QListView view;
        view.setUniformItemSizes(true);
        view.setLayoutMode(state.range(0) ? QListView::Batched : QListView::SinglePass);
        view.setItemDelegate(&delegate);
        view.resize(QuickSearchPasteInfItem::kCellWidth, 400);
        QElapsedTimer timer;
        timer.start();
        view.setModel(&model);
        view.grab();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        // The same screen again: the cells' own cost, without the view's layout of every row.
        QElapsedTimer repaint;
        repaint.start();
        view.grab();
        state.counters["repaint_ms"] = repaint.nsecsElapsed() / 1e6;
        qint64 worstNs = 0;
        for (int jump = 0; jump < 20; ++jump) {
            view.scrollTo(model.index(int(random.bounded(model.rowCount()))),
                          QAbstractItemView::PositionAtTop);
            QElapsedTimer paint;
            paint.start();
            view.grab();
            worstNs = std::max(worstNs, paint.nsecsElapsed());
            QCoreApplication::processEvents();
        }
        state.counters["worst_jump_paint_ms"] = worstNs / 1e6;
    }
    BenchSupport::store().close();
}
BENCHMARK(BM_ViewPaint)
    ->ArgName("batched")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return BenchSupport::runBenchmarks(argc, argv);
}
