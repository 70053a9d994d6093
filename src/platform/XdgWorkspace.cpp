#include "platform/XdgWorkspace.h"

#include "common/Log.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/ThemeIconLoader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QThread>

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
    if (!url.isValid()) {
        Log::warning(tag, QStringLiteral("cannot open an invalid url"));
        return false;
    }
    QMetaObject::invokeMethod(
        this,
        [url] {
            if (!QDesktopServices::openUrl(url))
                Log::warning(tag, QStringLiteral("no application opened the url"));
        },
        Qt::QueuedConnection);
    return true;
}

bool XdgWorkspace::revealFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        Log::warning(tag, QStringLiteral("cannot reveal a missing file"));
        return false;
    }
    const QString absolute = info.absoluteFilePath();
    QMetaObject::invokeMethod(
        this,
        [this, absolute] {
            auto message = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                                          QStringLiteral("/org/freedesktop/FileManager1"),
                                                          QStringLiteral("org.freedesktop.FileManager1"),
                                                          QStringLiteral("ShowItems"));
            message << QStringList{QUrl::fromLocalFile(absolute).toString()} << QString();
            auto* watcher =
                new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message, 3000), this);
            connect(watcher, &QDBusPendingCallWatcher::finished, this,
                    [absolute](QDBusPendingCallWatcher* call) {
                        call->deleteLater();
                        if (!call->isError())
                            return;
                        // No file manager answers on the bus: open the folder instead.
                        Log::info(tag, QStringLiteral("file manager not reachable, opening the folder"));
                        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(absolute).absolutePath()));
                    });
        },
        Qt::QueuedConnection);
    return true;
}
