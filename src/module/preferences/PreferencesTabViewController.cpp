#include "module/preferences/PreferencesTabViewController.h"

#include "common/SerialQueue.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/preferences/PreferencesGeneralViewController.h"
#include "module/preferences/PreferencesKeyBindingViewController.h"
#include "module/preferences/PreferencesRuleViewController.h"

#include <QIcon>

PreferencesTabViewController::PreferencesTabViewController(CoreDataManager& store, Preferences& preferences,
                                                           const PreferencesActions& actions,
                                                           SerialQueue& writes, QWidget* parent)
    : QTabWidget(parent), preferences_(preferences), writes_(writes),
      general_(new PreferencesGeneralViewController(store, preferences, actions, writes, this)),
      keyBindings_(new PreferencesKeyBindingViewController(preferences, actions, writes, this)),
      rules_(new PreferencesRuleViewController(store, actions, this))
{
    setDocumentMode(true);
    addTab(general_, QIcon::fromTheme(QStringLiteral("preferences-system")),
           LocalizedPreferences::generalTab());
    addTab(keyBindings_, QIcon::fromTheme(QStringLiteral("preferences-desktop-keyboard")),
           LocalizedPreferences::keyBindingsTab());
    addTab(rules_, QIcon::fromTheme(QStringLiteral("preferences-other")), LocalizedPreferences::rulesTab());
    connect(this, &QTabWidget::currentChanged, this, &PreferencesTabViewController::tabSelected);
}

void PreferencesTabViewController::showEvent(QShowEvent* event)
{
    QTabWidget::showEvent(event);
    if (!isTabInitialed_) {
        isTabInitialed_ = true;
        const qint64 stored = preferences_.windowTabIndex().value_or(0);
        if (stored >= 0 && stored < count())
            setCurrentIndex(int(stored));
    }
    window()->setWindowTitle(tabText(currentIndex()));
}

void PreferencesTabViewController::tabSelected(int index)
{
    window()->setWindowTitle(index >= 0 ? tabText(index) : QString());
    // Selections made while the tabs are set up are not the user's.
    if (!isTabInitialed_ || index < 0)
        return;
    writes_.async([index, &preferences = preferences_] { preferences.setWindowTabIndex(index); });
}
