// A crash of the real program leaves a report; the next start sends it when the user agreed,
// once, and keeps it when the server cannot be reached.
#include "E2eSupport.h"
#include "LocalHttpServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TestCrashReports : public QObject
{
    Q_OBJECT

    QString reportsFolder(const BrimbleSession& session) const
    {
        return session.home() + "/state/brimble/crashes";
    }
    QStringList reports(const BrimbleSession& session) const
    {
        return QDir(reportsFolder(session)).entryList({"crash-*.txt"}, QDir::Files);
    }
    bool setAutoSend(const BrimbleSession& session)
    {
        QFile file(session.preferencesPath());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QJsonObject preferences = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        preferences["preferences.auto_send_crash_logs"] = true;
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QJsonDocument(preferences).toJson()) > 0;
    }
    QProcessEnvironment reportAddress(const QUrl& url)
    {
        QProcessEnvironment env;
        env.insert("BRIMBLE_CRASH_REPORT_URL", url.toString());
        return env;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The re-raised signal would otherwise leave a core file per crash.
        const rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    }

    void crashIsReportedAndDeliveredOnce()
    {
        BrimbleSession session;
        QVERIFY(session.start());
        QProcess* brimble = session.process();
        QVERIFY(::kill(pid_t(brimble->processId()), SIGSEGV) == 0);
        QVERIFY(brimble->waitForFinished(10000));
        QCOMPARE(brimble->exitStatus(), QProcess::CrashExit);
        QCOMPARE(brimble->exitCode(), SIGSEGV);

        QStringList waiting = reports(session);
        QCOMPARE(waiting.size(), 1);
        const QString path = reportsFolder(session) + "/" + waiting.first();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray report = file.readAll();
        QVERIFY2(report.contains("signal: 11 (SIGSEGV)\n"), report.constData());
        QVERIFY(report.contains("sender: " + QByteArray::number(getpid()) + "\n"));
        struct stat info = {};
        QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        QVERIFY(setAutoSend(session));

        // The server is down: the report stays for the next start.
        LocalHttpServer gone;
        QVERIFY(gone.listen());
        const QUrl goneUrl = gone.url("/reports");
        gone.close();
        QVERIFY(session.start(reportAddress(goneUrl)));
        QVERIFY(
            E2e::waitUntil([&] { return session.log().contains("crash report delivery failed"); }, 15000));
        QCOMPARE(reports(session), waiting);
        QCOMPARE(session.stop(), 0);

        // The server answers: sent once, then gone, and not sent again.
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.respond(201, "{}");
        QVERIFY(session.start(reportAddress(server.url("/reports"))));
        QVERIFY(E2e::waitUntil([&] { return reports(session).isEmpty(); }, 15000));
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().method, QByteArray("POST"));
        QCOMPARE(server.requests().first().path, QByteArray("/reports"));
        QCOMPARE(server.requests().first().body, report);
        QCOMPARE(session.stop(), 0);

        QVERIFY(session.start(reportAddress(server.url("/reports"))));
        E2e::settle(1000);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(session.stop(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashReports)
#include "tst_crashreports.moc"
