#include "platform/fake/FakeWorkspace.h"

#include <QMutexLocker>

RunningApplicationRef FakeWorkspace::frontmostApplication()
{
    QMutexLocker lock(&mutex_);
    return frontmost_;
}

RunningApplicationRef FakeWorkspace::clipboardSource(const RunningApplicationRef& active)
{
    QMutexLocker lock(&mutex_);
    if (owner_)
        return owner_;
    return ownedByActive_ ? active : nullptr;
}

void FakeWorkspace::setClipboardOwnedByActiveApplication(bool owned)
{
    QMutexLocker lock(&mutex_);
    ownedByActive_ = owned;
}

Workspace::Activation FakeWorkspace::activate(const RunningApplication& app, int)
{
    QMutexLocker lock(&mutex_);
    activations_.append(app.windowId);
    if (activation_ == Activation::Activated)
        frontmost_ = std::make_shared<const RunningApplication>(app);
    return activation_;
}

QImage FakeWorkspace::iconForFile(const QString& path)
{
    QMutexLocker lock(&mutex_);
    return icons_.value(path);
}

bool FakeWorkspace::openUrl(const QUrl& url)
{
    QMutexLocker lock(&mutex_);
    openedUrls_.append(url);
    return url.isValid();
}

bool FakeWorkspace::revealFile(const QString& path)
{
    QMutexLocker lock(&mutex_);
    revealedFiles_.append(path);
    return true;
}

void FakeWorkspace::setFrontmostApplication(RunningApplicationRef app)
{
    QMutexLocker lock(&mutex_);
    frontmost_ = std::move(app);
}

void FakeWorkspace::setClipboardOwnerApplication(RunningApplicationRef app)
{
    QMutexLocker lock(&mutex_);
    owner_ = std::move(app);
}

void FakeWorkspace::activateApplication(RunningApplicationRef app)
{
    setFrontmostApplication(app);
    Q_EMIT applicationActivated(app);
}

void FakeWorkspace::setActivation(Activation answer)
{
    QMutexLocker lock(&mutex_);
    activation_ = answer;
}

void FakeWorkspace::setIconForFile(const QString& path, const QImage& icon)
{
    QMutexLocker lock(&mutex_);
    icons_.insert(path, icon);
}

QList<quint32> FakeWorkspace::activations() const
{
    QMutexLocker lock(&mutex_);
    return activations_;
}

QList<QUrl> FakeWorkspace::openedUrls() const
{
    QMutexLocker lock(&mutex_);
    return openedUrls_;
}

QStringList FakeWorkspace::revealedFiles() const
{
    QMutexLocker lock(&mutex_);
    return revealedFiles_;
}
