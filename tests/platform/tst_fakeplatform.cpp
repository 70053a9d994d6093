#include "common/Log.h"
#include "model/PasteboardTypes.h"
#include "platform/NullClipboard.h"
#include "platform/Platform.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeKeySynthesizer.h"
#include "platform/fake/FakeLoginItem.h"
#include "platform/fake/FakeWorkspace.h"

#include <QSignalSpy>
#include <QTest>

class TestFakePlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fakeClipboardTracksGenerations();
    void fakeClipboardStallsAndRefusesWrites();
    void fakeWorkspaceReportsAndRecords();
    void fakeKeySynthesizerChoosesTheChord_data();
    void fakeKeySynthesizerChoosesTheChord();
    void fakeLoginItemRemembers();
    void nullClipboardNeverChangesAndLogsOnce();
};

namespace {
PasteboardItem textItem(const QByteArray& text)
{
    return PasteboardItem({{PasteboardType::string, text}});
}

RunningApplicationRef app(quint32 window, const QString& cls)
{
    auto record = std::make_shared<RunningApplication>();
    record->windowId = window;
    record->windowClass = cls;
    return record;
}
} // namespace

void TestFakePlatform::fakeClipboardTracksGenerations()
{
    auto platform = Platform::createFake();
    auto* clipboard = dynamic_cast<FakeClipboard*>(platform->clipboard.get());
    QVERIFY(clipboard);
    QVERIFY(!clipboard->items());
    QVERIFY(!clipboard->types());

    const qint64 start = clipboard->changeCount();
    clipboard->setContents({textItem("copied elsewhere")});
    QCOMPARE(clipboard->changeCount(), start + 1);
    QCOMPARE(clipboard->types(), QStringList{PasteboardType::string});
    QCOMPARE(clipboard->items()->first().dataForType(PasteboardType::string), QByteArray("copied elsewhere"));

    QVERIFY(clipboard->write({textItem("ours")}));
    QCOMPARE(clipboard->changeCount(), start + 2);
    QCOMPARE(clipboard->writes().size(), 1);
    QCOMPARE(clipboard->contents(), PasteboardItems{textItem("ours")});

    QVERIFY(clipboard->writePrimary({textItem("primary")}));
    QCOMPARE(clipboard->changeCount(), start + 2);
    QCOMPARE(clipboard->primaryWrites().size(), 1);

    clipboard->clear();
    QCOMPARE(clipboard->changeCount(), start + 3);
    QVERIFY(!clipboard->items());
}

void TestFakePlatform::fakeClipboardStallsAndRefusesWrites()
{
    FakeClipboard clipboard;
    clipboard.setContents({textItem("held")});
    clipboard.setStalled(true);
    QVERIFY(!clipboard.items());
    QVERIFY(!clipboard.types());
    clipboard.setStalled(false);
    QVERIFY(clipboard.items());

    clipboard.setWritable(false);
    const qint64 before = clipboard.changeCount();
    QVERIFY(!clipboard.write({textItem("lost")}));
    QCOMPARE(clipboard.changeCount(), before);
    QCOMPARE(clipboard.contents(), PasteboardItems{textItem("held")});
}

void TestFakePlatform::fakeWorkspaceReportsAndRecords()
{
    FakeWorkspace workspace;
    QSignalSpy activated(&workspace, &Workspace::applicationActivated);
    QVERIFY(!workspace.frontmostApplication());

    const auto editor = app(7, "Editor");
    workspace.activateApplication(editor);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.first().first().value<RunningApplicationRef>(), editor);
    QCOMPARE(workspace.frontmostApplication(), editor);

    workspace.setClipboardOwnerApplication(app(9, "Keys"));
    QCOMPARE(workspace.clipboardOwnerApplication()->windowId, 9u);

    QVERIFY(workspace.activate(*app(11, "Other")));
    QCOMPARE(workspace.frontmostApplication()->windowId, 11u);
    workspace.setActivationSucceeds(false);
    QVERIFY(!workspace.activate(*editor));
    QCOMPARE(workspace.activations(), (QList<quint32>{11, 7}));
    QCOMPARE(workspace.frontmostApplication()->windowId, 11u);
}

void TestFakePlatform::fakeKeySynthesizerChoosesTheChord_data()
{
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<bool>("shiftInsert");
    QTest::newRow("editor") << "Gedit" << false;
    QTest::newRow("xterm") << "XTerm" << true;
    QTest::newRow("gnome terminal server") << "Gnome-terminal-server" << true;
    QTest::newRow("kitty") << "kitty" << true;
    QTest::newRow("no class") << "" << false;
    QTest::newRow("terminal-like name") << "st-helper" << false;
}

void TestFakePlatform::fakeKeySynthesizerChoosesTheChord()
{
    QFETCH(QString, windowClass);
    QFETCH(bool, shiftInsert);
    FakeKeySynthesizer keys;
    const auto target = app(5, windowClass);
    QCOMPARE(keys.isTerminal(target.get()), shiftInsert);
    QVERIFY(keys.sendPaste(target.get()));
    QCOMPARE(keys.pastes().size(), 1);
    QCOMPARE(keys.pastes().first().shiftInsert, shiftInsert);

    keys.setTrusted(false);
    QVERIFY(!keys.isTrusted(target.get()));
    QVERIFY(!keys.sendPaste(target.get()));
    QVERIFY(!keys.sendPaste(nullptr));
    QCOMPARE(keys.pastes().size(), 1);
}

void TestFakePlatform::fakeLoginItemRemembers()
{
    FakeLoginItem item;
    QVERIFY(!item.isEnabled());
    QVERIFY(item.setEnabled(true));
    QVERIFY(item.isEnabled());
    item.setFailing(true);
    QVERIFY(!item.setEnabled(false));
    QVERIFY(item.isEnabled());
    QCOMPARE(item.setCount(), 2);
}

void TestFakePlatform::nullClipboardNeverChangesAndLogsOnce()
{
    Log::Capture capture;
    NullClipboard clipboard(QStringLiteral("DISPLAY is not set"));
    QCOMPARE(capture.count("no clipboard available: DISPLAY is not set"), 1);
    const qint64 count = clipboard.changeCount();
    QVERIFY(!clipboard.write({textItem("x")}));
    QVERIFY(!clipboard.items());
    QVERIFY(!clipboard.types());
    QCOMPARE(clipboard.changeCount(), count);
    QCOMPARE(capture.count("no clipboard available:"), 1);
}

QTEST_GUILESS_MAIN(TestFakePlatform)
#include "tst_fakeplatform.moc"
