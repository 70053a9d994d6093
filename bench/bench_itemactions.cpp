// The quick search window's clipboard grid and its moves to another clipboard, as the user
// meets them: the grid of 50 clipboards until it is painted, and 1,000 selected rows moved to
// another clipboard until they have left the list.
//
// The move runs on a copy of the search benchmark's 100,000-item history (run bench_search once),
// made once as /tmp/brimble-bench-itemactions-100000.sqlite:
//
//   cmake --build build --target bench_itemactions
//   QT_QPA_PLATFORM=offscreen build/bench/bench_itemactions --benchmark_counters_tabular=true
#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSelectClipBoardView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUuid>

#include <benchmark/benchmark.h>

namespace {
const QString kDefaultClipboard = QStringLiteral("default-pasteinf-catgory-coooool");
const QString kOtherClipboard = QStringLiteral("bench-itemactions-other");

// Until `condition` holds, handling events; false after 30 s.
bool spinUntil(const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 30000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// From the chord to the first paint of the grid: sorting, laying out and painting 50 tiles.
void BM_SelectorWithFiftyClipboards(benchmark::State& state)
{
    QList<PasteCategoryInfModel> clipboards;
    for (int i = 0; i < 50; ++i) {
        PasteCategoryInfModel clipboard(QStringLiteral("Clipboard %1").arg(i), QUuid::createUuid().toString(),
                                        qint16(i), qint16(i));
        if (i % 3 == 0)
            clipboard.recentSelectedDate = QDateTime::currentDateTime().addSecs(-i * 60);
        clipboards.append(clipboard);
    }
    QWidget window;
    window.resize(600, 400);
    auto* selector = new QuickSelectClipBoardView(BenchSupport::store(), &window);
    selector->setGeometry(0, 50, 600, 350);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        selector->show(clipboards, clipboards.at(7).uuid.value());
        selector->repaint();
        state.PauseTiming();
        selector->finish();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectorWithFiftyClipboards)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();

// 1,000 adjacent rows of the shown clipboard moved to another one, timed from the command to
// the list without them (the store's single transaction and the list following its notice).
void BM_MoveThousandSelectedRows(benchmark::State& state)
{
    const QString path = QStringLiteral("/tmp/brimble-bench-itemactions-100000.sqlite");
    if (!QFile::exists(path) && !QFile::copy(BenchSupport::searchHistoryPath(100000), path)) {
        state.SkipWithError("no history: run bench_search first");
        return;
    }
    CoreDataManager& store = BenchSupport::store();
    if (!store.open(path)) {
        state.SkipWithError("cannot open the history");
        return;
    }
    PasteCategoryInfModel other(QStringLiteral("Other"), kOtherClipboard, 99, 1);
    if (!store.fetchCategories().contains(other))
        store.insertCategory(other);
    QuickSearchPasteInfListModel model(BenchSupport::store());
    bool loaded = false;
    QObject::connect(&model, &QuickSearchPasteInfListModel::historyLoaded, [&] { loaded = true; });
    model.loadHistory(kDefaultClipboard);
    if (!spinUntil([&] { return loaded; }) || model.rowCount() < 5000) {
        state.SkipWithError("the history did not load");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QList<qint64> ids = model.ids().mid(1000 + 1000 * round++, 1000);
        const int before = model.rowCount();
        state.ResumeTiming();
        store.movePasteInfsToTop(ids, kOtherClipboard);
        if (!spinUntil([&] { return model.rowCount() == before - 1000; })) {
            state.SkipWithError("the rows did not leave the list");
            return;
        }
        state.PauseTiming();
        store.movePasteInfsToTop(ids, kDefaultClipboard);
        spinUntil([&] { return model.rowCount() == before; });
        store.waitForQueued();
        state.ResumeTiming();
    }
    store.close();
}
BENCHMARK(BM_MoveThousandSelectedRows)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Localized::install();
    return BenchSupport::runBenchmarks(argc, argv);
}
