// The quick search window on a real X server: shown and hidden by the hot key, by
// `brimble toggle` and by Escape, and put back where it was after a restart.
#include "E2eSupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {
QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The panel's X window while it is mapped, else empty.
QString mappedPanel()
{
    return xdotool({"search", "--onlyvisible", "--name", "^Brimble$"}).section('\n', 0, 0);
}

bool panelIsShownAndFocused()
{
    const QString panel = mappedPanel();
    return !panel.isEmpty() && xdotool({"getactivewindow"}) == panel;
}

bool panelIsHidden()
{
    return mappedPanel().isEmpty();
}

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
} // namespace

class TestQuickSearchWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void showsFocusedAndHides_data();
    void showsFocusedAndHides();
    void escapeHides();
    void frameSurvivesARestart();
};

void TestQuickSearchWindow::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test starts one)");
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
