// Brimble on a native Wayland compositor (the headless sway scripts/test starts), driven with
// wl-copy and wl-paste.
#include "E2eSupport.h"
#include "TestSupport.h"

#include "platform/PasteboardTypes.h"
#include "platform/wayland/WaylandClipboard.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <functional>
#include <optional>

namespace {

QString waylandDisplay()
{
    return qEnvironmentVariable("BRIMBLE_TEST_WAYLAND_DISPLAY");
}

QProcessEnvironment clientEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WAYLAND_DISPLAY", waylandDisplay());
    static QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    return env;
}

void wlCopy(const QByteArray& data, const QString& type = {})
{
    QProcess copy;
    copy.setProcessEnvironment(clientEnvironment());
    QStringList args;
    if (!type.isEmpty())
        args << "--type" << type;
    copy.start("wl-copy", args);
    copy.waitForStarted();
    copy.write(data);
    copy.closeWriteChannel();
    // wl-copy forks a server and the parent exits once the selection is taken.
    copy.waitForFinished(10000);
}

PasteboardItem textItemOf(const QByteArray& text)
{
    PasteboardItem item;
    item.setData(PasteboardType::string, text);
    return item;
}

QByteArray wlPaste(const QStringList& args = {})
{
    QProcess paste;
    paste.setProcessEnvironment(clientEnvironment());
    paste.start("wl-paste", args + QStringList{"--no-newline"});
    paste.waitForFinished(10000);
    return paste.readAllStandardOutput();
}

} // namespace

class TestWaylandClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void engineReadsAndServesThroughPipes();
    void recordsTextAndImagesWithTheirTypes();
    void copyBackIsServedAndNotRecordedAgain();
    void passwordManagerCopyIsNotRecorded();
    void pauseStopsRecording();
    void panelOpensThroughToggle();
    void pasteReachesTheFocusedWindow();

private:
    bool startSession(BrimbleSession& session);
};

void TestWaylandClipboard::init()
{
    if (waylandDisplay().isEmpty())
        QSKIP("no headless compositor (scripts/test starts one when sway is installed)");
}

bool TestWaylandClipboard::startSession(BrimbleSession& session)
{
    // No X display at all: everything must come from the compositor, the choice included.
    QProcessEnvironment extra;
    extra.insert("WAYLAND_DISPLAY", waylandDisplay());
    extra.insert("DISPLAY", QString());
    extra.insert("QT_QPA_PLATFORM", QString());
    return session.start(extra);
}

void TestWaylandClipboard::engineReadsAndServesThroughPipes()
{
    const QByteArray display = waylandDisplay().toUtf8();
    WaylandClipboard reader(display);
    WaylandClipboard capped(display, 1024);
    QVERIFY(reader.isValid() && capped.isValid());

    const qint64 before = reader.changeCount();
    const QByteArray text(4096, 't');
    wlCopy(text);
    QVERIFY(E2e::waitUntil([&] { return reader.changeCount() != before; }, 5000));
    const QStringList types = reader.types().value_or(QStringList());
    QVERIFY(types.contains(PasteboardType::string));
    const ClipboardContent content = reader.read({PasteboardType::string});
    QCOMPARE(content.status, ClipboardContent::Status::Read);
    QCOMPARE(content.items.first().dataForType(PasteboardType::string), text);
    QCOMPARE(capped.read({PasteboardType::string}).status, ClipboardContent::Status::TooLarge);

    // Far more than a pipe holds: the writer must keep serving as the reader drains it, and
    // the reader's own write counts as a change.
    PasteboardItem large;
    large.setData(PasteboardType::png, QByteArray(8 * 1024 * 1024, 'p'));
    const qint64 beforeWrite = reader.changeCount();
    QVERIFY(reader.write({large}));
    QVERIFY(reader.changeCount() != beforeWrite);
    QVERIFY(E2e::waitUntil([&] { return capped.types() == QStringList{PasteboardType::png}; }, 5000));
    const ClipboardContent served = WaylandClipboard(display).read({PasteboardType::png});
    QCOMPARE(served.status, ClipboardContent::Status::Read);
    QCOMPARE(served.items.first().dataForType(PasteboardType::png)->size(), 8 * 1024 * 1024);

    // A paste is told once its transfer is written to the end; the list of types is no paste.
    QMutex mutex;
    QStringList reads;
    QVERIFY(reader.setContentReadListener([&](const QString& type, bool primary) {
        QMutexLocker lock(&mutex);
        reads.append((primary ? "primary " : "") + type);
    }));
    QVERIFY(reader.write({textItemOf("pasted once")}));
    QVERIFY(E2e::waitUntil([] { return wlPaste({"--list-types"}).contains("text/plain"); }, 5000));
    QCOMPARE(wlPaste({"--type", PasteboardType::string}), QByteArray("pasted once"));
    QVERIFY(E2e::waitUntil(
        [&] {
            QMutexLocker lock(&mutex);
            return reads == QStringList{PasteboardType::string};
        },
        5000));
    QVERIFY(reader.setContentReadListener({}));
}

void TestWaylandClipboard::recordsTextAndImagesWithTheirTypes()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    QVERIFY(session.log().contains("using the native Wayland clipboard"));

    wlCopy("copied on wayland");
    QVERIFY(session.waitForCount(1));
    PasteInfModel text = session.storedItems().first();
    QVERIFY(text.types && text.types->contains(PasteboardType::string));
    // The aliases wl-copy adds are stored once, under the UTF-8 name.
    QVERIFY(!text.types->contains(QStringLiteral("STRING")));
    QCOMPARE(text.pasteboardItems()->first().plainString(), QStringLiteral("copied on wayland"));
    // Wayland does not say which application copied.
    QVERIFY(!text.appName && !text.appBundleIdentifier);

    const QByteArray png = pngOf({64, 48}, QColor(30, 120, 200));
    wlCopy(png, PasteboardType::png);
    QVERIFY(session.waitForCount(2));
    PasteInfModel image = session.storedItems().first();
    QCOMPARE(image.types.value_or(QStringList()), QStringList{PasteboardType::png});
    QCOMPARE(image.pasteboardItems()->first().dataForType(PasteboardType::png), png);
}

void TestWaylandClipboard::copyBackIsServedAndNotRecordedAgain()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    wlCopy("older");
    QVERIFY(session.waitForCount(1));
    wlCopy("newer");
    QVERIFY(session.waitForCount(2));

    QCOMPARE(session.cli({"copy", "2"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return wlPaste() == "older"; }, 5000));
    QVERIFY(QString::fromUtf8(wlPaste({"--list-types"})).contains(PasteboardType::marker));
    E2e::settle(1200);
    QCOMPARE(session.storedCount(), 2);
}

void TestWaylandClipboard::passwordManagerCopyIsNotRecorded()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    // Another client's offer, with the hint password managers add.
    WaylandClipboard peer(waylandDisplay().toUtf8());
    QVERIFY(peer.isValid());
    PasteboardItem secret;
    secret.setData(PasteboardType::string, "hunter2");
    secret.setData(PasteboardType::passwordManagerHints.first(), "secret");
    QVERIFY(peer.write({secret}));
    QVERIFY(E2e::waitUntil([] { return wlPaste() == "hunter2"; }, 5000));
    E2e::settle(1200);
    QCOMPARE(session.storedCount(), 0);

    wlCopy("an ordinary copy");
    QVERIFY(session.waitForCount(1));
}

void TestWaylandClipboard::pauseStopsRecording()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    QCOMPARE(session.cli({"pause"}).exitCode, 0);
    wlCopy("copied while paused");
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
    QCOMPARE(session.cli({"resume"}).exitCode, 0);
    wlCopy("copied after resuming");
    QVERIFY(session.waitForCount(1));
}

void TestWaylandClipboard::panelOpensThroughToggle()
{
    const QString swaySocket = qEnvironmentVariable("BRIMBLE_TEST_SWAYSOCK");
    if (swaySocket.isEmpty())
        QSKIP("no sway IPC socket");
    BrimbleSession session;
    QVERIFY(startSession(session));
    // The compositor's own view of Brimble's window: focused, floating (a tiling compositor
    // must not tile the panel) and centred on its output.
    struct Panel
    {
        bool focused = false;
        bool floating = false;
        QRect rect;
        QRect output;
    };
    auto panel = [&]() -> std::optional<Panel> {
        QProcess tree;
        tree.start("swaymsg", {"-s", swaySocket, "-t", "get_tree", "-r"});
        tree.waitForFinished(5000);
        const QByteArray json = tree.readAllStandardOutput();
        auto rectOf = [](const QJsonObject& node) {
            const QJsonObject r = node.value("rect").toObject();
            return QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(),
                         r.value("height").toInt());
        };
        std::optional<Panel> found;
        std::function<void(const QJsonObject&, bool, const QRect&)> find = [&](const QJsonObject& node,
                                                                               bool floating, QRect output) {
            if (node.value("type").toString() == QLatin1String("output"))
                output = rectOf(node);
            if (node.value("app_id").toString() == QLatin1String("brimble"))
                found = Panel{node.value("focused").toBool(), floating, rectOf(node), output};
            for (const char* key : {"nodes", "floating_nodes"})
                for (const QJsonValue& child : node.value(key).toArray())
                    find(child.toObject(), std::strcmp(key, "floating_nodes") == 0, output);
        };
        find(QJsonDocument::fromJson(json).object(), false, {});
        return found;
    };
    auto shownAndFocused = [&] {
        const auto p = panel();
        return p && p->focused;
    };
    QVERIFY(!shownAndFocused());
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(shownAndFocused, 5000));
    const Panel shown = *panel();
    QVERIFY(shown.floating);
    QVERIFY2((shown.rect.center() - shown.output.center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("panel at %1,%2 %3x%4 on an output of %5x%6")
                            .arg(shown.rect.x())
                            .arg(shown.rect.y())
                            .arg(shown.rect.width())
                            .arg(shown.rect.height())
                            .arg(shown.output.width())
                            .arg(shown.output.height())));
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([&] { return !shownAndFocused(); }, 5000));

    // As on X11, another window taking the focus leaves the panel floating where it was, and
    // the toggle hides it.
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(shownAndFocused, 5000));
    QProcessEnvironment env = clientEnvironment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.remove("DISPLAY");
    HelperProcess other(QStringLiteral("texttarget"), {}, env);
    QVERIFY(other.waitReady());
    const auto behind = panel();
    QVERIFY(behind && behind->floating && !behind->focused);
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([&] { return !panel(); }, 5000));
}

void TestWaylandClipboard::pasteReachesTheFocusedWindow()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    wlCopy("typed by the virtual keyboard");
    QVERIFY(session.waitForCount(1));
    wlCopy("something else");
    QVERIFY(session.waitForCount(2));

    QProcessEnvironment env = clientEnvironment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.remove("DISPLAY");
    HelperProcess target(QStringLiteral("texttarget"), {}, env);
    QVERIFY(target.waitReady());
    QCOMPARE(session.cli({"paste", "2"}).exitCode, 0);
    QVERIFY(target.waitForLine("text: typed by the virtual keyboard"));
}

QTEST_GUILESS_MAIN(TestWaylandClipboard)
#include "tst_waylandclipboard.moc"
