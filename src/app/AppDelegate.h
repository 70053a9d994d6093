#pragma once

#include "app/TestSeams.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <memory>

class Brimble;
class CoreDataManager;
class CrashReports;
class Preferences;
class InstanceChannel;
class QSocketNotifier;
struct Platform;

// Runs Brimble's start-up, answers requests from other `brimble` processes and saves the
// history on the way out.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    // The history store and the preferences are made by main() and outlive the delegate.
    AppDelegate(CoreDataManager& store, Preferences& preferences);
    ~AppDelegate() override;

    // The start-up sequence. False when Brimble must not run (another instance serves this
    // session, or the history cannot be opened); `exitCode` says how to exit.
    bool applicationDidFinishLaunching(int* exitCode);

    // Creates the default clipboard when missing and, on the first run only, the first-run
    // clipboards, the first ignore rule and the default hot key. A run whose preferences were
    // lost sets the hot key again but adds no clipboard or rule to a history that has some.
    static void initializeData(CoreDataManager& store, Preferences& preferences);

    // The application is opened again while it runs (a second `brimble` without a verb).
    void applicationShouldHandleReopen();

    // The user quits: the history is saved first (off the GUI thread); when that fails the
    // user chooses between quitting anyway and going on.
    void applicationShouldTerminate();

    // Tears Brimble down in dependency order (see tearDown) once the event loop has ended.
    void applicationWillTerminate();

    // What the process exits with once the event loop has ended: 1 when the history could not
    // be saved on the way out, whatever asked Brimble to quit.
    int terminationStatus() const { return terminationStatus_; }

    // What the first-run ignore rule names: the desktop's password and keys manager.
    static inline const QString firstIgnoredAppPath =
        QStringLiteral("/usr/share/applications/org.gnome.seahorse.Application.desktop");

private:
    // Reports of an earlier crash: sent, asked about or left, as the user decided.
    void handleCrashReports();
    void handleRequest(const QJsonObject& request, std::function<void(const QJsonObject&)> reply);
    void installSignalHandlers();
    // Waits for background tasks, deletes `Brimble` (its tick, then its queued captures and
    // write-backs), then the platform services, and closes the store last. Safe to call twice.
    void tearDown();

    CoreDataManager& store_;
    Preferences& preferences_;
    std::unique_ptr<Platform> platform_;
    // Made once the store is open and the platform is there; goes before both.
    std::unique_ptr<Brimble> brimble_;
    InstanceChannel* channel_ = nullptr;
    QSocketNotifier* signalNotifier_ = nullptr;
    CrashReports* crashReports_ = nullptr;
    bool terminating_ = false;
    // Requests are answered once start-up is complete: before, `Brimble` does not exist yet,
    // and a fatal-store dialog runs the event loop early.
    bool serving_ = false;
    int terminationStatus_ = 0;
    // What the end-to-end tests change; nothing in a user's session.
    const TestSeams seams_ = TestSeams::fromEnvironment();
};
