#include "platform/XdgWorkspace.h"

#include "common/Log.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/ThemeIconLoader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QProcess>

namespace {
const QString tag = QStringLiteral("workspace");
}

XdgWorkspace::XdgWorkspace(QObject* parent) : Workspace(parent)
{
    ThemeIconLoader::prepare();
}

QImage XdgWorkspace::iconForFile(const QString& path)
{
    if (path.endsWith(QLatin1String(".desktop"))) {
        if (const auto entry = DesktopEntryIndex::shared().entryForPath(path)) {
            QImage icon = ThemeIconLoader::loadIcon(entry->icon);
            if (!icon.isNull())
                return icon;
        }
    }
    return ThemeIconLoader::iconForMimeOf(path);
}

bool XdgWorkspace::openUrl(const QUrl& url)
{
    const QString what = url.toDisplayString();
    if (!url.isValid()) {
        fail(what, QStringLiteral("it is not a valid address"));
        return false;
    }
    // The process belongs to this object's (GUI) thread; callers may be elsewhere.
    QMetaObject::invokeMethod(this, [this, url, what] { open(url.toString(QUrl::FullyEncoded), what); });
    return true;
}

bool XdgWorkspace::revealFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(path, QStringLiteral("it does not exist any more"));
        return false;
    }
    QMetaObject::invokeMethod(this, [this, absolute = info.absoluteFilePath()] { reveal(absolute); });
    return true;
}

void XdgWorkspace::reveal(const QString& absolute)
{
    const QString folder =
        QUrl::fromLocalFile(QFileInfo(absolute).absolutePath()).toString(QUrl::FullyEncoded);
    if (!QDBusConnection::sessionBus().isConnected()) {
        open(folder, absolute);
        return;
    }
    auto message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    message << QStringList{QUrl::fromLocalFile(absolute).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message, 3000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, absolute, folder](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (!call->isError())
                    return;
                // No file manager answers on the bus: open the folder instead.
                Log::info(tag, QStringLiteral("file manager not reachable, opening the folder"));
                open(folder, absolute);
            });
}

void XdgWorkspace::open(const QString& target, const QString& what)
{
    // xdg-open says by its exit status whether an application took the request, where a
    // detached start would only say that xdg-open itself started. Most openers hand over and
    // return at once; one that stays is the application itself, and nothing is reported then.
    auto* process = new QProcess(this);
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [this, process, what](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        fail(what, QStringLiteral("xdg-open is not installed (package xdg-utils)"));
    });
    connect(process, &QProcess::finished, this, [this, process, what](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status == QProcess::NormalExit && code == 0)
            return;
        // xdg-open's documented exit statuses.
        const QString reason = status != QProcess::NormalExit
                                   ? QStringLiteral("xdg-open stopped unexpectedly")
                               : code == 2 ? QStringLiteral("it does not exist")
                               : code == 3 ? QStringLiteral("no application is set up to open it")
                               : code == 4 ? QStringLiteral("the application it was given to failed")
                                           : QStringLiteral("xdg-open failed (status %1)").arg(code);
        fail(what, reason);
    });
    process->start();
}

void XdgWorkspace::fail(const QString& what, const QString& reason)
{
    // Not naming it: a link may carry a one-time token.
    Log::warning(tag, QStringLiteral("cannot open a link or file: ") + reason);
    // Queued: the caller has not yet returned from openUrl or revealFile.
    QMetaObject::invokeMethod(
        this, [this, what, reason] { Q_EMIT openFailed(what, reason); }, Qt::QueuedConnection);
}
