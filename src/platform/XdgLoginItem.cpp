#include "platform/XdgLoginItem.h"

#include "common/Log.h"
#include "platform/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString tag = QStringLiteral("login item");
}

XdgLoginItem::XdgLoginItem(QString executablePath, QString autostartDir)
    : executablePath_(std::move(executablePath)), autostartDir_(std::move(autostartDir))
{
}

QString XdgLoginItem::filePath() const
{
    QString dir = autostartDir_;
    if (dir.isEmpty()) {
        QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (!QDir::isAbsolutePath(configHome))
            configHome = QDir::homePath() + QLatin1String("/.config");
        dir = configHome + QLatin1String("/autostart");
    }
    return dir + QLatin1String("/brimble.desktop");
}

QByteArray XdgLoginItem::contents(bool enabled) const
{
    QString program = executablePath_;
    if (program.isEmpty())
        program = QCoreApplication::applicationFilePath();
    program = QFileInfo(program).absoluteFilePath();
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Brimble\n");
    text +=
        QLatin1String("Exec=") + DesktopEntry::escapeValue(DesktopEntry::quoteExecArgument(program)) + u'\n';
    text += QLatin1String("X-GNOME-Autostart-enabled=true\n");
    if (!enabled)
        text += QLatin1String("Hidden=true\n");
    return text.toUtf8();
}

bool XdgLoginItem::setEnabled(bool enabled)
{
    const QString path = filePath();
    // Nothing to switch off when the user never switched it on; no file is created for that.
    if (!enabled && !QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(QFileInfo(path).path())) {
        Log::error(tag, QStringLiteral("cannot create the autostart folder"));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Log::error(tag, QStringLiteral("cannot write the autostart file: ") + file.errorString());
        return false;
    }
    file.write(contents(enabled));
    if (!file.commit()) {
        Log::error(tag, QStringLiteral("cannot write the autostart file: ") + file.errorString());
        return false;
    }
    Log::info(tag, enabled ? QStringLiteral("start at login on") : QStringLiteral("start at login off"));
    return true;
}

bool XdgLoginItem::isEnabled() const
{
    const auto entry = DesktopEntry::load(filePath());
    return entry && !entry->hidden;
}
