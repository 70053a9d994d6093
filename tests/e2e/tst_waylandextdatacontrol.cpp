// The native Wayland clipboard on the standard ext-data-control-v1 protocol, the only one some
// desktops offer, against testcompositor (which offers nothing else, so the wlroots protocol
// cannot stand in for it).
#include "E2eSupport.h"
#include "TestCompositor.h"
#include "TestSupport.h"

#include "platform/PasteboardTypes.h"
#include "platform/wayland/WaylandClipboard.h"

#include <QTest>

class TestWaylandExtDataControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void engineReadsEveryTypeAndServesWrites();
    void hungSourceAndOversizedOfferAreGivenUp();
    void recordsCopiesAndServesCopyBack();
    void passwordHintedCopyIsNotRecorded();
    void copyPastTheSizeCapIsNotRecorded();

private:
    bool startSession(BrimbleSession& session);

    std::unique_ptr<TestCompositor> compositor_;
};

void TestWaylandExtDataControl::init()
{
    compositor_ = std::make_unique<TestCompositor>();
    if (!compositor_->start(E2e::helperPath("testcompositor")))
        QFAIL("testcompositor did not start");
}

bool TestWaylandExtDataControl::startSession(BrimbleSession& session)
{
    // The compositor has no surfaces to show windows on: the windows go offscreen, the
    // clipboard to the compositor.
    QProcessEnvironment extra;
    extra.insert("WAYLAND_DISPLAY", compositor_->socket());
    extra.insert("DISPLAY", QString());
    extra.insert("QT_QPA_PLATFORM", "offscreen");
    if (!session.start(extra))
        return false;
    return session.log().contains("using the native Wayland clipboard (ext_data_control_manager_v1)");
}

void TestWaylandExtDataControl::engineReadsEveryTypeAndServesWrites()
{
    const QByteArray display = compositor_->socket().toUtf8();
    WaylandClipboard reader(display);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.protocolName(), QStringLiteral("ext_data_control_manager_v1"));

    // Twenty types, each read through its own pipe, kept in the owner's order.
    TestCompositor::Representations reps;
    for (int i = 0; i < 20; ++i)
        reps.append({QStringLiteral("application/x-type-%1").arg(i), QByteArray(100 + i, char('a' + i))});
    const qint64 before = reader.changeCount();
    QVERIFY(compositor_->offer(reps));
    QVERIFY(E2e::waitUntil([&] { return reader.changeCount() != before; }, 5000));
    QStringList names;
    for (const auto& rep : reps)
        names.append(rep.first);
    QCOMPARE(reader.types().value_or(QStringList()), names);
    const ClipboardContent content = reader.read(names);
    QCOMPARE(content.status, ClipboardContent::Status::Read);
    const auto readReps = content.items.first().representations();
    QCOMPARE(readReps.size(), 20);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(readReps[i].type, reps[i].first);
        QCOMPARE(readReps[i].data, reps[i].second);
    }

    // A write is served to whoever pastes, well past what one pipe holds, and counts as a change.
    PasteboardItem large;
    large.setData(PasteboardType::string, QByteArray(1024 * 1024, 'w'));
    const qint64 beforeWrite = reader.changeCount();
    QVERIFY(reader.write({large}));
    QVERIFY(reader.changeCount() != beforeWrite);
    QVERIFY(compositor_->types().contains(PasteboardType::string));
    QCOMPARE(compositor_->read(PasteboardType::string).value_or(QByteArray()).size(), 1024 * 1024);
    // Our own offer reads back without a pipe.
    QCOMPARE(reader.read({PasteboardType::string}).items.first().dataForType(PasteboardType::string)->size(),
             1024 * 1024);

    // Another owner takes over: our offer is withdrawn and theirs is read.
    QVERIFY(compositor_->offer({{PasteboardType::string, "theirs"}}));
    QVERIFY(E2e::waitUntil([&] { return reader.types() == QStringList{PasteboardType::string}; }, 5000));
    QVERIFY(E2e::waitUntil(
        [&] {
            return reader.read({PasteboardType::string}).items.value(0).dataForType(PasteboardType::string) ==
                   "theirs";
        },
        5000));
}

void TestWaylandExtDataControl::hungSourceAndOversizedOfferAreGivenUp()
{
    const QByteArray display = compositor_->socket().toUtf8();
    WaylandClipboard reader(display);
    WaylandClipboard capped(display, 64 * 1024);
    QVERIFY(reader.isValid() && capped.isValid());

    // An owner that never writes nor closes its pipe: the read gives up, the engine stays usable.
    const qint64 before = reader.changeCount();
    QVERIFY(compositor_->offerHanging({PasteboardType::string, PasteboardType::html}));
    QVERIFY(E2e::waitUntil([&] { return reader.changeCount() != before; }, 5000));
    QCOMPARE(reader.read({PasteboardType::string, PasteboardType::html}).status,
             ClipboardContent::Status::Unreadable);

    // Reading stops once the item passes the cap, however much the owner would send.
    QVERIFY(compositor_->offerGenerated(PasteboardType::string, 64 * 1024 * 1024));
    QVERIFY(E2e::waitUntil([&] { return capped.types() == QStringList{PasteboardType::string}; }, 5000));
    QCOMPARE(capped.read({PasteboardType::string}).status, ClipboardContent::Status::TooLarge);

    QVERIFY(compositor_->offerGenerated(PasteboardType::string, 1000));
    QVERIFY(E2e::waitUntil(
        [&] {
            const ClipboardContent content = capped.read({PasteboardType::string});
            return content.status == ClipboardContent::Status::Read &&
                   content.items.first().dataForType(PasteboardType::string) == QByteArray(1000, 'g');
        },
        5000));
}

void TestWaylandExtDataControl::recordsCopiesAndServesCopyBack()
{
    BrimbleSession session;
    QVERIFY(startSession(session));

    QVERIFY(compositor_->offer({{PasteboardType::string, "older"}}));
    QVERIFY(session.waitForCount(1));
    PasteInfModel text = session.storedItems().first();
    QCOMPARE(text.pasteboardItems()->first().plainString(), QStringLiteral("older"));
    QVERIFY(!text.appName && !text.appBundleIdentifier);

    // A source that hangs costs its own copy only.
    QVERIFY(compositor_->offerHanging({PasteboardType::string}));
    E2e::settle(300);
    QVERIFY(compositor_->offer({{PasteboardType::string, "newer"}, {PasteboardType::html, "<b>newer</b>"}}));
    QVERIFY(session.waitForCount(2, 15000));
    const PasteInfModel rich = session.storedItems().first();
    QCOMPARE(rich.types.value_or(QStringList()), (QStringList{PasteboardType::string, PasteboardType::html}));

    // Copying an item back makes Brimble the owner; a pasting client gets it through a pipe,
    // and Brimble does not record its own write.
    QCOMPARE(session.cli({"copy", "2"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([&] { return compositor_->types().contains(PasteboardType::marker); }, 5000));
    QCOMPARE(compositor_->read(PasteboardType::string).value_or(QByteArray()), QByteArray("older"));
    E2e::settle(1200);
    QCOMPARE(session.storedCount(), 2);
}

void TestWaylandExtDataControl::passwordHintedCopyIsNotRecorded()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    QVERIFY(compositor_->offer(
        {{PasteboardType::string, "hunter2"}, {PasteboardType::passwordManagerHints.first(), "secret"}}));
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);

    QVERIFY(compositor_->offer({{PasteboardType::string, "an ordinary copy"}}));
    QVERIFY(session.waitForCount(1));
}

void TestWaylandExtDataControl::copyPastTheSizeCapIsNotRecorded()
{
    BrimbleSession session;
    QVERIFY(startSession(session));
    QVERIFY(compositor_->offerGenerated(PasteboardType::string, Clipboard::maxItemBytes + 1));
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("not recorded"); }, 20000));
    QCOMPARE(session.storedCount(), 0);

    QVERIFY(compositor_->offer({{PasteboardType::string, "small again"}}));
    QVERIFY(session.waitForCount(1));
}

QTEST_GUILESS_MAIN(TestWaylandExtDataControl)
#include "tst_waylandextdatacontrol.moc"
