#include "app/StatusBarMenu.h"

#include "app/EventBus.h"
#include "app/EventNames.h"
#include "app/Localized.h"
#include "common/Log.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

namespace {
const QString kTag = QStringLiteral("StatusBarMenu");
}

StatusBarMenu::StatusBarMenu(bool recordingPaused, Workspace& workspace, Actions actions, QWidget* parent)
    : QMenu(parent), workspace_(workspace), actions_(std::move(actions)), paused_(recordingPaused)
{
    setObjectName(QStringLiteral("StatusBarMenu"));
    setMinimumWidth(50);

    pauseRecordingItem_ = addAction(QString(), this, &StatusBarMenu::pauseRecording);
    addSeparator();
    showQuickSearchItem_ = addAction(LocalizedMenu::showClipboardHistory(), this, [this] {
        if (actions_.showQuickSearchWindow)
            actions_.showQuickSearchWindow();
    });
    addSeparator();
    preferencesItem_ = addAction(LocalizedMenu::preferences() + QStringLiteral("\u2026"), this,
                                 &StatusBarMenu::openPreferences);
    preferencesItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    helpItem_ = addAction(LocalizedMenu::help(), this, [this] {
        if (!workspace_.openUrl(helpUrl))
            Log::warning(kTag, QStringLiteral("cannot open the help page"));
    });
    aboutItem_ = addAction(LocalizedMenu::about(), this, &StatusBarMenu::showAboutPanel);
    addSeparator();
    // Queued, so the menu has closed before the event loop ends.
    quitItem_ = addAction(LocalizedMenu::quit(), qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    quitItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    setRecordingPaused(recordingPaused);
    // The quick search window asks for the preferences with Ctrl+comma.
    EventBus::onMainThread(this, EventName::openPreferencesWindow,
                           [this](const Notification&) { openPreferences(); });
}

StatusBarMenu::~StatusBarMenu()
{
    EventBus::unregister(this);
}

void StatusBarMenu::openPreferences()
{
    if (actions_.openPreferences)
        actions_.openPreferences();
}

void StatusBarMenu::setRecordingPaused(bool paused)
{
    paused_ = paused;
    pauseRecordingItem_->setText(paused ? LocalizedMenu::continueRecording()
                                        : LocalizedMenu::pauseRecording());
}

void StatusBarMenu::pauseRecording()
{
    if (!actions_.setPauseRecording)
        return;
    const bool paused = !paused_;
    // Until the switch is stored a second choice would toggle from a state that is not yet true.
    pauseRecordingItem_->setEnabled(false);
    actions_.setPauseRecording(paused, [menu = QPointer<StatusBarMenu>(this), paused] {
        if (!menu)
            return;
        menu->setRecordingPaused(paused);
        menu->pauseRecordingItem_->setEnabled(true);
    });
}

void StatusBarMenu::showAboutPanel()
{
    if (!aboutPanel_) {
        aboutPanel_ = new QMessageBox(QMessageBox::NoIcon, LocalizedMenu::about(),
                                      QStringLiteral("Brimble %1").arg(QStringLiteral(BRIMBLE_VERSION)),
                                      QMessageBox::Ok);
        aboutPanel_->setIconPixmap(QIcon(QStringLiteral(":/icons/status_bar_icon.svg")).pixmap(64, 64));
        aboutPanel_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutPanel_->show();
    aboutPanel_->raise();
    aboutPanel_->activateWindow();
}
