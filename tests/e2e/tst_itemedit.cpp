// Editing an item in the panel on a real X server: the edit is stored beside the copy it came
// from and pastes into the window in front like any copy.
#include "E2eSupport.h"

#include "RequiredServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
using E2e::key;
using E2e::panelIsShownAndFocused;
using E2e::pastedText;

QStringList storedTexts(const BrimbleSession& session)
{
    QStringList texts;
    for (const PasteInfModel& item : session.storedItems())
        texts.append(item.pasteboardItems()
                         ? item.pasteboardItems()->first().readableText().value_or(QString())
                         : QString());
    session.closeStore();
    return texts;
}
} // namespace

class TestItemEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void editedTextIsSavedAndPasted();
};

void TestItemEdit::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
}

void TestItemEdit::editedTextIsSavedAndPasted()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("first draft of the note");
    QVERIFY(session.waitForCount(1));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());

    // F2 opens the editor; Escape leaves it and the panel stays.
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY2(E2e::waitUntil(panelIsShownAndFocused, 5000), qPrintable(session.log()));
    QVERIFY(key("F2"));
    QVERIFY2(
        E2e::waitUntil([&] { return session.log().contains("editing an item of 23 character(s)"); }, 5000),
        qPrintable(session.log()));
    QVERIFY(key("Escape"));
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("edit cancelled"); }, 5000),
             qPrintable(session.log()));
    E2e::settle(300);
    QVERIFY(panelIsShownAndFocused());

    // Edited and saved with Ctrl+Return: a new item at the top, the copy kept.
    QVERIFY(key("F2"));
    QVERIFY(E2e::waitUntil([&] { return session.log().count("editing an item") == 2; }, 5000));
    QVERIFY(key("ctrl+a"));
    QVERIFY(QProcess::execute("xdotool", {"type", "--delay", "20", "final note, edited"}) == 0);
    QVERIFY(key("ctrl+Return"));
    QVERIFY2(session.waitForCount(2), qPrintable(session.log()));
    QCOMPARE(storedTexts(session), (QStringList{"final note, edited", "first draft of the note"}));
    QVERIFY(panelIsShownAndFocused());

    // Return pastes the edit, now the first row, into the window in front.
    E2e::settle(300);
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return pastedText(report) == "final note, edited"; }, 10000),
             qPrintable(session.log()));
    QCOMPARE(session.stop(), 0);
}

QTEST_GUILESS_MAIN(TestItemEdit)
#include "tst_itemedit.moc"
