#pragma once

#include "module/preferences/PreferencesActions.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

class CoreDataManager;
class Preferences;
class QCheckBox;
class QComboBox;
class QLabel;
#include <QMessageBox>
class QPushButton;
class QSlider;
class SerialQueue;

// The General tab: check boxes and the retention slider, each written to the preferences at
// once (on the preferences queue, never on the GUI thread) and applied where it has to be.
//
// Retention has four stops: a day, seven days, thirty days and for ever (levels 0, 33, 66 and
// 100). Only a change that really shortens the period asks first, and the slider acts when it is
// released, not while it is dragged; confirming removes what has expired under the new period.
class PreferencesGeneralViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr qint64 retentionLevels[] = {0, 33, 66, 100};

    // The slider stop that shows a stored level: every level other than the first three keeps the
    // history for ever.
    static int stopForLevel(qint64 level);
    static qint64 levelForStop(int stop);
    // Whether going from one level to the other keeps items for a shorter time.
    static bool shortensRetention(qint64 from, qint64 to);

    // The store and the preferences must outlive the queue `writes`.
    PreferencesGeneralViewController(CoreDataManager& store, Preferences& preferences,
                                     PreferencesActions actions, SerialQueue& writes,
                                     QWidget* parent = nullptr);
    ~PreferencesGeneralViewController() override;

    QCheckBox* launchAtLogin() const { return launchAtLogin_; }
    QCheckBox* enableAutoPasteToCurrentApp() const { return enableAutoPasteToCurrentApp_; }
    QSlider* historyCapacity() const { return historyCapacity_; }
    QComboBox* secretLifetime() const { return secretLifetime_; }
    QCheckBox* readImageText() const { return readImageText_; }
    QComboBox* imageTextLanguage() const { return imageTextLanguage_; }
    QLabel* accessibilityInfoText() const { return accessibilityInfoText_; }
    QPushButton* exportHistoryButton() const { return exportHistory_; }
    QPushButton* importHistoryButton() const { return importHistory_; }
    // The open confirmation of a shorter retention, if any.
    QMessageBox* capacityAlert() const { return capacityAlert_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    CoreDataManager& store_;
    Preferences& preferences_;
    void buttonValueChanged(QObject* sender);
    // The box's change did not reach the preferences file: shows the stored value again.
    void writeFailed(QCheckBox* box, bool storedValue);
    void sliderValueChanged();
    void storeCapacity(qint64 level, bool shortened);
    void refreshAccessibilityHint();
    void addSecretLifetime();
    void addImageText();
    // "Export History…" and "Import History…": a file dialog, then the work off the GUI thread,
    // then the outcome in a message. Both buttons wait while one runs.
    void addHistoryFile();
    void exportHistory();
    void importHistory();
    void runHistoryFile(const QString& title,
                        std::function<std::pair<bool, QString>(CoreDataManager& store)> job);
    void historyFileDone(bool ok, const QString& title, const QString& message);
    QCheckBox* addCheckBox(const QString& text, bool checked);

    PreferencesActions actions_;
    SerialQueue& writes_;
    QCheckBox* launchAtLogin_ = nullptr;
    QCheckBox* enableAutoPasteToCurrentApp_ = nullptr;
    QLabel* accessibilityInfoText_ = nullptr;
    QPushButton* turnOnAccessibilityButton_ = nullptr;
    QCheckBox* pasteAsPlainText_ = nullptr;
    QCheckBox* deleteAfterPasted_ = nullptr;
    QCheckBox* autoMoveUsedHistoryItemToFirst_ = nullptr;
    QCheckBox* autoPreviewLinkButton_ = nullptr;
    QCheckBox* autoLoadLinkPreviewButton_ = nullptr;
    QCheckBox* showIconInMenuBarButton_ = nullptr;
    QCheckBox* sendCrashLogsAutomatically_ = nullptr;
    QSlider* historyCapacity_ = nullptr;
    QComboBox* secretLifetime_ = nullptr;
    QCheckBox* readImageText_ = nullptr;
    QComboBox* imageTextLanguage_ = nullptr;
    QPushButton* exportHistory_ = nullptr;
    QPushButton* importHistory_ = nullptr;
    // The level as this tab last stored it; the file may still be behind the queue.
    qint64 storedCapacity_ = 100;
    QPointer<QMessageBox> capacityAlert_;
};
