// Writes recorded items back to the X11 clipboard and pastes them into a real window.
#include "E2eSupport.h"

#include "model/CoreDataManager.h"
#include "platform/PasteboardTypes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList contentTargets()
{
    QStringList targets = E2e::xclipTargets();
    targets.removeIf([](const QString& t) { return PasteboardType::isMetaTarget(t); });
    return targets;
}

// Records one copy offered by the test application with these targets (bytes passed through
// files, so binary values arrive exactly), then lets the owner go.
bool recordCopy(BrimbleSession& session, const QList<QPair<QString, QByteArray>>& targets, int expectedCount)
{
    QTemporaryDir dir;
    QStringList args{"--class", BrimbleSession::testAppClass};
    int n = 0;
    for (const auto& [type, value] : targets) {
        QFile file(dir.filePath(QString::number(n++)));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(value);
        args << "--target-file" << type + "=" + file.fileName();
    }
    HelperProcess owner("clipowner", args, session.environment());
    return owner.waitReady() && session.waitForCount(expectedCount);
}

// `brimble ARGS` started without waiting for it, for what must happen while it runs.
std::unique_ptr<QProcess> startCli(const BrimbleSession& session, const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(session.environment());
    process->start(qEnvironmentVariable("BRIMBLE_BIN", QStringLiteral("brimble")), arguments);
    return process;
}

bool writePreferences(const BrimbleSession& session, const QByteArray& json)
{
    QDir().mkpath(QFileInfo(session.preferencesPath()).path());
    QFile prefs(session.preferencesPath());
    return prefs.open(QIODevice::WriteOnly) && prefs.write(json) == json.size();
}

QJsonObject readReport(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QByteArray reportedBytes(const QJsonObject& report, const QString& target)
{
    for (const QJsonValue& value : report.value("targets").toArray()) {
        const QJsonObject entry = value.toObject();
        if (entry.value("name").toString() == target)
            return QByteArray::fromBase64(entry.value("data").toString().toLatin1());
    }
    return {};
}
} // namespace

class TestPaste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesEveryStoredTargetWithTheMarker();
    void plainTextOffersOnlyTheText_data();
    void plainTextOffersOnlyTheText();
    void pasteLandsInThePreviousWindow();
    void noKeyIsSentWhenPasteIsNotAllowed_data();
    void noKeyIsSentWhenPasteIsNotAllowed();
    void noKeyIsSentWhenTheWindowIsGone();
    void deleteAfterPasteWaitsForTheWrite();
    void plainCopyWithoutTextLeavesTheClipboard();
    void requestsWaitForStartUp();
    void quitDuringAPasteEndsCleanly_data();
    void quitDuringAPasteEndsCleanly();
};

void TestPaste::writesEveryStoredTargetWithTheMarker()
{
    BrimbleSession session;
    QVERIFY(session.start());
    const QList<QPair<QString, QByteArray>> targets = {{"text/html", "<i>rich</i>"},
                                                       {"text/plain;charset=utf-8", "rich"},
                                                       {"application/x-brimble-test", "opaque"}};
    QVERIFY(recordCopy(session, targets, 1));

    const auto result = session.cli({"copy", "1"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains(PasteboardType::marker); }, 5000));

    // Every stored target in its order, then the marker; the clipboard may add the other
    // plain-text names for the text.
    QStringList expected;
    for (const auto& target : targets)
        expected << target.first;
    expected << PasteboardType::marker;
    QStringList offered = contentTargets();
    offered.removeIf([&](const QString& t) {
        return PasteboardType::plainTextNames.contains(t) && !expected.contains(t);
    });
    QCOMPARE(offered, expected);
    for (const auto& [type, value] : targets)
        QCOMPARE(E2e::xclipRead(type), value);

    // Brimble's own generation is not recorded again.
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 1);
}

void TestPaste::plainTextOffersOnlyTheText_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expectedText");

    QTest::newRow("text") << "text/plain;charset=utf-8" << QByteArray("plain words")
                          << QByteArray("plain words");
    QTest::newRow("two files as two paths")
        << "text/uri-list" << QByteArray("file:///tmp/a%20b.txt\r\nfile:///tmp/c.txt\r\n")
        << QByteArray("/tmp/a b.txt\n/tmp/c.txt");
}

void TestPaste::plainTextOffersOnlyTheText()
{
    QFETCH(QString, type);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expectedText);
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordCopy(session, {{type, value}}, 1));

    QCOMPARE(session.cli({"copy", "1", "--plain"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains(PasteboardType::marker); }, 5000));
    QStringList targets = contentTargets();
    targets.sort();
    QStringList expected = PasteboardType::plainTextNames;
    expected << PasteboardType::marker;
    expected.sort();
    QCOMPARE(targets, expected);
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), expectedText);
    QCOMPARE(E2e::xclipRead(PasteboardType::marker), PasteboardType::marker.toUtf8());
}

void TestPaste::pasteLandsInThePreviousWindow()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "pasted by brimble"}}, 1));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());

    QCOMPARE(session.cli({"paste", "1"}).exitCode, 0);
    QVERIFY(target.waitForLine("pasted", 10000));
    const QJsonObject received = readReport(report);
    QCOMPARE(reportedBytes(received, "UTF8_STRING"), QByteArray("pasted by brimble"));
    QVERIFY(received.value("targets").toArray().size() >= 2); // the text and the marker
    QCOMPARE(reportedBytes(received, PasteboardType::marker), PasteboardType::marker.toUtf8());
    E2e::settle(1000);
    QCOMPARE(session.storedCount(), 1);
}

void TestPaste::noKeyIsSentWhenPasteIsNotAllowed_data()
{
    QTest::addColumn<bool>("xtestRefused");
    QTest::addColumn<bool>("autoPasteOff");
    QTest::newRow("XTest refused") << true << false;
    QTest::newRow("auto-paste off") << false << true;
}

void TestPaste::noKeyIsSentWhenPasteIsNotAllowed()
{
    QFETCH(bool, xtestRefused);
    QFETCH(bool, autoPasteOff);
    BrimbleSession session;
    if (autoPasteOff)
        QVERIFY(writePreferences(session, R"({"preferences.auto_paste_to_current_app": false})"));
    QProcessEnvironment extra;
    if (xtestRefused)
        extra.insert("BRIMBLE_DISABLE_XTEST", "1");
    QVERIFY(session.start(extra));
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "only on the clipboard"}}, 1));

    QTemporaryDir dir;
    const QString report = dir.filePath("report.json");
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", report},
                         session.environment());
    QVERIFY(target.waitReady());
    // Without auto-paste the user pastes by hand (the item is only copied, which the exit status
    // says); a refused key stroke is a paste that failed.
    const auto result = session.cli({"paste", "1"});
    QCOMPARE(result.exitCode, xtestRefused ? 1 : 6);
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("only on the clipboard"));
    E2e::settle(1500);
    QVERIFY(!QFile::exists(report));
    if (xtestRefused) {
        QVERIFY(result.err.contains("XTest"));
        QVERIFY(session.log().contains("accessibility not turn on"));
    }
}

void TestPaste::noKeyIsSentWhenTheWindowIsGone()
{
    // The write waits long enough for the window the paste was meant for to close meanwhile;
    // the window behind it comes to the front and must not get the key stroke.
    BrimbleSession session;
    QProcessEnvironment slow;
    slow.insert("BRIMBLE_TEST_SLOW_CONTENT_MS", "1500");
    QVERIFY(session.start(slow));
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "meant for a closed window"}}, 1));

    QTemporaryDir dir;
    const QString behindReport = dir.filePath("behind.json");
    HelperProcess behind("pastetarget", {"--class", "PasteTarget", "--report", behindReport},
                         session.environment());
    QVERIFY(behind.waitReady());
    auto meant = std::make_unique<HelperProcess>(
        "pastetarget", QStringList{"--class", "PasteTarget", "--report", dir.filePath("meant.json")},
        session.environment());
    QVERIFY(meant->waitReady());

    auto paste = startCli(session, {"paste", "1"});
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("writing 1 item(s) to paste"); }, 10000));
    meant.reset();
    QVERIFY(paste->waitForFinished(20000));
    QCOMPARE(paste->exitCode(), 1);
    QVERIFY(paste->readAllStandardError().contains("the window to paste into is gone"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("meant for a closed window"));
    E2e::settle(1000);
    QVERIFY(!QFile::exists(behindReport));
}

void TestPaste::deleteAfterPasteWaitsForTheWrite()
{
    // The item is removed after the write, which loads its content from the history first;
    // the reply comes once the clipboard holds it.
    BrimbleSession session;
    QVERIFY(writePreferences(session, R"({"preferences.delete_after_pasted_key": true})"));
    QProcessEnvironment slow;
    slow.insert("BRIMBLE_TEST_SLOW_CONTENT_MS", "1500");
    QVERIFY(session.start(slow));
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "copied then removed"}}, 1));
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "stays"}}, 2));

    QCOMPARE(session.cli({"copy", "2"}).exitCode, 0);
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("copied then removed"));
    const auto listed = session.cli({"list"});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY(listed.out.contains("stays"));
    QVERIFY(!listed.out.contains("copied then removed"));
}

void TestPaste::plainCopyWithoutTextLeavesTheClipboard()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QVERIFY(recordCopy(session, {{"application/x-brimble-test", "no text in here"}}, 1));
    E2e::xclipCopy("what the user copied last");
    QVERIFY(session.waitForCount(2));

    const auto result = session.cli({"copy", "2", "--plain"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains("no plain text"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("what the user copied last"));
}

void TestPaste::requestsWaitForStartUp()
{
    // A history that cannot be opened holds start-up in its error dialog, whose event loop
    // already serves the socket: a request then is refused, Brimble stays up.
    BrimbleSession session;
    QDir().mkpath(QFileInfo(session.databasePath()).path());
    QFile database(session.databasePath());
    QVERIFY(database.open(QIODevice::WriteOnly));
    database.write(QByteArray(8192, 'x'));
    database.close();
    QProcessEnvironment env = session.environment();
    env.remove("BRIMBLE_NO_DIALOGS");
    QProcess brimble;
    brimble.setProcessEnvironment(env);
    brimble.start(qEnvironmentVariable("BRIMBLE_BIN", QStringLiteral("brimble")), {});
    QVERIFY(brimble.waitForStarted());

    QVERIFY(E2e::waitUntil([&] { return session.cli({"pause"}).err.contains("still starting"); }, 15000));
    QCOMPARE(brimble.state(), QProcess::Running);
    brimble.kill();
    brimble.waitForFinished();
}

void TestPaste::quitDuringAPasteEndsCleanly_data()
{
    QTest::addColumn<bool>("bySignal");
    QTest::newRow("brimble quit") << false;
    QTest::newRow("SIGTERM") << true;
}

void TestPaste::quitDuringAPasteEndsCleanly()
{
    QFETCH(bool, bySignal);
    BrimbleSession session;
    QProcessEnvironment slow;
    slow.insert("BRIMBLE_TEST_SLOW_CONTENT_MS", "1500");
    QVERIFY(session.start(slow));
    QVERIFY(recordCopy(session, {{"UTF8_STRING", "kept across the quit"}}, 1));
    // Our own reader would keep the write-ahead log alive.
    session.closeStore();

    QTemporaryDir dir;
    HelperProcess target("pastetarget", {"--class", "PasteTarget", "--report", dir.filePath("report.json")},
                         session.environment());
    QVERIFY(target.waitReady());
    auto paste = startCli(session, {"paste", "1"});
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("writing 1 item(s) to paste"); }, 10000));

    QCOMPARE(bySignal ? session.terminate() : session.stop(), 0);
    QVERIFY(!QFile::exists(session.databasePath() + "-wal"));
    QCOMPARE(session.storedCount(), 1);
    const QFileInfo state(session.home() + "/state/brimble");
    QVERIFY(state.isDir());
    QVERIFY(!(state.permissions() & (QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther)));
    paste->waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestPaste)
#include "tst_paste.moc"
