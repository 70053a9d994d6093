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

namespace {

constexpr std::chrono::seconds week(604800);

QStringList logFiles(const QString& directory)
{
    return QDir(directory).entryList({QStringLiteral("brimble-*.log")}, QDir::Files, QDir::Name);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray allContents(const QString& directory)
{
    QByteArray all;
    for (const QString& name : logFiles(directory))
        all += contents(QDir(directory).filePath(name));
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
        QCOMPARE(contents(firstFile), QByteArray("first\nstill the first week\n"));
        QCOMPARE(contents(sink->currentFile()), QByteArray("second week\n"));
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
        QVERIFY(contents(sink->currentFile()).endsWith("weekly\n"));
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
        QCOMPARE(contents(firstFile), QByteArray("before restart\nafter restart\n"));
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
