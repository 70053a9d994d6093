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
    // Both run xdg-open (revealing asks the file manager first) and report how it ended.
    bool openUrl(const QUrl& url) override;
    bool revealFile(const QString& path) override;

private:
    void reveal(const QString& absolutePath);
    void open(const QString& target, const QString& what);
    void fail(const QString& what, const QString& reason);
};
