#include "app/UpdateChecker.h"

#include "LocalHttpServer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using Status = UpdateCheckResult::Status;

namespace {
QByteArray feed(const QString& version, const QString& url, const QString& notes = QString())
{
    QJsonObject object{{"version", version}, {"url", url}};
    if (!notes.isEmpty())
        object["notes"] = notes;
    return QJsonDocument(object).toJson();
}
} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

    UpdateCheckResult check()
    {
        UpdateChecker checker;
        std::optional<UpdateCheckResult> result;
        checker.check([&](const UpdateCheckResult& r) { result = r; });
        // The transfer time-out is 10 s; the loop waits a little longer so it is what ends it.
        if (!QTest::qWaitFor([&] { return result.has_value(); }, 15000))
            return {};
        return *result;
    }

private Q_SLOTS:
    // The feed as a server sends it, through the real network stack.
    void feedFromALocalServer_data()
    {
        const QVersionNumber current = QVersionNumber::fromString(UpdateChecker::currentVersion());
        const QString newer =
            QVersionNumber(current.majorVersion(), current.minorVersion(), current.microVersion() + 1)
                .toString();
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("newer") << 200 << feed(newer, "https://example.org/download", "Faster search.")
                               << int(Status::Newer) << newer << "";
        QTest::newRow("equal") << 200 << feed(current.toString(), "https://example.org/download")
                               << int(Status::UpToDate) << current.toString() << "";
        QTest::newRow("older") << 200 << feed("0.0.1", "https://example.org/") << int(Status::UpToDate)
                               << "0.0.1"
                               << "";
        QTest::newRow("malformed version")
            << 200 << feed("2.x-final", "https://example.org/") << int(Status::Failed) << ""
            << "no valid version";
        QTest::newRow("not json") << 200 << QByteArray("<html>503</html>") << int(Status::Failed) << ""
                                  << "not a JSON object";
        QTest::newRow("page that is no web address")
            << 200 << feed("999.0", "file:///etc/passwd") << int(Status::Failed) << ""
            << "not a web address";
        QTest::newRow("server error") << 500 << QByteArray("{}") << int(Status::Failed) << ""
                                      << "500";
    }

    void feedFromALocalServer()
    {
        QFETCH(int, httpStatus);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, version);
        QFETCH(QString, errorPart);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.respond(httpStatus, body);
        qputenv("BRIMBLE_UPDATE_FEED_URL", server.url("/feed.json").toEncoded());

        const UpdateCheckResult result = check();
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.version, version);
        QVERIFY2(result.error.contains(errorPart), qPrintable(result.error));
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().method, QByteArray("GET"));
        if (result.status == Status::Newer) {
            QCOMPARE(result.downloadPage, QUrl("https://example.org/download"));
            QCOMPARE(result.notes, QString("Faster search."));
        }
    }

    void failuresSayWhy()
    {
        // Nothing listens on the port any more.
        LocalHttpServer closed;
        QVERIFY(closed.listen());
        const QUrl url = closed.url("/feed.json");
        closed.close();
        qputenv("BRIMBLE_UPDATE_FEED_URL", url.toEncoded());
        UpdateCheckResult result = check();
        QCOMPARE(result.status, Status::Failed);
        QVERIFY2(result.error.contains("refused", Qt::CaseInsensitive), qPrintable(result.error));

        // Plain http only to this machine, redirects included.
        qputenv("BRIMBLE_UPDATE_FEED_URL", "http://example.org/feed.json");
        QVERIFY(!UpdateChecker::feedUrl());
        result = check();
        QCOMPARE(result.status, Status::Failed);
        QVERIFY2(result.error.contains("not an https address"), qPrintable(result.error));

        LocalHttpServer redirecting;
        QVERIFY(redirecting.listen());
        redirecting.respond(302, QByteArray(), "http://192.0.2.1/feed.json");
        qputenv("BRIMBLE_UPDATE_FEED_URL", redirecting.url("/feed.json").toEncoded());
        result = check();
        QCOMPARE(result.status, Status::Failed);
        QVERIFY2(result.error.contains("redirected to http://192.0.2.1/feed.json"), qPrintable(result.error));
    }
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
