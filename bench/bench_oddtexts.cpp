// Texts of awkward shapes in the quick search window, over a history of their own: one line of
// 10 MiB, 50 MB of ordinary lines, 10,000 empty lines before the words, a run of 140k emoji,
// 5,000 joined emoji families and an HTML-only copy. For each, selecting it in the preview: when
// its first screen is painted and the GUI thread's longest gap until the whole is in; and the
// slowest frame of the result list painting all of them.
//
// Run under Xvfb (or QT_QPA_PLATFORM=offscreen).

#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSearchThumbnailCache.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"
#include "platform/PasteboardTypes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>

#include <benchmark/benchmark.h>

namespace {

const QStringList kNames = {QStringLiteral("line10m"),  QStringLiteral("text50m"),
                            QStringLiteral("newlines"), QStringLiteral("emoji140k"),
                            QStringLiteral("zwj5000"),  QStringLiteral("html")};

QByteArray repeated(const QByteArray& unit, qsizetype bytes)
{
    QByteArray text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes)
        text += unit;
    return text;
}

QByteArray contentOf(const QString& name)
{
    if (name == QLatin1String("line10m"))
        return repeated("abcdefghijklmnopqrstuvwxyz0123456789", 10 << 20).left(10 << 20);
    if (name == QLatin1String("text50m"))
        return repeated("The quick brown fox jumps over the lazy dog, again and again. 0123456789\n",
                        50 << 20);
    if (name == QLatin1String("newlines"))
        return QByteArray(10000, '\n') + "the words after the blank lines";
    if (name == QLatin1String("emoji140k"))
        return QStringLiteral("\U0001F600").toUtf8().repeated(140000);
    if (name == QLatin1String("zwj5000"))
        return QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466")
            .toUtf8()
            .repeated(5000);
    return "<html><body>" +
           repeated("<p>Some <b>rich</b> text &amp; a <a href=\"https://example.org/\">link</a>"
                    "<img src=\"https://example.org/a.png\"></p>\n",
                    1 << 20) +
           "</body></html>";
}

struct History
{
    QTemporaryDir dir;
    QHash<QString, PasteInfRow> rows;
    PasteInfRow small;

    bool create()
    {
        BenchSupport::QuietStderr quiet;
        if (!BenchSupport::store().open(dir.filePath(QStringLiteral("Brimble.sqlite"))))
            return false;
        auto add = [](const QString& type, const QByteArray& data, const QString& name) {
            PasteInfModel model = PasteInfModel::capture(PasteboardItems{PasteboardItem({{type, data}})},
                                                         QStringList{type}, nullptr);
            model.date = QDateTime::currentDateTime();
            model.appName = name;
            BenchSupport::store().insertPasteInf(model);
        };
        add(PasteboardType::string, "a short text", QStringLiteral("small"));
        for (const QString& name : kNames)
            add(name == QLatin1String("html") ? PasteboardType::html : PasteboardType::string,
                contentOf(name), name);
        BenchSupport::store().waitForQueued();
        HistoryReader reader(BenchSupport::store());
        if (!reader.open())
            return false;
        const std::optional<QList<qint64>> ids = reader.historyIds(kDefaultCategoryUUID);
        if (!ids)
            return false;
        for (const PasteInfRow& row : reader.rows(*ids))
            rows.insert(row.appName.value_or(QString()), row);
        small = rows.take(QStringLiteral("small"));
        return rows.size() == kNames.size();
    }
};

History* g_history = nullptr;

// The calling thread's own CPU time: on a busy machine the wall-clock gaps include waiting for
// a core, this is what the GUI thread itself spent.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Gaps
{
    double wallMs = 0; // the longest time a 1 ms timer could not fire
    double cpuMs = 0;  // the most CPU the GUI thread spent between two of its ticks
};

// Runs `work` (which runs the loop) with a 1 ms timer on the GUI thread.
template <typename Work> Gaps longestGaps(Work work)
{
    QElapsedTimer since;
    double cpuSince = threadCpuMs();
    Gaps gaps;
    auto tock = [&] {
        const double cpu = threadCpuMs();
        gaps.wallMs = std::max(gaps.wallMs, since.nsecsElapsed() / 1e6);
        gaps.cpuMs = std::max(gaps.cpuMs, cpu - cpuSince);
        since.restart();
        cpuSince = cpu;
    };
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, tock);
    tick.start(1);
    since.start();
    work();
    tock();
    return gaps;
}

bool showsText(QuickSearchPasteInfDetailView& view)
{
    return view.currentContentView() == view.textView() && !view.textView()->shownText().isEmpty();
}

// Selects a row in the preview as the list would (the row as the list holds it), and reports
// when the first screen of text was painted and when the whole content was in and painted.
void BM_SelectText(benchmark::State& state, const QString& name)
{
    QuickSearchPasteInfDetailView view(BenchSupport::store(), BenchSupport::preferences(), nullptr);
    view.resize(440, 440);
    view.show();
    double worstFirst = 0, worstWhole = 0;
    Gaps worst;
    QString shownUuid;
    QObject::connect(&view, &QuickSearchPasteInfDetailView::contentShown,
                     [&](const QString& uuid) { shownUuid = uuid; });
    for (auto _ : state) {
        shownUuid.clear();
        view.showItem(g_history->small);
        BenchSupport::runWithHeartbeat([&] { return shownUuid == g_history->small.uuid; }, 5000);
        const PasteInfRow row = g_history->rows.value(name);
        shownUuid.clear();
        double first = -1, done = -1;
        QElapsedTimer timer;
        const Gaps gaps = longestGaps([&] {
            timer.start();
            view.showItem(row);
            view.repaint();
            while (timer.elapsed() < 30000 && done < 0) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
                if (first < 0 && showsText(view)) {
                    view.repaint();
                    first = timer.nsecsElapsed() / 1e6;
                }
                if (shownUuid == row.uuid) {
                    view.repaint();
                    done = timer.nsecsElapsed() / 1e6;
                }
            }
        });
        // No text stood in first: the first screen is the whole content.
        if (first < 0)
            first = done;
        state.SetIterationTime(first / 1000);
        worstFirst = std::max(worstFirst, first);
        worst.wallMs = std::max(worst.wallMs, gaps.wallMs);
        worst.cpuMs = std::max(worst.cpuMs, gaps.cpuMs);
        worstWhole = std::max(worstWhole, done);
    }
    state.counters["gui_busy_ms"] = worst.cpuMs;
    state.counters["first_screen_ms"] = worstFirst;
    state.counters["gui_gap_ms"] = worst.wallMs;
    state.counters["whole_ms"] = worstWhole;
}

#define SELECT_TEXT(name)                                                                                    \
    BENCHMARK_CAPTURE(BM_SelectText, name, QStringLiteral(#name))                                            \
        ->UseManualTime()                                                                                    \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->Iterations(3)
SELECT_TEXT(line10m);
SELECT_TEXT(text50m);
SELECT_TEXT(newlines);
SELECT_TEXT(emoji140k);
SELECT_TEXT(zwj5000);
SELECT_TEXT(html);

// The result list with every one of them in view, as the search would list them: the slowest
// frame, their previews read.
void BM_ListCells(benchmark::State& state)
{
    QuickSearchPasteInfListModel model(BenchSupport::store());
    QList<qint64> ids;
    for (const QString& name : kNames)
        ids.append(g_history->rows.value(name).id);
    model.showResults(kDefaultCategoryUUID, ids);
    QuickSearchThumbnailCache thumbnails(BenchSupport::store());
    QuickSearchPasteInfItem delegate(&thumbnails);
    delegate.setHighlightText(QStringLiteral("e"));
    QListView view;
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    view.setUniformItemSizes(true);
    view.resize(QuickSearchPasteInfItem::kCellWidth,
                QuickSearchPasteInfItem::kCellHeight * int(kNames.size()));
    view.show();
    QObject::connect(&delegate, &QuickSearchPasteInfItem::repaintNeeded, view.viewport(),
                     qOverload<>(&QWidget::update));
    // Rows and previews arrive from their threads; the frames meanwhile count too.
    double worst = 0;
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 3000) {
        QElapsedTimer frame;
        frame.start();
        view.viewport()->repaint();
        worst = std::max(worst, frame.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    for (auto _ : state) {
        QElapsedTimer frame;
        frame.start();
        view.viewport()->repaint();
        const double ms = frame.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["worst_frame_ms"] = worst;
}
BENCHMARK(BM_ListCells)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localized::install();
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    BenchSupport::preferences().setFilePath(home.filePath(QStringLiteral("preferences.json")));
    History history;
    if (!history.create()) {
        fprintf(stderr, "bench_oddtexts: could not build the history\n");
        return 1;
    }
    g_history = &history;
    const int result = BenchSupport::runBenchmarks(argc, argv);
    BenchSupport::store().close();
    return result;
}
