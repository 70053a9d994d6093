#include "app/EventBus.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Background deliveries run in posting order, so once a marker posted last has arrived,
// everything posted before it has been handled too.
void waitForBackgroundQueue()
{
    static int owner;
    std::atomic<bool> done{false};
    const QString name = QStringLiteral("test.marker");
    EventBus::onBackgroundThread(&owner, name, [&done](const Notification&) { done = true; });
    EventBus::post(name);
    QTRY_VERIFY(done.load());
    EventBus::unregister(&owner);
}

bool onMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

class TestEventBus : public QObject
{
    Q_OBJECT

private:
    int target_ = 0;
    int otherTarget_ = 0;

private Q_SLOTS:
    void cleanup()
    {
        EventBus::unregister(&target_);
        EventBus::unregister(&otherTarget_);
        QCoreApplication::processEvents();
        waitForBackgroundQueue();
    }

    void mainHandlerRunsOnTheMainThread_data()
    {
        QTest::addColumn<bool>("fromBackground");
        QTest::addColumn<bool>("toMainThread");
        QTest::newRow("post from main") << false << false;
        QTest::newRow("post from background") << true << false;
        QTest::newRow("postToMainThread from main") << false << true;
        QTest::newRow("postToMainThread from background") << true << true;
    }

    void mainHandlerRunsOnTheMainThread()
    {
        QFETCH(bool, fromBackground);
        QFETCH(bool, toMainThread);
        std::atomic<int> calls{0};
        std::atomic<bool> wrongThread{false};
        int received = 0;
        EventBus::onMainThread(&target_, QStringLiteral("test.main"), [&](const Notification& note) {
            wrongThread = wrongThread || !onMainThread();
            received = std::any_cast<int>(note.object);
            ++calls;
        });
        auto post = [toMainThread] {
            if (toMainThread)
                EventBus::postToMainThread(QStringLiteral("test.main"), 42);
            else
                EventBus::post(QStringLiteral("test.main"), 42);
        };
        if (fromBackground)
            std::thread(post).join();
        else {
            post();
            // Posted on the main thread, the handler has already run when post returns.
            QCOMPARE(calls.load(), 1);
        }
        QTRY_COMPARE(calls.load(), 1);
        QVERIFY(!wrongThread);
        QCOMPARE(received, 42);
    }

    void backgroundHandlerRunsOffTheMainThreadInPostingOrder_data()
    {
        QTest::addColumn<bool>("toMainThread");
        QTest::newRow("post") << false;
        QTest::newRow("postToMainThread") << true;
    }

    void backgroundHandlerRunsOffTheMainThreadInPostingOrder()
    {
        QFETCH(bool, toMainThread);
        std::mutex mutex;
        std::vector<int> order;
        std::atomic<bool> onMain{false};
        EventBus::onBackgroundThread(&target_, QStringLiteral("test.background"),
                                     [&](const Notification& note) {
                                         onMain = onMain || onMainThread();
                                         std::lock_guard lock(mutex);
                                         order.push_back(std::any_cast<int>(note.object));
                                     });
        std::thread poster([toMainThread] {
            for (int i = 0; i < 200; ++i)
                toMainThread ? EventBus::postToMainThread(QStringLiteral("test.background"), i)
                             : EventBus::post(QStringLiteral("test.background"), i);
        });
        poster.join();
        QTRY_COMPARE_WITH_TIMEOUT(([&] {
                                      std::lock_guard lock(mutex);
                                      return order.size();
                                  }()),
                                  size_t(200), 10000);
        QVERIFY(!onMain);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(order[size_t(i)], i);
    }

    void eventPostedBeforeRegistrationIsNotDelivered()
    {
        std::atomic<int> calls{0};
        // One registration of another target makes the bus deliver at all.
        EventBus::onMainThread(&otherTarget_, QStringLiteral("test.late"), [](const Notification&) {});
        EventBus::onBackgroundThread(&otherTarget_, QStringLiteral("test.late"), [](const Notification&) {});
        std::thread([] { EventBus::post(QStringLiteral("test.late")); }).join();
        std::thread([] { EventBus::postToMainThread(QStringLiteral("test.late")); }).join();
        EventBus::post(QStringLiteral("test.late"));
        // The deliveries from the other threads are still queued when these registrations come.
        EventBus::onMainThread(&target_, QStringLiteral("test.late"), [&](const Notification&) { ++calls; });
        EventBus::onBackgroundThread(&target_, QStringLiteral("test.late"),
                                     [&](const Notification&) { ++calls; });
        QCoreApplication::processEvents();
        waitForBackgroundQueue();
        QCoreApplication::processEvents();
        QCOMPARE(calls.load(), 0);
    }

    void unregisteredTargetReceivesNothing()
    {
        std::atomic<int> mine{0};
        std::atomic<int> others{0};
        for (const QString& name : {QStringLiteral("test.a"), QStringLiteral("test.b")}) {
            EventBus::onMainThread(&target_, name, [&](const Notification&) { ++mine; });
            EventBus::onBackgroundThread(&target_, name, [&](const Notification&) { ++mine; });
            EventBus::onMainThread(&otherTarget_, name, [&](const Notification&) { ++others; });
        }
        // Hold the background queue so that deliveries of the first post are still queued on both
        // threads when unregister runs; they are checked again when they come up.
        QSemaphore hold;
        EventBus::onBackgroundThread(&otherTarget_, QStringLiteral("test.hold"),
                                     [&hold](const Notification&) { hold.acquire(); });
        EventBus::post(QStringLiteral("test.hold"));
        std::thread([] { EventBus::post(QStringLiteral("test.a")); }).join();
        EventBus::unregister(&target_);
        hold.release();
        EventBus::post(QStringLiteral("test.a"));
        EventBus::post(QStringLiteral("test.b"));
        QCoreApplication::processEvents();
        waitForBackgroundQueue();
        QCOMPARE(mine.load(), 0);
        QTRY_COMPARE(others.load(), 3);
    }

    void unregisterWaitsForARunningBackgroundHandler()
    {
        QSemaphore started;
        std::atomic<bool> finished{false};
        EventBus::onBackgroundThread(&target_, QStringLiteral("test.slow"), [&](const Notification&) {
            started.release();
            QThread::msleep(50);
            finished = true;
        });
        EventBus::post(QStringLiteral("test.slow"));
        QVERIFY(started.tryAcquire(1, 10000));
        EventBus::unregister(&target_);
        // The target may be destroyed now: its handler is no longer running.
        QVERIFY(finished.load());
    }

    void handlerMayUnregisterItself()
    {
        std::atomic<int> calls{0};
        EventBus::onBackgroundThread(&target_, QStringLiteral("test.self"), [&](const Notification&) {
            ++calls;
            EventBus::unregister(&target_);
        });
        EventBus::onMainThread(&otherTarget_, QStringLiteral("test.self"), [&](const Notification&) {
            ++calls;
            EventBus::unregister(&otherTarget_);
        });
        EventBus::post(QStringLiteral("test.self"));
        EventBus::post(QStringLiteral("test.self"));
        waitForBackgroundQueue();
        QCOMPARE(calls.load(), 2);
    }

    void postingWithoutRegistrationsDoesNothing()
    {
        EventBus::post(QStringLiteral("test.nobody"), 1);
        EventBus::postToMainThread(QStringLiteral("test.nobody"));
        std::thread([] { EventBus::post(QStringLiteral("test.nobody")); }).join();
        EventBus::unregister(&target_);
        QCoreApplication::processEvents();
        waitForBackgroundQueue();
    }

    void concurrentPostingAndRegistering()
    {
        constexpr int posters = 4;
        constexpr int perPoster = 300;
        std::atomic<int> mainCalls{0};
        std::atomic<int> backgroundCalls{0};
        EventBus::onMainThread(&target_, QStringLiteral("test.busy"),
                               [&](const Notification&) { ++mainCalls; });
        EventBus::onBackgroundThread(&target_, QStringLiteral("test.busy"),
                                     [&](const Notification&) { ++backgroundCalls; });

        std::atomic<bool> stop{false};
        std::thread churn([&] {
            std::vector<int> targets(8);
            while (!stop) {
                for (int& t : targets) {
                    EventBus::onBackgroundThread(&t, QStringLiteral("test.busy"), [](const Notification&) {});
                    EventBus::onMainThread(&t, QStringLiteral("test.busy"), [](const Notification&) {});
                }
                for (int& t : targets)
                    EventBus::unregister(&t);
            }
        });
        std::vector<std::thread> threads;
        for (int p = 0; p < posters; ++p)
            threads.emplace_back([] {
                for (int i = 0; i < perPoster; ++i)
                    EventBus::post(QStringLiteral("test.busy"), i);
            });
        for (auto& thread : threads)
            thread.join();
        stop = true;
        churn.join();
        QTRY_COMPARE_WITH_TIMEOUT(mainCalls.load(), posters * perPoster, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(backgroundCalls.load(), posters * perPoster, 20000);
    }
};

QTEST_GUILESS_MAIN(TestEventBus)
#include "tst_eventbus.moc"
