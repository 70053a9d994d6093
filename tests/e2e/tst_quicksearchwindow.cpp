// The quick search window on a real X server: shown and hidden by the hot key, by
// `brimble toggle` and by Escape, and put back where it was after a restart.
#include "E2eSupport.h"
#include "RequiredServices.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
using E2e::mappedPanel;
using E2e::panelIsHidden;
using E2e::panelIsShownAndFocused;
using E2e::pastedTargets;
using E2e::pastedText;
using E2e::xdotool;

QRect panelGeometry()
{
    // "Position: 100,120 (screen: 0)" / "Geometry: 640x480"
    const QString out = xdotool({"getwindowgeometry", mappedPanel()});
    QRect rect;
    for (const QString& line : out.split('\n')) {
        const QString value = line.section(':', 1).trimmed().section(' ', 0, 0);
        if (line.trimmed().startsWith("Position"))
            rect.moveTopLeft(QPoint(value.section(',', 0, 0).toInt(), value.section(',', 1, 1).toInt()));
        else if (line.trimmed().startsWith("Geometry"))
            rect.setSize(QSize(value.section('x', 0, 0).toInt(), value.section('x', 1, 1).toInt()));
    }
    return rect;
}

QRect savedFrame(const BrimbleSession& session)
{
    QFile file(session.home() + "/state/brimble/quick-search-window.json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject frame = QJsonDocument::fromJson(file.readAll()).object().value("frame").toObject();
    return QRect(frame.value("x").toInt(), frame.value("y").toInt(), frame.value("width").toInt(),
                 frame.value("height").toInt());
}
bool key(const QString& keys)
{
    return QProcess::execute("xdotool", {"key", "--clearmodifiers", keys}) == 0;
}
} // namespace

class TestQuickSearchWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void showsFocusedAndHides_data();
    void showsFocusedAndHides();
    void escapeHides();
    void pastesFromTheKeyboard();
    void plainTextPasteAndCut();
    void frameSurvivesARestart();
};

void TestQuickSearchWindow::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
}

void TestQuickSearchWindow::showsFocusedAndHides_data()
{
    QTest::addColumn<QStringList>("toggle");
    QTest::newRow("hot key") << QStringList{"xdotool", "key", "ctrl+alt+v"};
    QTest::newRow("brimble toggle") << QStringList{"brimble", "toggle"};
}

void TestQuickSearchWindow::showsFocusedAndHides()
{
    QFETCH(QStringList, toggle);
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(panelIsHidden());
    const auto press = [&] {
        if (toggle.first() == "brimble")
            return session.cli(toggle.mid(1)).exitCode == 0;
        return QProcess::execute(toggle.first(), toggle.mid(1)) == 0;
    };
    for (int round = 0; round < 2; ++round) {
        QVERIFY(press());
        QVERIFY2(E2e::waitUntil(panelIsShownAndFocused, 5000), qPrintable(session.log()));
        QVERIFY(press());
        QVERIFY(E2e::waitUntil(panelIsHidden, 5000));
    }
    QCOMPARE(session.stop(), 0);
}

void TestQuickSearchWindow::escapeHides()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QVERIFY(QProcess::execute("xdotool", {"key", "shift+Escape"}) == 0);
    QVERIFY(E2e::waitUntil(panelIsHidden, 5000));
    // A second start shows it again rather than toggling it away.
    QProcess second;
    second.setProcessEnvironment(session.environment());
    second.start(qEnvironmentVariable("BRIMBLE_BIN"), {});
    QVERIFY(second.waitForFinished(10000));
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QCOMPARE(session.stop(), 0);
}

void TestQuickSearchWindow::pastesFromTheKeyboard()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("older entry kiwi");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy("newer entry mango");
    QVERIFY(session.waitForCount(2));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());

    // A query narrows the list to the older entry; Return pastes it into the window in front.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY2(E2e::waitUntil(panelIsShownAndFocused, 5000), qPrintable(session.log()));
    QVERIFY(QProcess::execute("xdotool", {"type", "kiwi"}) == 0);
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("search shows 1 item(s)"); }, 5000),
             qPrintable(session.log()));
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return pastedText(report) == "older entry kiwi"; }, 10000),
             qPrintable(session.log()));
    QVERIFY(panelIsHidden());

    // Emptying the field brings the history back, the pasted entry moved to the top (the
    // default), so the second row is the other one.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QVERIFY(key("BackSpace"));
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("history shows 2 item(s)"); }, 5000));
    QVERIFY(key("ctrl+2"));
    QVERIFY2(E2e::waitUntil([&] { return pastedText(report) == "newer entry mango"; }, 10000),
             qPrintable(session.log()));

    // A copy made while the panel is open comes to the top, selected.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    E2e::xclipCopy("copied while open");
    QVERIFY(session.waitForCount(3));
    E2e::settle(500); // the store's change notice reaches the list after the commit
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return pastedText(report) == "copied while open"; }, 10000),
             qPrintable(session.log()));

    // Each paste moved its item to the top: the oldest left is the last row. Ctrl+C copies it
    // and leaves the panel focused; Super+Delete deletes it (Ctrl+Backspace only empties the
    // search field).
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QVERIFY(key("ctrl+Down"));
    QVERIFY(key("ctrl+c"));
    QVERIFY2(E2e::waitUntil([] { return E2e::xclipRead("UTF8_STRING") == "older entry kiwi"; }, 5000),
             qPrintable(E2e::xclipRead("UTF8_STRING") + "\n" + session.log().right(600)));
    QVERIFY(panelIsShownAndFocused());
    QVERIFY(key("ctrl+BackSpace"));
    E2e::settle(300);
    QCOMPARE(session.storedCount(), 3);
    QVERIFY(key("super+Delete"));
    QVERIFY(session.waitForCount(2));
    for (const PasteInfModel& item : session.storedItems())
        QVERIFY(!item.firstPlainText.value_or(QString()).contains("kiwi"));

    QVERIFY(key("Escape"));
    QVERIFY(E2e::waitUntil(panelIsHidden, 5000));
    QCOMPARE(session.stop(), 0);
}

void TestQuickSearchWindow::plainTextPasteAndCut()
{
    BrimbleSession session;
    QVERIFY(session.start());
    {
        HelperProcess owner("clipowner",
                            {"--title", "Owner", "--target", "text/html=<b>bold words</b>", "--target",
                             "UTF8_STRING=bold words"},
                            session.environment());
        QVERIFY(owner.waitReady());
        QVERIFY(session.waitForCount(1));
    }
    E2e::xclipCopy("plain entry to cut");
    QVERIFY(session.waitForCount(2));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());

    // Shift+Return pastes the rich entry as plain text only.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY2(E2e::waitUntil(panelIsShownAndFocused, 5000), qPrintable(session.log()));
    QVERIFY(key("Down"));
    QVERIFY(key("shift+Return"));
    QVERIFY2(E2e::waitUntil([&] { return pastedText(report) == "bold words"; }, 10000),
             qPrintable(session.log()));
    QVERIFY(!pastedTargets(report).contains("text/html"));

    // Ctrl+X: the item is on the clipboard, out of the history, and the panel stays.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QVERIFY(key("End"));
    QVERIFY(key("ctrl+x"));
    QVERIFY2(E2e::waitUntil([] { return E2e::xclipRead("UTF8_STRING") == "plain entry to cut"; }, 5000),
             qPrintable(session.log()));
    QVERIFY(session.waitForCount(1));
    QVERIFY(!session.storedItems().value(0).firstPlainText.value_or(QString()).contains("cut"));
    QVERIFY(panelIsShownAndFocused());
    QCOMPARE(session.stop(), 0);
}

void TestQuickSearchWindow::frameSurvivesARestart()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    const QString panel = mappedPanel();
    QCOMPARE(xdotool({"windowsize", panel, "700", "450"}), QString());
    QCOMPARE(xdotool({"windowmove", panel, "100", "120"}), QString());
    const QRect moved(100, 120, 700, 450);
    QVERIFY(E2e::waitUntil([&] { return savedFrame(session) == moved; }, 5000));
    QCOMPARE(session.stop(), 0);

    QVERIFY(session.start());
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(panelIsShownAndFocused, 5000));
    QCOMPARE(panelGeometry(), moved);
    QCOMPARE(session.stop(), 0);
}

QTEST_GUILESS_MAIN(TestQuickSearchWindow)
#include "tst_quicksearchwindow.moc"
