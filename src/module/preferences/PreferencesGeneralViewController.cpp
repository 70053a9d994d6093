#include "module/preferences/PreferencesGeneralViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/CoreDataManager.h"
#include "model/HistoryArchive.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "model/RetentionRule.h"
#include "platform/TextRecognizer.h"
#include "view/base/Alert.h"
#include "view/base/BaseWindow.h"
#include "view/base/SystemPanel.h"
#include "view/base/ThemeColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <iterator>

namespace {
const QString kTag = QStringLiteral("PreferencesGeneral");
}

int PreferencesGeneralViewController::stopForLevel(qint64 level)
{
    for (int stop = 0; stop < int(std::size(retentionLevels)) - 1; ++stop)
        if (retentionLevels[stop] == level)
            return stop;
    return int(std::size(retentionLevels)) - 1;
}

qint64 PreferencesGeneralViewController::levelForStop(int stop)
{
    return retentionLevels[std::clamp(stop, 0, int(std::size(retentionLevels)) - 1)];
}

bool PreferencesGeneralViewController::shortensRetention(qint64 from, qint64 to)
{
    const auto before = RetentionRule::maxAgeSeconds(from);
    const auto after = RetentionRule::maxAgeSeconds(to);
    return after && (!before || *after < *before);
}

PreferencesGeneralViewController::PreferencesGeneralViewController(CoreDataManager& store,
                                                                   Preferences& preferences,
                                                                   PreferencesActions actions,
                                                                   SerialQueue& writes, QWidget* parent)
    : QWidget(parent), store_(store), preferences_(preferences), actions_(std::move(actions)), writes_(writes)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);

    launchAtLogin_ = addCheckBox(LocalizedPreferences::launchAtLogin(), preferences.launchAtLogin());
    enableAutoPasteToCurrentApp_ =
        addCheckBox(LocalizedPreferences::autoPaste(), preferences.autoPasteToCurrentApp());

    // The hint sits under the check box it explains and takes room only when shown.
    auto* hint = new QWidget(this);
    auto* hintLayout = new QHBoxLayout(hint);
    hintLayout->setContentsMargins(24, 0, 0, 4);
    accessibilityInfoText_ = new QLabel(hint);
    accessibilityInfoText_->setWordWrap(true);
    ThemeColors::dim(accessibilityInfoText_);
    turnOnAccessibilityButton_ = new QPushButton(LocalizedAlert::learnMore(), hint);
    hintLayout->addWidget(accessibilityInfoText_, 1);
    hintLayout->addWidget(turnOnAccessibilityButton_, 0, Qt::AlignTop);
    layout->addWidget(hint);
    connect(turnOnAccessibilityButton_, &QPushButton::clicked, this,
            [this] { buttonValueChanged(turnOnAccessibilityButton_); });

    pasteAsPlainText_ = addCheckBox(LocalizedPreferences::pasteAsPlainText(), preferences.pasteAsPlainText());
    deleteAfterPasted_ =
        addCheckBox(LocalizedPreferences::deleteAfterPasted(), preferences.deleteAfterPasted());
    autoMoveUsedHistoryItemToFirst_ =
        addCheckBox(LocalizedPreferences::moveUsedItemToFirst(), preferences.autoMoveUsedItemToFirst());
    autoPreviewLinkButton_ = addCheckBox(LocalizedPreferences::previewLinks(), preferences.autoPreviewLink());
    autoLoadLinkPreviewButton_ =
        addCheckBox(LocalizedPreferences::loadLinkPreviews(), preferences.autoLoadLinkPreview());
    // Only meaningful while previews are on.
    autoLoadLinkPreviewButton_->setEnabled(autoPreviewLinkButton_->isChecked());
    showIconInMenuBarButton_ =
        addCheckBox(LocalizedPreferences::showTrayIcon(), preferences.showIconInMenuBar());
    sendCrashLogsAutomatically_ =
        addCheckBox(LocalizedPreferences::sendCrashReports(), preferences.autoSendCrashLogs());

    layout->addSpacing(12);
    auto* keepHistory = new QLabel(LocalizedPreferences::keepHistory(), this);
    layout->addWidget(keepHistory);
    auto* retention = new QGridLayout;
    retention->setContentsMargins(8, 0, 8, 0);
    historyCapacity_ = new QSlider(Qt::Horizontal, this);
    historyCapacity_->setRange(0, int(std::size(retentionLevels)) - 1);
    historyCapacity_->setPageStep(1);
    historyCapacity_->setTickPosition(QSlider::TicksBelow);
    historyCapacity_->setTickInterval(1);
    // Reported on release (and per key step), never while the knob is dragged: a lower stop
    // asks first, and a question in the middle of a drag would interrupt it.
    historyCapacity_->setTracking(false);
    keepHistory->setBuddy(historyCapacity_);
    storedCapacity_ = preferences.historyCapacity();
    historyCapacity_->setValue(stopForLevel(storedCapacity_));
    // Six equal columns: the inner captions span two each, which centres them under the ticks
    // at a third and two thirds of the slider.
    retention->addWidget(historyCapacity_, 0, 0, 1, 6);
    for (int column = 0; column < 6; ++column)
        retention->setColumnStretch(column, 1);
    retention->addWidget(new QLabel(LocalizedPreferences::oneDay(), this), 1, 0, Qt::AlignLeft);
    retention->addWidget(new QLabel(LocalizedPreferences::sevenDays(), this), 1, 1, 1, 2, Qt::AlignHCenter);
    retention->addWidget(new QLabel(LocalizedPreferences::thirtyDays(), this), 1, 3, 1, 2, Qt::AlignHCenter);
    retention->addWidget(new QLabel(LocalizedPreferences::forever(), this), 1, 5, Qt::AlignRight);
    layout->addLayout(retention);
    addSecretLifetime();
    addImageText();
    addHistoryFile();
    layout->addStretch(1);
    connect(historyCapacity_, &QSlider::valueChanged, this,
            &PreferencesGeneralViewController::sliderValueChanged);

    refreshAccessibilityHint();
}

PreferencesGeneralViewController::~PreferencesGeneralViewController() = default;

void PreferencesGeneralViewController::addSecretLifetime()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addSpacing(12);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(LocalizedPreferences::secrets(), this);
    secretLifetime_ = new QComboBox(this);
    label->setBuddy(secretLifetime_);
    const std::pair<QString, qint64> choices[] = {
        {LocalizedPreferences::secretNeverRecord(), Preferences::secretNeverRecorded},
        {LocalizedPreferences::secretMinute(), 60},
        {LocalizedPreferences::secretTenMinutes(), 600},
        {LocalizedPreferences::secretHour(), 3600},
        {LocalizedPreferences::secretDay(), 86400},
        {LocalizedPreferences::secretKeep(), Preferences::secretKept},
    };
    for (const auto& [text, seconds] : choices)
        secretLifetime_->addItem(text, seconds);
    const qint64 stored = preferences_.secretLifetime();
    int current = secretLifetime_->findData(stored);
    // A lifetime set by hand in the file shows as the nearest longer choice, and stays.
    if (current < 0) {
        current = secretLifetime_->count() - 1;
        for (int i = 1; i < secretLifetime_->count() - 1; ++i)
            if (secretLifetime_->itemData(i).toLongLong() >= stored) {
                current = i;
                break;
            }
    }
    secretLifetime_->setCurrentIndex(current);
    row->addWidget(label);
    row->addWidget(secretLifetime_);
    row->addStretch(1);
    layout->addLayout(row);
    auto* note = new QLabel(LocalizedPreferences::secretsNote(), this);
    note->setWordWrap(true);
    ThemeColors::dim(note);
    layout->addWidget(note);
    connect(secretLifetime_, &QComboBox::activated, this, [this, previous = current](int index) mutable {
        const qint64 seconds = secretLifetime_->itemData(index).toLongLong();
        const int before = std::exchange(previous, index);
        QPointer<PreferencesGeneralViewController> self(this);
        writes_.async([self, seconds, before, &preferences = preferences_, &store = store_] {
            preferences.setSecretLifetime(seconds);
            if (preferences.intValue(Preferences::secretLifetimeKey) != seconds) {
                Dispatch::main([self, before] {
                    if (!self)
                        return;
                    self->secretLifetime_->setCurrentIndex(before);
                    Alert::inform(self->window(),
                                  LocalizedAlert::settingNotSaved(self->preferences_.filePath()), QString(),
                                  QMessageBox::Warning);
                });
                return;
            }
            // After the write: the sweep asks the preferences for the lifetime.
            store.sweepSecrets();
        });
    });
}

void PreferencesGeneralViewController::addImageText()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addSpacing(12);
    readImageText_ = addCheckBox(LocalizedPreferences::readImageText(), preferences_.readImageText());
    auto* row = new QHBoxLayout;
    row->setContentsMargins(24, 0, 0, 0);
    auto* label = new QLabel(LocalizedPreferences::imageTextLanguage(), this);
    imageTextLanguage_ = new QComboBox(this);
    label->setBuddy(imageTextLanguage_);
    // The languages whose data is installed (tesseract-ocr-* packages); a choice made by hand in
    // the file ("eng+deu") is offered as it is.
    QStringList languages = TextRecognizer::installedLanguages();
    const QString stored = preferences_.imageTextLanguages();
    if (!languages.contains(stored))
        languages.prepend(stored);
    for (const QString& code : languages)
        imageTextLanguage_->addItem(TextRecognizer::languageNames(code), code);
    imageTextLanguage_->setCurrentIndex(imageTextLanguage_->findData(stored));
    imageTextLanguage_->setEnabled(readImageText_->isChecked());
    row->addWidget(label);
    row->addWidget(imageTextLanguage_);
    row->addStretch(1);
    layout->addLayout(row);
    connect(readImageText_, &QCheckBox::toggled, imageTextLanguage_, &QWidget::setEnabled);
    connect(imageTextLanguage_, &QComboBox::activated, this, [this](int index) {
        const QString language = imageTextLanguage_->itemData(index).toString();
        writes_.async(
            [language, &preferences = preferences_] { preferences.setImageTextLanguages(language); });
    });
}

void PreferencesGeneralViewController::addHistoryFile()
{
    auto* row = new QHBoxLayout;
    exportHistory_ = new QPushButton(LocalizedArchive::exportHistory(), this);
    importHistory_ = new QPushButton(LocalizedArchive::importHistory(), this);
    row->addWidget(exportHistory_);
    row->addWidget(importHistory_);
    row->addStretch(1);
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addSpacing(8);
    column->addLayout(row);
    connect(exportHistory_, &QPushButton::clicked, this, &PreferencesGeneralViewController::exportHistory);
    connect(importHistory_, &QPushButton::clicked, this, &PreferencesGeneralViewController::importHistory);
}

void PreferencesGeneralViewController::exportHistory()
{
    const QString name = QStringLiteral("Brimble-%1").arg(QDate::currentDate().toString(Qt::ISODate));
    SystemPanel::saveFile(name, {QString::fromLatin1(HistoryArchive::kExtension)}, window(),
                          [self = QPointer(this)](const QString& path) {
                              if (self)
                                  self->runHistoryFile(LocalizedArchive::exportTitle(), [path](CoreDataManager& store) {
                                      const auto result = HistoryArchive::exportHistory(store, path);
                                      return std::pair{result.ok, HistoryArchive::describeExport(result)};
                                  });
                          });
}

void PreferencesGeneralViewController::importHistory()
{
    SystemPanel::openFile({QString::fromLatin1(HistoryArchive::kExtension)}, window(),
                          [self = QPointer(this)](const QString& path) {
                              if (self)
                                  self->runHistoryFile(LocalizedArchive::importTitle(), [path](CoreDataManager& store) {
                                      const auto result = HistoryArchive::importHistory(store, path);
                                      return std::pair{result.ok, HistoryArchive::describeImport(result)};
                                  });
                          });
}

void PreferencesGeneralViewController::runHistoryFile(
    const QString& title, std::function<std::pair<bool, QString>(CoreDataManager& store)> job)
{
    // Both buttons wait while a file is written or read, off the GUI thread.
    exportHistory_->setEnabled(false);
    importHistory_->setEnabled(false);
    Dispatch::global([self = QPointer(this), title, job = std::move(job), &store = store_] {
        const auto [ok, message] = job(store);
        Dispatch::main([self, title, ok, message] {
            if (self)
                self->historyFileDone(ok, title, message);
        });
    });
}

void PreferencesGeneralViewController::historyFileDone(bool ok, const QString& title, const QString& message)
{
    exportHistory_->setEnabled(true);
    importHistory_->setEnabled(true);
    Log::info(kTag, title + QStringLiteral(": ") + message);
    Alert::inform(window(), title, message, ok ? QMessageBox::Information : QMessageBox::Warning);
}

QCheckBox* PreferencesGeneralViewController::addCheckBox(const QString& text, bool checked)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked(checked);
    layout()->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this, box] { buttonValueChanged(box); });
    return box;
}

void PreferencesGeneralViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshAccessibilityHint();
    // What the desktop allows may change while the window is away.
    if (auto* window = qobject_cast<BaseWindow*>(this->window()))
        connect(window, &BaseWindow::becameKey, this, &PreferencesGeneralViewController::refreshAccessibilityHint,
                Qt::UniqueConnection);
}

void PreferencesGeneralViewController::refreshAccessibilityHint()
{
    const QString limitation = actions_.autoPasteLimitation ? actions_.autoPasteLimitation() : QString();
    const bool shown = enableAutoPasteToCurrentApp_->isChecked() && !limitation.isEmpty();
    accessibilityInfoText_->setText(limitation);
    accessibilityInfoText_->parentWidget()->setVisible(shown);
}

void PreferencesGeneralViewController::buttonValueChanged(QObject* sender)
{
    auto* box = qobject_cast<QCheckBox*>(sender);
    const bool on = box && box->isChecked();
    // Each write syncs the file to disk; the queue keeps them in the order they were made. What
    // the file holds afterwards is what is in effect: a write that did not get there puts the
    // box back.
    const auto store = [this, box, on](const QString& key, void (Preferences::*write)(bool)) {
        QPointer<PreferencesGeneralViewController> self(this);
        QPointer<QCheckBox> guard(box);
        writes_.async([self, guard, key, write, on, &preferences = preferences_] {
            (preferences.*write)(on);
            if (preferences.boolValue(key) == on)
                return;
            Dispatch::main([self, guard, on] {
                if (self && guard)
                    self->writeFailed(guard, !on);
            });
        });
    };
    if (sender == launchAtLogin_) {
        // The switch writes the autostart entry too, on the same queue.
        store(Preferences::launchAtLoginKey, &Preferences::setLaunchAtLogin);
    } else if (sender == enableAutoPasteToCurrentApp_) {
        store(Preferences::autoPasteKey, &Preferences::setAutoPasteToCurrentApp);
        refreshAccessibilityHint();
    } else if (sender == pasteAsPlainText_) {
        store(Preferences::pasteAsPlainTextKey, &Preferences::setPasteAsPlainText);
    } else if (sender == deleteAfterPasted_) {
        store(Preferences::deleteAfterPastedKey, &Preferences::setDeleteAfterPasted);
    } else if (sender == autoMoveUsedHistoryItemToFirst_) {
        store(Preferences::autoMoveUsedItemToFirstKey, &Preferences::setAutoMoveUsedItemToFirst);
    } else if (sender == turnOnAccessibilityButton_) {
        if (actions_.openAutoPasteHelp)
            actions_.openAutoPasteHelp();
    } else if (sender == sendCrashLogsAutomatically_) {
        store(Preferences::autoSendCrashLogsKey, &Preferences::setAutoSendCrashLogs);
    } else if (sender == showIconInMenuBarButton_) {
        store(Preferences::showIconInMenuBarKey, &Preferences::setShowIconInMenuBar);
        if (actions_.setStatusItemShown)
            actions_.setStatusItemShown(on);
    } else if (sender == autoPreviewLinkButton_) {
        store(Preferences::autoPreviewLinkKey, &Preferences::setAutoPreviewLink);
        autoLoadLinkPreviewButton_->setEnabled(on);
    } else if (sender == autoLoadLinkPreviewButton_) {
        store(Preferences::autoLoadLinkPreviewKey, &Preferences::setAutoLoadLinkPreview);
    } else if (sender == readImageText_) {
        store(Preferences::readImageTextKey, &Preferences::setReadImageText);
    } else {
        Log::error(QStringLiteral("valueChanged"), QStringLiteral("unknown button"));
    }
}

void PreferencesGeneralViewController::writeFailed(QCheckBox* box, bool storedValue)
{
    Log::warning(kTag, QStringLiteral("a setting was not saved; its box is put back"));
    {
        const QSignalBlocker blocker(box);
        box->setChecked(storedValue);
    }
    // What the change did at once is undone with it.
    if (box == enableAutoPasteToCurrentApp_)
        refreshAccessibilityHint();
    else if (box == showIconInMenuBarButton_ && actions_.setStatusItemShown)
        actions_.setStatusItemShown(storedValue);
    else if (box == launchAtLogin_)
        writes_.async(
            [storedValue, &preferences = preferences_] { preferences.setLaunchAtLogin(storedValue); });
    Alert::inform(window(), LocalizedAlert::settingNotSaved(preferences_.filePath()), QString(),
                  QMessageBox::Warning);
}

void PreferencesGeneralViewController::sliderValueChanged()
{
    const int stop = historyCapacity_->value();
    // A level the slider has no stop for shows as "for ever", which it means; leaving the
    // knob there changes nothing.
    if (stop == stopForLevel(storedCapacity_))
        return;
    const qint64 level = levelForStop(stop);
    if (!shortensRetention(storedCapacity_, level)) {
        storeCapacity(level, false);
        return;
    }
    auto* alert = new QMessageBox(QMessageBox::Warning, LocalizedAlert::reduceHistoryCapacity(),
                                  LocalizedAlert::reduceHistoryCapacity(), QMessageBox::NoButton, window());
    alert->setInformativeText(LocalizedAlert::thisActionCanNotBeUndo());
    auto* remove = alert->addButton(LocalizedAlert::deleteButton(), QMessageBox::DestructiveRole);
    // Return keeps the history; deleting takes a deliberate choice.
    QPushButton* cancel = alert->addButton(LocalizedAlert::cancel(), QMessageBox::RejectRole);
    alert->setDefaultButton(cancel);
    alert->setEscapeButton(cancel);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    capacityAlert_ = alert;
    // Any answer but Delete, closing the alert included, puts the knob back where the stored
    // level is, so the slider never shows a period that is not in effect.
    connect(alert, &QMessageBox::finished, this, [this, alert, remove, level] {
        if (alert->clickedButton() == remove) {
            storeCapacity(level, true);
            return;
        }
        const QSignalBlocker blocker(historyCapacity_);
        historyCapacity_->setValue(stopForLevel(storedCapacity_));
    });
    alert->open();
}

void PreferencesGeneralViewController::storeCapacity(qint64 level, bool shortened)
{
    const qint64 previous = storedCapacity_;
    storedCapacity_ = level;
    QPointer<PreferencesGeneralViewController> self(this);
    writes_.async([self, level, previous, shortened, &preferences = preferences_, &store = store_] {
        preferences.setHistoryCapacity(level);
        if (preferences.intValue(Preferences::historyCapacityKey) != level) {
            // Nothing is removed for a period that is not in effect.
            Dispatch::main([self, previous] {
                if (!self)
                    return;
                self->storedCapacity_ = previous;
                const QSignalBlocker blocker(self->historyCapacity_);
                self->historyCapacity_->setValue(stopForLevel(previous));
                Alert::inform(self->window(), LocalizedAlert::settingNotSaved(self->preferences_.filePath()),
                              QString(), QMessageBox::Warning);
            });
            return;
        }
        if (!shortened)
            return;
        // After the write: the sweep asks the preferences for the level it applies. The lists
        // follow the deletions the store reports.
        store.sweepExpired([](qint64 deleted) {
            Log::info(kTag, QStringLiteral("shorter retention removed %1 item(s)").arg(deleted));
        });
    });
}
