// The preferences window under X (run it against Xvfb or a desktop):
//
//   cmake --build build --target bench_preferences && DISPLAY=:1 build/bench/bench_preferences
//
// - opening the window the first time in a process (built, laid out, mapped and exposed), and
//   opening it again (mapped and exposed);
// - a shortcut pressed in the recorder until the X server holds its grab (the old one released);
// - what the GUI thread spends on a check box or a retention step, whose writes go to the
//   preferences queue, beside one preference write done in place (its atomic replace and fsync).
#include "BenchSupport.h"

#include "model/CoreDataManager.h"
#include "model/Preferences.h"
#include "module/preferences/PreferencesGeneralViewController.h"
#include "module/preferences/PreferencesKeyBindingViewController.h"
#include "module/preferences/PreferencesTabViewController.h"
#include "module/preferences/PreferencesWindow.h"
#include "module/preferences/view/ShortCutRecordView.h"
#include "platform/x11/X11HotKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> g_home;
std::unique_ptr<PreferencesWindow> g_window;
std::unique_ptr<X11HotKeys> g_hotKeys;

// Until the window is on screen and painted once.
void waitExposed(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

PreferencesActions actions()
{
    PreferencesActions actions;
    actions.setShowQuickSearchWindowHotKey = [](const std::optional<KeyCombo>& combo) {
        static std::optional<KeyCombo> current;
        if (current)
            g_hotKeys->unregisterHotKey(*current);
        current = combo;
        return combo ? g_hotKeys->registerHotKey(*combo, [] {}) : HotKeys::Result::registered;
    };
    return actions;
}

void BM_OpenFirstTime(benchmark::State& state)
{
    for (auto _ : state) {
        g_window = std::make_unique<PreferencesWindow>(BenchSupport::store(), BenchSupport::preferences(),
                                                       actions());
        g_window->showAndActivate();
        waitExposed(g_window.get());
    }
}
BENCHMARK(BM_OpenFirstTime)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_OpenAgain(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        g_window->hide();
        while (g_window->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.ResumeTiming();
        g_window->showAndActivate();
        waitExposed(g_window.get());
    }
}
BENCHMARK(BM_OpenAgain)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

void BM_RecordedShortcutActive(benchmark::State& state)
{
    ShortCutRecordView* recorder = g_window->tabs()->keyBindings()->showQuickSearchWindowShortCutView();
    const Qt::Key keys[] = {Qt::Key_B, Qt::Key_N};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        recorder->setInSetting(true);
        QKeyEvent press(QEvent::KeyPress, keys[round++ % 2], Qt::ControlModifier | Qt::AltModifier);
        state.ResumeTiming();
        // What the window does with a key press: the recorder takes it, the tab registers it.
        Q_EMIT g_window->keyDown(&press);
        if (recorder->isInSetting())
            state.SkipWithError("the recorder did not take the combination");
    }
    g_window->flushWrites();
}
BENCHMARK(BM_RecordedShortcutActive)->Unit(benchmark::kMicrosecond)->Iterations(50)->UseRealTime();

void BM_CheckBoxOnGuiThread(benchmark::State& state)
{
    QCheckBox* box = g_window->tabs()->general()->launchAtLogin();
    for (auto _ : state)
        box->toggle();
    g_window->flushWrites();
}
BENCHMARK(BM_CheckBoxOnGuiThread)->Unit(benchmark::kMicrosecond)->Iterations(50)->UseRealTime();

void BM_LongerRetentionOnGuiThread(benchmark::State& state)
{
    QSlider* slider = g_window->tabs()->general()->historyCapacity();
    int stop = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QSignalBlocker blocker(slider);
        slider->setValue(0);
        state.ResumeTiming();
        // Only lengthening steps: a shorter one asks first.
        slider->setValue(1 + stop++ % 3);
    }
    g_window->flushWrites();
}
BENCHMARK(BM_LongerRetentionOnGuiThread)->Unit(benchmark::kMicrosecond)->Iterations(50)->UseRealTime();

void BM_PreferenceWriteInPlace(benchmark::State& state)
{
    bool on = false;
    for (auto _ : state)
        BenchSupport::preferences().setPasteAsPlainText(on = !on);
}
BENCHMARK(BM_PreferenceWriteInPlace)->Unit(benchmark::kMicrosecond)->Iterations(50)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        fprintf(stderr, "bench_preferences: needs an X display\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    g_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", (g_home->path() + "/state").toUtf8());
    BenchSupport::preferences().setFilePath(g_home->path() + "/preferences.json");
    BenchSupport::store().open(g_home->path() + "/Brimble.sqlite");
    QString whyNot;
    g_hotKeys = X11HotKeys::create(&whyNot);
    if (!g_hotKeys) {
        fprintf(stderr, "bench_preferences: no hot keys: %s\n", qPrintable(whyNot));
        return 1;
    }
    const int status = BenchSupport::runBenchmarks(argc, argv);
    g_window.reset();
    g_hotKeys.reset();
    BenchSupport::store().close();
    return status;
}
