#include "RequiredServices.h"
#include "platform/RunningApplication.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11KeySynthesizer.h"
#include "platform/x11/X11Workspace.h"
#include "platform/x11/XcbReply.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Workspace and key synthesis against a real X server with openbox, driven through our helper
// windows. The test application resolves through a desktop file in a private XDG_DATA_DIRS.
class TestX11Workspace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void reportsActivatedApplications();
    void waylandWindowInFrontIsNoTarget_data();
    void waylandWindowInFrontIsNoTarget();
    void resolvesTheClipboardOwner();
    void activatesARememberedWindow();
    void sendsThePasteChord_data();
    void sendsThePasteChord();
    void refusedXTestMeansNotTrusted();

private:
    QProcess* startHelper(const QString& name, const QStringList& arguments);
    static bool waitForLine(QProcess* process, const QByteArray& line, int timeoutMs = 15000);

    QTemporaryDir dir_;
    QString helperDir_;
    QString desktopFile_;
    QString iconFile_;
    QList<QProcess*> helpers_;
};

void TestX11Workspace::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
    helperDir_ = qEnvironmentVariable("BRIMBLE_HELPER_DIR", QCoreApplication::applicationDirPath() + "/e2e");
    QDir(dir_.path()).mkpath("home");
    QDir(dir_.path()).mkpath("data/applications/brimble-tests");
    qputenv("XDG_DATA_HOME", (dir_.path() + "/home").toUtf8());
    qputenv("XDG_DATA_DIRS", (dir_.path() + "/data").toUtf8());

    iconFile_ = dir_.filePath("icon.png");
    QImage icon(128, 128, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QVERIFY(icon.save(iconFile_));
    // A subfolder gives the id "brimble-tests-owner".
    desktopFile_ = dir_.path() + "/data/applications/brimble-tests/owner.desktop";
    QFile desktop(desktopFile_);
    QVERIFY(desktop.open(QIODevice::WriteOnly));
    // Exec names no helper, so only the window class leads to this entry.
    desktop.write(
        "[Desktop Entry]\nType=Application\nName=Owner Test\nName[de]=Besitzer\nExec=owner-test %U\n"
        "Icon=" +
        iconFile_.toUtf8() + "\nStartupWMClass=BrimbleOwnerTest\n");
}

void TestX11Workspace::cleanup()
{
    for (QProcess* helper : std::as_const(helpers_)) {
        helper->terminate();
        if (!helper->waitForFinished(5000))
            helper->kill();
        delete helper;
    }
    helpers_.clear();
}

bool TestX11Workspace::waitForLine(QProcess* process, const QByteArray& line, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray output = process->property("output").toByteArray();
    while (!output.contains(line + '\n') && timer.elapsed() < timeoutMs) {
        process->waitForReadyRead(50);
        output += process->readAllStandardOutput();
        QCoreApplication::processEvents();
    }
    process->setProperty("output", output);
    return output.contains(line + '\n');
}

QProcess* TestX11Workspace::startHelper(const QString& name, const QStringList& arguments)
{
    auto* process = new QProcess;
    helpers_.append(process);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(helperDir_ + '/' + name, arguments);
    return waitForLine(process, "ready") ? process : nullptr;
}

void TestX11Workspace::reportsActivatedApplications()
{
    X11Workspace workspace;
    QVERIFY(workspace.isValid());
    QSignalSpy activated(&workspace, &Workspace::applicationActivated);
    QProcess* owner = startHelper("clipowner", {"--class", "BrimbleOwnerTest", "--title", "Owner"});
    QVERIFY(owner);
    QProcess* other = startHelper("clipowner", {"--class", "UnknownThing", "--title", "Other"});
    QVERIFY(other);

    // Back to the first window, the way a user (or xdotool) would.
    activated.clear();
    QProcess::execute("xdotool", {"search", "--sync", "--name", "^Owner$", "windowactivate", "--sync"});
    QTRY_VERIFY(!activated.isEmpty());
    const auto app = activated.last().first().value<RunningApplicationRef>();
    QVERIFY(app);
    QCOMPARE(app->windowClass, QString("BrimbleOwnerTest"));
    QCOMPARE(app->bundleIdentifier, std::optional<QString>("brimble-tests-owner"));
    QCOMPARE(app->bundlePath, desktopFile_);
    QCOMPARE(app->processId, owner->processId());
    QVERIFY(app->localizedName == "Owner Test" || app->localizedName == "Besitzer");
    QCOMPARE(app->icon.size(), QSize(64, 64));
    QCOMPARE(workspace.frontmostApplication()->windowId, app->windowId);

    // An application without a desktop entry is known by its class and executable.
    activated.clear();
    QProcess::execute("xdotool", {"search", "--sync", "--name", "^Other$", "windowactivate", "--sync"});
    QTRY_VERIFY(!activated.isEmpty());
    const auto unknown = activated.last().first().value<RunningApplicationRef>();
    QCOMPARE(unknown->bundleIdentifier, std::optional<QString>("UnknownThing"));
    QCOMPARE(unknown->localizedName, QString("UnknownThing"));
    QCOMPARE(QFileInfo(unknown->bundlePath).fileName(), QString("clipowner"));
}

void TestX11Workspace::waylandWindowInFrontIsNoTarget_data()
{
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<bool>("forgotten");
    QTest::newRow("Wayland session") << QByteArray("wayland") << true;
    QTest::newRow("X11 session") << QByteArray("x11") << false;
}

void TestX11Workspace::waylandWindowInFrontIsNoTarget()
{
    QFETCH(QByteArray, session);
    QFETCH(bool, forgotten);
    const QByteArray before = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", session);
    X11Workspace workspace;
    qputenv("XDG_SESSION_TYPE", before);
    QVERIFY(workspace.isValid());
    QSignalSpy unnamed(&workspace, &Workspace::unnamedWindowActivated);
    QVERIFY(startHelper("clipowner", {"--class", "BrimbleOwnerTest", "--title", "Owner"}));
    QProcess::execute("xdotool", {"search", "--sync", "--name", "^Owner$", "windowactivate", "--sync"});
    QTRY_VERIFY(workspace.frontmostApplication());

    // What XWayland shows while a Wayland window has the focus: no active X11 window.
    const QString owner = QString::number(workspace.frontmostApplication()->windowId);
    QCOMPARE(QProcess::execute(
                 "xprop", {"-root", "-f", "_NET_ACTIVE_WINDOW", "32x", "-set", "_NET_ACTIVE_WINDOW", "0"}),
             0);
    // On X11 a desktop without a focused window keeps the last application as the target.
    if (forgotten)
        QTRY_COMPARE(unnamed.count(), 1);
    else
        QTest::qWait(300);
    QCOMPARE(unnamed.count(), forgotten ? 1 : 0);
    QProcess::execute("xprop",
                      {"-root", "-f", "_NET_ACTIVE_WINDOW", "32x", "-set", "_NET_ACTIVE_WINDOW", owner});
}

void TestX11Workspace::resolvesTheClipboardOwner()
{
    X11Workspace workspace;
    QVERIFY(
        startHelper("clipowner", {"--class", "BrimbleOwnerTest", "--no-window", "--target", "text/plain=x"}));
    auto owner = workspace.clipboardSource(nullptr);
    QVERIFY(owner);
    QCOMPARE(owner->bundleIdentifier, std::optional<QString>("brimble-tests-owner"));
    QCOMPARE(owner->bundlePath, desktopFile_);

    // Owned by the window manager's process, as a compositor's clipboard bridge is: no source.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    ReplyPtr<xcb_get_selection_owner_reply_t> selection(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, internAtom(connection, "CLIPBOARD")), nullptr));
    QVERIFY(selection && selection->owner != XCB_NONE);
    ReplyPtr<xcb_get_property_reply_t> saved(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    auto setCheck = [&](xcb_window_t window) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, check, XCB_ATOM_WINDOW, 32, 1, &window);
        xcb_flush(connection);
    };
    setCheck(selection->owner);
    const bool bridged = !workspace.clipboardSource(owner);
    if (saved && xcb_get_property_value_length(saved.get()) >= 4)
        setCheck(*static_cast<xcb_window_t*>(xcb_get_property_value(saved.get())));
    else
        xcb_delete_property(connection, root, check);
    // A round trip before going: requests still unread when the connection closes can be
    // dropped, which left the display naming the helper's window as the window manager's for
    // every client after this test.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    QVERIFY(bridged);

    // xclip has no window of its own and is no application: not the one in front either.
    QVERIFY(startHelper("clipowner", {"--class", "UnknownThing", "--title", "Front"}));
    QTRY_VERIFY(workspace.frontmostApplication() &&
                workspace.frontmostApplication()->bundleIdentifier == std::optional<QString>("UnknownThing"));
    const auto front = workspace.frontmostApplication();
    QProcess xclip;
    xclip.start("xclip", {"-i", "-selection", "clipboard"});
    xclip.write("from xclip");
    xclip.closeWriteChannel();
    xclip.waitForFinished(10000);
    QTRY_VERIFY(workspace.clipboardSource(nullptr) == nullptr);
    QVERIFY(!workspace.clipboardSource(front));

    // A window of the application in front that resolves to nothing else is that application.
    QVERIFY(startHelper("clipowner", {"--class", "UnknownThing", "--no-window", "--target", "text/plain=y"}));
    QTRY_VERIFY(workspace.clipboardSource(nullptr) && workspace.clipboardSource(nullptr)->bundleIdentifier ==
                                                          std::optional<QString>("UnknownThing"));
}

void TestX11Workspace::activatesARememberedWindow()
{
    X11Workspace workspace;
    QVERIFY(startHelper("clipowner", {"--class", "BrimbleOwnerTest", "--title", "First"}));
    const auto first = workspace.frontmostApplication();
    QVERIFY(first);
    QVERIFY(startHelper("clipowner", {"--class", "SecondApp", "--title", "Second"}));
    QTRY_VERIFY(workspace.frontmostApplication() &&
                workspace.frontmostApplication()->windowId != first->windowId);

    QCOMPARE(workspace.activate(*first, 2000), Workspace::Activation::Activated);
    QCOMPARE(workspace.frontmostApplication()->windowId, first->windowId);

    RunningApplication gone;
    gone.windowId = 0x7ffffff0;
    QCOMPARE(workspace.activate(gone, 200), Workspace::Activation::WindowGone);
}

void TestX11Workspace::sendsThePasteChord_data()
{
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("chord");
    QTest::addColumn<QString>("selection");
    QTest::newRow("editor") << "PasteTarget"
                            << "ctrl+v"
                            << "CLIPBOARD";
    QTest::newRow("terminal") << "XTerm"
                              << "shift+insert"
                              << "PRIMARY";
}

void TestX11Workspace::sendsThePasteChord()
{
    QFETCH(QString, windowClass);
    QFETCH(QString, chord);
    QFETCH(QString, selection);
    X11Clipboard clipboard;
    const PasteboardItems items = {
        PasteboardItem(QList<PasteboardItem::Representation>{{"UTF8_STRING", "pasted text"}})};
    QVERIFY(clipboard.write(items));
    QVERIFY(clipboard.writePrimary(items));

    const QString report = dir_.filePath("report.json");
    QFile::remove(report);
    QProcess* target = startHelper("pastetarget", {"--class", windowClass, "--report", report});
    QVERIFY(target);
    X11Workspace workspace;
    const auto app = workspace.frontmostApplication();
    QVERIFY(app);
    QCOMPARE(app->windowClass, windowClass);

    X11KeySynthesizer keys;
    QVERIFY(keys.isTrusted(app.get()));
    QVERIFY(keys.sendPaste(app.get()));
    QVERIFY(waitForLine(target, "pasted"));
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject received = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(received.value("chord").toString(), chord);
    QCOMPARE(received.value("selection").toString(), selection);
    QByteArray text;
    for (const QJsonValue& value : received.value("targets").toArray())
        if (value.toObject().value("name").toString() == "UTF8_STRING")
            text = QByteArray::fromBase64(value.toObject().value("data").toString().toLatin1());
    QVERIFY2(text == "pasted text", QJsonDocument(received).toJson().constData());
}

void TestX11Workspace::refusedXTestMeansNotTrusted()
{
    X11KeySynthesizer keys;
    QVERIFY(!keys.isTrusted(nullptr));
    X11Workspace workspace;
    QVERIFY(startHelper("clipowner", {"--class", "BrimbleOwnerTest"}));
    const auto app = workspace.frontmostApplication();
    QVERIFY(app);
    QVERIFY(keys.isTrusted(app.get()));
    qputenv("BRIMBLE_DISABLE_XTEST", "1");
    QVERIFY(!keys.isTrusted(app.get()));
    QVERIFY(!keys.sendPaste(app.get()));
    qunsetenv("BRIMBLE_DISABLE_XTEST");
    // A window that has gone away cannot receive a paste either.
    cleanup();
    QTRY_VERIFY(!keys.isTrusted(app.get()));
}

QTEST_GUILESS_MAIN(TestX11Workspace)
#include "tst_x11workspace.moc"
