#include "Dispatch.h"

#include "common/Threads.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

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
    Threads::runBlocking(std::move(block));
}

bool isMainThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace Dispatch
