#include "common/CrashCatcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

// Recurses until the stack runs out.
[[gnu::noinline]] int deeper(int depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    if (depth < 0) // never: it keeps the recursion from being turned into a loop
        return 0;
    return deeper(depth + 1) + frame[0];
}

class TestCrashCatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportOfACrashingChild_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("null pointer write") << 0 << SIGSEGV << "SIGSEGV";
        QTest::newRow("abort") << 1 << SIGABRT << "SIGABRT";
        QTest::newRow("stack overflow on a worker thread") << 2 << SIGSEGV << "SIGSEGV";
    }

    void reportOfACrashingChild()
    {
        QFETCH(int, how);
        QFETCH(int, signal);
        QFETCH(QString, name);
        QTemporaryDir dir;
        // A folder that does not exist yet: install creates it.
        const QByteArray reports = QFile::encodeName(dir.path() + "/state/crashes");

        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const rlimit noCore = {0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            // What a crash must never carry away: something the process holds in memory.
            char* secret = strdup("clipboard-secret-4f1e");
            if (!CrashCatcher::install(reports.constData(), "9.8.7 (42)"))
                _exit(3);
            if (how == 0) {
                volatile int* nowhere = nullptr;
                *nowhere = secret[0];
            } else if (how == 1) {
                abort();
            } else {
                std::thread([] {
                    CrashCatcher::prepareThread();
                    deeper(0);
                }).join();
            }
            _exit(4);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        // Re-raised with the default action: the parent sees the signal, not an exit.
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(status)));
        QCOMPARE(WTERMSIG(status), signal);

        const QStringList files = QDir(QFile::decodeName(reports)).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().startsWith("crash-") && files.first().endsWith(QString("-%1.txt").arg(child)));
        const QString path = QFile::decodeName(reports) + "/" + files.first();
        struct stat info = {};
        QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        struct stat folder = {};
        QCOMPARE(stat(reports.constData(), &folder), 0);
        QCOMPARE(folder.st_mode & 0777, mode_t(0700));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(file.readAll());
        QVERIFY2(report.contains("version: 9.8.7 (42)\n"), qPrintable(report));
        QVERIFY(report.contains(QString("signal: %1 (%2)\n").arg(signal).arg(name)));
        QVERIFY(report.contains(QRegularExpression("\ntime: \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\n")));
        if (how == 0)
            QVERIFY(report.contains("address: 0x0\n"));
        // Frames from the handler through the crashing function, and the program among the
        // executable mappings that resolve them.
        QVERIFY(report.contains("  #3 0x"));
        QVERIFY(report.contains(" r-xp "));
        QVERIFY(report.contains("tst_crashcatcher"));
        QVERIFY(!report.contains("clipboard-secret"));
    }

    void refusesFoldersItCannotUse()
    {
        QVERIFY(!CrashCatcher::install("", "1"));
        QVERIFY(!CrashCatcher::install("relative/crashes", "1"));
        QVERIFY(!CrashCatcher::install(QByteArray(5000, 'a').prepend('/').constData(), "1"));
    }
};

QTEST_GUILESS_MAIN(TestCrashCatcher)
#include "tst_crashcatcher.moc"
