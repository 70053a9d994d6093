#pragma once

#include "platform/Workspace.h"

#include <QHash>
#include <QList>
#include <QMutex>

// A workspace for unit tests: the test decides which application is in front and which owns
// the clipboard, and triggers activation notifications. Thread-safe.
class FakeWorkspace : public Workspace
{
    Q_OBJECT
public:
    using Workspace::Workspace;

    RunningApplicationRef frontmostApplication() override;
    RunningApplicationRef clipboardSource(const RunningApplicationRef& active) override;
    Activation activate(const RunningApplication& app, int timeoutMs = 500) override;
    QImage iconForFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
    bool revealFile(const QString& path) override;

    void setFrontmostApplication(RunningApplicationRef app);
    // The clipboard's owner resolves to app; with none, the owner belongs to the active
    // application unless told otherwise.
    void setClipboardOwnerApplication(RunningApplicationRef app);
    void setClipboardOwnedByActiveApplication(bool owned);
    // Makes app the frontmost one and emits applicationActivated (on the caller's thread,
    // which in tests is the GUI thread).
    void activateApplication(RunningApplicationRef app);
    // What activate() answers from now on (Activated makes the application the frontmost one).
    void setActivation(Activation answer);
    void setIconForFile(const QString& path, const QImage& icon);

    // Window ids passed to activate(), in order.
    QList<quint32> activations() const;
    QList<QUrl> openedUrls() const;
    QStringList revealedFiles() const;

private:
    mutable QMutex mutex_;
    RunningApplicationRef frontmost_;
    RunningApplicationRef owner_;
    bool ownedByActive_ = true;
    Activation activation_ = Activation::Activated;
    QHash<QString, QImage> icons_;
    QList<quint32> activations_;
    QList<QUrl> openedUrls_;
    QStringList revealedFiles_;
};
