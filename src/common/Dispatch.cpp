#include "Dispatch.h"

#include "common/CrashCatcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QThreadPool>

namespace Dispatch {

void main(std::function<void()> block)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(app, std::move(block), Qt::QueuedConnection);
}

void mainSync(const std::function<void()>& block)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || isMainThread()) {
        block();
        return;
    }
    QMetaObject::invokeMethod(app, block, Qt::BlockingQueuedConnection);
}

void global(std::function<void()> block)
{
    QThreadPool::globalInstance()->start([block = std::move(block)] {
        CrashCatcher::prepareThread(); // the pool's threads are not ours to start
        block();
    });
}

bool isMainThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace Dispatch
