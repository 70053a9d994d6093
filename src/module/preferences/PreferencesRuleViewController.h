#pragma once

#include "model/IgnoredAppInfModel.h"
#include "module/preferences/PreferencesActions.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <QFileDialog>
class CoreDataManager;
class QListView;
class QPushButton;
class QStandardItemModel;

// The Rules tab: the applications whose copies are never recorded, added from their desktop
// files (several at once) and removed by selection. Every change is announced at once as
// "on_ignored_app_changed" with the whole list, so the next copy already follows it; the store
// is read and written off the GUI thread.
class PreferencesRuleViewController : public QWidget
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 40;

    // Where the file chooser starts, and the application folders it offers beside it: the
    // user's own, flatpak's (system and user) and snap's, where they exist.
    static QString startFolder();
    static QStringList applicationFolders();

    // The rules are kept in `store`, which must outlive the background work this starts.
    PreferencesRuleViewController(CoreDataManager& store, PreferencesActions actions,
                                  QWidget* parent = nullptr);

    const QList<IgnoredAppInfModel>& ignoredAppInfModels() const { return ignoredAppInfModels_; }
    QListView* tableView() const { return tableView_; }

    void addIgnoredApp();
    // Adds the rules for these desktop files, as the file chooser does.
    void addIgnoredApps(const QStringList& paths);
    void removeIgnoredApp();

Q_SIGNALS:
    // The rules in effect after an add or a remove (the store has them by then).
    void ignoredAppsChanged(const QList<IgnoredAppInfModel>& rules);

protected:
    // Delete or Backspace in the list removes the selection.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoreDataManager& store_;
    void load();
    void reloadTable();
    void announce();

    PreferencesActions actions_;
    QListView* tableView_;
    QStandardItemModel* model_;
    QPushButton* removeButton_;
    QList<IgnoredAppInfModel> ignoredAppInfModels_;
    // What a row shows, by rule uuid: the application's own name and icon, read off the GUI
    // thread from its desktop file.
    struct Shown
    {
        QString name;
        QImage icon;
    };
    QHash<QString, Shown> shown_;
    QPointer<QFileDialog> panel_;
};
