#pragma once

#include "platform/DesktopEntry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

// The applications installed for this user: every desktop file under the applications folders
// of $XDG_DATA_HOME and $XDG_DATA_DIRS. The scan is cached and repeated when a folder changes.
// Thread-safe.
class DesktopEntryIndex
{
public:
    static DesktopEntryIndex& shared();

    // $XDG_DATA_HOME/applications, then each $XDG_DATA_DIRS/applications, with the defaults of
    // the base-directory specification.
    static QStringList applicationDirs();

    // The entry of a window's application: StartupWMClass equal to the WM_CLASS class (then
    // instance); then a desktop id equal to either, ignoring case, or whose last reverse-DNS
    // component is; then an Exec program that is the process's executable.
    std::optional<DesktopEntry> lookup(const QString& windowClass, const QString& windowInstance,
                                       const QString& executablePath);

    // The entry whose file is at path (even outside the scanned folders).
    std::optional<DesktopEntry> entryForPath(const QString& path);

    QList<DesktopEntry> entries();

private:
    void refreshLocked();
    bool isStaleLocked() const;

    QMutex mutex_;
    QStringList scannedRoots_;
    // Every folder the scan visited with the modification time it had.
    QHash<QString, QDateTime> folderTimes_;
    struct Indexed
    {
        DesktopEntry entry;
        // The Exec program resolved through $PATH and symbolic links; its file name.
        QString programPath;
        QString programName;
    };
    QList<Indexed> entries_;
    bool scanned_ = false;
};
