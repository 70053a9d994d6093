#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVersionNumber>

#include <functional>
#include <optional>

class QNetworkAccessManager;

struct UpdateCheckResult
{
    enum class Status
    {
        Newer,
        UpToDate,
        Failed
    };
    Status status = Status::Failed;
    QString version;   // the feed's version (Newer, UpToDate)
    QUrl downloadPage; // Newer
    QString notes;     // Newer; may be empty
    QString error;     // Failed: why, in words for the user
};

// Asks the release feed whether a newer Brimble exists. The feed is a JSON object
// {"version": "1.2.0", "url": "download page", "notes": "..."} at the address of the build
// (BRIMBLE_UPDATE_FEED_URL), which the environment variable of that name overrides.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    // What `brimble --version` and About show, and what the feed's version is compared with.
    static QString currentVersion();

    // None when no feed is configured (the menu then offers no check). An address that breaks
    // the request rules is returned as none with `why`.
    static std::optional<QUrl> feedUrl(QString* why = nullptr);
    static bool isConfigured();

    static UpdateCheckResult parseFeed(const QByteArray& body, const QVersionNumber& current);

    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    // Fetches the feed in the background; `done` runs on the GUI thread, once.
    void check(std::function<void(const UpdateCheckResult&)> done);

private:
    QNetworkAccessManager* network_ = nullptr;
};
