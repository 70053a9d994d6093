#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

class Brimble;
class CoreDataManager;
class Preferences;
struct Platform;

// The capture figures, the same on every display server: only how a copy is made differs.
namespace CaptureBench {

// Brimble recording into a history and preferences of its own, on the platform the environment
// chooses.
struct Session
{
    QTemporaryDir dir;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<CoreDataManager> store;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<Brimble> brimble;

    Session();
    ~Session();
};

// From a copy (`copy` puts the text on the clipboard) to the recorded item, copies landing
// anywhere in the tick's period as a user's do.
void copyToRecord(benchmark::State& state, const std::function<void(const QByteArray& text)>& copy);

// An image file of state.range(0) MB offered by `offer` (which returns the owner process to end
// afterwards, if any) until recorded, with the GUI thread's longest stall.
void captureLargeImage(benchmark::State& state,
                       const std::function<std::unique_ptr<QProcess>(const QString& file)>& offer);

// The share of a core Brimble takes while nothing is copied, over ten seconds.
void idleCpu(benchmark::State& state);

} // namespace CaptureBench
