#include "AppDelegate.h"
#include "view/base/Alert.h"

#include "app/Brimble.h"
#include "app/CommandLine.h"
#include "app/CrashReports.h"
#include "app/InstanceChannel.h"
#include "app/StatusBarMenu.h"
#include "common/CrashCatcher.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "common/Threads.h"
#include "model/CoreDataManager.h"
#include "model/HistoryArchive.h"
#include "model/HistoryQueries.h"
#include "model/IgnoredAppInfModel.h"
#include "model/Localized.h"
#include "model/PasteCategoryInfModel.h"
#include "model/Preferences.h"
#include "pasteboard/PasteBoard.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QUuid>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const QString kTag = QStringLiteral("AppDelegate");
int g_signalFds[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(g_signalFds[0], &byte, 1);
}

QJsonObject failure(const QString& error)
{
    return {{"ok", false}, {"error", error}};
}

// The paste queue as `brimble queue` shows it.
QJsonObject pasteQueueJson(const PasteQueue::Status& status)
{
    using State = PasteQueue::State;
    const auto stateName = [](State state) {
        switch (state) {
        case State::Empty:
            return "none";
        case State::Starting:
        case State::Active:
            return "active";
        case State::Finished:
            return "finished";
        case State::Interrupted:
            return "interrupted";
        case State::Cleared:
            return "cleared";
        case State::Failed:
            break;
        }
        return "failed";
    };
    QJsonArray items;
    for (int i = 0; i < status.entries.size(); ++i) {
        const PasteQueue::Entry& entry = status.entries.at(i);
        const bool pasted = i < status.next || status.state == State::Finished;
        items.append(QJsonObject{
            {"position", i + 1},
            {"uuid", entry.uuid},
            {"text", entry.label},
            {"type", HistoryQueries::typeKeyword(entry.displayType.value_or(PasteInfoDisplayType::Unknown))},
            {"state", pasted                                     ? "pasted"
                      : (i == status.next && status.isRunning()) ? "next"
                                                                 : "waiting"}});
    }
    QJsonObject queue{{"state", stateName(status.state)},
                      {"pasted", status.state == State::Finished ? int(status.entries.size()) : status.next},
                      {"count", int(status.entries.size())},
                      {"summary", Brimble::pasteQueueText(status)},
                      {"items", items}};
    if (!status.message.isEmpty())
        queue["message"] = status.message;
    return queue;
}

// The store cannot be used: say so where the user will see it, naming the file.
void reportFatalStoreError(const QString& error)
{
    Log::error(kTag, QStringLiteral("Unresolved error ") + error);
    const QString message = LocalizedCommandLine::cannotOpenDatabase(error);
    fprintf(stderr, "brimble: %s\n", qPrintable(error));
    if (QGuiApplication::platformName() != QLatin1String("offscreen") && Alert::dialogsShown())
        QMessageBox::critical(nullptr, QStringLiteral("Brimble"), message);
}
} // namespace

AppDelegate::AppDelegate(CoreDataManager& store, Preferences& preferences)
    : store_(store), preferences_(preferences)
{
}

AppDelegate::~AppDelegate()
{
    tearDown();
}

bool AppDelegate::applicationDidFinishLaunching(int* exitCode)
{
    // First, so that even the answer of a second Brimble is in the user's language.
    Localized::install();
    seams_.applyToInterface();
    // One Brimble per session: a second one hands its request over and leaves before it
    // touches the history.
    channel_ = new InstanceChannel(this);
    if (!channel_->listen([this](const QJsonObject& request, InstanceChannel::Reply reply) {
            handleRequest(request, std::move(reply));
        })) {
        // Busy or not, the running one keeps the session: a second copy would record every
        // copy twice.
        const auto answer = InstanceChannel::request({{"verb", "reopen"}});
        if (answer.isBusy()) {
            fprintf(stderr, "brimble: %s\n", qPrintable(LocalizedCommandLine::alreadyRunningBusy()));
            *exitCode = CommandLine::Busy;
        } else if (answer.status == InstanceChannel::Answer::Status::NotRunning) {
            fprintf(stderr, "brimble: %s\n",
                    qPrintable(LocalizedCommandLine::notAnswering(InstanceChannel::socketPath())));
            *exitCode = CommandLine::Failed;
        } else {
            *exitCode = answer.object.value("ok").toBool() ? CommandLine::Success : CommandLine::Failed;
        }
        return false;
    }

    // The crash catcher was installed first thing in main(); what it left from an earlier run
    // is dealt with here, once this is the one Brimble of the session.
    Log::setup(Log::defaultLogDirectory());
    handleCrashReports();

    QString error;
    if (!store_.open(CoreDataManager::defaultPath(), &error)) {
        reportFatalStoreError(error);
        *exitCode = 1;
        return false;
    }
    // Which file the history is in never changes while Brimble runs, so the command line's
    // read verbs learn it even while the GUI thread is busy; whether it is damaged is read
    // under the store's own lock. A damaged file is named as such, so that no verb mistakes it
    // for an empty history.
    channel_->setStandingAnswer(QStringLiteral("database"), [path = store_.path(), &store = store_] {
        return QJsonObject{{"ok", true}, {"path", path}, {"damaged", store.damageMessage()}};
    });
    initializeData(store_, preferences_);

    // The portal's answer is kept with the preferences (0600); written off the GUI thread.
    PortalConsentStore consent;
    Preferences& preferences = preferences_;
    consent.restoreToken = [&preferences] { return preferences.remoteDesktopRestoreToken(); };
    consent.setRestoreToken = [&preferences](const QString& token) {
        Dispatch::global([token, &preferences] { preferences.setRemoteDesktopRestoreToken(token); });
    };
    consent.declined = [&preferences] { return preferences.remoteDesktopDeclined(); };
    consent.setDeclined = [&preferences](bool declined) {
        Dispatch::global([declined, &preferences] { preferences.setRemoteDesktopDeclined(declined); });
    };
    platform_ = Platform::create(std::move(consent));
    PasteInfModel::setIconProvider(
        [icons = platform_->iconCache.get()](const QString& path) { return icons->icon(path); });

    brimble_ = std::make_unique<Brimble>(*platform_, store_, preferences_);
    seams_.applyTo(brimble_->pasteBoard());
    brimble_->statusBarMenu().setQuitHandler([this] { applicationShouldTerminate(); });

    LoginItem* loginItem = platform_->loginItem.get();
    preferences_.setLoginItemSwitch([loginItem](bool on) { loginItem->setEnabled(on); });
    // Only touch the autostart entry when there is something to say: a user who never
    // enabled it gets no file.
    if (preferences_.launchAtLogin() || loginItem->isEnabled())
        loginItem->setEnabled(preferences_.launchAtLogin());

    installSignalHandlers();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
    serving_ = true;
    Log::info(kTag, QStringLiteral("started"));
    return true;
}

void AppDelegate::initializeData(CoreDataManager& store, Preferences& preferences)
{
    store.ensureDefaultCategory();
    if (preferences.isDataInitialed() == true)
        return;

    // The flag lives in preferences.json, the first-run data in the history: a lost or reset
    // preferences file must not add the clipboards and the rule a second time.
    const bool historyHasFirstRunData =
        store.fetchCategories().size() > 1 || !store.fetchIgnoredApps().isEmpty();
    if (!historyHasFirstRunData) {
        const QList<QString> titles = {
            LocalizedPasteBoardType::textType(), LocalizedPasteBoardType::linkType(),
            LocalizedPasteBoardType::imageType(), LocalizedPasteBoardType::fileType()};
        qint16 order = 1;
        for (const QString& title : titles) {
            store.insertCategory(
                PasteCategoryInfModel(title, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(),
                                      order, order, store.now()));
            ++order;
        }
        // Written before the flag below (the insert returns once committed), so a crash in
        // between repeats nothing that was already stored.
        store.insertIgnoredApp(IgnoredAppInfModel::fromPath(firstIgnoredAppPath, store.now()));
    }
    // Ctrl+Alt+V: Alt+Space opens the window menu on the common Linux desktops.
    preferences.setShowQuickSearchWindowHotKey(KeyCombo{9, CarbonModifier::command | CarbonModifier::option});
    preferences.setIsDataInitialed(true);
}

void AppDelegate::applicationShouldHandleReopen()
{
    // A second start has no window of its own to show; it means "let me at my history".
    Log::info(kTag, QStringLiteral("reopen"));
    brimble_->showQuickSearchWindow();
}

void AppDelegate::handleCrashReports()
{
    crashReports_ =
        new CrashReports(preferences_, QString::fromLocal8Bit(CrashCatcher::defaultReportDirectory()), this);
    CrashReports::AskUser ask;
    if (QGuiApplication::platformName() != QLatin1String("offscreen") && Alert::dialogsShown()) {
        ask = [](int, std::function<void(CrashReports::Answer)> answer) {
            // Not modal: start-up goes on while the question waits for an answer.
            auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Brimble"),
                                        LocalizedAlert::crashTitle());
            box->setAttribute(Qt::WA_DeleteOnClose);
            // Above the quick search window, which stays on top, should the user open it first.
            box->setWindowFlag(Qt::WindowStaysOnTopHint);
            box->setInformativeText(LocalizedAlert::crashMessage());
            // One role for all three keeps them in the design's order on every desktop.
            QPushButton* always = box->addButton(LocalizedAlert::alwaysSend(), QMessageBox::ActionRole);
            QPushButton* send = box->addButton(LocalizedAlert::send(), QMessageBox::ActionRole);
            QPushButton* decline = box->addButton(LocalizedAlert::doNotSend(), QMessageBox::ActionRole);
            box->setDefaultButton(send);
            // Closing the window answers like the last button: nothing is sent without a yes.
            box->setEscapeButton(decline);
            QObject::connect(box, &QMessageBox::buttonClicked, box, [=](QAbstractButton* button) {
                answer(button == always ? CrashReports::Answer::AlwaysSend
                       : button == send ? CrashReports::Answer::Send
                                        : CrashReports::Answer::DoNotSend);
            });
            box->show();
            box->raise();
            box->activateWindow();
        };
    }
    crashReports_->handleWaitingReports(std::move(ask));
}

void AppDelegate::applicationShouldTerminate()
{
    if (terminating_)
        return;
    terminating_ = true;
    // The save waits for the store's queued operations: not on the GUI thread.
    Dispatch::global([this] {
        const bool saved = !store_.isOpen() || store_.save();
        Dispatch::main([this, saved] {
            // Nobody can be asked in a run without dialogs: it quits as asked.
            if (saved || !Alert::dialogsShown()) {
                QCoreApplication::quit();
                return;
            }
            Log::error(kTag, QStringLiteral("save before quitting failed"));
            auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brimble"),
                                        LocalizedAlert::quitWithoutSavingQuestion());
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setInformativeText(LocalizedAlert::quitWithoutSavingInformation());
            QPushButton* quitAnyway =
                box->addButton(LocalizedAlert::quitAnyway(), QMessageBox::DestructiveRole);
            QPushButton* cancel = box->addButton(LocalizedAlert::quitCancel(), QMessageBox::RejectRole);
            box->setDefaultButton(cancel);
            box->setEscapeButton(cancel);
            connect(box, &QMessageBox::finished, this, [this, box, quitAnyway] {
                terminating_ = false;
                if (box->clickedButton() == quitAnyway)
                    QCoreApplication::quit();
            });
            box->show();
            box->raise();
            box->activateWindow();
        });
    });
}

void AppDelegate::applicationWillTerminate()
{
    tearDown();
}

void AppDelegate::tearDown()
{
    // Background tasks (a request being resolved, a paste waiting for its window) still use
    // Brimble and the platform, and may queue one more write-back; Brimble's own teardown then
    // stops the tick and lets the pasteboard queue finish what it holds.
    Threads::waitForBlocking();
    // The icon provider holds the platform's icon cache; the window and the hot key go with
    // Brimble, while the platform they use is still there.
    if (platform_)
        PasteInfModel::setIconProvider({});
    brimble_.reset();
    if (platform_) {
        preferences_.setLoginItemSwitch({});
        platform_.reset();
    }
    // Last, so every capture is in: closing the only connection checkpoints the WAL into the
    // file and removes it.
    if (store_.isOpen()) {
        if (!store_.save()) {
            Log::error(kTag, QStringLiteral("the history could not be saved at quit (the store logged why); "
                                            "exiting with status 1"));
            terminationStatus_ = 1;
        }
        store_.close();
    }
}

void AppDelegate::installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalFds) != 0) {
        Log::warning(kTag,
                     QStringLiteral("no signal channel; termination signals end Brimble without saving"));
        return;
    }
    signalNotifier_ = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, this);
    connect(signalNotifier_, &QSocketNotifier::activated, this, [] {
        char byte;
        [[maybe_unused]] auto got = ::read(g_signalFds[1], &byte, 1);
        Log::info(kTag, QStringLiteral("termination requested"));
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void AppDelegate::handleRequest(const QJsonObject& request, std::function<void(const QJsonObject&)> reply)
{
    const QString verb = request.value("verb").toString();
    if (!serving_) {
        QJsonObject answer = InstanceChannel::busyAnswer();
        answer["error"] = LocalizedCommandLine::stillStarting();
        reply(answer);
        return;
    }
    Brimble& brimble = *brimble_;

    if (verb == "reopen") {
        applicationShouldHandleReopen();
        reply({{"ok", true}});
    } else if (verb == "toggle") {
        brimble.toggleQuickSearchWindow();
        reply({{"ok", true}});
    } else if (verb == "preferences") {
        brimble.showPreferencesWindow();
        reply({{"ok", true}});
    } else if (verb == "pause" || verb == "resume") {
        const bool paused = verb == "pause";
        brimble.setPauseRecording(paused, [reply, paused] { reply({{"ok", true}, {"paused", paused}}); });
    } else if (verb == "quit") {
        // Saved before the answer, so the caller learns whether it was: a `brimble quit` that
        // says done must not have lost anything.
        Dispatch::global([reply, &store = store_] {
            const bool saved = !store.isOpen() || store.save();
            Dispatch::main([reply, saved] {
                reply(saved ? QJsonObject{{"ok", true}} : failure(LocalizedCommandLine::quitNotSaved()));
                QCoreApplication::quit();
            });
        });
    } else if (verb == "hold" && !seams_.holdFifo.isEmpty()) {
        // Test seam: the GUI thread stops until the test writes to the FIFO, as a long layout
        // or a stuck call would stop it.
        reply({{"ok", true}});
        QMetaObject::invokeMethod(
            this,
            [fifo = seams_.holdFifo] {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_CLOEXEC);
                if (fd >= 0) {
                    char byte;
                    [[maybe_unused]] auto got = ::read(fd, &byte, 1);
                    ::close(fd);
                }
            },
            Qt::QueuedConnection);
    } else if (verb == "copy" || verb == "paste") {
        const bool plain = request.value("plain").toBool();
        const QString item = request.value("item").toString();
        const QString clipboardName = request.value("clipboard").toString();
        Dispatch::global([=, &brimble] {
            // The window in front when the request came is where a paste goes (the terminal
            // the command was typed in, or whatever a shortcut was pressed over). Resolving it
            // asks the X server and reads desktop files, so not on the GUI thread.
            RunningApplicationRef target = brimble.platform().workspace->frontmostApplication();
            // Brimble's own windows take no paste: with the panel in front it goes where the
            // panel would paste, and with no other window known it is refused, not sent into
            // the panel's search field.
            if (!target || target->processId == QCoreApplication::applicationPid())
                target = brimble.currentRunningApplication();
            // Read here, off the GUI thread: with automatic paste off, a paste only copies, and
            // the caller is told so rather than that it pasted.
            const bool onlyCopies = verb == "paste" && !brimble.preferences().autoPasteToCurrentApp();
            QString error;
            const auto clipboard = HistoryQueries::clipboardNamed(brimble.store(), clipboardName, &error);
            std::optional<PasteInfModel> model;
            if (clipboard)
                model = HistoryQueries::resolveItem(brimble.store(), *clipboard, item, &error);
            Dispatch::main([=, &brimble] {
                if (!model) {
                    reply(failure(error));
                    return;
                }
                // Answered once the clipboard holds the item, so `brimble copy 1 && xclip -o`
                // reads it; a paste that did not reach its window is a failure to report.
                const QString uuid = model->uuid.value_or(QString());
                brimble.pasteItems({*model}, plain, verb == "paste", target,
                                   [reply, uuid, onlyCopies](const PasteOutcome& outcome) {
                                       const bool done = outcome.status == PasteOutcome::Status::Written ||
                                                         outcome.status == PasteOutcome::Status::Pasted;
                                       if (!done)
                                           reply(failure(outcome.message));
                                       else if (onlyCopies)
                                           reply({{"ok", true}, {"uuid", uuid}, {"pasted", false}});
                                       else
                                           reply({{"ok", true}, {"uuid", uuid}});
                                   });
            });
        });
    } else if (verb == "import") {
        const QString path = request.value("path").toString();
        Dispatch::global([reply, path, &store = store_] {
            const HistoryArchive::Result result = HistoryArchive::importHistory(store, path);
            reply(result.ok ? QJsonObject{{"ok", true},
                                          {"message", HistoryArchive::describeImport(result)},
                                          {"added", result.items},
                                          {"skipped", result.skipped}}
                            : failure(result.error));
        });
    } else if (verb == "queue") {
        const QString action = request.value("action").toString();
        if (action == "clear")
            brimble.pasteQueue().clear();
        if (action != "start") {
            reply({{"ok", true}, {"queue", pasteQueueJson(brimble.pasteQueue().status())}});
            return;
        }
        const bool plain = request.value("plain").toBool();
        const QString clipboardName = request.value("clipboard").toString();
        QStringList items;
        for (const QJsonValue& item : request.value("items").toArray())
            items.append(item.toString());
        Dispatch::global([=, &brimble] {
            QString error;
            const auto clipboard = HistoryQueries::clipboardNamed(brimble.store(), clipboardName, &error);
            QList<PasteInfModel> models;
            for (const QString& item : items) {
                std::optional<PasteInfModel> model;
                if (clipboard)
                    model = HistoryQueries::resolveItem(brimble.store(), *clipboard, item, &error);
                if (!model) {
                    Dispatch::main([reply, error] { reply(failure(error)); });
                    return;
                }
                models.append(*model);
            }
            Dispatch::main([=, &brimble] {
                // Started from a terminal, the first item waits on the clipboard like the rest.
                brimble.pasteInSequence(
                    models, plain, false, nullptr, [reply, &brimble](const PasteOutcome& outcome) {
                        if (!outcome.isWritten())
                            reply(failure(outcome.message));
                        else
                            reply({{"ok", true}, {"queue", pasteQueueJson(brimble.pasteQueue().status())}});
                    });
            });
        });
    } else if (verb == "database") {
        // The command line reads list, search and clipboards from the file itself, so that an
        // answer of any size costs this process nothing; it only needs to know which file.
        // A damaged file is named as such, so that no verb mistakes it for an empty history.
        reply({{"ok", true}, {"path", store_.path()}, {"damaged", store_.damageMessage()}});
    } else {
        reply(failure(QStringLiteral("unknown request \"%1\"").arg(verb)));
    }
}
