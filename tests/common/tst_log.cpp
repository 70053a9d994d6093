#include "TestSupport.h"
#include "common/Log.h"
#include "common/RollingFileSink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <spdlog/details/log_msg.h>

#include <chrono>
#include <memory>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr std::chrono::seconds week(604800);

QStringList logFiles(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("brimble-*.log")}, QDir::Files, QDir::Name);
}

QByteArray allContents(const QString& directory)
{
    QByteArray all;
    for (const QString& name : logFiles(directory))
        all += fileBytes(QDir(directory).filePath(name));
    return all;
}

// Hands the sink a message stamped with the given time, as if the clock read that.
void logAt(RollingFileSink& sink, std::chrono::system_clock::time_point time, const char* text)
{
    const spdlog::details::log_msg message(time, spdlog::source_loc{}, "brimble", spdlog::level::info, text);
    sink.log(message);
    sink.flush();
}

void createOldLogs(const QString& directory, int count)
{
    for (int day = 1; day <= count; ++day) {
        QFile file(QDir(directory).filePath(
            QStringLiteral("brimble-2020-01-%1_00-00-00.log").arg(day, 2, 10, QChar('0'))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old\n");
    }
}

} // namespace

class TestLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFormat_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral(BRIMBLE_BUILD_NUMBER "/" BRIMBLE_VERSION);
        QTest::newRow("info") << int(Log::Level::Info)
                              << "[info] [" + version + "] PasteBoard: paste inf add";
        QTest::newRow("warning") << int(Log::Level::Warning)
                                 << "[warn] [" + version + "] PasteBoard: paste inf add";
        QTest::newRow("error") << int(Log::Level::Error)
                               << "[error] [" + version + "] PasteBoard: paste inf add";
    }

    void lineFormat()
    {
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(
            Log::formatLine(Log::Level(level), QStringLiteral("PasteBoard"), QStringLiteral("paste inf add")),
            expected);

        Log::Capture capture;
        const QString tag = QStringLiteral("PasteBoard");
        const QString message = QStringLiteral("paste inf add");
        switch (Log::Level(level)) {
        case Log::Level::Info:
            Log::info(tag, message);
            break;
        case Log::Level::Warning:
            Log::warning(tag, message);
            break;
        case Log::Level::Error:
            Log::error(tag, message);
            break;
        }
        QCOMPARE(capture.lines(), QStringList{expected});
    }

    // Format directives in a message are text, not instructions to the logging framework.
    void setupWritesLinesVerbatimToThePrivateLogFolder()
    {
        QTemporaryDir home;
        const QString directory = home.filePath(QStringLiteral("state/brimble/logs"));
        Log::setup(directory);
        Log::info(QStringLiteral("tst_log"), QStringLiteral("braces {} {0} and %s %d"));
        Log::warning(QStringLiteral("tst_log"), QStringLiteral("second line"));
        const QByteArray written = allContents(directory);
        QVERIFY2(written.contains("[info] [" BRIMBLE_BUILD_NUMBER "/" BRIMBLE_VERSION
                                  "] tst_log: braces {} {0} and %s %d\n"),
                 written.constData());
        QVERIFY(written.contains("] tst_log: second line\n"));
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(directory).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);
    }

    // A feed's title or a file name in a message must not restyle the terminal the log is read in,
    // reorder the line, or start a line of its own.
    void controlCharactersAreEscaped_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bidi override") << QStringLiteral("title gnp\u202Eexe.") << "title gnp\\u202eexe.";
        QTest::newRow("terminal escape") << QStringLiteral("\x1b[31mred\x07") << "\\x1b[31mred\\x07";
        QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\tthree") << "one\\ntwo\\r\\tthree";
        QTest::newRow("line separator and C1") << QStringLiteral("a\u2028b\u0085c") << "a\\u2028b\\u0085c";
        QTest::newRow("plain text untouched")
            << QStringLiteral("caf\u00e9 \u4e2d {} %s") << QStringLiteral("caf\u00e9 \u4e2d {} %s");
    }

    void controlCharactersAreEscaped()
    {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        const QString line = Log::formatLine(Log::Level::Info, QStringLiteral("Feed"), message);
        QCOMPARE(line.section(QStringLiteral("Feed: "), 1), expected);
    }

    // The running program and a command line append to the same file: every line arrives at once
    // (no flush, no buffer to fill) and whole, however long, never cut by the other's lines.
    void writersShareTheFileLineByLine()
    {
        QTemporaryDir directory;
        RollingFileSink running(directory.path(), week, 8);
        RollingFileSink commandLine(directory.path(), week, 8);
        QCOMPARE(commandLine.currentFile(), running.currentFile());
        constexpr int kLines = 300;
        constexpr int kLength = 9000;
        const auto writeLines = [](RollingFileSink* sink, char fill) {
            sink->set_pattern("%v");
            const std::string text(kLength, fill);
            for (int i = 0; i < kLines; ++i)
                sink->log(spdlog::details::log_msg(std::chrono::system_clock::now(), spdlog::source_loc{},
                                                   "brimble", spdlog::level::info, text));
        };
        std::thread first(writeLines, &running, 'a');
        std::thread second(writeLines, &commandLine, 'b');
        first.join();
        second.join();

        const QList<QByteArray> lines = fileBytes(running.currentFile()).split('\n');
        QCOMPARE(lines.size(), 2 * kLines + 1);
        QVERIFY(lines.last().isEmpty());
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QByteArray& line = lines.at(i);
            QVERIFY2(
                line == QByteArray(kLength, 'a') || line == QByteArray(kLength, 'b'),
                qPrintable(QStringLiteral("line %1 is cut or mixed (%2 bytes)").arg(i).arg(line.size())));
        }
    }

    void rollingFileStartsANewFileAfterAWeek()
    {
        QTemporaryDir directory;
        auto sink = std::make_unique<RollingFileSink>(directory.path(), week, 8);
        sink->set_pattern("%v");
        const auto start = std::chrono::system_clock::now();
        logAt(*sink, start, "first");
        logAt(*sink, start + week - std::chrono::seconds(1), "still the first week");
        const QString firstFile = sink->currentFile();
        logAt(*sink, start + week, "second week");
        QCOMPARE(logFiles(directory.path()).size(), 2);
        QVERIFY(sink->currentFile() != firstFile);
        QCOMPARE(fileBytes(firstFile), QByteArray("first\nstill the first week\n"));
        QCOMPARE(fileBytes(sink->currentFile()), QByteArray("second week\n"));
    }

    void rollingFileKeepsAtMostEightFiles()
    {
        QTemporaryDir directory;
        createOldLogs(directory.path(), 10);
        auto sink = std::make_unique<RollingFileSink>(directory.path(), week, 8);
        sink->set_pattern("%v");
        // The old files are pruned oldest first, and the new file is one of the eight.
        QStringList files = logFiles(directory.path());
        QCOMPARE(files.size(), 8);
        QVERIFY(!files.contains(QStringLiteral("brimble-2020-01-03_00-00-00.log")));
        QVERIFY(files.contains(QStringLiteral("brimble-2020-01-04_00-00-00.log")));
        QCOMPARE(QDir(directory.path()).filePath(files.last()), sink->currentFile());

        const auto start = std::chrono::system_clock::now();
        for (int week = 1; week <= 10; ++week)
            logAt(*sink, start + week * ::week, "weekly");
        files = logFiles(directory.path());
        QVERIFY(files.size() <= 8);
        QVERIFY(fileBytes(sink->currentFile()).endsWith("weekly\n"));
        QVERIFY(!files.contains(QStringLiteral("brimble-2020-01-10_00-00-00.log")));
    }

    void rollingFileContinuesTheCurrentFileAfterARestart()
    {
        QTemporaryDir directory;
        QString firstFile;
        {
            RollingFileSink sink(directory.path(), week, 8);
            sink.set_pattern("%v");
            logAt(sink, std::chrono::system_clock::now(), "before restart");
            firstFile = sink.currentFile();
        }
        RollingFileSink sink(directory.path(), week, 8);
        sink.set_pattern("%v");
        logAt(sink, std::chrono::system_clock::now(), "after restart");
        QCOMPARE(sink.currentFile(), firstFile);
        QCOMPARE(fileBytes(firstFile), QByteArray("before restart\nafter restart\n"));
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
