#include "Brimble.h"
#include "view/base/Alert.h"

#include "app/AboutContent.h"
#include "app/Action.h"
#include "app/StatusBarMenu.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/ImageTextReader.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/preferences/PreferencesKeyBindingViewController.h"
#include "module/preferences/PreferencesRuleViewController.h"
#include "module/preferences/PreferencesTabViewController.h"
#include "module/preferences/PreferencesWindow.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "pasteboard/KeyBoardEventSimu.h"
#include "pasteboard/PasteBoard.h"
#include "platform/DesktopSession.h"
#include "platform/KeyTable.h"
#include "platform/Platform.h"
#include "platform/PowerSource.h"
#include "platform/Workspace.h"
#include "view/base/HelpWindow.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace {
const QString kTag = QStringLiteral("Brimble");
} // namespace

Brimble::Brimble(Platform& platform, CoreDataManager& store, Preferences& preferences)
    : platform_(platform), store_(store), preferences_(preferences),
      keyboard_(std::make_unique<KeyBoardEventSimu>(platform.keySynthesizer.get(), platform.clipboard.get(),
                                                    preferences)),
      pasteBoard_(std::make_unique<PasteBoard>(store, preferences, platform.clipboard.get(),
                                               platform.workspace.get(), keyboard_.get(),
                                               [this] { return currentRunningApplication_.load(); }))
{
    StatusBarMenu::Actions actions;
    actions.setPauseRecording = [this](bool paused, std::function<void()> done) {
        setPauseRecording(paused, std::move(done));
    };
    actions.showQuickSearchWindow = [this] { showQuickSearchWindow(); };
    actions.openPreferences = [this] { showPreferencesWindow(); };
    actions.showHelp = [this] { showHelp(); };
    actions.aboutInfo = [this] {
        const QString history = store_.path();
        return AboutContent::info(history.isEmpty() ? CoreDataManager::defaultPath() : history,
                                  Log::defaultLogDirectory());
    };
    statusBarMenu_ = std::make_unique<StatusBarMenu>(preferences.pauseRecording(), *platform.workspace,
                                                     std::move(actions));
    quickSearchWindow_ = std::make_unique<QuickSearchViewWindow>();
    quickSearchController_ =
        new QuickSearchViewController(store, preferences, platform.iconCache.get(), statusBarMenu_.get());
    quickSearchWindow_->setContentWidget(quickSearchController_);
    quickSearchController_->attachWindow(*quickSearchWindow_);
    quickSearchController_->setHost(this);
    connect(quickSearchWindow_.get(), &QuickSearchViewWindow::preferencesRequested, this,
            &Brimble::showPreferencesWindow);

    pasteQueue_ = std::make_unique<PasteQueue>(*pasteBoard_, *platform.clipboard);
    connect(pasteQueue_.get(), &PasteQueue::changed, this, &Brimble::onPasteQueueChanged);
    connect(statusBarMenu_.get(), &StatusBarMenu::clearPasteQueueChosen, pasteQueue_.get(),
            &PasteQueue::clear);
    // An ended queue's notice has been read once the menu that showed it closes.
    connect(statusBarMenu_.get(), &QMenu::aboutToHide, this, [this] {
        if (!pasteQueue_->status().isRunning())
            pasteQueue_->dismiss();
    });
    // Escape ends a running queue (the panel shows it), after the panel's editor; the next
    // Escape hides the panel.
    quickSearchWindow_->addEscapeHandler([this] {
        if (!pasteQueue_->status().isRunning())
            return false;
        pasteQueue_->clear();
        return true;
    });
    connect(quickSearchController_, &QuickSearchViewController::pasteQueueNoticeSeen, this, [this] {
        if (!pasteQueue_->status().isRunning())
            pasteQueue_->dismiss();
    });
    start();
}

Brimble::~Brimble()
{
    // First: an image being read stays unread, and is read again at the next start.
    imageTextReader_.reset();
    timer_.stop();
    expiryTimer_.stop();
    secretExpiryTimer_.stop();
    spaceRetryTimer_.stop();
    pasteQueue_.reset();
    pasteBoard_.reset();
    preferencesWindow_.reset();
    helpWindow_.reset();
    platform_.hotKeys->setDesktopShortcutListener({});
    // Released quietly: the user did not take the hot key away, Brimble is only ending.
    if (showQuickSearchWindowHotKey_)
        platform_.hotKeys->unregisterHotKey(*showQuickSearchWindowHotKey_);
    delete statusItem_;
    quickSearchWindow_.reset();
    statusBarMenu_.reset();
}

void Brimble::start()
{
    if (preferences_.showIconInMenuBar())
        installStatusItem();
    else
        removeStatusItem();

    if (platform_.workspace)
        connect(platform_.workspace.get(), &Workspace::applicationActivated, this,
                [this](const RunningApplicationRef& app) {
                    if (app)
                        rememberActivatedApplication(app);
                });

    platform_.hotKeys->setDesktopShortcutListener([this] { Q_EMIT desktopShortcutChanged(); });
    setShowQuickSearchWindowHotKey(preferences_.showQuickSearchWindowHotKey());

    // Seed the target of a paste with whatever is in front now, so a paste right after
    // start-up has somewhere to go.
    if (platform_.workspace)
        if (auto front = platform_.workspace->frontmostApplication())
            rememberActivatedApplication(front);

    timer_.setInterval(int(PasteBoard::timerInterval * 1000));
    timer_.setTimerType(Qt::CoarseTimer);
    // A clipboard that announces its changes needs the tick only to ask again for a change it
    // could not read; otherwise an idle program would wake twice a second for nothing.
    connect(&timer_, &QTimer::timeout, this, [this] {
        pasteBoard_->checkForChangesInPasteboard();
        if (!pasteBoard_->needsTicks())
            timer_.stop();
    });
    pasteBoard_->setRetryRequest([this] {
        QMetaObject::invokeMethod(this, [this] {
            if (!timer_.isActive())
                timer_.start();
        });
    });
    timer_.start();

    // Expiry is a sweep of its own, so every reader sees the same history: now, then hourly.
    store_.sweepExpired();
    expiryTimer_.setInterval(std::chrono::hours(1));
    expiryTimer_.setTimerType(Qt::VeryCoarseTimer);
    connect(&expiryTimer_, &QTimer::timeout, this, [this] { store_.sweepExpired(); });
    expiryTimer_.start();
    // Secrets live minutes, so they are swept often; the sweep walks a small index of their own
    // and does nothing while they are kept.
    store_.sweepSecrets();
    secretExpiryTimer_.setInterval(std::chrono::seconds(10));
    // The image reader looks again on the same beat, so a setting turned on takes effect.
    connect(&secretExpiryTimer_, &QTimer::timeout, this, [this] {
        store_.sweepSecrets();
        imageTextReader_->wake();
    });
    secretExpiryTimer_.start();

    // Reading images is work that can wait: on battery it waits for mains power.
    powerSource_ = std::make_unique<PowerSource>();
    imageTextReader_ = std::make_unique<ImageTextReader>(store_, [power = powerSource_.get(),
                                                                  &preferences = preferences_] {
        return ImageTextReader::Settings{preferences.readImageText() && !power->onBattery(),
                                         preferences.imageTextLanguages()};
    });
    connect(powerSource_.get(), &PowerSource::changed, this, [this](bool onBattery) {
        if (!onBattery)
            imageTextReader_->wake();
    });
    imageTextReader_->start();

    // A Wayland window in front: no X11 window is the target of the next paste, which then
    // goes to the focused window through the portal.
    connect(platform_.workspace.get(), &Workspace::unnamedWindowActivated, this,
            [this] { currentRunningApplication_.store(nullptr); });

    // Whatever asked for a link or file to open has moved on; a failure is told here.
    connect(platform_.workspace.get(), &Workspace::openFailed, this,
            [this](const QString& what, const QString& reason) {
                notifyUser(LocalizedAlert::openFailed(what, reason), QSystemTrayIcon::Warning);
            });

    // The store stops writing at the first sign of damage; the user hears of it once, and the
    // panel says it for as long as this Brimble runs (there may be no tray to hear it from).
    connect(&store_, &CoreDataManager::damageFound, this, &Brimble::onDamageFound, Qt::QueuedConnection);
    // Found before Brimble listened (while start-up read the history): told now.
    if (const QString found = store_.damageMessage(); !found.isEmpty())
        QMetaObject::invokeMethod(this, [this, found] { onDamageFound(found); }, Qt::QueuedConnection);

    // A full disk: copies wait in memory. The user hears once when it starts and once when
    // copies are recorded again; meanwhile the panel says it, and the waiting copies are tried
    // now and then, so that freeing space is enough.
    spaceRetryTimer_.setInterval(std::chrono::seconds(20));
    spaceRetryTimer_.setTimerType(Qt::VeryCoarseTimer);
    connect(&spaceRetryTimer_, &QTimer::timeout, this, [this] { store_.retryWaitingCopies(); });
    connect(&store_, &CoreDataManager::spaceChanged, this, &Brimble::onSpaceReport, Qt::QueuedConnection);
}

void Brimble::onDamageFound(const QString& message)
{
    // Told once, whether it came by the signal or was found before Brimble listened.
    if (!damageMessage_.isEmpty())
        return;
    damageMessage_ = message;
    quickSearchController_->setBanner(message);
    notifyUser(message, QSystemTrayIcon::Critical);
}

void Brimble::onSpaceReport(const CoreDataManager::SpaceReport& report)
{
    if (report.full) {
        const QString message = LocalizedAlert::historyDiskFull(report.reason);
        if (damageMessage_.isEmpty())
            quickSearchController_->setBanner(message);
        spaceRetryTimer_.start();
        notifyUser(message, QSystemTrayIcon::Warning);
        return;
    }
    spaceRetryTimer_.stop();
    quickSearchController_->setBanner(damageMessage_);
    QString message = LocalizedAlert::historyRecordingAgain(report.written);
    if (report.lost > 0)
        message += QLatin1Char(' ') + LocalizedAlert::historyCopiesLost(report.lost);
    notifyUser(message, report.lost > 0 ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
}

void Brimble::notifyUser(const QString& message, QSystemTrayIcon::MessageIcon icon)
{
    // An icon with no tray to show it (a window manager without one) shows no message either.
    if (statusItem_ && statusItem_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable() &&
        QSystemTrayIcon::supportsMessages()) {
        statusItem_->showMessage(QStringLiteral("Brimble"), message, icon);
        return;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || !Alert::dialogsShown())
        return;
    auto* box =
        new QMessageBox(icon == QSystemTrayIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                        QStringLiteral("Brimble"), message);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Brimble::rememberActivatedApplication(const RunningApplicationRef& app)
{
    if (!app->bundleIdentifier)
        return;
    if (*app->bundleIdentifier == bundleIdentifier || app->processId == QCoreApplication::applicationPid())
        return;
    currentRunningApplication_.store(app);
}

void Brimble::installStatusItem()
{
    if (statusItem_)
        return;
    statusItem_ = new QSystemTrayIcon(this);
    statusItem_->setToolTip(QStringLiteral("Brimble"));
    // A StatusNotifierItem host never reports a context click, so the menu is the icon's own.
    statusItem_->setContextMenu(statusBarMenu_.get());
    connect(statusItem_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            toggleQuickSearchWindow();
    });
    refreshStatusItemIcon();
    statusItem_->show();
}

void Brimble::removeStatusItem()
{
    delete statusItem_;
    statusItem_ = nullptr;
}

void Brimble::refreshStatusItemIcon()
{
    if (!statusItem_)
        return;
    const bool paused = preferences_.pauseRecording();
    statusItem_->setIcon(QIcon(paused ? QStringLiteral(":/icons/status_bar_icon_pause.svg")
                                      : QStringLiteral(":/icons/status_bar_icon.svg")));
}

void Brimble::setPauseRecording(bool paused, std::function<void()> done)
{
    Dispatch::global([this, paused, done = std::move(done)] {
        preferences_.setPauseRecording(paused);
        Dispatch::main([this, paused, done] {
            refreshStatusItemIcon();
            statusBarMenu_->setRecordingPaused(paused);
            if (done)
                done();
        });
    });
}

void Brimble::showQuickSearchWindow()
{
    quickSearchWindow_->showAndActivate();
}

void Brimble::toggleQuickSearchWindow()
{
    quickSearchWindow_->toggle();
}

HotKeys::Result Brimble::setShowQuickSearchWindowHotKey(const std::optional<KeyCombo>& combo)
{
    // A new choice replaces whatever was released for a recording.
    suspendedHotKey_.reset();
    if (showQuickSearchWindowHotKey_ == combo)
        return HotKeys::Result::registered;
    if (showQuickSearchWindowHotKey_)
        platform_.hotKeys->unregisterHotKey(*showQuickSearchWindowHotKey_);
    showQuickSearchWindowHotKey_.reset();
    if (!combo) {
        Log::info(kTag, QStringLiteral("no hot key shows the quick search window"));
        return HotKeys::Result::registered;
    }
    const HotKeys::Result result =
        platform_.hotKeys->registerHotKey(*combo, [this] { toggleQuickSearchWindow(); });
    if (result != HotKeys::Result::registered) {
        reportRefusedHotKey(*combo, HotKeys::describe(result));
        return result;
    }
    showQuickSearchWindowHotKey_ = combo;
    Log::info(kTag, QStringLiteral("hot key %1 shows the quick search window").arg(KeyTable::text(*combo)));
    return result;
}

void Brimble::setHotKeySuspended(bool suspended)
{
    if (suspended) {
        if (!showQuickSearchWindowHotKey_)
            return;
        platform_.hotKeys->unregisterHotKey(*showQuickSearchWindowHotKey_);
        suspendedHotKey_ = std::exchange(showQuickSearchWindowHotKey_, std::nullopt);
        Log::info(kTag, QStringLiteral("hot key released while a shortcut is recorded"));
        return;
    }
    if (const auto combo = std::exchange(suspendedHotKey_, std::nullopt))
        setShowQuickSearchWindowHotKey(combo);
}

QString Brimble::autoPasteLimitation(KeySynthesizer* keys, bool waylandSession)
{
    // Native Wayland sends the stroke through the compositor's virtual keyboard or the desktop
    // portal, which need no target window; X11 sends it through XTEST to a window.
    const bool native = keys && !keys->needsTarget();
    if (!keys || !keys->canSynthesize())
        return native ? LocalizedPreferences::autoPasteNoKeyboard()
                      : LocalizedPreferences::autoPasteWithoutXTest();
    // On a Wayland session only the X11 windows of XWayland take XTEST's keys; so it is too
    // when the portal that would reach the others is missing or was declined.
    if (waylandSession && (!native || !keys->isTrusted(nullptr)))
        return LocalizedPreferences::autoPasteOnWayland();
    return {};
}

Workspace* Brimble::workspace() const
{
    return platform_.workspace.get();
}

void Brimble::showPreferencesWindow()
{
    if (!preferencesWindow_) {
        PreferencesActions actions;
        actions.setShowQuickSearchWindowHotKey = [this](const std::optional<KeyCombo>& combo) {
            return setShowQuickSearchWindowHotKey(combo);
        };
        actions.setHotKeySuspended = [this](bool suspended) { setHotKeySuspended(suspended); };
        HotKeys* hotKeys = platform_.hotKeys.get();
        actions.desktopShortcut = [hotKeys] { return hotKeys->desktopShortcut(); };
        actions.configureDesktopShortcut = [hotKeys] { hotKeys->configureDesktopShortcut(); };
        actions.setStatusItemShown = [this](bool shown) { shown ? installStatusItem() : removeStatusItem(); };
        actions.autoPasteLimitation = [this] {
            return autoPasteLimitation(platform_.keySynthesizer.get(), DesktopSession::isWayland());
        };
        actions.openAutoPasteHelp = [this] { showHelp(autoPasteHelpSection); };
        actions.iconForFile = [icons = platform_.iconCache.get()](const QString& path) {
            return icons ? icons->icon(path) : QImage();
        };
        preferencesWindow_ = std::make_unique<PreferencesWindow>(store_, preferences_, actions);
        connect(this, &Brimble::desktopShortcutChanged, preferencesWindow_->tabs()->keyBindings(),
                &PreferencesKeyBindingViewController::refreshDesktopShortcut);
        connect(preferencesWindow_->tabs()->rules(), &PreferencesRuleViewController::ignoredAppsChanged, this,
                [this](const QList<IgnoredAppInfModel>& rules) { pasteBoard_->setIgnoredApps(rules); });
    }
    // The panel stays above every ordinary window; it would cover the preferences.
    if (quickSearchWindow_->isVisible())
        quickSearchWindow_->resignMainWindow();
    preferencesWindow_->showAndActivate();
    Log::info(kTag, QStringLiteral("preferences window shown"));
}

void Brimble::reportRefusedHotKey(const KeyCombo& combo, const QString& reason)
{
    Log::warning(kTag, QStringLiteral("hot key %1 not registered: %2").arg(KeyTable::text(combo), reason));
    if (refusedHotKeyShown_)
        return;
    refusedHotKeyShown_ = true;
    notifyUser(LocalizedAlert::hotKeyRefused(KeyTable::displayText(combo), reason), QSystemTrayIcon::Warning);
}

void Brimble::pasteItems(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                         RunningApplicationRef target, std::function<void(const PasteOutcome&)> done)
{
    const bool simulate = paste && preferences_.autoPasteToCurrentApp();
    const bool deleteAfterPaste = preferences_.deleteAfterPasted();
    // Why a refused stroke was refused, in the words of this display.
    QString refusal =
        autoPasteLimitation(platform_.keySynthesizer.get(), DesktopSession::isWayland());
    if (refusal.isEmpty())
        refusal = LocalizedAlert::turnOnAccessibilityMessage();
    QPointer<Brimble> self(this);
    pasteBoard_->paste(models, asPlainText, simulate, paste ? target : nullptr,
                       [self, simulate, models, deleteAfterPaste, refusal, &store = store_,
                        &preferences = preferences_, done = std::move(done)](const PasteOutcome& outcome) {
                           if (outcome.explainAutoPaste)
                               showAccessibilityPrompt(preferences, refusal, [self] {
                                   if (self)
                                       self->showHelp(autoPasteHelpSection);
                               });
                           if (self && simulate)
                               self->tellPasteOutcome(outcome);
                           if (!deleteAfterPaste || !outcome.isWritten()) {
                               if (done)
                                   done(outcome);
                               return;
                           }
                           // Not before the write: it loads the content it writes from the
                           // history, and a deleted item has none.
                           Dispatch::global([models, outcome, done, &store] {
                               for (const PasteInfModel& model : models)
                                   store.deletePasteInf(model);
                               if (done)
                                   Dispatch::main([done, outcome] { done(outcome); });
                           });
                       });
}

void Brimble::pasteInSequence(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                              RunningApplicationRef target, std::function<void(const PasteOutcome&)> done)
{
    const bool simulate = paste && preferences_.autoPasteToCurrentApp();
    QString refusal =
        autoPasteLimitation(platform_.keySynthesizer.get(), !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    if (refusal.isEmpty())
        refusal = LocalizedAlert::turnOnAccessibilityMessage();
    pasteQueue_->start(models, asPlainText, simulate, paste ? target : nullptr,
                       [self = QPointer<Brimble>(this), refusal, &preferences = preferences_,
                        done = std::move(done)](const PasteOutcome& outcome) {
                           if (outcome.explainAutoPaste)
                               showAccessibilityPrompt(preferences, refusal, [self] {
                                   if (self)
                                       self->showHelp(autoPasteHelpSection);
                               });
                           if (done)
                               done(outcome);
                       });
}

QString Brimble::pasteQueueText(const PasteQueue::Status& status)
{
    using State = PasteQueue::State;
    const QString count = QString::number(status.entries.size());
    const QString pasted = QString::number(status.next);
    switch (status.state) {
    case State::Empty:
        return QString();
    case State::Starting:
    case State::Active: {
        const PasteQueue::Entry& next = status.entries.at(status.next);
        const QString label =
            next.label.isEmpty()
                ? LocalizedQueue::untitledItem(
                      QString::number(status.next + 1),
                      LocalizedPasteBoardType::name(next.displayType.value_or(PasteInfoDisplayType::Unknown)))
                : QStringLiteral("\u201c%1\u201d").arg(next.label);
        return LocalizedQueue::active(pasted, count, label);
    }
    case State::Finished:
        return LocalizedQueue::finished(count);
    case State::Interrupted:
        return LocalizedQueue::interrupted(pasted, count);
    case State::Cleared:
        return LocalizedQueue::cleared(pasted, count);
    case State::Failed:
        return LocalizedQueue::failed(status.message);
    }
    return QString();
}

void Brimble::onPasteQueueChanged()
{
    const PasteQueue::Status& status = pasteQueue_->status();
    const QString text = pasteQueueText(status);
    statusBarMenu_->setPasteQueue(text, status.isRunning());
    quickSearchController_->setPasteQueueNotice(text, status.isRunning());
}

void Brimble::tellPasteOutcome(const PasteOutcome& outcome)
{
    // The user pressed Return to paste: when no key stroke went out, they hear so in one line,
    // in the panel and at once: in the tray, or where there is none (GNOME) as a notification.
    const bool byHand = outcome.isWritten() && outcome.status != PasteOutcome::Status::Pasted &&
                        outcome.status != PasteOutcome::Status::Written;
    quickSearchController_->setPasteNotice(byHand ? LocalizedAlert::pastedByHand() : QString());
    if (!byHand || outcome.explainAutoPaste)
        return;
    if (statusItem_ && statusItem_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable() &&
        QSystemTrayIcon::supportsMessages()) {
        statusItem_->showMessage(QStringLiteral("Brimble"), LocalizedAlert::pastedByHand(),
                                 QSystemTrayIcon::Information);
        return;
    }
    // Sent without waiting for the answer: a desktop without a notification service loses
    // only this message.
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral("Brimble") << uint(0) << QStringLiteral("brimble") << QStringLiteral("Brimble")
           << LocalizedAlert::pastedByHand() << QStringList() << QVariantMap() << int(5000);
    QDBusConnection::sessionBus().send(notify);
}

void Brimble::showHelp(const QString& section)
{
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    // The panel stays above every ordinary window; it would cover the manual.
    if (quickSearchWindow_->isVisible())
        quickSearchWindow_->resignMainWindow();
    helpWindow_->showSection(section);
    Log::info(kTag, QStringLiteral("help window shown"));
}

QMessageBox* Brimble::showAccessibilityPrompt(Preferences& preferences, const QString& message,
                                              std::function<void()> learnMore)
{
    auto* box = new QMessageBox(QMessageBox::Warning, LocalizedHelp::autoPasteTitle(), message);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Linux has no setting that grants key synthesis to a program: what can be done depends on
    // the desktop, and the manual's section on automatic paste says it for each.
    auto* more = box->addButton(LocalizedAlert::learnMore(), QMessageBox::HelpRole);
    box->setDefaultButton(box->addButton(LocalizedAlert::notNow(), QMessageBox::RejectRole));

    auto* check = new QCheckBox(LocalizedAlert::doNotShowThisToMeAgain(), box);
    box->setCheckBox(check);
    auto* action = new Action(
        [&preferences](QObject* sender) {
            if (auto* c = qobject_cast<QCheckBox*>(sender))
                preferences.setDoNotShowAccessibilityAlert(c->isChecked());
        },
        box);
    QObject::connect(check, &QCheckBox::clicked, action, &Action::action);

    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [more, learnMore = std::move(learnMore)](QAbstractButton* button) {
                         if (button == more && learnMore)
                             learnMore();
                     });
    box->show();
    return box;
}
