// Pasting several items one after another into real applications: a GTK entry, an xterm and
// our own paste target, with the queue started from the command line and from the panel.
#include "E2eSupport.h"
#include "TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
using E2e::key;
using E2e::xdotool;

QJsonObject queueOf(const BrimbleSession& session)
{
    return QJsonDocument::fromJson(session.cli({"queue", "--json"}).out).object();
}

// Waits until the queue has counted `pasted` pastes (and, once all are, has finished).
bool waitForPasted(const BrimbleSession& session, int pasted)
{
    return E2e::waitUntil(
        [&] {
            const QJsonObject queue = queueOf(session);
            const bool all = pasted == queue.value("count").toInt();
            return queue.value("pasted").toInt() == pasted &&
                   (!all || queue.value("state").toString() == "finished");
        },
        8000);
}

// Three copies recorded in this order; `brimble list` then numbers them gamma 1, beta 2, alpha 3.
bool recordThree(BrimbleSession& session)
{
    int count = 0;
    for (const QByteArray text : {"alpha", "beta", "gamma"}) {
        E2e::xclipCopy(text);
        if (!session.waitForCount(++count))
            return false;
    }
    return true;
}

// The X window of a visible window whose class is `windowClass`.
QString windowOfClass(const QString& windowClass)
{
    QString window;
    E2e::waitUntil(
        [&] {
            window = xdotool({"search", "--onlyvisible", "--class", windowClass}).section('\n', 0, 0);
            return !window.isEmpty();
        },
        10000);
    return window;
}

bool activate(const QString& window)
{
    xdotool({"windowactivate", "--sync", window});
    return E2e::waitUntil([&] { return xdotool({"getactivewindow"}) == window; }, 5000);
}
} // namespace

class TestSequentialPaste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pastesLandInOrderInAGtkEntryAndAnXterm();
    void readingTwiceDoesNotSkip();
    void aCopyMeanwhileEndsTheQueue();
    void thePanelStartsTheQueueAndEscapeClearsIt();
    void badPositionsAreRefused();
};

void TestSequentialPaste::pastesLandInOrderInAGtkEntryAndAnXterm()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordThree(session));

    QTemporaryDir dir;
    const QString entryText = dir.filePath("entry.txt");
    HelperProcess entry("gtkentry.py", {entryText}, session.environment());
    QVERIFY2(entry.waitReady(15000), "the GTK entry did not start (python3-gi and gir1.2-gtk-3.0)");
    const QString gtkWindow = windowOfClass("GtkEntryTarget");
    QVERIFY(activate(gtkWindow));

    const auto started = session.cli({"queue", "3", "2", "1"});
    QCOMPARE(started.exitCode, 0);
    QVERIFY(started.out.startsWith("Paste queue: 0 of 3 pasted"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("alpha"));
    // xclip's read above was a paste as well: it took alpha.
    QVERIFY(waitForPasted(session, 1));
    for (int pasted = 2; pasted <= 3; ++pasted) {
        QVERIFY(key("ctrl+v"));
        QVERIFY(waitForPasted(session, pasted));
    }
    QCOMPARE(fileBytes(entryText), QByteArray("betagamma"));
    // Finished: the last item stays for another paste.
    QVERIFY(key("ctrl+v"));
    QVERIFY(E2e::waitUntil([&] { return fileBytes(entryText) == "betagammagamma"; }, 5000));

    // xterm reads the clipboard with the binding its users give it; its shell's input goes to
    // a file as typed.
    const QString typed = dir.filePath("xterm.txt");
    QProcess xterm;
    xterm.setProcessEnvironment(session.environment());
    xterm.start("xterm", {"-class", "QueueXTerm", "-xrm",
                          "*VT100.translations: #override Ctrl Shift <Key>V: insert-selection(CLIPBOARD)",
                          "-e", "sh", "-c", "stty -icanon -echo; exec cat > " + typed});
    QVERIFY(xterm.waitForStarted());
    const QString xtermWindow = windowOfClass("QueueXTerm");
    QVERIFY(!xtermWindow.isEmpty());
    QVERIFY(activate(xtermWindow));
    QCOMPARE(session.cli({"queue", "1", "2", "3"}).exitCode, 0);
    for (int pasted = 1; pasted <= 3; ++pasted) {
        QVERIFY(key("ctrl+shift+v"));
        QVERIFY(waitForPasted(session, pasted));
    }
    QVERIFY(E2e::waitUntil([&] { return fileBytes(typed) == "gammabetaalpha"; }, 5000));
    xterm.terminate();
    xterm.waitForFinished(3000);

    const auto shown = session.cli({"queue"});
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(shown.out, QByteArray("Paste queue done: all 3 items pasted\n"
                                   "1\tpasted\tgamma\n2\tpasted\tbeta\n3\tpasted\talpha\n"));
    // Pasting records nothing new.
    QCOMPARE(session.storedCount(), 3);
}

void TestSequentialPaste::readingTwiceDoesNotSkip()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordThree(session));
    QCOMPARE(session.cli({"queue", "3", "2", "1"}).exitCode, 0);

    // One reader, twice in a row: the same item both times, and it counts once.
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("alpha"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("alpha"));
    QVERIFY(waitForPasted(session, 1));
    E2e::settle(800);
    QCOMPARE(queueOf(session).value("pasted").toInt(), 1);

    // Our paste target reads every target the offer lists for one Ctrl+V.
    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());
    for (const QByteArray expected : {"beta", "gamma"}) {
        const QByteArray before = fileBytes(report);
        QVERIFY(key("ctrl+v"));
        QVERIFY(E2e::waitUntil([&] { return fileBytes(report) != before; }, 10000));
        const QJsonObject received = QJsonDocument::fromJson(fileBytes(report)).object();
        int texts = 0;
        for (const QJsonValue& value : received.value("targets").toArray()) {
            const QJsonObject entry = value.toObject();
            if (entry.value("name").toString() == "UTF8_STRING" ||
                entry.value("name").toString() == "text/plain;charset=utf-8") {
                QCOMPARE(QByteArray::fromBase64(entry.value("data").toString().toLatin1()), expected);
                ++texts;
            }
        }
        QCOMPARE(texts, 2);
        QVERIFY(waitForPasted(session, expected == "beta" ? 2 : 3));
    }
}

void TestSequentialPaste::aCopyMeanwhileEndsTheQueue()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordThree(session));
    QCOMPARE(session.cli({"queue", "3", "2", "1"}).exitCode, 0);
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("alpha"));
    QVERIFY(waitForPasted(session, 1));

    E2e::xclipCopy("the user's own copy");
    QVERIFY(
        E2e::waitUntil([&] { return queueOf(session).value("state").toString() == "interrupted"; }, 5000));
    const QJsonObject queue = queueOf(session);
    QCOMPARE(queue.value("pasted").toInt(), 1);
    QCOMPARE(queue.value("summary").toString(),
             QStringLiteral("Paste queue ended by a new copy: 1 of 3 pasted"));
    // The copy keeps the clipboard, paste after paste; and it is recorded as any copy.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("the user's own copy"));
        E2e::settle(400);
    }
    QVERIFY(session.waitForCount(4));
}

void TestSequentialPaste::thePanelStartsTheQueueAndEscapeClearsIt()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordThree(session));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());
    const auto received = [&] {
        const QJsonObject json = QJsonDocument::fromJson(fileBytes(report)).object();
        for (const QJsonValue& value : json.value("targets").toArray())
            if (value.toObject().value("name").toString() == "UTF8_STRING")
                return QByteArray::fromBase64(value.toObject().value("data").toString().toLatin1());
        return QByteArray();
    };

    // A range of the three: they go in the order they were copied, the first at once.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(E2e::panelIsShownAndFocused, 5000));
    QVERIFY(key("shift+Down"));
    QVERIFY(key("shift+Down"));
    QVERIFY(key("ctrl+shift+Return"));
    QVERIFY2(E2e::waitUntil([&] { return received() == "alpha"; }, 10000),
             qPrintable(session.log().right(800)));
    QVERIFY(E2e::panelIsHidden());
    QVERIFY(waitForPasted(session, 1));
    QVERIFY(key("ctrl+v"));
    QVERIFY(E2e::waitUntil([&] { return received() == "beta"; }, 10000));
    QVERIFY(waitForPasted(session, 2));

    // The panel shows what comes next; Escape clears the queue and leaves the panel open.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY(E2e::waitUntil(E2e::panelIsShownAndFocused, 5000));
    QVERIFY(key("Escape"));
    QVERIFY(E2e::waitUntil([&] { return queueOf(session).value("state").toString() == "cleared"; }, 5000));
    E2e::settle(300);
    QVERIFY(E2e::panelIsShownAndFocused());
    QVERIFY(key("Escape"));
    QVERIFY(E2e::waitUntil(E2e::panelIsHidden, 5000));
    // The notice was seen with the panel: it is gone, and the clipboard keeps gamma.
    QVERIFY(E2e::waitUntil([&] { return queueOf(session).value("state").toString() == "none"; }, 5000));
    QCOMPARE(session.cli({"queue"}).out, QByteArray("No paste queue\n"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("gamma"));
}

void TestSequentialPaste::badPositionsAreRefused()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordThree(session));
    const auto beyond = session.cli({"queue", "1", "9"});
    QCOMPARE(beyond.exitCode, 1);
    QVERIFY(!beyond.err.isEmpty());
    QCOMPARE(queueOf(session).value("state").toString(), QStringLiteral("none"));
    QCOMPARE(session.cli({"queue", "clear", "2"}).exitCode, 2);
    QCOMPARE(session.cli({"queue", "--limit", "2"}).exitCode, 2);
    // Clearing when there is nothing to clear is no failure.
    QCOMPARE(session.cli({"queue", "clear"}).exitCode, 0);
    QCOMPARE(session.stop(), 0);
    QCOMPARE(session.cli({"queue"}).exitCode, 3);
}

QTEST_MAIN(TestSequentialPaste)
#include "tst_sequentialpaste.moc"
