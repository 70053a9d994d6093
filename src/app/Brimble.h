#pragma once

#include "model/CoreDataManager.h"
#include "model/PasteInfModel.h"
#include "module/quickSearch/QuickSearchHost.h"
#include "pasteboard/PasteOutcome.h"
#include "pasteboard/PasteQueue.h"
#include "platform/CurrentApplication.h"
#include "platform/HotKeys.h"
#include "platform/KeyCombo.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class HelpWindow;
class ImageTextReader;
class QMessageBox;
class KeyBoardEventSimu;
class PasteBoard;
class Preferences;
class PreferencesWindow;
class PowerSource;
class QuickSearchViewController;
class QuickSearchViewWindow;
class StatusBarMenu;
struct Platform;
class KeySynthesizer;

// The shared coordinator: owns the clipboard monitor, the tray icon and its menu, the quick
// search window, its global hot key and the 0.5-second tick, and remembers which other
// application was last in front (the target of a later paste).
class Brimble : public QObject, public QuickSearchHost
{
    Q_OBJECT
public:
    // Brimble's own desktop-file id; activations of Brimble's windows are not remembered.
    static inline const QString bundleIdentifier = QStringLiteral("brimble");

    // Builds Brimble on the platform's services, the history store and the preferences, and
    // starts it. All three must outlive it.
    Brimble(Platform& platform, CoreDataManager& store, Preferences& preferences);
    // Stops the tick and finishes the queued captures and write-backs; the platform may go
    // after this, and the store after that.
    ~Brimble() override;

    PasteBoard& pasteBoard() { return *pasteBoard_; }
    Platform& platform() { return platform_; }
    CoreDataManager& store() { return store_; }
    Preferences& preferences() { return preferences_; }
    RunningApplicationRef currentRunningApplication() const { return currentRunningApplication_.load(); }

    void installStatusItem();
    void removeStatusItem();
    void refreshStatusItemIcon();
    QSystemTrayIcon* statusItem() const { return statusItem_; }
    StatusBarMenu& statusBarMenu() { return *statusBarMenu_; }

    QuickSearchViewWindow& quickSearchWindow() { return *quickSearchWindow_; }
    QuickSearchViewController& quickSearchController() { return *quickSearchController_; }
    // Shows the window on the screen in use and gives it the keyboard; a shown window is
    // brought forward again.
    void showQuickSearchWindow();
    // The tray icon's click, the hot key and `brimble toggle`.
    void toggleQuickSearchWindow();

    // Replaces the global hot key that toggles the window; none unregisters it. A combination
    // the desktop refuses is logged and, the first time, shown as a tray notification.
    HotKeys::Result setShowQuickSearchWindowHotKey(const std::optional<KeyCombo>& combo);
    std::optional<KeyCombo> showQuickSearchWindowHotKey() const { return showQuickSearchWindowHotKey_; }
    // While the shortcut recorder records, the hot key is released so that pressing it reaches
    // the recorder; ending the suspension takes it back unless a new one was set meanwhile.
    void setHotKeySuspended(bool suspended);

    // Builds the preferences window on first use; shows, raises and focuses it every time.
    void showPreferencesWindow();
    PreferencesWindow* preferencesWindow() const { return preferencesWindow_.get(); }

    // Stores the switch off the GUI thread (the preferences file is synced to disk), then
    // updates the icon and calls `done` on the GUI thread.
    void setPauseRecording(bool paused, std::function<void()> done = {});

    // Writes the items back; with paste, re-activates `target` and sends the paste chord
    // when auto-paste is on. Once the clipboard holds them, and only then, the items leave
    // the history when "delete after paste" is on. `done` gets the outcome on the GUI thread,
    // after that deletion.
    void pasteItems(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                    RunningApplicationRef target, std::function<void(const PasteOutcome&)> done = {}) override;

    // Starts a paste queue of the models, in order (replacing any other); with paste, the
    // first goes into `target` as pasteItems() sends it, and each later paste anywhere gets
    // the next. The items stay in the history.
    void pasteInSequence(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                         RunningApplicationRef target, std::function<void(const PasteOutcome&)> done = {});
    PasteQueue& pasteQueue() { return *pasteQueue_; }

    // The panel's host: the paste target, its pastes and the desktop's workspace.
    RunningApplicationRef pasteTarget() const override { return currentRunningApplication(); }
    void pasteInSequence(const QList<PasteInfModel>& models, bool asPlainText, RunningApplicationRef target) override
    {
        pasteInSequence(models, asPlainText, true, std::move(target));
    }
    Workspace* workspace() const override;
    // One line on the queue for the status menu and the panel; empty without one.
    static QString pasteQueueText(const PasteQueue::Status& status);

    // Opens the manual in the help window at `section` (an anchor of the manual; empty for its
    // top), building the window on first use.
    void showHelp(const QString& section = QString());
    HelpWindow* helpWindow() const { return helpWindow_.get(); }
    // The manual's section on automatic paste.
    static inline const QString autoPasteHelpSection = QStringLiteral("auto-paste");

    // Explains why a paste was not sent by itself (GUI thread): "Learn More" calls `learnMore`
    // (the manual's section on it), and the check box keeps it from showing again (in `preferences`). Returns
    // the alert, which deletes itself when closed.
    static QMessageBox* showAccessibilityPrompt(Preferences& preferences, const QString& message,
                                               std::function<void()> learnMore);
    // Why chosen items will not be pasted by themselves with these keys (empty when they will).
    static QString autoPasteLimitation(KeySynthesizer* keys, bool waylandSession);

Q_SIGNALS:
    // What the desktop made of the shortcut changed (the portal of a Wayland session tells).
    void desktopShortcutChanged();

private:
    void start();
    void rememberActivatedApplication(const RunningApplicationRef& app);
    void reportRefusedHotKey(const KeyCombo& combo, const QString& reason);
    // A tray message where there is a tray; a window otherwise (GNOME without an extension).
    void notifyUser(const QString& message, QSystemTrayIcon::MessageIcon icon);
    void onSpaceReport(const CoreDataManager::SpaceReport& report);
    void onDamageFound(const QString& message);
    void onPasteQueueChanged();
    void tellPasteOutcome(const PasteOutcome& outcome);

    Platform& platform_;
    CoreDataManager& store_;
    Preferences& preferences_;
    QPointer<QSystemTrayIcon> statusItem_;
    std::unique_ptr<StatusBarMenu> statusBarMenu_;
    std::unique_ptr<QuickSearchViewWindow> quickSearchWindow_;
    // The window's content; it lives as long as the window.
    QuickSearchViewController* quickSearchController_ = nullptr;
    // Set once the history is found damaged: the panel's notice stays for the rest of the run.
    QString damageMessage_;
    std::optional<KeyCombo> showQuickSearchWindowHotKey_;
    std::optional<KeyCombo> suspendedHotKey_;
    std::unique_ptr<PreferencesWindow> preferencesWindow_;
    std::unique_ptr<HelpWindow> helpWindow_;
    bool refusedHotKeyShown_ = false;
    std::unique_ptr<KeyBoardEventSimu> keyboard_;
    std::unique_ptr<PasteBoard> pasteBoard_;
    std::unique_ptr<PasteQueue> pasteQueue_;
    // Read by the image reader's settings, so declared before it.
    std::unique_ptr<PowerSource> powerSource_;
    std::unique_ptr<ImageTextReader> imageTextReader_;
    CurrentApplication currentRunningApplication_;
    QTimer timer_;
    QTimer expiryTimer_;
    QTimer secretExpiryTimer_;
    QTimer spaceRetryTimer_;
};
