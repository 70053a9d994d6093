// The hot key and the paste of a Wayland session, through the desktop portal: a stand-in portal
// (the tests' fakeportal) on a private session bus. The portal's Activated signal to the panel's
// first frame with rows painted, and a write-back with its paste key stroke to the last of the
// four NotifyKeyboardKeysym calls answered by the portal, after the first paste (which makes the
// remote desktop session). Needs an X display for the panel and the clipboard:
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' sh -c 'openbox & sleep 1; build/bench/bench_portal'
#include "BenchSupport.h"
#include "PaintProbe.h"

#include "model/CoreDataManager.h"
#include "model/PasteInfModel.h"
#include "model/Preferences.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "pasteboard/KeyBoardEventSimu.h"
#include "pasteboard/PasteBoard.h"
#include "platform/PasteboardItem.h"
#include "platform/PasteboardTypes.h"
#include "platform/portal/PortalHotKeys.h"
#include "platform/portal/PortalKeySynthesizer.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Workspace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDateTime>
#include <QElapsedTimer>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

// A private bus with the stand-in portal on it, for as long as it lives.
struct PrivatePortal
{
    QProcess bus;
    QProcess portal;
    QString address;

    bool start()
    {
        bus.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                   QStringLiteral("--print-address=1")});
        if (!bus.waitForStarted(5000) || !spinUntil([this] { return bus.canReadLine(); }, 5000))
            return false;
        address = QString::fromUtf8(bus.readLine()).trimmed();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        portal.setProcessEnvironment(env);
        portal.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tests/e2e/fakeportal"), {});
        return portal.waitForStarted(5000) && spinUntil([this] { return portal.canReadLine(); }, 5000);
    }
    ~PrivatePortal()
    {
        portal.kill();
        portal.waitForFinished(2000);
        bus.kill();
        bus.waitForFinished(2000);
    }
    // Named after the bus too: a name already connected would give back that (older) connection.
    QDBusConnection connection(const QString& name) const
    {
        return QDBusConnection::connectToBus(address, name + QLatin1Char('@') + address);
    }
};

void control(const QDBusConnection& bus, const QString& method, const QString& argument)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("app.brimble.test.FakePortal"), method);
    message << argument;
    bus.asyncCall(message);
}

// A small history of its own, so the panel has rows to paint.
bool openHistory(const QTemporaryDir& home)
{
    BenchSupport::preferences().setFilePath(home.filePath(QStringLiteral("preferences.json")));
    CoreDataManager& store = BenchSupport::store();
    store.close();
    if (!store.open(home.filePath(QStringLiteral("Brimble.sqlite"))))
        return false;
    store.ensureDefaultCategory();
    for (int i = 0; i < 50; ++i) {
        PasteboardItem item;
        item.setData(PasteboardType::string, QStringLiteral("portal bench item %1").arg(i).toUtf8());
        store.insertPasteInf(
            PasteInfModel::capture(PasteboardItems{item}, QStringList{PasteboardType::string}, nullptr));
    }
    return true;
}

// The portal's Activated signal → the panel's first frame with rows; warm shows only count
// towards the percentiles (the first one after launch is reported apart).
void BM_PortalActivatedToPaint(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs an X display");
        return;
    }
    QTemporaryDir home;
    PrivatePortal portal;
    if (!portal.start() || !openHistory(home)) {
        state.SkipWithError("no private bus with the stand-in portal, or no history");
        return;
    }
    QuickSearchViewWindow window(home.filePath(QStringLiteral("frame.json")));
    auto* controller =
        new QuickSearchViewController(BenchSupport::store(), BenchSupport::preferences(), nullptr, nullptr);
    window.setContentWidget(controller);
    controller->attachWindow(window);
    window.prepare();
    PortalHotKeys hotKeys(nullptr, portal.connection(QStringLiteral("brimble")));
    hotKeys.registerHotKey(KeyCombo{9, CarbonModifier::command | CarbonModifier::option},
                           [&window] { window.toggle(); });
    if (!spinUntil([&] {
            return hotKeys.desktopShortcut().state == HotKeys::DesktopShortcut::State::bound &&
                   controller->model()->rowCount() > 0;
        })) {
        state.SkipWithError("the shortcut was not bound or the history did not load");
        return;
    }
    const QDBusConnection test = portal.connection(QStringLiteral("test"));
    const auto rowsShown = [controller] {
        return controller->model()->rowCount() > 0 && controller->model()->rowAt(0).has_value();
    };
    PaintProbe probe(controller->listView()->viewport(), rowsShown);
    const auto press = [&] {
        control(test, QStringLiteral("Activate"), PortalHotKeys::shortcutId);
        control(test, QStringLiteral("Deactivate"), PortalHotKeys::shortcutId);
    };
    QList<double> warm;
    double first = -1;
    for (auto _ : state) {
        QElapsedTimer since;
        probe.arm(since);
        since.start();
        press();
        if (!spinUntil([&] { return probe.paintedMs() >= 0; }, 5000)) {
            state.SkipWithError("the panel was not painted");
            return;
        }
        state.SetIterationTime(probe.paintedMs() / 1000);
        if (first < 0)
            first = probe.paintedMs();
        else
            warm.append(probe.paintedMs());
        press();
        spinUntil([&] { return !window.isVisible(); }, 5000);
        spinUntil([] { return false; }, 30);
    }
    state.counters["first_show_ms"] = first;
    state.counters["warm_p50_ms"] = percentile(warm, 0.5);
    state.counters["warm_p95_ms"] = percentile(warm, 0.95);
}
BENCHMARK(BM_PortalActivatedToPaint)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

// A write-back with its paste key stroke (what Return starts once the panel is gone) → the
// four NotifyKeyboardKeysym calls answered by the portal; the first paste, which makes and
// starts the remote desktop session, apart.
void BM_PasteToKeysym(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs an X display");
        return;
    }
    QTemporaryDir home;
    PrivatePortal portal;
    if (!portal.start() || !openHistory(home)) {
        state.SkipWithError("no private bus with the stand-in portal, or no history");
        return;
    }
    BenchSupport::preferences().setAutoPasteToCurrentApp(true);
    X11Clipboard clipboard;
    X11Workspace workspace;
    PortalKeySynthesizer keys(nullptr, {}, portal.connection(QStringLiteral("brimble")));
    KeyBoardEventSimu keyboard(&keys, &clipboard, BenchSupport::preferences());
    PasteBoard pasteBoard(BenchSupport::store(), BenchSupport::preferences(), &clipboard, &workspace,
                          &keyboard, [] { return RunningApplicationRef(); });
    PasteboardItem item;
    item.setData(PasteboardType::string, QByteArrayLiteral("the text to paste"));
    const QList<PasteInfModel> models{
        PasteInfModel::capture(PasteboardItems{item}, QStringList{PasteboardType::string}, nullptr)};

    QList<double> warm;
    double first = -1;
    for (auto _ : state) {
        QElapsedTimer since;
        since.start();
        double doneMs = -1;
        PasteOutcome outcome;
        pasteBoard.paste(models, false, true, nullptr, [&](const PasteOutcome& result) {
            outcome = result;
            doneMs = since.nsecsElapsed() / 1e6;
        });
        if (!spinUntil([&] { return doneMs >= 0; }, 40000) ||
            outcome.status != PasteOutcome::Status::Pasted) {
            state.SkipWithError(
                qPrintable("the paste key stroke did not reach the portal: " + outcome.message));
            return;
        }
        state.SetIterationTime(doneMs / 1000);
        if (first < 0)
            first = doneMs;
        else
            warm.append(doneMs);
    }
    state.counters["first_paste_ms"] = first;
    state.counters["warm_p50_ms"] = percentile(warm, 0.5);
    state.counters["warm_p95_ms"] = percentile(warm, 0.95);
}
BENCHMARK(BM_PasteToKeysym)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return BenchSupport::runBenchmarks(argc, argv);
}
