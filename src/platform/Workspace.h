#pragma once

#include "platform/RunningApplication.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

// Running applications and the desktop around them.
class Workspace : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Workspace() override = default;

    // The application of the active window, or null.
    virtual RunningApplicationRef frontmostApplication() = 0;

    // The application the clipboard's content came from: its owner's application, else
    // `active` when the owner is a window or process of that application, else null. A
    // program with no window of its own (a script, a command-line tool) and the compositor's
    // clipboard bridge are no source. Callable from background threads.
    virtual RunningApplicationRef clipboardSource(const RunningApplicationRef& active) = 0;

    enum class Activation
    {
        Activated,
        WindowGone,
        NotActivated
    };

    // Brings the application's remembered window to the front and waits (at most timeoutMs)
    // until it is active. Callable from background threads.
    virtual Activation activate(const RunningApplication& app, int timeoutMs = 500) = 0;

    // A desktop file's icon for a .desktop path, else the file's MIME-type icon.
    virtual QImage iconForFile(const QString& path) = 0;

    // Open a URL with the desktop's application for it, or show a file in the file manager.
    // They return at once: false when the request cannot even be tried (an invalid URL, a
    // missing file); a try that fails later is logged and told through openFailed.
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool revealFile(const QString& path) = 0;

Q_SIGNALS:
    // A URL or file could not be opened or shown: `what` names it, `reason` says why. Emitted
    // on the GUI thread, for every failure of openUrl and revealFile.
    void openFailed(const QString& what, const QString& reason);

    // Another window became active. Emitted on the GUI thread.
    void applicationActivated(RunningApplicationRef app);
    // A window the workspace cannot name became active (a Wayland window, seen from
    // XWayland). Emitted on the GUI thread.
    void unnamedWindowActivated();
};
