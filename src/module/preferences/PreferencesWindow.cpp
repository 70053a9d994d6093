#include "module/preferences/PreferencesWindow.h"

#include "module/preferences/PreferencesTabViewController.h"

#include <QVBoxLayout>

PreferencesWindow::PreferencesWindow(CoreDataManager& store, Preferences& preferences,
                                     const PreferencesActions& actions, QWidget* parent)
    : BaseWindow(QStringLiteral("preferences-window"), parent),
      tabs_(new PreferencesTabViewController(store, preferences, actions, writes_, this))
{
    setObjectName(QStringLiteral("PreferencesWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    setMinimumWidth(480);
}

PreferencesWindow::~PreferencesWindow()
{
    // The tabs go before the queue; what they queued is written first.
    delete tabs_;
    writes_.drain();
}
