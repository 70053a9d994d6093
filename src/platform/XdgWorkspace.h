#pragma once

#include "platform/Workspace.h"

// The parts of the workspace that only need freedesktop conventions: icons for files,
// opening URLs and revealing files. The display-specific parts are left to subclasses.
class XdgWorkspace : public Workspace
{
    Q_OBJECT
public:
    explicit XdgWorkspace(QObject* parent = nullptr);

    // Thread-safe: icon files are found and read without QIcon.
    QImage iconForFile(const QString& path) override;
    // Both hand the work to the object's (GUI) thread and answer at once.
    bool openUrl(const QUrl& url) override;
    bool revealFile(const QString& path) override;
};
