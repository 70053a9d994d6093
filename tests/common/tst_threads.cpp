#include "common/Dispatch.h"
#include "common/Threads.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>

#include <pthread.h>

class TestThreads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blockingWorkRunsOnItsOwnNamedPool();
    void poolIsBoundedAndWaitedFor();
};

void TestThreads::blockingWorkRunsOnItsOwnNamedPool()
{
    QSemaphore started;
    QSemaphore release;
    QByteArray name;
    QThread* thread = nullptr;
    Dispatch::global([&] {
        char buffer[16] = {};
        pthread_getname_np(pthread_self(), buffer, sizeof buffer);
        name = buffer;
        thread = QThread::currentThread();
        started.release();
        release.acquire();
    });
    QVERIFY(started.tryAcquire(1, 10000));
    // While it blocks, Qt's shared pool is untouched and ours has it.
    QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    QCOMPARE(Threads::blockingPool().activeThreadCount(), 1);
    QVERIFY(thread != QThread::currentThread());
    QCOMPARE(name, QByteArray("brimble-block"));
    release.release();
    QVERIFY(Threads::waitForBlocking(10000));
}

void TestThreads::poolIsBoundedAndWaitedFor()
{
    const int max = Threads::blockingPoolMaxThreads();
    QVERIFY(max >= 4);
    QCOMPARE(Threads::blockingPool().maxThreadCount(), max);

    // More blocking blocks than threads: never more run at once than the pool allows, and the
    // ones beyond it run as threads come free, all before the wait returns.
    const int blocks = max + 3;
    std::atomic<int> running{0};
    std::atomic<int> mostAtOnce{0};
    std::atomic<int> finished{0};
    QSemaphore started;
    QSemaphore release;
    for (int i = 0; i < blocks; ++i)
        Threads::runBlocking([&] {
            const int now = ++running;
            for (int seen = mostAtOnce; now > seen && !mostAtOnce.compare_exchange_weak(seen, now);) {
            }
            started.release();
            release.acquire();
            --running;
            ++finished;
        });
    QVERIFY(started.tryAcquire(max, 10000));
    QVERIFY(!Threads::waitForBlocking(50));
    release.release(blocks);
    QVERIFY(Threads::waitForBlocking(10000));
    QCOMPARE(finished.load(), blocks);
    QCOMPARE(mostAtOnce.load(), max);
}

QTEST_GUILESS_MAIN(TestThreads)
#include "tst_threads.moc"
