// Records copies made by real X11 clients into a running brimble and checks the store.
#include "E2eSupport.h"

#include "model/CoreDataManager.h"
#include "model/IgnoredAppInfModel.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"
#include "platform/x11/XcbReply.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QThread>

#include <xcb/xcb.h>
#include <QTest>

namespace {
QStringList ownerArgs(const QList<QPair<QString, QString>>& targets, const QStringList& extra = {})
{
    QStringList args{"--class", BrimbleSession::testAppClass, "--title", "Owner"};
    for (const auto& [type, value] : targets)
        args << "--target" << type + "=" + value;
    return args + extra;
}

QByteArray dataFor(const PasteInfModel& model, const QString& type)
{
    const auto& items = model.pasteboardItems();
    if (!items || items->isEmpty())
        return {};
    return items->first().dataForType(type).value_or(QByteArray());
}
} // namespace

class TestCapture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nothingIsRecordedAtLaunch();
    void repeatsAreRecordedOnceInARow();
    void quickCopiesAreAllRecordedInOrder();
    void copiesDifferingInOneRepresentationAreNoRepeat();
    void pausedCopiesAreNeverRecorded();
    void ignoredApplicationsAreNotRecorded_data();
    void ignoredApplicationsAreNotRecorded();
    void ownAndSecretCopiesAreNotRecorded_data();
    void ownAndSecretCopiesAreNotRecorded();
    void distinctTargetsAreKeptInOrder();
    void latin1CopyIsRecordedWithItsText();
    void largeImageIsRecordedWhole();
    void oversizedCopyIsRefusedOnItsAnnouncedSize();
    void stalledOwnerDoesNotHangBrimble();
    void writeBackGoesBeforeASlowCapture();
    void windowlessCopyIsNotCreditedToTheAppInFront();
    void refusedCopyIsRecordedOnceTheOwnerAnswers();
    void secondInstanceHandsOverAndExits();
    void terminationSignalSavesAndExits();
};

void TestCapture::nothingIsRecordedAtLaunch()
{
    E2e::xclipCopy("on the clipboard before launch");
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
}

void TestCapture::repeatsAreRecordedOnceInARow()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("alpha");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy("alpha");
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 1);
    E2e::xclipCopy("beta");
    QVERIFY(session.waitForCount(2));
    E2e::xclipCopy("alpha");
    QVERIFY(session.waitForCount(3));

    const QList<PasteInfModel> items = session.storedItems();
    QCOMPARE(dataFor(items.at(0), "UTF8_STRING"), QByteArray("alpha"));
    QCOMPARE(dataFor(items.at(1), "UTF8_STRING"), QByteArray("beta"));
    QCOMPARE(dataFor(items.at(2), "UTF8_STRING"), QByteArray("alpha"));
    for (const PasteInfModel& item : items)
        QCOMPARE(item.categoryUUID, std::optional<QString>(kDefaultCategoryUUID));
}

void TestCapture::quickCopiesAreAllRecordedInOrder()
{
    BrimbleSession session;
    QVERIFY(session.start());
    // Each xclip serves its copy until the next one takes the clipboard, 50 ms later. Its
    // parent may exit before the child has taken the clipboard, so each copy is timed from the
    // moment it is there.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_atom_t clipboard = internAtom(connection, "CLIPBOARD");
    auto owner = [&] {
        ReplyPtr<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, clipboard), nullptr));
        return reply ? reply->owner : xcb_window_t(XCB_NONE);
    };
    constexpr int copies = 500;
    QElapsedTimer clock;
    for (int i = 0; i < copies; ++i) {
        // Events keep flowing meanwhile, so brimble's log is read and never blocks it.
        while (i > 0 && clock.elapsed() < 50)
            QCoreApplication::processEvents(QEventLoop::AllEvents, int(50 - clock.elapsed()));
        const xcb_window_t previous = owner();
        E2e::xclipCopy("copy " + QByteArray::number(i));
        QElapsedTimer taking;
        taking.start();
        while (owner() == previous && taking.elapsed() < 5000)
            QCoreApplication::processEvents();
        clock.start();
    }
    xcb_disconnect(connection);
    QVERIFY2(session.waitForCount(copies, 60000), qPrintable(QString::number(session.storedCount())));
    const QList<PasteInfModel> items = session.storedItems();
    for (int i = 0; i < copies; ++i)
        QCOMPARE(dataFor(items.at(i), "UTF8_STRING"), "copy " + QByteArray::number(copies - 1 - i));
}

void TestCapture::copiesDifferingInOneRepresentationAreNoRepeat()
{
    BrimbleSession session;
    QVERIFY(session.start());
    for (const char* html : {"<b>v1</b>", "<b>v2</b>", "<b>v2</b>"}) {
        HelperProcess owner("clipowner", ownerArgs({{"UTF8_STRING", "same"}, {"text/html", html}}),
                            session.environment());
        QVERIFY(owner.waitReady());
        E2e::settle(800);
    }
    const QList<PasteInfModel> items = session.storedItems();
    QCOMPARE(items.size(), 2);
    QCOMPARE(dataFor(items.at(0), "text/html"), QByteArray("<b>v2</b>"));
    QCOMPARE(dataFor(items.at(1), "text/html"), QByteArray("<b>v1</b>"));
}

void TestCapture::pausedCopiesAreNeverRecorded()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QCOMPARE(session.cli({"pause"}).exitCode, 0);
    E2e::xclipCopy("while paused");
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
    QVERIFY(session.log().contains("pause recording, ignore current change"));

    QCOMPARE(session.cli({"resume"}).exitCode, 0);
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0); // resuming does not record the skipped copy
    E2e::xclipCopy("after resuming");
    QVERIFY(session.waitForCount(1));
}

void TestCapture::ignoredApplicationsAreNotRecorded_data()
{
    QTest::addColumn<QString>("ignoredIdentifier");
    QTest::addColumn<bool>("fromTestApp");
    QTest::newRow("desktop entry of the owner") << BrimbleSession::testAppId << true;
    // xclip has no window or desktop entry, and no application was in front.
    QTest::newRow("no application is \"nil\"") << QStringLiteral("nil") << false;
}

void TestCapture::ignoredApplicationsAreNotRecorded()
{
    QFETCH(QString, ignoredIdentifier);
    QFETCH(bool, fromTestApp);
    BrimbleSession session;
    {
        // The rule is in the history before Brimble starts, as the rules tab leaves it.
        CoreDataManager store;
        QVERIFY(store.open(session.databasePath()));
        IgnoredAppInfModel rule = IgnoredAppInfModel::fromPath(session.desktopFilePath());
        rule.bundleIdentifier = ignoredIdentifier;
        store.insertIgnoredApp(rule);
        store.close();
    }
    QVERIFY(session.start());
    std::unique_ptr<HelperProcess> owner;
    if (fromTestApp) {
        owner = std::make_unique<HelperProcess>("clipowner", ownerArgs({{"UTF8_STRING", "ignored copy"}}),
                                                session.environment());
        QVERIFY(owner->waitReady());
    } else {
        E2e::xclipCopy("ignored copy");
    }
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
    QVERIFY(session.log().contains("ignore app: " + ignoredIdentifier));
}

void TestCapture::ownAndSecretCopiesAreNotRecorded_data()
{
    QTest::addColumn<QString>("extraTarget");
    QTest::addColumn<QString>("extraValue");
    QTest::addColumn<QStringList>("ownerOptions");
    const QString hint = QStringLiteral("x-kde-passwordManagerHint");
    QTest::newRow("Brimble's marker") << PasteboardType::marker << PasteboardType::marker << QStringList();
    QTest::newRow("password manager hint") << hint << QStringLiteral("secret") << QStringList();
    QTest::newRow("hint that never answers")
        << hint << QStringLiteral("public") << QStringList{"--stall-target", hint};
}

void TestCapture::ownAndSecretCopiesAreNotRecorded()
{
    QFETCH(QString, extraTarget);
    QFETCH(QString, extraValue);
    QFETCH(QStringList, ownerOptions);
    BrimbleSession session;
    QVERIFY(session.start());
    HelperProcess owner(
        "clipowner",
        ownerArgs({{"UTF8_STRING", "not for the history"}, {extraTarget, extraValue}}, ownerOptions),
        session.environment());
    QVERIFY(owner.waitReady());
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
    // A plain copy afterwards is recorded: the skipped one did not wedge the monitor.
    E2e::xclipCopy("ordinary copy");
    QVERIFY(session.waitForCount(1));
}

void TestCapture::distinctTargetsAreKeptInOrder()
{
    BrimbleSession session;
    QVERIFY(session.start());
    // As toolkits offer them: one picture under ten encodings, one text under several names.
    const QList<QPair<QString, QString>> kept = {{"text/html", "<img src=x>"},
                                                 {"image/png", "\x01PNG pixels"},
                                                 {"text/plain;charset=utf-8", "bold"},
                                                 {"application/x-brimble-test", "opaque \x01 bytes"}};
    const QStringList skipped = {"image/bmp",
                                 "image/x-bmp",
                                 "image/x-MS-bmp",
                                 "image/x-icon",
                                 "image/tiff",
                                 "image/jpeg",
                                 "image/x-portable-pixmap",
                                 "image/webp",
                                 "image/avif",
                                 "STRING",
                                 "TEXT",
                                 "text/plain",
                                 "text/plain;charset=ISO-8859-1"};
    QList<QPair<QString, QString>> offered = kept;
    for (const QString& type : skipped)
        offered.insert(2, {type, "the same again"});
    // The same text under its other UTF-8 name, after the first.
    offered.append(qMakePair(QStringLiteral("UTF8_STRING"), QStringLiteral("bold")));
    HelperProcess owner("clipowner", ownerArgs(offered, {"--report"}), session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY(session.waitForCount(1));

    const PasteInfModel item = session.storedItems().first();
    QStringList expectedTypes;
    for (const auto& target : kept)
        expectedTypes << target.first;
    QCOMPARE(item.types.value_or(QStringList()), expectedTypes);
    const auto& stored = item.pasteboardItems();
    QVERIFY(stored && stored->size() == 1);
    QCOMPARE(stored->first().types(), expectedTypes);
    for (const auto& [type, value] : kept)
        QCOMPARE(dataFor(item, type), value.toUtf8());
    // The other encodings were never even read.
    QVERIFY(owner.waitForLine("served image/png"));
    for (const QString& type : skipped)
        QVERIFY2(!owner.waitForLine("served " + type, 0), qPrintable(type));

    // The owner's window resolves to its desktop entry.
    QCOMPARE(item.appName, std::optional<QString>(BrimbleSession::testAppName));
    QCOMPARE(item.appBundleIdentifier, std::optional<QString>(BrimbleSession::testAppId));
    QCOMPARE(item.appBundleUrl, std::optional<QString>(session.desktopFilePath()));

    // The text stored once is offered under both UTF-8 names again.
    QCOMPARE(session.cli({"copy", "1"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains(PasteboardType::marker); }, 5000));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("bold"));
    QCOMPARE(E2e::xclipRead("text/plain;charset=utf-8"), QByteArray("bold"));
}

void TestCapture::latin1CopyIsRecordedWithItsText()
{
    BrimbleSession session;
    QVERIFY(session.start());
    const QByteArray latin1("caf\xe9 cr\xe8me");
    const QByteArray utf8 = QString::fromLatin1(latin1).toUtf8();
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(latin1);
    file.close();
    {
        HelperProcess owner("clipowner", ownerArgs({}, {"--target-file", "STRING=" + file.fileName()}),
                            session.environment());
        QVERIFY(owner.waitReady());
        QVERIFY(session.waitForCount(1));
    }
    PasteInfModel item = session.storedItems().first();
    QCOMPARE(item.pasteboardItems()->first().plainString(), std::optional<QString>(QString::fromUtf8(utf8)));

    // Written back, it is the same text under every name, Latin-1 under STRING.
    QCOMPARE(session.cli({"copy", "1"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains(PasteboardType::marker); }, 5000));
    QCOMPARE(E2e::xclipRead("STRING"), latin1);
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), utf8);
    QCOMPARE(E2e::xclipRead("TEXT"), utf8);
}

void TestCapture::largeImageIsRecordedWhole()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QByteArray image(20 * 1024 * 1024, Qt::Uninitialized);
    auto* words = reinterpret_cast<quint32*>(image.data());
    QRandomGenerator generator(7);
    generator.fillRange(words, image.size() / 4);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(image);
    file.close();

    HelperProcess owner(
        "clipowner",
        {"--class", BrimbleSession::testAppClass, "--target-file", "image/png=" + file.fileName()},
        session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY(session.waitForCount(1, 30000));
    const QByteArray stored = dataFor(session.storedItems().first(), "image/png");
    QCOMPARE(stored.size(), image.size());
    QCOMPARE(QCryptographicHash::hash(stored, QCryptographicHash::Sha256),
             QCryptographicHash::hash(image, QCryptographicHash::Sha256));
}

void TestCapture::oversizedCopyIsRefusedOnItsAnnouncedSize()
{
    BrimbleSession session;
    QVERIFY(session.start());
    // 300 MB announced for an incremental transfer: refused from the announcement, so the few
    // bytes actually sent are never stored.
    HelperProcess owner("clipowner",
                        ownerArgs({{"UTF8_STRING", QString(4096, 'x')}},
                                  {"--incr-chunk", "1024", "--announce-size", "314572800"}),
                        session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("copy larger than 256 MB, not recorded"); },
                           5000));
    E2e::settle(1000);
    QCOMPARE(session.storedCount(), 0);
    // A later copy is recorded as usual.
    E2e::xclipCopy("small again");
    QVERIFY(session.waitForCount(1));
}

void TestCapture::stalledOwnerDoesNotHangBrimble()
{
    BrimbleSession session;
    QVERIFY(session.start());
    {
        HelperProcess owner("clipowner", ownerArgs({{"UTF8_STRING", "never served"}}, {"--stall"}),
                            session.environment());
        QVERIFY(owner.waitReady());
        E2e::settle(1000);
        // Brimble still answers while the read is stuck.
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(session.cli({"clipboards"}, 5000).exitCode, 0);
    }
    E2e::xclipCopy("after the stall");
    QVERIFY(session.waitForCount(1, 15000));
    QCOMPARE(dataFor(session.storedItems().first(), "UTF8_STRING"), QByteArray("after the stall"));
}

void TestCapture::writeBackGoesBeforeASlowCapture()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("pasted back");
    QVERIFY(session.waitForCount(1));
    // Lists its types at once but never sends any: each read of it takes seconds, and the
    // monitor keeps asking again.
    const QStringList types = {"text/html", "text/rtf", "UTF8_STRING", "application/x-brimble-test"};
    QStringList stalls;
    QList<QPair<QString, QString>> targets;
    for (const QString& type : types) {
        stalls << "--stall-target" << type;
        targets.append({type, "slow"});
    }
    HelperProcess owner("clipowner", ownerArgs(targets, stalls), session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("type not readable: text/html"); }, 5000));

    QCOMPARE(session.cli({"copy", "1"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains(PasteboardType::marker); }, 5000));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("pasted back"));
    // The read in progress gave way instead of running to its end first.
    QVERIFY(
        E2e::waitUntil([&] { return session.log().contains("read abandoned: a write goes first"); }, 5000));
    QCOMPARE(session.storedCount(), 1);
}

void TestCapture::windowlessCopyIsNotCreditedToTheAppInFront()
{
    BrimbleSession session;
    {
        CoreDataManager store;
        QVERIFY(store.open(session.databasePath()));
        IgnoredAppInfModel rule = IgnoredAppInfModel::fromPath(session.desktopFilePath());
        rule.bundleIdentifier = BrimbleSession::testAppId;
        store.insertIgnoredApp(rule);
        store.close();
    }
    QVERIFY(session.start());
    // An ignored application is in front and owns nothing; a script copies.
    HelperProcess front("clipowner", ownerArgs({}, {"--selection", "PRIMARY"}), session.environment());
    QVERIFY(front.waitReady());
    E2e::settle(500);
    E2e::xclipCopy("from a script");
    QVERIFY(session.waitForCount(1));
    const PasteInfModel item = session.storedItems().first();
    QCOMPARE(dataFor(item, "UTF8_STRING"), QByteArray("from a script"));
    QVERIFY(!item.appBundleIdentifier);
    QVERIFY(!item.appName);
}

void TestCapture::refusedCopyIsRecordedOnceTheOwnerAnswers()
{
    BrimbleSession session;
    QVERIFY(session.start());
    // Refused on every tick for a while, as by an owner still preparing its data.
    HelperProcess owner("clipowner",
                        ownerArgs({{"UTF8_STRING", "late but whole"}}, {"--refuse-for-ms", "2500"}),
                        session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY(session.waitForCount(1, 15000));
    QCOMPARE(dataFor(session.storedItems().first(), "UTF8_STRING"), QByteArray("late but whole"));
    // Logged once for the copy, not on every tick.
    QCOMPARE(session.log().count("type not readable: UTF8_STRING (refused)"), 1);
}

void TestCapture::secondInstanceHandsOverAndExits()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QProcess second;
    second.setProcessEnvironment(session.environment());
    second.start(qEnvironmentVariable("BRIMBLE_BIN"), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(session.isRunning());
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("reopen"); }, 5000));
    QCOMPARE(session.stop(), 0);
}

void TestCapture::terminationSignalSavesAndExits()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("kept through SIGTERM");
    QVERIFY(session.waitForCount(1));
    QCOMPARE(session.terminate(), 0);
    QVERIFY(session.log().contains("termination requested"));
    QCOMPARE(session.storedCount(), 1);
}

QTEST_GUILESS_MAIN(TestCapture)
#include "tst_capture.moc"
