#include "module/preferences/PreferencesRuleViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kTag = QStringLiteral("PreferencesRule");

using ShownByUuid = QHash<QString, std::pair<QString, QImage>>;

// The name and icon each rule shows; read from the desktop files, so off the GUI thread.
ShownByUuid readShown(const QList<IgnoredAppInfModel>& models,
                      const std::function<QImage(const QString&)>& iconForFile)
{
    ShownByUuid shown;
    const QString locale = QLocale().name();
    for (const IgnoredAppInfModel& model : models) {
        if (!model.uuid || !model.path)
            continue;
        QString name;
        if (const auto entry = DesktopEntry::load(*model.path))
            name = entry->localizedName(locale);
        shown.insert(*model.uuid, {name, iconForFile ? iconForFile(*model.path) : QImage()});
    }
    return shown;
}
} // namespace

QString PreferencesRuleViewController::startFolder()
{
    return QStringLiteral("/usr/share/applications");
}

QStringList PreferencesRuleViewController::applicationFolders()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + "/.local/share";
    QStringList folders;
    for (const QString& folder : {startFolder(), dataHome + "/applications",
                                  QStringLiteral("/var/lib/flatpak/exports/share/applications"),
                                  dataHome + "/flatpak/exports/share/applications",
                                  QStringLiteral("/var/lib/snapd/desktop/applications")})
        if (QFileInfo(folder).isDir())
            folders.append(folder);
    return folders;
}

PreferencesRuleViewController::PreferencesRuleViewController(CoreDataManager& store,
                                                             PreferencesActions actions, QWidget* parent)
    : QWidget(parent), store_(store), actions_(std::move(actions)), tableView_(new QListView(this)),
      model_(new QStandardItemModel(this)),
      removeButton_(new QPushButton(LocalizedPreferences::removeApplications(), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    auto* explained = new QLabel(LocalizedPreferences::ignoredAppsExplained(), this);
    explained->setWordWrap(true);
    layout->addWidget(explained);
    tableView_->setModel(model_);
    tableView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->setUniformItemSizes(true);
    tableView_->setIconSize(QSize(24, 24));
    tableView_->setMinimumHeight(4 * rowHeight);
    layout->addWidget(tableView_, 1);
    tableView_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    auto* addButton = new QPushButton(LocalizedPreferences::addApplications(), this);
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(addButton, &QPushButton::clicked, this, &PreferencesRuleViewController::addIgnoredApp);
    connect(removeButton_, &QPushButton::clicked, this, &PreferencesRuleViewController::removeIgnoredApp);
    removeButton_->setEnabled(false);
    connect(tableView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { removeButton_->setEnabled(tableView_->selectionModel()->hasSelection()); });
    load();
}

bool PreferencesRuleViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tableView_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
            tableView_->selectionModel()->hasSelection()) {
            removeIgnoredApp();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PreferencesRuleViewController::load()
{
    QPointer<PreferencesRuleViewController> self(this);
    Dispatch::global([self, iconForFile = actions_.iconForFile, &store = store_] {
        const QList<IgnoredAppInfModel> models = store.fetchIgnoredApps();
        const ShownByUuid shown = readShown(models, iconForFile);
        Dispatch::main([self, models, shown] {
            if (!self)
                return;
            self->ignoredAppInfModels_ = models;
            for (auto it = shown.begin(); it != shown.end(); ++it)
                self->shown_.insert(it.key(), {it->first, it->second});
            self->reloadTable();
        });
    });
}

void PreferencesRuleViewController::reloadTable()
{
    model_->clear();
    for (const IgnoredAppInfModel& model : ignoredAppInfModels_) {
        const Shown shown = shown_.value(model.uuid.value_or(QString()));
        QString text = !shown.name.isEmpty() ? shown.name : model.name.value_or(QStringLiteral("UNKNOWN"));
        auto* item = new QStandardItem(text);
        item->setSizeHint(QSize(0, rowHeight));
        if (!shown.icon.isNull())
            item->setIcon(QPixmap::fromImage(shown.icon));
        item->setToolTip(model.path.value_or(QString()));
        model_->appendRow(item);
    }
    removeButton_->setEnabled(tableView_->selectionModel()->hasSelection());
}

void PreferencesRuleViewController::announce()
{
    Q_EMIT ignoredAppsChanged(ignoredAppInfModels_);
    Log::info(kTag, QStringLiteral("%1 ignore rule(s) in effect").arg(ignoredAppInfModels_.size()));
}

void PreferencesRuleViewController::addIgnoredApp()
{
    if (panel_) {
        panel_->raise();
        panel_->activateWindow();
        return;
    }
    // Qt's own chooser, not the desktop portal's: it lists the application folders beside the
    // start folder, and it behaves the same on every desktop.
    auto* panel = new QFileDialog(window(), LocalizedPreferences::chooseApplications(), startFolder(),
                                  LocalizedPreferences::desktopEntries());
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    QList<QUrl> sidebar;
    for (const QString& folder : applicationFolders())
        sidebar.append(QUrl::fromLocalFile(folder));
    panel->setSidebarUrls(sidebar);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel_ = panel;
    connect(panel, &QFileDialog::filesSelected, this, &PreferencesRuleViewController::addIgnoredApps);
    panel->open();
}

void PreferencesRuleViewController::addIgnoredApps(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QPointer<PreferencesRuleViewController> self(this);
    Dispatch::global([self, paths, iconForFile = actions_.iconForFile, &store = store_] {
        QList<IgnoredAppInfModel> models;
        for (const QString& path : paths)
            models.append(IgnoredAppInfModel::fromPath(path, store.now()));
        const ShownByUuid shown = readShown(models, iconForFile);
        store.insertIgnoredApps(models);
        Dispatch::main([self, models, shown] {
            if (!self)
                return;
            for (auto it = shown.begin(); it != shown.end(); ++it)
                self->shown_.insert(it.key(), {it->first, it->second});
            self->ignoredAppInfModels_.append(models);
            self->reloadTable();
            self->announce();
        });
    });
}

void PreferencesRuleViewController::removeIgnoredApp()
{
    QList<int> rows;
    for (const QModelIndex& index : tableView_->selectionModel()->selectedIndexes())
        if (index.row() < ignoredAppInfModels_.size())
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<IgnoredAppInfModel> removed;
    for (int row : rows)
        removed.append(ignoredAppInfModels_.at(row));
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        ignoredAppInfModels_.removeAt(*it);
    if (!removed.isEmpty())
        Dispatch::global([removed, &store = store_] { store.deleteIgnoredApps(removed); });
    reloadTable();
    announce();
}
