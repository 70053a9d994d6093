#include "app/StatusBarMenu.h"
#include "view/base/Alert.h"

#include "app/UpdateChecker.h"
#include "common/Log.h"
#include "model/Localized.h"
#include "platform/Workspace.h"
#include "view/base/MenuText.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

namespace {
const QString kTag = QStringLiteral("StatusBarMenu");
}

StatusBarMenu::StatusBarMenu(bool recordingPaused, Workspace& workspace, Actions actions, QWidget* parent)
    : QMenu(parent), workspace_(workspace), actions_(std::move(actions)), paused_(recordingPaused)
{
    setObjectName(QStringLiteral("StatusBarMenu"));
    setMinimumWidth(50);

    pasteQueueItem_ = addAction(QString());
    pasteQueueItem_->setEnabled(false);
    clearPasteQueueItem_ = addAction(LocalizedQueue::clear(), this, &StatusBarMenu::clearPasteQueueChosen);
    pasteQueueSeparator_ = addSeparator();
    setPasteQueue(QString(), false);
    pauseRecordingItem_ = addAction(QString(), this, &StatusBarMenu::pauseRecording);
    addSeparator();
    showQuickSearchItem_ = addAction(LocalizedMenu::showClipboardHistory(), this, [this] {
        if (actions_.showQuickSearchWindow)
            actions_.showQuickSearchWindow();
    });
    addSeparator();
    checkForUpdateItem_ = addAction(LocalizedMenu::checkForUpdates(), this, &StatusBarMenu::checkForUpdates);
    // A build without a release feed has nothing to check against.
    checkForUpdateItem_->setVisible(UpdateChecker::isConfigured());
    preferencesItem_ = addAction(LocalizedMenu::preferences() + QStringLiteral("\u2026"), this,
                                 &StatusBarMenu::openPreferences);
    preferencesItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    helpItem_ = addAction(LocalizedMenu::help(), this, [this] {
        if (actions_.showHelp)
            actions_.showHelp();
    });
    aboutItem_ = addAction(LocalizedMenu::about(), this, &StatusBarMenu::showAboutPanel);
    addSeparator();
    // Queued, so the menu has closed before the event loop ends.
    quitItem_ = addAction(
        LocalizedMenu::quit(), this,
        [this] {
            if (quit_)
                quit_();
            else
                QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    quitItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    setRecordingPaused(recordingPaused);
}

StatusBarMenu::~StatusBarMenu() = default;

void StatusBarMenu::openPreferences()
{
    if (actions_.openPreferences)
        actions_.openPreferences();
}

void StatusBarMenu::setPasteQueue(const QString& text, bool running)
{
    pasteQueueItem_->setText(MenuText::escaped(text));
    pasteQueueItem_->setVisible(!text.isEmpty());
    clearPasteQueueItem_->setVisible(running);
    pasteQueueSeparator_->setVisible(!text.isEmpty());
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
        AboutInfo info;
        if (actions_.aboutInfo)
            info = actions_.aboutInfo();
        else
            info.version = UpdateChecker::currentVersion();
        aboutPanel_ = new AboutDialog(std::move(info));
        aboutPanel_->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutPanel_->show();
    aboutPanel_->raise();
    aboutPanel_->activateWindow();
}

void StatusBarMenu::checkForUpdates()
{
    if (!updater_)
        updater_ = new UpdateChecker(this);
    // One check at a time; the menu and the window stay usable meanwhile.
    checkForUpdateItem_->setEnabled(false);
    updater_->check([menu = QPointer<StatusBarMenu>(this)](const UpdateCheckResult& result) {
        if (!menu)
            return;
        menu->checkForUpdateItem_->setEnabled(true);
        menu->showUpdateResult(result);
    });
}

void StatusBarMenu::showUpdateResult(const UpdateCheckResult& result)
{
    if (updatePanel_)
        updatePanel_->close();
    auto* panel = new QMessageBox();
    panel->setAttribute(Qt::WA_DeleteOnClose);
    // The answer usually comes while the quick search window (which stays on top) is open.
    panel->setWindowFlag(Qt::WindowStaysOnTopHint);
    panel->setWindowTitle(LocalizedMenu::checkForUpdates());
    panel->setIconPixmap(QIcon(QStringLiteral(":/icons/brimble.svg")).pixmap(64, 64));
    switch (result.status) {
    case UpdateCheckResult::Status::Newer: {
        panel->setText(LocalizedUpdate::available(result.version));
        // The notes come from the network: shown as plain text, never as markup.
        QString informative = LocalizedUpdate::availableMessage(UpdateChecker::currentVersion());
        if (!result.notes.trimmed().isEmpty())
            informative += QStringLiteral("\n\n") + result.notes.trimmed();
        panel->setInformativeText(Qt::convertFromPlainText(informative));
        QPushButton* download = panel->addButton(LocalizedUpdate::downloadPage(), QMessageBox::AcceptRole);
        panel->addButton(LocalizedUpdate::later(), QMessageBox::RejectRole);
        panel->setDefaultButton(download);
        connect(download, &QPushButton::clicked, this, [this, page = result.downloadPage] {
            if (!workspace_.openUrl(page))
                Log::warning(kTag, QStringLiteral("cannot open the download page"));
        });
        break;
    }
    case UpdateCheckResult::Status::UpToDate:
        panel->setText(LocalizedUpdate::upToDate());
        panel->setInformativeText(LocalizedUpdate::upToDateMessage(UpdateChecker::currentVersion()));
        panel->setStandardButtons(QMessageBox::Ok);
        break;
    case UpdateCheckResult::Status::Failed:
        panel->setIcon(QMessageBox::Warning);
        panel->setText(LocalizedUpdate::failed());
        panel->setInformativeText(Qt::convertFromPlainText(result.error));
        panel->setStandardButtons(QMessageBox::Ok);
        break;
    }
    updatePanel_ = panel;
    if (!Alert::dialogsShown()) {
        panel->deleteLater();
        return;
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
}
