// The brimble command line against a running brimble and against the store alone.
#include "E2eSupport.h"
#include "TestSupport.h"

#include "platform/PasteboardTypes.h"

#include "model/CoreDataManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList lines(const QByteArray& out)
{
    return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
}

// One request straight on the session's socket, for what the command line does not send.
QJsonObject sendRequest(const BrimbleSession& session, const QJsonObject& request)
{
    QLocalSocket socket;
    socket.connectToServer(session.home() + "/runtime/brimble.sock");
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + "\n");
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(10000))
        answer += socket.readAll();
    return QJsonDocument::fromJson(answer.trimmed()).object();
}

BrimbleSession::Result runBrimble(const QProcessEnvironment& env, const QStringList& arguments)
{
    return BrimbleSession::run(env, arguments, 30000);
}

// Lets the GUI thread of a Brimble held on the FIFO go on; harmless when none waits.
void release(const QString& fifo)
{
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    [[maybe_unused]] auto written = ::write(fd, "x", 1);
    ::close(fd);
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsSearchesAndCopiesBack();
    void pauseAndResume();
    void badInputExitsWithOneLine_data();
    void badInputExitsWithOneLine();
    void readsTheStoreWhenBrimbleIsNotRunning();
    void unreadableStoreIsReported();
    void damagedHistoryIsReportedByEveryReadingVerb();
    void helpAndVersion();
    void theDesktopLanguageIsSpoken();
    void busyBrimbleSaysSo();
    void noDisplayIsSaidInOneLine_data();
    void noDisplayIsSaidInOneLine();
    void copyAndPasteSayWhatTheyDid();
    void secretsAreMaskedUnlessRevealed();
    void pasteWithNoWindowToPasteIntoFails();
    void quitSaysWhenTheHistoryWasNotSaved_data();
    void quitSaysWhenTheHistoryWasNotSaved();
    void exportAndImportIntoAnEmptyHistory();
};

void TestCommandLine::listsSearchesAndCopiesBack()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("first line of the older copy\nsecond line");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy("https://example.org/newer");
    QVERIFY(session.waitForCount(2));

    auto list = session.cli({"list"});
    QCOMPARE(list.exitCode, 0);
    QVERIFY(list.err.isEmpty());
    QStringList rows = lines(list.out);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).split('\t').value(0), QStringLiteral("1"));
    QCOMPARE(rows.at(0).split('\t').value(2), QStringLiteral("link"));
    QCOMPARE(rows.at(0).split('\t').value(3), QStringLiteral("https://example.org/newer"));
    QCOMPARE(rows.at(1).split('\t').value(2), QStringLiteral("plain_text"));
    QCOMPARE(rows.at(1).split('\t').value(3), QStringLiteral("first line of the older copy"));

    QCOMPARE(lines(session.cli({"list", "--limit", "1"}).out).size(), 1);

    const auto json = session.cli({"list", "--json"});
    const QJsonArray items = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(items.size(), 2);
    const QJsonObject newest = items.at(0).toObject();
    QCOMPARE(newest.value("uuid").toString().size(), 36);
    QCOMPARE(newest.value("clipboard").toString(), QStringLiteral("Clipboard History"));
    QCOMPARE(newest.value("displayType").toString(), QStringLiteral("link"));
    QCOMPARE(items.at(1).toObject().value("type").toString(), QStringLiteral("plain_text"));
    QVERIFY(newest.value("types").toArray().contains(QJsonValue("UTF8_STRING")));
    QCOMPARE(newest.value("text").toString(), QStringLiteral("https://example.org/newer"));

    rows = lines(session.cli({"search", "OLDER"}).out);
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows.first().endsWith("first line of the older copy"));
    QCOMPARE(lines(session.cli({"search", "type:link"}).out).size(), 1);
    QCOMPARE(lines(session.cli({"search", "type:image"}).out).size(), 0);

    const QStringList clipboards = lines(session.cli({"clipboards"}).out);
    QCOMPARE(clipboards.size(), 5);
    QCOMPARE(clipboards.first(), QStringLiteral("Clipboard History\t2 records"));

    // Copy back by position and by uuid.
    QCOMPARE(session.cli({"copy", "2"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::xclipRead("UTF8_STRING").startsWith("first line"); }, 5000));
    QCOMPARE(session.cli({"copy", newest.value("uuid").toString(), "--plain"}).exitCode, 0);
    QVERIFY(
        E2e::waitUntil([] { return E2e::xclipRead("UTF8_STRING") == "https://example.org/newer"; }, 5000));
    E2e::settle(1200);
    QCOMPARE(session.storedCount(), 2);
}

void TestCommandLine::pauseAndResume()
{
    BrimbleSession session;
    QVERIFY(session.start());
    QCOMPARE(session.cli({"pause"}).exitCode, 0);
    E2e::xclipCopy("paused copy");
    E2e::settle(1500);
    QCOMPARE(session.storedCount(), 0);
    QCOMPARE(session.cli({"resume"}).exitCode, 0);
    E2e::xclipCopy("resumed copy");
    QVERIFY(session.waitForCount(1));
}

void TestCommandLine::badInputExitsWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("unknown verb") << QStringList{"frobnicate"} << 2;
    QTest::newRow("unknown option") << QStringList{"list", "--colour"} << 2;
    QTest::newRow("unknown option alone") << QStringList{"--bogus"} << 2;
    QTest::newRow("salvage while running") << QStringList{"salvage"} << 1;
    QTest::newRow("bad limit") << QStringList{"list", "--limit", "none"} << 2;
    QTest::newRow("copy without item") << QStringList{"copy"} << 2;
    QTest::newRow("index out of range") << QStringList{"copy", "99"} << 1;
    QTest::newRow("index zero") << QStringList{"paste", "0"} << 1;
    QTest::newRow("unknown uuid") << QStringList{"copy", "00000000-0000-0000-0000-000000000000"} << 1;
    QTest::newRow("unknown clipboard") << QStringList{"list", "--clipboard", "Nope"} << 1;
    QTest::newRow("unknown type") << QStringList{"search", "type:bogus"} << 2;
    QTest::newRow("empty type") << QStringList{"search", "x", "type:"} << 2;
}

void TestCommandLine::badInputExitsWithOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    BrimbleSession session;
    QVERIFY(session.start());
    const auto result = session.cli(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(lines(result.err).size(), 1);
    QVERIFY(result.err.startsWith("brimble: "));
    if (arguments.first() == "search")
        QVERIFY2(result.err.contains("plain_text, rich_text, image"), result.err.constData());
}

void TestCommandLine::readsTheStoreWhenBrimbleIsNotRunning()
{
    BrimbleSession session;
    QVERIFY(session.start());
    // Escape sequences in a copy reach the terminal as text, not as commands.
    E2e::xclipCopy("kept \x1b]0;title\x07"
                   "after\tquitting \x1b[31m\xc2\x9b\xe2\x80\xae");
    QVERIFY(session.waitForCount(1));
    // A clean quit leaves the history in one file, its journal moved in, once no other
    // process (this test's own reader) holds it open.
    session.closeStore();
    QCOMPARE(session.stop(), 0);
    QVERIFY(!QFileInfo::exists(session.databasePath() + "-wal"));
    QVERIFY(!QFileInfo::exists(session.databasePath() + "-shm"));

    const auto list = session.cli({"list"});
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(lines(list.out).first().endsWith(R"(kept \x1b]0;title\x07after\tquitting \x1b[31m\u009b\u202e)"),
             list.out.constData());
    QCOMPARE(lines(session.cli({"clipboards"}).out).size(), 5);

    for (const char* verb : {"pause", "resume", "quit", "toggle"}) {
        const auto result = session.cli({verb});
        QCOMPARE(result.exitCode, 3);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(lines(result.err).size(), 1);
    }
    const auto copy = session.cli({"copy", "1"});
    QCOMPARE(copy.exitCode, 3);

    // Salvage rebuilds the history beside a kept copy of the old file.
    const auto salvage = session.cli({"salvage"});
    QCOMPARE(salvage.exitCode, 0);
    QVERIFY2(salvage.out.contains("kept: 1 items, 5 clipboards, 1 ignore rules"), salvage.out.constData());
    // The old file moves aside with its WAL.
    const QStringList files =
        QDir(QFileInfo(session.databasePath()).path()).entryList({"Brimble.sqlite.damaged-*[0-9]"});
    QCOMPARE(files.size(), 1);
    QVERIFY(lines(session.cli({"list"}).out).first().contains("kept"));
}

void TestCommandLine::unreadableStoreIsReported()
{
    BrimbleSession session;
    // Before the first run there is no history to read.
    for (const QStringList& arguments :
         {QStringList{"list"}, QStringList{"search", "x"}, QStringList{"clipboards"}}) {
        const auto result = session.cli(arguments);
        QCOMPARE(result.exitCode, 4);
        QVERIFY(result.out.isEmpty());
        QVERIFY(result.err.contains("no history yet"));
    }

    QDir().mkpath(QFileInfo(session.databasePath()).path());
    QFile db(session.databasePath());
    QVERIFY(db.open(QIODevice::WriteOnly));
    const QByteArray garbage(8192, 'x');
    db.write(garbage);
    db.close();

    const auto result = session.cli({"list"});
    QCOMPARE(result.exitCode, 4);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(lines(result.err).size(), 1);
    QVERIFY(result.err.contains(session.databasePath().toUtf8()));

    // Brimble itself refuses to start on it and leaves the file as it was.
    QProcess brimble;
    brimble.setProcessEnvironment(session.environment());
    brimble.start(qEnvironmentVariable("BRIMBLE_BIN"), {});
    QVERIFY(brimble.waitForFinished(15000));
    QVERIFY(brimble.exitCode() != 0);
    QVERIFY(brimble.readAllStandardError().contains("Unresolved error"));
    QVERIFY(db.open(QIODevice::ReadOnly));
    QCOMPARE(db.readAll(), garbage);

    // Nor can it be salvaged: it is not a history.
    const auto salvage = session.cli({"salvage"});
    QCOMPARE(salvage.exitCode, 4);
    QCOMPARE(lines(salvage.err).size(), 1);
    db.close();
    QVERIFY(db.open(QIODevice::ReadOnly));
    QCOMPARE(db.readAll(), garbage);
}

// A history whose pages are damaged (its header still sound) is no empty history: every verb
// that reads it says so, with the way out, whether Brimble runs on it or not.
void TestCommandLine::damagedHistoryIsReportedByEveryReadingVerb()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("a copy on a page that will be damaged");
    QVERIFY(session.waitForCount(1));
    QCOMPARE(session.stop(), 0);
    QVERIFY(damageAllButSchema(session.databasePath()));
    const auto expectDamage = [&](const QStringList& arguments) {
        const auto result = session.cli(arguments);
        QVERIFY2(result.exitCode == 4, qPrintable(arguments.join(' ') + ": " + result.err));
        QCOMPARE(lines(result.err).size(), 1);
        QVERIFY2(result.err.contains("is damaged") && result.err.contains("brimble salvage"),
                 result.err.constData());
    };
    expectDamage({"list"});
    expectDamage({"search", "copy"});
    expectDamage({"clipboards"});

    // Running on it, Brimble stops writing and tells every reading verb, copy included.
    QVERIFY(session.start());
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("is damaged"); }, 5000));
    expectDamage({"list"});
    expectDamage({"clipboards", "--json"});
    expectDamage({"copy", "1"});
    expectDamage({"paste", "1"});
}

void TestCommandLine::helpAndVersion()
{
    BrimbleSession session;
    const auto help = session.cli({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("Usage: brimble"));
    const auto version = session.cli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("brimble "));
}

// The help and every message in the language of the desktop's locale, as Brimble's windows
// speak it; names, the machine-readable part and the exit codes stay as they are.
void TestCommandLine::theDesktopLanguageIsSpoken()
{
    BrimbleSession session;
    const auto speaking = [&](const QString& language) {
        QProcessEnvironment env = session.environment();
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        env.insert("LANG", "C.UTF-8");
        env.insert("LANGUAGE", language);
        return env;
    };
    QProcessEnvironment english = session.environment();
    english.remove("LANGUAGE");
    english.insert("LC_ALL", "C.UTF-8");
    const auto help = runBrimble(english, {"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: brimble"));
    QVERIFY(help.out.contains("      the history, newest first\n"));

    const auto german = runBrimble(speaking("de"), {"--help"});
    QCOMPARE(german.exitCode, 0);
    const QString hilfe = QString::fromUtf8(german.out);
    QVERIFY2(hilfe.startsWith("Aufruf: brimble"), german.out.constData());
    QVERIFY(hilfe.contains("\n  list [--clipboard NAME] [--limit N] [--json] [--reveal]\n"
                           "      der Verlauf, neueste Einträge zuerst\n"
                           "      --clipboard NAME  die aufzulistende Zwischenablage"));
    QVERIFY(hilfe.contains("      --limit N         höchstens N Einträge\n"));
    QVERIFY(!hilfe.contains("newest first"));

    // A wide script is wrapped by the columns it takes, not by its characters.
    const auto japanese = runBrimble(speaking("ja"), {"--help"});
    QCOMPARE(japanese.exitCode, 0);
    const QString ja = QString::fromUtf8(japanese.out);
    QVERIFY(ja.contains("      履歴 (新しい順)\n"));
    for (const QString& line : ja.split('\n')) {
        qsizetype columns = 0;
        for (const QChar c : line)
            columns += c.unicode() >= 0x2E80 ? 2 : 1;
        QVERIFY2(columns <= 79, qPrintable(line));
    }

    // Errors, a parse error included, in one line with the exit code of English.
    const struct
    {
        QStringList arguments;
        int exitCode;
        QString said;
    } errors[] = {
        {{"frobnicate"}, 2, "brimble: unbekannter Befehl „frobnicate“ (siehe brimble --help)\n"},
        {{"--bogus"}, 2, "brimble: unbekannte Option „--bogus“ (siehe brimble --help)\n"},
        {{"list", "--limit", "none"}, 2, "brimble: --limit erwartet eine ganze Zahl ab 1, nicht „none“\n"},
        {{"copy"}, 2, "brimble: copy erwartet genau einen Eintrag: eine UUID oder eine Position\n"},
        {{"pause"}, 3, "brimble: Brimble läuft nicht (starten Sie es mit `brimble`)\n"},
    };
    for (const auto& error : errors) {
        const auto result = runBrimble(speaking("de"), error.arguments);
        QCOMPARE(result.exitCode, error.exitCode);
        QCOMPARE(QString::fromUtf8(result.err), error.said);
        QVERIFY(result.out.isEmpty());
    }
    const auto french = runBrimble(speaking("fr"), {"search", "type:bogus"});
    QCOMPARE(french.exitCode, 2);
    const QString refused = QString::fromUtf8(french.err);
    QVERIFY2(refused.startsWith("brimble: «") && refused.contains("type:bogus") &&
                 refused.contains("ne désigne aucun type") && refused.contains("plain_text, rich_text"),
             french.err.constData());

    // Brimble itself says it has no display before it has windows to speak through.
    QProcessEnvironment noDisplay = speaking("de");
    noDisplay.remove("DISPLAY");
    noDisplay.remove("QT_QPA_PLATFORM");
    const auto start = runBrimble(noDisplay, {});
    QCOMPARE(start.exitCode, 7);
    QVERIFY2(QString::fromUtf8(start.err).startsWith(
                 "brimble: kein Display zum Öffnen: DISPLAY ist nicht gesetzt"),
             start.err.constData());
}

void TestCommandLine::busyBrimbleSaysSo()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("hold");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    BrimbleSession session;
    QProcessEnvironment extra;
    extra.insert("BRIMBLE_TEST_HOLD_FIFO", fifo);
    QVERIFY(session.start(extra));
    const auto releaseAtEnd = qScopeGuard([&] { release(fifo); });

    // The GUI thread stops, as under a long layout.
    QCOMPARE(sendRequest(session, {{"verb", "hold"}}).value("ok").toBool(), true);
    const auto pause = session.cli({"pause"});
    QCOMPARE(pause.exitCode, 5);
    QCOMPARE(lines(pause.err).size(), 1);
    QVERIFY2(pause.err.contains("busy"), pause.err.constData());
    QVERIFY(!pause.err.contains("not running"));

    // A second start does not become a second Brimble.
    const auto second = runBrimble(session.environment(), {});
    QCOMPARE(second.exitCode, 5);
    QVERIFY2(second.err.contains("busy"), second.err.constData());
    QVERIFY(session.isRunning());

    // Reading the history needs nothing of the GUI thread.
    QCOMPARE(session.cli({"list"}).exitCode, 0);

    release(fifo);
    // The pause that was answered busy was not carried out afterwards.
    E2e::xclipCopy("recorded after the hold");
    QVERIFY(session.waitForCount(1));
    QCOMPARE(session.cli({"pause"}).exitCode, 0);
}

void TestCommandLine::noDisplayIsSaidInOneLine_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("named");
    QTest::newRow("unreachable X display") << ":4711"
                                           << "xcb"
                                           << "\":4711\"";
    QTest::newRow("no DISPLAY, default plugin") << ""
                                                << ""
                                                << "DISPLAY is not set";
}

void TestCommandLine::noDisplayIsSaidInOneLine()
{
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QFETCH(QString, named);
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("kept without a display");
    QVERIFY(session.waitForCount(1));
    QCOMPARE(session.stop(), 0);

    QProcessEnvironment env = session.environment();
    for (const auto& [name, value] : {std::pair{QStringLiteral("DISPLAY"), display},
                                      std::pair{QStringLiteral("QT_QPA_PLATFORM"), platform}}) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    const auto brimble = runBrimble(env, {});
    QCOMPARE(brimble.exitCode, 7);
    QCOMPARE(lines(brimble.err).size(), 1);
    QVERIFY2(brimble.err.contains(named.toUtf8()), brimble.err.constData());
    QVERIFY(!brimble.err.contains("Reinstalling"));
    // Nothing crashed, so the next start has nothing to offer to send.
    QVERIFY(QDir(session.home() + "/state/brimble/crashes").entryList(QDir::Files).isEmpty());

    // The verbs that need no display keep working without one.
    const auto list = runBrimble(env, {"list"});
    QCOMPARE(list.exitCode, 0);
    QVERIFY(list.out.contains("kept without a display"));
    QCOMPARE(runBrimble(env, {"pause"}).exitCode, 3);
}

void TestCommandLine::copyAndPasteSayWhatTheyDid()
{
    BrimbleSession session;
    QDir().mkpath(QFileInfo(session.preferencesPath()).path());
    QFile preferences(session.preferencesPath());
    QVERIFY(preferences.open(QIODevice::WriteOnly));
    preferences.write(R"({"preferences.auto_paste_to_current_app": false})");
    preferences.close();
    QVERIFY(session.start());
    E2e::xclipCopy(pngOf(QSize(16, 16)), "image/png");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy(QByteArray("before\0after", 12));
    QVERIFY(session.waitForCount(2));

    // A NUL is escaped like any control character, and the rest of the line follows.
    const QStringList rows = lines(session.cli({"list"}).out);
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows.first().endsWith(R"(before\x00after)"), qPrintable(rows.first()));

    // An image has no plain text: nothing is put on the clipboard in its place.
    const auto plain = session.cli({"copy", "2", "--plain"});
    QCOMPARE(plain.exitCode, 1);
    QCOMPARE(lines(plain.err).size(), 1);
    QVERIFY2(plain.err.contains("no plain text"), plain.err.constData());
    E2e::settle(500);
    QVERIFY(!E2e::xclipTargets().contains(PasteboardType::marker));

    // With automatic paste off, a paste only copies, and says so.
    const auto paste = session.cli({"paste", "2"});
    QCOMPARE(paste.exitCode, 6);
    QCOMPARE(lines(paste.err).size(), 1);
    QVERIFY2(paste.err.contains("automatic paste is off"), paste.err.constData());
    QVERIFY(E2e::waitUntil([] { return E2e::xclipTargets().contains("image/png"); }, 5000));
}

void TestCommandLine::secretsAreMaskedUnlessRevealed()
{
    BrimbleSession session;
    QVERIFY(session.start());
    const QByteArray token = "glpat-" + QByteArray(20, 'x');
    E2e::xclipCopy("an ordinary note");
    QVERIFY(session.waitForCount(1));
    E2e::xclipCopy(token);
    QVERIFY(session.waitForCount(2));

    const QStringList rows = lines(session.cli({"list"}).out);
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows.first().endsWith(QStringLiteral("secret \u00b7 access token \u00b7 26 characters")),
             qPrintable(rows.first()));
    QVERIFY(!session.cli({"list"}).out.contains(token));
    QVERIFY(lines(session.cli({"list", "--reveal"}).out).first().endsWith(QString::fromLatin1(token)));

    const QJsonArray masked = QJsonDocument::fromJson(session.cli({"list", "--json"}).out).array();
    QVERIFY(masked.first()["text"].isNull());
    QCOMPARE(masked.first()["secret"]["kind"].toString(), QStringLiteral("access_token"));
    QCOMPARE(masked.first()["secret"]["length"].toInt(), 26);
    const QJsonArray revealed = QJsonDocument::fromJson(session.cli({"list", "--json", "--reveal"}).out).array();
    QCOMPARE(revealed.first()["text"].toString(), QString::fromLatin1(token));

    // Its text is not searched; its type is.
    QVERIFY(session.cli({"search", "glpat"}).out.isEmpty());
    QCOMPARE(lines(session.cli({"search", "type:text"}).out).size(), 2);

    // Copying it back gives the whole secret.
    QCOMPARE(session.cli({"copy", "1"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([&] { return E2e::xclipRead("UTF8_STRING") == token; }, 5000));
}

void TestCommandLine::pasteWithNoWindowToPasteIntoFails()
{
    BrimbleSession session;
    QVERIFY(session.start());
    E2e::xclipCopy("nowhere to go");
    QVERIFY(session.waitForCount(1));
    // Only Brimble's own panel is on the screen: no window of another program was ever active.
    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return E2e::panelIsShownAndFocused(); }, 5000));
    const auto paste = session.cli({"paste", "1"});
    QCOMPARE(paste.exitCode, 1);
    QCOMPARE(lines(paste.err).size(), 1);
    QVERIFY2(paste.err.contains("no window to paste into"), paste.err.constData());
}

void TestCommandLine::quitSaysWhenTheHistoryWasNotSaved_data()
{
    QTest::addColumn<bool>("signal");
    QTest::newRow("brimble quit") << false;
    QTest::newRow("SIGTERM") << true;
}

void TestCommandLine::quitSaysWhenTheHistoryWasNotSaved()
{
    QFETCH(bool, signal);
    if (::geteuid() != 0)
        QSKIP("a full disk is a small file system mounted for the test, which needs root");
    BrimbleSession session;
    const QString data = session.home() + "/data";
    QVERIFY(QDir().mkpath(data));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", data}) != 0)
        QSKIP("this machine does not let the test mount a file system");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {"-l", data}); });
    QVERIFY(session.start());
    // Pages the history file has yet to grow by when the WAL is moved into it at quit.
    QByteArray text;
    for (int i = 0; text.size() < 300 * 1024; ++i)
        text += QByteArray::number(i * 7919) + ' ';
    E2e::xclipCopy(text);
    QVERIFY(session.waitForCount(1));
    QFile filler(data + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(64 * 1024, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    if (signal) {
        QCOMPARE(session.terminate(), 1);
    } else {
        const auto quit = session.cli({"quit"});
        QCOMPARE(quit.exitCode, 1);
        QVERIFY2(quit.err.contains("could not be saved"), quit.err.constData());
        QVERIFY(session.process()->waitForFinished(10000));
        QCOMPARE(session.process()->exitCode(), 1);
    }
    QVERIFY(session.log().contains("could not be saved at quit"));

    // What was recorded is still there once there is room again.
    QFile::remove(data + "/filler");
    QCOMPARE(session.storedCount(), 1);
}

void TestCommandLine::exportAndImportIntoAnEmptyHistory()
{
    QTemporaryDir files;
    const QString file = files.filePath("history.brimble-history");
    QJsonArray exported;
    {
        BrimbleSession session;
        QVERIFY(session.start());
        E2e::xclipCopy("exported first");
        QVERIFY(session.waitForCount(1));
        E2e::xclipCopy("exported second");
        QVERIFY(session.waitForCount(2));
        exported = QJsonDocument::fromJson(session.cli({"list", "--json"}).out).array();
        QCOMPARE(exported.size(), 2);

        const auto done = session.cli({"export", file});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.out.startsWith("Items exported: 2 "), done.out.constData());
        // Never over a file that is there.
        const auto again = session.cli({"export", "--clipboard", "Clipboard History", file});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains("already exists"), again.err.constData());
        QCOMPARE(session.cli({"export"}).exitCode, 2);
        QCOMPARE(session.cli({"export", "--clipboard", "No Such Clipboard", files.filePath("x")}).exitCode, 1);
        QCOMPARE(session.stop(), 0);
    }

    BrimbleSession empty;
    // Without a running Brimble there is nothing to import into.
    QCOMPARE(empty.cli({"import", file}).exitCode, 3);
    QVERIFY(empty.start());
    E2e::settle(800);
    // The copy on the clipboard when it starts may be recorded: that one is its own.
    const int before = empty.storedCount();
    const auto imported = empty.cli({"import", file});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.out, QByteArray("Items added: 2. Already present, skipped: 0. Clipboards created: 0.\n"));
    QCOMPARE(empty.storedCount(), before + 2);
    const QJsonArray listed = QJsonDocument::fromJson(empty.cli({"list", "--json"}).out).array();
    QStringList uuids;
    for (const QJsonValue& item : listed)
        uuids.append(item.toObject().value("uuid").toString());
    for (const QJsonValue& item : exported) {
        const QString uuid = item.toObject().value("uuid").toString();
        QVERIFY2(uuids.contains(uuid), qPrintable(uuid));
        const QJsonObject match = listed.at(uuids.indexOf(uuid)).toObject();
        QCOMPARE(match.value("text"), item.toObject().value("text"));
        QCOMPARE(match.value("date"), item.toObject().value("date"));
    }

    // Twice adds nothing; a file that is not an export is refused and adds nothing.
    QCOMPARE(empty.cli({"import", file}).out,
             QByteArray("Items added: 0. Already present, skipped: 2. Clipboards created: 0.\n"));
    const QString junk = files.filePath("junk.brimble-history");
    {
        QFile out(junk);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(4096, 'j'));
    }
    const auto refused = empty.cli({"import", junk});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("is not a Brimble history export. Nothing was imported."), refused.err.constData());
    QCOMPARE(empty.storedCount(), before + 2);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
