#include "UpdateChecker.h"

#include "app/WebRequests.h"
#include "common/Log.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const QString kTag = QStringLiteral("UpdateChecker");
// A release feed is a few lines; anything far larger is not one.
constexpr qint64 kMaxFeedBytes = 256 * 1024;
constexpr qsizetype kMaxNotes = 20000;

UpdateCheckResult failed(const QString& why)
{
    UpdateCheckResult result;
    result.status = UpdateCheckResult::Status::Failed;
    result.error = why;
    return result;
}
} // namespace

QString UpdateChecker::currentVersion()
{
    return QStringLiteral(BRIMBLE_VERSION);
}

std::optional<QUrl> UpdateChecker::feedUrl(QString* why)
{
    return WebRequests::configuredUrl("BRIMBLE_UPDATE_FEED_URL", QStringLiteral(BRIMBLE_UPDATE_FEED_URL),
                                      why);
}

bool UpdateChecker::isConfigured()
{
    QString why;
    return feedUrl(&why) || !why.isEmpty();
}

UpdateCheckResult UpdateChecker::parseFeed(const QByteArray& body, const QVersionNumber& current)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (!document.isObject())
        return failed(QStringLiteral("the release feed is not a JSON object"));
    const QJsonObject feed = document.object();

    const QString versionText = feed.value("version").toString().trimmed();
    qsizetype suffix = 0;
    const QVersionNumber version = QVersionNumber::fromString(versionText, &suffix);
    if (version.isNull() || suffix != versionText.size())
        return failed(
            QStringLiteral("the release feed names no valid version (\"%1\")").arg(versionText.left(40)));

    UpdateCheckResult result;
    result.version = version.toString();
    if (QVersionNumber::compare(version, current) <= 0) {
        result.status = UpdateCheckResult::Status::UpToDate;
        return result;
    }
    // The page is opened in the browser: only a web address may come from the feed.
    const QUrl page(feed.value("url").toString().trimmed(), QUrl::StrictMode);
    if (!page.isValid() || page.host().isEmpty() ||
        (page.scheme() != QLatin1String("https") && page.scheme() != QLatin1String("http")))
        return failed(QStringLiteral("the release feed's download page is not a web address"));
    result.status = UpdateCheckResult::Status::Newer;
    result.downloadPage = page;
    result.notes = feed.value("notes").toString().left(kMaxNotes);
    return result;
}

UpdateChecker::UpdateChecker(QObject* parent) : QObject(parent) {}

UpdateChecker::~UpdateChecker() = default;

void UpdateChecker::check(std::function<void(const UpdateCheckResult&)> done)
{
    QString why;
    const std::optional<QUrl> url = feedUrl(&why);
    if (!url) {
        const QString error = why.isEmpty() ? QStringLiteral("no release feed is configured") : why;
        Log::warning(kTag, error);
        QMetaObject::invokeMethod(
            this, [done, error] { done(failed(error)); }, Qt::QueuedConnection);
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkReply* reply = WebRequests::get(*network_, *url, kMaxFeedBytes);
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        reply->deleteLater();
        const QString failure = WebRequests::failureOf(reply);
        const UpdateCheckResult result =
            failure.isEmpty() ? parseFeed(reply->readAll(), QVersionNumber::fromString(currentVersion()))
                              : failed(failure);
        if (result.status == UpdateCheckResult::Status::Failed)
            Log::warning(kTag, QStringLiteral("update check failed: ") + result.error);
        else
            Log::info(kTag, QStringLiteral("feed version ") + result.version);
        done(result);
    });
}
