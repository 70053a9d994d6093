// The quick search panel as a user meets it, on a real X server with a window manager: the hot
// key (sent with XTest and caught by the global grab) to the first frame with rows, a key stroke
// to its echo in the field and to the first screen of results, a copy recorded while the panel
// is open to its row on screen, memory with the panel open, and scrolling through the image
// items. It uses the writable copies bench_window makes of the search benchmark's histories.
//
//   xvfb-run -s '-screen 0 1920x1080x24' sh -c 'openbox & sleep 1; build/bench/bench_panel'
#include "BenchSupport.h"
#include "PaintProbe.h"

#include "model/CoreDataManager.h"
#include "model/PasteInfModel.h"
#include "model/Preferences.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "platform/KeyCombo.h"
#include "platform/PasteboardItem.h"
#include "platform/PasteboardTypes.h"
#include "platform/x11/X11HotKeys.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <X11/keysym.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

// Key strokes through XTest on a connection of our own, as a keyboard would send them.
class FakeKeyboard
{
public:
    FakeKeyboard() : connection_(xcb_connect(nullptr, nullptr)), symbols_(xcb_key_symbols_alloc(connection_))
    {
    }
    ~FakeKeyboard()
    {
        xcb_key_symbols_free(symbols_);
        xcb_disconnect(connection_);
    }
    // Presses the keys in order and releases them in reverse.
    void chord(std::initializer_list<xcb_keysym_t> keys)
    {
        for (xcb_keysym_t key : keys)
            send(XCB_KEY_PRESS, key);
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
            send(XCB_KEY_RELEASE, *key);
        xcb_flush(connection_);
    }

private:
    void send(uint8_t type, xcb_keysym_t keysym)
    {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
        if (!codes)
            return;
        xcb_test_fake_input(connection_, type, codes[0], XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        free(codes);
    }
    xcb_connection_t* connection_;
    xcb_key_symbols_t* symbols_;
};

const KeyCombo kHotKey{9 /* V */, CarbonModifier::command | CarbonModifier::option};

// The panel as Brimble builds it at launch: window and controller made once, kept hidden, the
// hot key grabbed on Qt's own connection.
struct Panel
{
    QTemporaryDir home;
    std::unique_ptr<QuickSearchViewWindow> window;
    QuickSearchViewController* controller = nullptr;
    std::unique_ptr<X11HotKeys> hotKeys;
    FakeKeyboard keyboard;

    bool rowsShown() const
    {
        QuickSearchPasteInfListModel* model = controller->model();
        return model->rowCount() > 0 && model->rowAt(0).has_value();
    }
};

std::unique_ptr<Panel> openPanel(benchmark::State& state, qint64 items, bool waitForHistory = true,
                                 QString path = {})
{
    if (path.isEmpty()) {
        // bench_window's writable copy of the search benchmark's history, made here if missing.
        path = QStringLiteral("/tmp/brimble-bench-window-%1.sqlite").arg(items);
        const QString source = BenchSupport::searchHistoryPath(items);
        if (!QFile::exists(path) && QFile::exists(source))
            QFile::copy(source, path);
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !QFile::exists(path)) {
        state.SkipWithError("needs an X display and bench_window's copy of the history");
        return nullptr;
    }
    auto panel = std::make_unique<Panel>();
    BenchSupport::preferences().setFilePath(panel->home.filePath("preferences.json"));
    CoreDataManager& store = BenchSupport::store();
    if (store.path() != path && (store.close(), !store.open(path))) {
        state.SkipWithError("cannot open the history");
        return nullptr;
    }
    panel->window = std::make_unique<QuickSearchViewWindow>(panel->home.filePath("frame.json"));
    panel->controller =
        new QuickSearchViewController(BenchSupport::store(), BenchSupport::preferences(), nullptr, nullptr);
    panel->window->setContentWidget(panel->controller);
    panel->controller->attachWindow(*panel->window);
    panel->window->prepare();
    QString whyNot;
    panel->hotKeys = X11HotKeys::create(&whyNot);
    if (!panel->hotKeys || panel->hotKeys->registerHotKey(kHotKey, [window = panel->window.get()] {
            window->toggle();
        }) != HotKeys::Result::registered) {
        state.SkipWithError("cannot grab Ctrl+Alt+V");
        return nullptr;
    }
    if (waitForHistory && !spinUntil([&] { return panel->controller->model()->rowCount() > 0; })) {
        state.SkipWithError("the history did not load");
        return nullptr;
    }
    return panel;
}

// Hot key → panel mapped and its first frame with rows painted; the first show after launch
// (history loaded, window never shown) apart from the warm ones. Memory with the panel open.
void BM_HotKeyToPaint(benchmark::State& state)
{
    const double anonymousBefore = BenchSupport::anonymousMegabytes();
    const std::unique_ptr<Panel> panel = openPanel(state, state.range(0));
    if (!panel)
        return;
    Panel* p = panel.get();
    PaintProbe probe(p->controller->listView()->viewport(), [p] { return p->rowsShown(); });
    QList<double> warm;
    double first = -1;
    for (auto _ : state) {
        QElapsedTimer since;
        probe.arm(since);
        since.start();
        p->keyboard.chord({XK_Control_L, XK_Alt_L, XK_v});
        if (!spinUntil([&] { return probe.paintedMs() >= 0; }, 5000)) {
            state.SkipWithError("the panel was not painted");
            return;
        }
        state.SetIterationTime(probe.paintedMs() / 1000);
        if (first < 0)
            first = probe.paintedMs();
        else
            warm.append(probe.paintedMs());
        p->keyboard.chord({XK_Control_L, XK_Alt_L, XK_v});
        spinUntil([&] { return !p->window->isVisible(); }, 5000);
        spinUntil([] { return false; }, 30); // let the window manager settle
    }
    state.counters["first_show_ms"] = first;
    state.counters["warm_p50_ms"] = percentile(warm, 0.5);
    state.counters["warm_p95_ms"] = percentile(warm, 0.95);
    p->keyboard.chord({XK_Control_L, XK_Alt_L, XK_v});
    spinUntil([&] { return p->window->isVisible() && p->rowsShown(); }, 5000);
    state.counters["panel_open_anon_MB"] = BenchSupport::anonymousMegabytes() - anonymousBefore;
    state.counters["panel_open_rss_MB"] = BenchSupport::residentMegabytes();
}
BENCHMARK(BM_HotKeyToPaint)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// Brimble launched with none of the history in memory (the page cache dropped, as after a
// reboot), and the hot key pressed at once: from the key to the first frame with rows, and from
// the launch. Skipped without root.
void BM_ColdLaunchToPaint(benchmark::State& state)
{
    QList<double> fromKey, fromLaunch;
    for (auto _ : state) {
        BenchSupport::store().close();
        if (!BenchSupport::dropPageCache()) {
            state.SkipWithError("cannot drop the page cache (needs root)");
            return;
        }
        QElapsedTimer launched;
        launched.start();
        const std::unique_ptr<Panel> panel = openPanel(state, state.range(0), false);
        if (!panel)
            return;
        Panel* p = panel.get();
        PaintProbe probe(p->controller->listView()->viewport(), [p] { return p->rowsShown(); });
        QElapsedTimer since;
        probe.arm(since);
        since.start();
        p->keyboard.chord({XK_Control_L, XK_Alt_L, XK_v});
        if (!spinUntil([&] { return probe.paintedMs() >= 0; }, 30000)) {
            state.SkipWithError("the panel was not painted");
            return;
        }
        state.SetIterationTime(probe.paintedMs() / 1000);
        fromKey.append(probe.paintedMs());
        fromLaunch.append(double(launched.nsecsElapsed()) / 1e6);
        p->keyboard.chord({XK_Control_L, XK_Alt_L, XK_v});
        spinUntil([&] { return !p->window->isVisible(); }, 5000);
    }
    state.counters["key_to_rows_p50_ms"] = percentile(fromKey, 0.5);
    state.counters["launch_to_rows_p50_ms"] = percentile(fromLaunch, 0.5);
}
BENCHMARK(BM_ColdLaunchToPaint)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A key stroke in the field: its echo painted, the first screen of results painted, and the
// complete list in place.
void BM_KeyStroke(benchmark::State& state)
{
    const std::unique_ptr<Panel> panel = openPanel(state, state.range(0));
    if (!panel)
        return;
    Panel* p = panel.get();
    QLineEdit* field = p->controller->searchField();
    QuickSearchPasteInfListModel* model = p->controller->model();
    p->window->showAndActivate();
    spinUntil([&] { return p->window->isActiveWindow() && p->rowsShown(); }, 5000);
    PaintProbe echo(field, [field] { return !field->text().isEmpty(); });
    PaintProbe screen(p->controller->listView()->viewport(),
                      [p, model] { return !model->isShowingHistory() && p->rowsShown(); });
    QList<double> echoes, screens, completes;
    // Results arrive as a first screen and then the complete list, each a model reset.
    QElapsedTimer* running = nullptr;
    double lastResetMs = 0;
    QObject::connect(model, &QAbstractItemModel::modelReset, [&] {
        if (running)
            lastResetMs = running->nsecsElapsed() / 1e6;
    });
    // Letters that most items hold, so that the result lists are long.
    const xcb_keysym_t letters[] = {XK_e, XK_a, XK_t, XK_o, XK_n};
    int round = 0;
    for (auto _ : state) {
        QElapsedTimer since;
        echo.arm(since);
        screen.arm(since);
        running = &since;
        lastResetMs = 0;
        since.start();
        p->keyboard.chord({letters[round++ % 5]});
        if (!spinUntil([&] { return echo.paintedMs() >= 0 && screen.paintedMs() >= 0; }, 10000)) {
            state.SkipWithError("no echo or no results");
            return;
        }
        // The complete list: the last reset before the search has been quiet for a second.
        double seen = -1;
        while (seen != lastResetMs) {
            seen = lastResetMs;
            spinUntil([] { return false; }, 1000);
        }
        running = nullptr;
        echoes.append(echo.paintedMs());
        screens.append(screen.paintedMs());
        completes.append(lastResetMs);
        state.SetIterationTime(screen.paintedMs() / 1000);
        field->clear();
        spinUntil([&] { return model->isShowingHistory() && p->rowsShown(); }, 10000);
    }
    state.counters["echo_p50_ms"] = percentile(echoes, 0.5);
    state.counters["echo_max_ms"] = percentile(echoes, 1);
    state.counters["first_screen_p50_ms"] = percentile(screens, 0.5);
    state.counters["first_screen_max_ms"] = percentile(screens, 1);
    state.counters["complete_p50_ms"] = percentile(completes, 0.5);
}
BENCHMARK(BM_KeyStroke)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A copy recorded (inserted and committed by the store) while the panel is open → its row
// painted at the top.
void BM_CopyOnScreen(benchmark::State& state)
{
    const std::unique_ptr<Panel> panel = openPanel(state, state.range(0));
    if (!panel)
        return;
    Panel* p = panel.get();
    p->window->showAndActivate();
    spinUntil([&] { return p->window->isVisible() && p->rowsShown(); }, 5000);
    QString uuid;
    PaintProbe probe(p->controller->listView()->viewport(), [p, &uuid] {
        const std::optional<PasteInfRow> top = p->controller->model()->rowAt(0);
        return top && top->uuid == uuid;
    });
    // The store's share: from the insert to its committed change reaching the GUI thread.
    QElapsedTimer* inserting = nullptr;
    QList<double> committed;
    const int observer = BenchSupport::store().addChangeObserver([&](const HistoryChange& change) {
        if (inserting && change.kind == HistoryChange::Kind::AddedToTop)
            QMetaObject::invokeMethod(
                qApp, [&, since = inserting] { committed.append(since->nsecsElapsed() / 1e6); });
    });
    int round = 0;
    for (auto _ : state) {
        const PasteboardItem copied(
            {{PasteboardType::string, QStringLiteral("copied while open %1").arg(round++).toUtf8()}});
        PasteInfModel item = PasteInfModel::capture(PasteboardItems{copied}, copied.types(), nullptr);
        uuid = item.uuid.value_or(QString());
        QElapsedTimer since;
        probe.arm(since);
        inserting = &since;
        since.start();
        BenchSupport::store().insertPasteInf(item);
        if (!spinUntil([&] { return probe.paintedMs() >= 0; }, 5000)) {
            state.SkipWithError("the copy did not appear");
            return;
        }
        state.SetIterationTime(probe.paintedMs() / 1000);
        inserting = nullptr;
        BenchSupport::store().deletePasteInfIds({p->controller->model()->idAt(0)});
        spinUntil(
            [&] {
                return p->controller->model()->rowAt(0) && p->controller->model()->rowAt(0)->uuid != uuid;
            },
            5000);
        spinUntil([] { return false; }, 300); // the list settles, as between two copies
    }
    BenchSupport::store().removeChangeObserver(observer);
    state.counters["committed_p50_ms"] = percentile(committed, 0.5);
}
BENCHMARK(BM_CopyOnScreen)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A history of 10,000 screenshots of about 230 KB each (real PNGs, made once: the search
// benchmark's histories hold stand-in bytes that decode to nothing).
QString imageHistory()
{
    const QString path = QStringLiteral("/tmp/brimble-bench-images-10000.sqlite");
    if (QFile::exists(path))
        return path;
    CoreDataManager& store = BenchSupport::store();
    store.close();
    if (!store.open(path))
        return {};
    QList<QByteArray> pngs;
    QRandomGenerator random(7);
    for (int i = 0; i < 16; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs.append(buffer.data());
    }
    for (int i = 0; i < 10000; ++i) {
        const PasteboardItem shot({{PasteboardType::png, pngs[i % pngs.size()]}});
        store.insertPasteInf(PasteInfModel::capture(PasteboardItems{shot}, shot.types(), nullptr));
    }
    store.close(); // waits for the queued inserts
    return path;
}

// 10,000 image items scrolled through a screen at a time, their thumbnails decoded and
// painted as they arrive: memory growth and the longest GUI-thread event.
void BM_ScrollImages(benchmark::State& state)
{
    const QString path = imageHistory();
    const std::unique_ptr<Panel> panel = openPanel(state, 0, true, path);
    if (!panel)
        return;
    Panel* p = panel.get();
    QuickSearchPasteInfListModel* model = p->controller->model();
    p->window->showAndActivate();
    QListView* view = p->controller->listView();
    QScrollBar* bar = view->verticalScrollBar();
    // Let the first screen settle, so the figure is what scrolling adds.
    spinUntil([] { return false; }, 2000);
    const double before = BenchSupport::anonymousMegabytes();
    // A 2 ms heartbeat: the longest gap between its ticks is the longest the GUI thread was busy.
    double worstGapMs = 0;
    QElapsedTimer sinceTick;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        worstGapMs = std::max(worstGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        sinceTick.start();
        heartbeat.start(2);
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + view->viewport()->height());
            // A screen every 50 ms, as a fast scroll gives them; thumbnails land in between.
            spinUntil([] { return false; }, 50);
        }
        heartbeat.stop();
        state.SetIterationTime(total.nsecsElapsed() / 1e9);
    }
    state.counters["rows"] = model->rowCount();
    state.counters["growth_MB"] = BenchSupport::anonymousMegabytes() - before;
    state.counters["worst_event_ms"] = worstGapMs;
}
BENCHMARK(BM_ScrollImages)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return BenchSupport::runBenchmarks(argc, argv);
}
