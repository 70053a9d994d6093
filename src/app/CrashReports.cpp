#include "CrashReports.h"

#include "app/WebRequests.h"
#include "common/CrashCatcher.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/Preferences.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace {
const QString kTag = QStringLiteral("CrashReports");
// A report is a few kilobytes; a larger file in the folder is not one of ours.
constexpr qint64 kMaxReportBytes = 1024 * 1024;
// The server's answer is not used; a short acknowledgement is all it should send.
constexpr qint64 kMaxAnswerBytes = 64 * 1024;

// Oldest first; the oldest beyond maxKept are deleted.
QList<CrashReports::Report> readReports(const QString& directory)
{
    const QStringList names =
        QDir(directory).entryList({QString::fromLatin1(CrashCatcher::reportPrefix) + "*" +
                                   QString::fromLatin1(CrashCatcher::reportSuffix)},
                                  QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString& name : names)
        paths.append(directory + "/" + name);
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        return QFileInfo(a).lastModified() < QFileInfo(b).lastModified();
    });
    while (paths.size() > CrashReports::maxKept) {
        const QString oldest = paths.takeFirst();
        if (QFile::remove(oldest))
            Log::info(kTag, QStringLiteral("deleted old crash report ") + QFileInfo(oldest).fileName());
    }
    QList<CrashReports::Report> reports;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.size() > kMaxReportBytes || !file.open(QIODevice::ReadOnly)) {
            Log::warning(kTag,
                         QStringLiteral("skipped unreadable crash report ") + QFileInfo(path).fileName());
            continue;
        }
        reports.append({path, file.readAll()});
    }
    return reports;
}
} // namespace

CrashReports::CrashReports(Preferences& preferences, QString directory, QObject* parent)
    : QObject(parent), preferences_(preferences), directory_(std::move(directory))
{
}

CrashReports::~CrashReports() = default;

std::optional<QUrl> CrashReports::reportUrl(QString* why)
{
    return WebRequests::configuredUrl("BRIMBLE_CRASH_REPORT_URL", QStringLiteral(BRIMBLE_CRASH_REPORT_URL),
                                      why);
}

void CrashReports::handleWaitingReports(AskUser ask)
{
    QString why;
    const std::optional<QUrl> url = reportUrl(&why);
    if (!url) {
        // Nothing can be sent, so nothing is asked; the reports stay for the user to read.
        if (!why.isEmpty())
            Log::warning(kTag, why + QStringLiteral("; crash reports are not sent"));
        QMetaObject::invokeMethod(this, &CrashReports::finished, Qt::QueuedConnection);
        return;
    }
    url_ = *url;
    Dispatch::global([self = QPointer<CrashReports>(this), directory = directory_, ask = std::move(ask)] {
        const QList<Report> reports = readReports(directory);
        Dispatch::main([self, reports, ask] {
            if (self)
                self->decide(reports, ask);
        });
    });
}

void CrashReports::decide(const QList<Report>& reports, const AskUser& ask)
{
    if (reports.isEmpty()) {
        Q_EMIT finished();
        return;
    }
    Log::info(kTag, QStringLiteral("%1 crash reports waiting").arg(reports.size()));
    if (preferences_.autoSendCrashLogs()) {
        send(reports);
        return;
    }
    if (!ask) {
        Log::info(kTag, QStringLiteral("no one to ask; the reports wait for the next start"));
        Q_EMIT finished();
        return;
    }
    ask(int(reports.size()), [self = QPointer<CrashReports>(this), reports](Answer answer) {
        if (!self)
            return;
        switch (answer) {
        case Answer::AlwaysSend:
            Dispatch::global([&preferences = self->preferences_] { preferences.setAutoSendCrashLogs(true); });
            self->send(reports);
            break;
        case Answer::Send:
            self->send(reports);
            break;
        case Answer::DoNotSend:
            for (const Report& report : reports)
                QFile::remove(report.path);
            Log::info(kTag, QStringLiteral("crash reports declined and deleted"));
            Q_EMIT self->finished();
            break;
        }
    });
}

void CrashReports::send(const QList<Report>& reports)
{
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    for (const Report& report : reports) {
        if (pending_.contains(report.path))
            continue;
        pending_.insert(report.path);
        deliverOne(report.path, report.body);
    }
}

void CrashReports::deliverOne(const QString& path, const QByteArray& body)
{
    QNetworkReply* reply = WebRequests::post(*network_, url_, body,
                                             QByteArrayLiteral("text/plain; charset=utf-8"), kMaxAnswerBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, path] {
        reply->deleteLater();
        const QString failure = WebRequests::failureOf(reply);
        const QString name = QFileInfo(path).fileName();
        if (!failure.isEmpty())
            Log::warning(kTag,
                         QStringLiteral("crash report delivery failed, kept for the next start: %1 (%2)")
                             .arg(name, failure));
        else if (!QFile::remove(path))
            Log::error(kTag, QStringLiteral("crash report sent but could not be deleted: ") + name);
        else
            Log::info(kTag, QStringLiteral("crash report sent: ") + name);
        settled(path);
    });
}

void CrashReports::settled(const QString& path)
{
    pending_.remove(path);
    if (pending_.isEmpty())
        Q_EMIT finished();
}
