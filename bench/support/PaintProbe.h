#pragma once

// What the window benchmarks share: running the event loop until something holds, noting when
// a widget's paint reached the server, and percentiles of the times taken.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>

// Runs the event loop until `done` holds; false after `ms`.
inline bool spinUntil(const std::function<bool()>& done, int ms = 30000)
{
    QElapsedTimer timer;
    timer.start();
    QTimer wake;
    wake.start(2);
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Notes when a widget has been painted and flushed to the server: the queued call after its
// paint event runs once the repaint, backing-store flush included, is over.
class PaintProbe : public QObject
{
public:
    PaintProbe(QWidget* widget, std::function<bool()> condition) : condition_(std::move(condition))
    {
        widget->installEventFilter(this);
    }
    void arm(const QElapsedTimer& since)
    {
        since_ = &since;
        paintedMs_ = -1;
    }
    double paintedMs() const { return paintedMs_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && since_ && paintedMs_ < 0 && condition_()) {
            const QElapsedTimer* since = since_;
            since_ = nullptr;
            QMetaObject::invokeMethod(
                this, [this, since] { paintedMs_ = since->nsecsElapsed() / 1e6; }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool()> condition_;
    const QElapsedTimer* since_ = nullptr;
    double paintedMs_ = -1;
};

inline double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0
                            : values[std::min<qsizetype>(values.size() - 1, qsizetype(p * values.size()))];
}
