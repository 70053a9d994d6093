#pragma once

#include "view/base/AboutDialog.h"

#include <QMenu>
#include <QPointer>

#include <functional>

class QMessageBox;
class UpdateChecker;
class Workspace;
struct UpdateCheckResult;

// The tray icon's menu (the quick search window's menu button opens the same one where the
// desktop has no tray): the paste queue while there is one, pause or resume recording, open the quick search
// window, check for updates (when the build or the environment names a release feed), the preferences (also
// asked for by "open_preferences_window"), help, about and quit.
class StatusBarMenu : public QMenu
{
    Q_OBJECT
public:
    struct Actions
    {
        // Stores the pause switch (off the GUI thread) and calls done on the GUI thread once it
        // is stored.
        std::function<void(bool paused, std::function<void()> done)> setPauseRecording;
        std::function<void()> showQuickSearchWindow;
        std::function<void()> openPreferences;
        // Opens the manual (Brimble's help window).
        std::function<void()> showHelp;
        // What the About window tells, asked for each time it opens.
        std::function<AboutInfo()> aboutInfo;
    };

    StatusBarMenu(bool recordingPaused, Workspace& workspace, Actions actions, QWidget* parent = nullptr);
    ~StatusBarMenu() override;

    // What Quit does; without one it ends the event loop.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // Follows the pause switch when it changed elsewhere (`brimble pause`).
    void setRecordingPaused(bool paused);
    bool isRecordingPaused() const { return paused_; }

    QAction* pauseRecordingItem() const { return pauseRecordingItem_; }
    QAction* showQuickSearchItem() const { return showQuickSearchItem_; }
    QAction* checkForUpdateItem() const { return checkForUpdateItem_; }
    QAction* preferencesItem() const { return preferencesItem_; }
    QAction* helpItem() const { return helpItem_; }
    QAction* aboutItem() const { return aboutItem_; }
    QAction* quitItem() const { return quitItem_; }
    // The About window while it is open.
    AboutDialog* aboutPanel() const { return aboutPanel_; }

    // The paste queue's line at the top (none hides it), with "Clear Paste Queue" while it runs.
    void setPasteQueue(const QString& text, bool running);
    QAction* pasteQueueItem() const { return pasteQueueItem_; }
    QAction* clearPasteQueueItem() const { return clearPasteQueueItem_; }

Q_SIGNALS:
    void clearPasteQueueChosen();

private:
    void pauseRecording();
    void showAboutPanel();
    void openPreferences();
    void checkForUpdates();
    void showUpdateResult(const UpdateCheckResult& result);

    Workspace& workspace_;
    Actions actions_;
    std::function<void()> quit_;
    bool paused_;
    QAction* pasteQueueItem_;
    QAction* clearPasteQueueItem_;
    QAction* pasteQueueSeparator_;
    QAction* pauseRecordingItem_;
    QAction* showQuickSearchItem_;
    QAction* preferencesItem_;
    QAction* checkForUpdateItem_;
    QAction* helpItem_;
    QAction* aboutItem_;
    QAction* quitItem_;
    QPointer<AboutDialog> aboutPanel_;
    UpdateChecker* updater_ = nullptr;
    QPointer<QMessageBox> updatePanel_;
};
