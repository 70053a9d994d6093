#pragma once

#include "common/SerialQueue.h"
#include "module/preferences/PreferencesActions.h"
#include "view/base/BaseWindow.h"

class CoreDataManager;
class Preferences;
class PreferencesTabViewController;

// The preferences window: built once, then shown, raised and focused each time it is opened,
// keeping its frame (also across restarts) and its tab. Preference writes made in it go, in
// order, to its own queue.
class PreferencesWindow : public BaseWindow
{
    Q_OBJECT
public:
    // The store and the preferences must outlive the window.
    PreferencesWindow(CoreDataManager& store, Preferences& preferences, const PreferencesActions& actions,
                      QWidget* parent = nullptr);
    ~PreferencesWindow() override;

    PreferencesTabViewController* tabs() const { return tabs_; }
    // Waits until every preference written so far is on disk.
    void flushWrites() { writes_.drain(); }

private:
    // Declared first, so it outlives the tabs that queue on it and finishes their writes.
    SerialQueue writes_{QStringLiteral("preferences")};
    PreferencesTabViewController* tabs_;
};
