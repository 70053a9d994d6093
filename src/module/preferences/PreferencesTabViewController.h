#pragma once

#include "module/preferences/PreferencesActions.h"

#include <QTabWidget>

class CoreDataManager;
class Preferences;
class PreferencesGeneralViewController;
class PreferencesKeyBindingViewController;
class PreferencesRuleViewController;
class SerialQueue;

// The three tabs. The chosen tab is kept in the preferences and chosen again when the window
// opens next, also after a restart; the window title follows the tab.
class PreferencesTabViewController : public QTabWidget
{
    Q_OBJECT
public:
    PreferencesTabViewController(CoreDataManager& store, Preferences& preferences,
                                 const PreferencesActions& actions, SerialQueue& writes,
                                 QWidget* parent = nullptr);

    PreferencesGeneralViewController* general() const { return general_; }
    PreferencesKeyBindingViewController* keyBindings() const { return keyBindings_; }
    PreferencesRuleViewController* rules() const { return rules_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void tabSelected(int index);

    Preferences& preferences_;
    SerialQueue& writes_;
    PreferencesGeneralViewController* general_;
    PreferencesKeyBindingViewController* keyBindings_;
    PreferencesRuleViewController* rules_;
    bool isTabInitialed_ = false;
};
