#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;

// The reports the crash catcher left behind, at the next start: with the user's consent they
// go to the report address (BRIMBLE_CRASH_REPORT_URL of the build, or the environment
// variable of that name) as one POST each. A sent or declined report is deleted; one that
// could not be sent waits for the next start. Without an address nothing is asked or sent.
class Preferences;

class CrashReports : public QObject
{
    Q_OBJECT
public:
    enum class Answer
    {
        AlwaysSend,
        Send,
        DoNotSend
    };
    // Shows the consent prompt for `count` reports and calls back with the user's answer.
    using AskUser = std::function<void(int count, std::function<void(Answer)> answer)>;

    struct Report
    {
        QString path;
        QByteArray body;
    };

    // Reports beyond this many are old news; the oldest are deleted.
    static constexpr int maxKept = 20;

    // "Send automatically" is read from and stored in `preferences`, which must outlive this.
    CrashReports(Preferences& preferences, QString directory, QObject* parent = nullptr);
    ~CrashReports() override;

    static std::optional<QUrl> reportUrl(QString* why = nullptr);

    // Looks for waiting reports in the background; sends them when "send automatically" is
    // on, asks through `ask` otherwise (no `ask`: they wait for a start that can ask).
    void handleWaitingReports(AskUser ask);

Q_SIGNALS:
    // Every report of this round was sent, declined or failed.
    void finished();

private:
    void decide(const QList<Report>& reports, const AskUser& ask);
    void send(const QList<Report>& reports);
    void deliverOne(const QString& path, const QByteArray& body);
    void settled(const QString& path);

    Preferences& preferences_;
    QString directory_;
    QUrl url_;
    QNetworkAccessManager* network_ = nullptr;
    QSet<QString> pending_;
};
