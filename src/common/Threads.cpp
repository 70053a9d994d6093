#include "common/Threads.h"

#include "common/CrashCatcher.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <mutex>

#include <pthread.h>

namespace Threads {

namespace {

std::mutex waitRegistrationMutex;
bool waitRegistered = false;

// Like Qt's global pool, ours is waited for when the application object goes, before the
// statics its blocks use are torn down. By then QCoreApplication::instance() is null, so a
// block that hands work to the GUI thread (Dispatch::main, mainSync) cannot wait on an event
// loop that no longer runs.
void registerWaitAtApplicationEnd()
{
    std::lock_guard lock(waitRegistrationMutex);
    QCoreApplication* app = QCoreApplication::instance();
    if (waitRegistered || !app)
        return;
    QObject::connect(app, &QObject::destroyed, [] {
        {
            std::lock_guard lock(waitRegistrationMutex);
            waitRegistered = false;
        }
        waitForBlocking();
    });
    waitRegistered = true;
}

} // namespace

int blockingPoolMaxThreads()
{
    return qBound(4, QThread::idealThreadCount() * 2, 8);
}

QThreadPool& blockingPool()
{
    // Never destroyed: a block still running at exit must not find its pool gone. The wait at
    // quit (AppDelegate) and at the application object's end leaves it idle by then.
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setObjectName(QStringLiteral("brimble-block"));
        created->setMaxThreadCount(blockingPoolMaxThreads());
        return created;
    }();
    return *pool;
}

void runBlocking(std::function<void()> block)
{
    registerWaitAtApplicationEnd();
    blockingPool().start([block = std::move(block)] {
        CrashCatcher::prepareThread(); // the pool starts its threads, not we
        nameCurrent("brimble-block");
        block();
    });
}

bool waitForBlocking(int msecs)
{
    return blockingPool().waitForDone(msecs);
}

void nameCurrent(const char* name)
{
    pthread_setname_np(pthread_self(), QByteArray(name).left(15).constData());
}

} // namespace Threads
