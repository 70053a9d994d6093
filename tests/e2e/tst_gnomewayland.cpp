// Brimble on a GNOME Wayland session: a nested mutter on the test's X display, with XWayland.
// Mutter offers no data-control protocol, so Brimble runs as an X11 client of XWayland and
// sees Wayland copies through mutter's clipboard bridge. A GTK application on Wayland copies
// and pastes, typed into with xdotool on the host display, which drives mutter's seat.
#include "E2eSupport.h"
#include "NestedMutter.h"
#include "RequiredServices.h"
#include "TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cstdlib>

class TestGnomeWayland : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void copyInAWaylandApplicationIsRecordedAndPastesBack();

private:
    NestedMutter mutter_;
};

void TestGnomeWayland::initTestCase()
{
    if (QProcess::execute("/usr/bin/python3", {"-c", "import gi; gi.require_version('Gtk', '3.0')"}) != 0)
        BRIMBLE_SKIP_UNLESS_REQUIRED("GTK 3 for Python is not installed (python3-gi, gir1.2-gtk-3.0; scripts/setup installs them)");
    const QString whyNot = mutter_.start();
    if (!whyNot.isEmpty())
        BRIMBLE_SKIP_UNLESS_REQUIRED(qPrintable(whyNot));
}

void TestGnomeWayland::copyInAWaylandApplicationIsRecordedAndPastesBack()
{
    // As in a GNOME session: both displays named, the Wayland one without data control.
    BrimbleSession session;
    QProcessEnvironment extra;
    extra.insert("DISPLAY", mutter_.xwaylandDisplay());
    extra.insert("XAUTHORITY", mutter_.xauthority());
    extra.insert("WAYLAND_DISPLAY", mutter_.waylandSocket());
    extra.insert("QT_QPA_PLATFORM", QString());
    QVERIFY(session.start(extra));
    QVERIFY(session.log().contains("using the X11 clipboard"));

    // An X11 application is in front first, so Brimble remembers it as the active one; the
    // Wayland window that then takes the focus is not one XWayland knows.
    QProcessEnvironment x11 = QProcessEnvironment::systemEnvironment();
    x11.insert("DISPLAY", mutter_.xwaylandDisplay());
    x11.insert("XAUTHORITY", mutter_.xauthority());
    x11.insert("QT_QPA_PLATFORM", "xcb");
    x11.remove("WAYLAND_DISPLAY");
    HelperProcess x11Window(QStringLiteral("texttarget"), {}, x11);
    QVERIFY(x11Window.waitReady());

    QProcess field;
    field.setProcessEnvironment(mutter_.waylandClient());
    field.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    field.start("/usr/bin/python3", {QStringLiteral(BRIMBLE_SOURCE_DIR "/tests/e2e/gtk/gtktextfield.py")});
    QByteArray out;
    auto waitForLine = [&](const QByteArray& line) {
        return E2e::waitUntil(
            [&] {
                field.waitForReadyRead(20);
                out += field.readAll();
                return out.split('\n').contains(line);
            },
            10000);
    };
    auto keys = [](const QStringList& arguments) { QProcess::execute("xdotool", arguments); };
    QVERIFY(waitForLine("ready"));

    keys({"type", "--delay", "20", "copied on wayland"});
    QVERIFY(waitForLine("text: copied on wayland"));
    keys({"key", "ctrl+a", "ctrl+c"});
    QVERIFY(session.waitForCount(1));
    const PasteInfModel copied = session.storedItems().first();
    QCOMPARE(copied.pasteboardItems()->first().plainString(), QStringLiteral("copied on wayland"));
    // It reached X11 through mutter's bridge, which is not where it came from, and neither is
    // the X11 application that was in front before.
    QVERIFY2(!copied.appName && !copied.appBundleIdentifier, qPrintable(copied.appName.value_or(QString())));

    keys({"type", "--delay", "20", "second"});
    QVERIFY(waitForLine("text: second"));
    keys({"key", "ctrl+a", "ctrl+c"});
    QVERIFY(session.waitForCount(2));

    // An older item put back on the clipboard pastes into the Wayland application.
    QCOMPARE(session.cli({"copy", "2"}).exitCode, 0);
    E2e::settle(500);
    keys({"key", "ctrl+a", "ctrl+v"});
    QVERIFY(waitForLine("text: copied on wayland"));

    // The panel, an X11 window on XWayland here, opens focused and centred on the output.
    auto xwayland = [&](const QStringList& arguments) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", mutter_.xwaylandDisplay());
        env.insert("XAUTHORITY", mutter_.xauthority());
        run.setProcessEnvironment(env);
        run.start("xdotool", arguments);
        run.waitForFinished(10000);
        return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    };
    auto panel = [&] {
        return xwayland({"search", "--onlyvisible", "--name", "^Brimble$"}).section('\n', 0, 0);
    };
    QVERIFY(panel().isEmpty());
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(
        E2e::waitUntil([&] { return !panel().isEmpty() && xwayland({"getactivewindow"}) == panel(); }, 5000));
    auto numbers = [](const QString& text) {
        QList<int> values;
        for (const auto& match : QRegularExpression(QStringLiteral("\\d+")).globalMatch(text))
            values.append(match.captured().toInt());
        return values;
    };
    const QList<int> screen = numbers(xwayland({"getdisplaygeometry"}));
    const QList<int> frame = numbers(xwayland({"getwindowgeometry", "--shell", panel()}));
    QCOMPARE(screen.size(), 2);
    QVERIFY(frame.size() >= 5); // WINDOW, X, Y, WIDTH, HEIGHT
    QVERIFY2(std::abs(frame[1] + frame[3] / 2 - screen[0] / 2) <= 4 &&
                 std::abs(frame[2] + frame[4] / 2 - screen[1] / 2) <= 4,
             qPrintable(xwayland({"getwindowgeometry", panel()})));
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([&] { return panel().isEmpty(); }, 5000));

    field.terminate();
    field.waitForFinished(3000);
}

QTEST_GUILESS_MAIN(TestGnomeWayland)
#include "tst_gnomewayland.moc"
