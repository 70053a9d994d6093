// The item menu, the clipboard header and the clipboard grid on a real X server, checked
// against what the command line reads from the store and what lands on disk.
#include "E2eSupport.h"
#include "TestSupport.h"

#include "RequiredServices.h"
#include "model/CoreDataManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
using E2e::key;
using E2e::mappedPanel;
using E2e::panelIsShownAndFocused;
using E2e::xdotool;

bool keys(const QStringList& sequence)
{
    for (const QString& one : sequence)
        if (!key(one))
            return false;
    return true;
}

bool showPanel(const BrimbleSession& session)
{
    return session.cli({"toggle"}).exitCode == 0 && E2e::waitUntil(panelIsShownAndFocused, 5000);
}

// Title -> uuid of every clipboard, as the command line lists them.
QHash<QString, QString> clipboards(const BrimbleSession& session)
{
    QHash<QString, QString> byTitle;
    const QJsonArray all = QJsonDocument::fromJson(session.cli({"clipboards", "--json"}).out).array();
    for (const QJsonValue& value : all)
        byTitle.insert(value.toObject().value("title").toString(), value.toObject().value("uuid").toString());
    return byTitle;
}

// Opens the clipboard menu with the button right of the clipboard's name.
bool openClipboardMenu()
{
    const QString panel = mappedPanel();
    const QString width = xdotool({"getwindowgeometry", panel}).section("Geometry: ", 1).section('x', 0, 0);
    const int x = width.toInt() - 59;
    return x > 0 && QProcess::execute("xdotool", {"mousemove", "--window", panel, QString::number(x), "28",
                                                  "click", "1"}) == 0;
}

} // namespace

class TestItemActions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void moveToAnotherClipboardAndSwitchBack();
    void clipboardsAddedRenamedDeleted();
    void savesOneImageAsJpeg();
    void savesEverySelectedItem();
    void onlyWebLinksReachTheBrowser();
};

void TestItemActions::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
}

void TestItemActions::moveToAnotherClipboardAndSwitchBack()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("stays in the history");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy("goes to the text clipboard");
    QVERIFY(session.waitForCount(2));
    const QHash<QString, QString> byTitle = clipboards(session);
    QVERIFY(byTitle.contains("Text") && byTitle.contains("Link"));

    // Menu key on the newest row: its first entry is highlighted; "Move to" is the seventh
    // entry of a text's menu, "Text" the second clipboard in it.
    QVERIFY(showPanel(session));
    QVERIFY(key("Menu"));
    E2e::settle(500);
    QVERIFY(keys({"Down", "Down", "Down", "Down", "Down", "Down", "Right", "Down", "Return"}));
    QVERIFY2(E2e::waitUntil(
                 [&] {
                     return session.cli({"list", "--clipboard", "Text"})
                         .out.contains("goes to the text clipboard");
                 },
                 5000),
             qPrintable(session.log()));
    QCOMPARE(session.storedCount(), 1);

    // Ctrl+Tab highlights the clipboard after the shown one, Tab the next; letting go of Ctrl
    // shows it.
    QVERIFY(QProcess::execute("xdotool", {"keydown", "ctrl"}) == 0);
    QVERIFY(QProcess::execute("xdotool", {"key", "--delay", "100", "Tab", "Tab"}) == 0);
    QVERIFY(QProcess::execute("xdotool", {"keyup", "ctrl"}) == 0);
    QVERIFY2(E2e::waitUntil(
                 [&] { return session.log().contains("selected clipboard " + byTitle.value("Link")); }, 5000),
             qPrintable(session.log()));
    QCOMPARE(session.stop(), 0);
}

void TestItemActions::clipboardsAddedRenamedDeleted()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(showPanel(session));

    // Add: the new clipboard's name is ready to be typed over.
    QVERIFY(openClipboardMenu());
    E2e::settle(400);
    QVERIFY(keys({"Up", "Up", "Return"})); // from the bottom: Delete is disabled, Clear, Add
    E2e::settle(400);
    QVERIFY(QProcess::execute("xdotool", {"type", "--delay", "30", "Recipes"}) == 0);
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return clipboards(session).contains("Recipes"); }, 5000),
             qPrintable(session.log()));
    QCOMPARE(clipboards(session).size(), 6);

    // Rename it; blanks would keep the name, a new one replaces it.
    QVERIFY(openClipboardMenu());
    E2e::settle(400);
    QVERIFY(keys({"Up", "Up", "Up", "Return"})); // Delete, Clear is disabled, Add, Rename
    E2e::settle(400);
    QVERIFY(QProcess::execute("xdotool", {"type", "--delay", "30", "Cooking"}) == 0);
    QVERIFY(key("Return"));
    QVERIFY(E2e::waitUntil([&] { return clipboards(session).contains("Cooking"); }, 5000));
    QVERIFY(!clipboards(session).contains("Recipes"));

    // Delete it: Return alone is Cancel, the confirmation is the other button.
    QVERIFY(openClipboardMenu());
    E2e::settle(400);
    QVERIFY(keys({"Up", "Return"})); // Undo is disabled, Delete
    E2e::settle(600);
    QVERIFY(key("Return"));
    E2e::settle(600);
    QVERIFY(clipboards(session).contains("Cooking"));
    QVERIFY(openClipboardMenu());
    E2e::settle(400);
    QVERIFY(keys({"Up", "Return"}));
    E2e::settle(600);
    QVERIFY(keys({"Tab", "space"}));
    QVERIFY2(E2e::waitUntil([&] { return !clipboards(session).contains("Cooking"); }, 5000),
             qPrintable(session.log()));
    QCOMPARE(clipboards(session).size(), 5);
    QCOMPARE(session.stop(), 0);
}

void TestItemActions::savesOneImageAsJpeg()
{
    QTemporaryDir out;
    const QString path = out.filePath("picture.jpeg");
    BrimbleSession session;
    QProcessEnvironment extra;
    extra.insert("BRIMBLE_PANEL_ANSWER", path);
    QVERIFY(session.start(extra));
    E2e::xclipCopy(pngOf({40, 30}, Qt::darkCyan), "image/png");
    QVERIFY(session.waitForCount(1));

    QVERIFY(showPanel(session));
    QVERIFY(key("ctrl+s"));
    QVERIFY2(E2e::waitUntil([&] { return QFile::exists(path); }, 5000), qPrintable(session.log()));
    QVERIFY(E2e::waitUntil([&] { return fileBytes(path).startsWith("\xFF\xD8\xFF"); }, 2000));
    QCOMPARE(QImage::fromData(fileBytes(path), "JPEG").size(), QSize(40, 30));
    QCOMPARE(session.stop(), 0);
}

void TestItemActions::savesEverySelectedItem()
{
    QTemporaryDir out;
    BrimbleSession session;
    // A hundred items stored before the start, as a long-running history would hold them.
    QDir().mkpath(QFileInfo(session.databasePath()).path());
    CoreDataManager store;
    QVERIFY(store.open(session.databasePath()));
    store.ensureDefaultCategory();
    const QDateTime start = QDateTime::currentDateTime().addSecs(-600);
    for (int i = 0; i < 100; ++i)
        store.insertPasteInf(textCapture(QStringLiteral("note %1").arg(i), start.addSecs(i)));
    QVERIFY(store.save());
    store.close();

    QProcessEnvironment extra;
    extra.insert("BRIMBLE_PANEL_ANSWER", out.path());
    QVERIFY(session.start(extra));
    QVERIFY(showPanel(session));
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("history shows 100 item(s)"); }, 5000),
             qPrintable(session.log()));
    QVERIFY(key("shift+End"));
    QVERIFY(key("ctrl+s"));
    QVERIFY2(E2e::waitUntil([&] { return QDir(out.path()).entryList(QDir::Files).size() == 100; }, 10000),
             qPrintable(session.log()));
    QCOMPARE(fileBytes(QDir(out.path()).filePath(QDir(out.path()).entryList(QDir::Files).first())).left(5),
             QByteArray("note "));
    QCOMPARE(session.stop(), 0);
}

void TestItemActions::onlyWebLinksReachTheBrowser()
{
    // A stand-in for the desktop's opener, first on PATH, noting what it is asked to open.
    QTemporaryDir bin;
    const QString opened = bin.filePath("opened.txt");
    QFile script(bin.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(opened).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    BrimbleSession session;
    QProcessEnvironment extra;
    extra.insert("PATH", bin.path() + ":" + qEnvironmentVariable("PATH"));
    QVERIFY(session.start(extra));
    E2e::xclipCopy("file:///etc/hostname");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy("https://example.org/brimble");
    QVERIFY(session.waitForCount(2));

    // "Open in Browser" leads a link's menu, highlighted when the menu opens from the keyboard;
    // the newest row first, then the file link.
    QVERIFY(showPanel(session));
    QVERIFY(key("Menu"));
    E2e::settle(500);
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return fileBytes(opened).contains("https://example.org/brimble"); }, 5000),
             qPrintable(session.log()));

    QVERIFY(showPanel(session));
    QVERIFY(key("Down"));
    QVERIFY(key("Menu"));
    E2e::settle(500);
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("not opening a link with scheme \"file\""); },
                            5000),
             qPrintable(session.log()));
    E2e::settle(500);
    QVERIFY(!fileBytes(opened).contains("file:"));
    QCOMPARE(session.stop(), 0);
}

QTEST_GUILESS_MAIN(TestItemActions)
#include "tst_itemactions.moc"
