#include "Brimble.h"

#include "app/EventBus.h"
#include "app/EventNames.h"
#include "app/Preferences.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "pasteboard/KeyBoardEventSimu.h"
#include "pasteboard/PasteBoard.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QIcon>
#include <QSystemTrayIcon>

namespace {
Brimble* g_shared = nullptr;
}

Brimble& Brimble::create(Platform& platform)
{
    Q_ASSERT(!g_shared);
    g_shared = new Brimble(platform);
    g_shared->start();
    return *g_shared;
}

Brimble& Brimble::shared()
{
    Q_ASSERT(g_shared);
    return *g_shared;
}

bool Brimble::exists()
{
    return g_shared != nullptr;
}

Brimble::Brimble(Platform& platform)
    : platform_(platform),
      keyboard_(std::make_unique<KeyBoardEventSimu>(platform.keySynthesizer.get(), platform.clipboard.get())),
      pasteBoard_(std::make_unique<PasteBoard>(platform.clipboard.get(), platform.workspace.get(),
                                               keyboard_.get(),
                                               [this] { return currentRunningApplication_.load(); }))
{
}

Brimble::~Brimble()
{
    timer_.stop();
    EventBus::unregister(this);
    pasteBoard_.reset();
    delete statusItem_;
    if (g_shared == this)
        g_shared = nullptr;
}

void Brimble::start()
{
    if (Preferences::shared().showIconInMenuBar())
        installStatusItem();
    else
        removeStatusItem();

    EventBus::onBackgroundThread(this, EventName::didActivateApplication, [this](const Notification& note) {
        const auto* app = std::any_cast<RunningApplicationRef>(&note.object);
        if (!app || !*app) {
            Log::error(QStringLiteral("DID_ACTIVATE_APPLICATION"), QStringLiteral("receive object is nil"));
            return;
        }
        rememberActivatedApplication(*app);
    });

    // Seed the target of a paste with whatever is in front now, so a paste right after
    // start-up has somewhere to go.
    if (platform_.workspace)
        if (auto front = platform_.workspace->frontmostApplication())
            rememberActivatedApplication(front);

    timer_.setInterval(int(PasteBoard::timerInterval * 1000));
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { pasteBoard_->checkForChangesInPasteboard(); });
    timer_.start();
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
    const bool paused = Preferences::shared().pauseRecording();
    statusItem_->setIcon(QIcon(paused ? QStringLiteral(":/icons/status_bar_icon_pause.svg")
                                      : QStringLiteral(":/icons/status_bar_icon.svg")));
}

void Brimble::setPauseRecording(bool paused, std::function<void()> done)
{
    Dispatch::global([this, paused, done = std::move(done)] {
        Preferences::shared().setPauseRecording(paused);
        Dispatch::main([this, done] {
            refreshStatusItemIcon();
            if (done)
                done();
        });
    });
}

void Brimble::pasteItems(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                         RunningApplicationRef target)
{
    const bool simulate = paste && Preferences::shared().autoPasteToCurrentApp();
    Workspace* workspace = platform_.workspace.get();
    PasteBoard* board = pasteBoard_.get();
    // Activation waits for the window manager, so it runs off the GUI thread, before the
    // write-back is queued.
    Dispatch::global([=] {
        if (paste && target && workspace)
            workspace->activate(*target);
        board->paste(models, asPlainText, simulate, target);
    });
}
