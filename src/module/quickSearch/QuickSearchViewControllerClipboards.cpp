// The quick search controller's clipboards: the header and its menu, the grid, choosing,
// adding, renaming, clearing and deleting.
#include "module/quickSearch/QuickSearchViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/SearchEngine.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSelectClipBoardView.h"
#include "view/base/Alert.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPointer>

namespace {
const QString kTag = QStringLiteral("QuickSearchViewController");
} // namespace

void QuickSearchViewController::connectClipboards()
{
    QuickSearchClipboardHeader* header = clipboardHeader_;
    connect(header, &QuickSearchClipboardHeader::clipboardChosen, this,
            [this](const QString& uuid) { selectClipboard(uuid); });
    connect(header, &QuickSearchClipboardHeader::addRequested, this, [this] { addNewClipboard(false); });
    connect(header, &QuickSearchClipboardHeader::renameFinished, this,
            &QuickSearchViewController::renameClipboard);
    connect(header, &QuickSearchClipboardHeader::clearRequested, this,
            [this] { confirmForClipboard(selectedCategoryUuid_, false); });
    connect(header, &QuickSearchClipboardHeader::deleteRequested, this,
            [this] { confirmForClipboard(selectedCategoryUuid_, true); });
    connect(selector_, &QuickSelectClipBoardView::clipboardChosen, this,
            [this](const QString& uuid) { selectClipboard(uuid); });
    connect(itemMenu_, &QuickSearchPasteInfItemMenu::commandChosen, this,
            &QuickSearchViewController::onItemMenuCommand);
    connect(itemMenu_, &QuickSearchPasteInfItemMenu::moveToClipboardChosen, this,
            &QuickSearchViewController::moveSelectedItems);
    // One action in both menus; the shortcut is shown only, the key map handles Ctrl+Z.
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoAction_->setShortcutContext(Qt::WidgetShortcut);
    connect(undoAction_, &QAction::triggered, this, &QuickSearchViewController::undoLastChange);
    setUndoable(UndoableChange::none);
    itemMenu_->addAction(undoAction_);
    header->menu()->addSeparator();
    header->menu()->addAction(undoAction_);
    listView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listView_, &QListView::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = listView_->indexAt(pos);
        if (index.isValid())
            showItemMenu(index.row(), listView_->viewport()->mapToGlobal(pos));
    });
}

void QuickSearchViewController::reloadClipboards()
{
    // The store answers on its own queue; the GUI thread never waits for it.
    QPointer<QuickSearchViewController> self(this);
    Dispatch::global([self, &store = store_] {
        const QList<PasteCategoryInfModel> clipboards = store.fetchCategories();
        Dispatch::main([self, clipboards] {
            if (!self)
                return;
            self->clipBoards_ = clipboards;
            self->clipboardHeader_->setClipboards(clipboards, self->selectedCategoryUuid_);
        });
    });
}

std::optional<PasteCategoryInfModel> QuickSearchViewController::selectedClipboard() const
{
    for (const PasteCategoryInfModel& clipboard : clipBoards_)
        if (clipboard.uuid == selectedCategoryUuid_)
            return clipboard;
    return std::nullopt;
}

void QuickSearchViewController::selectClipboard(const QString& categoryUuid, bool force)
{
    if (categoryUuid == selectedCategoryUuid_ && !force)
        return;
    auto found =
        std::find_if(clipBoards_.begin(), clipBoards_.end(),
                     [&](const PasteCategoryInfModel& clipboard) { return clipboard.uuid == categoryUuid; });
    if (found == clipBoards_.end()) {
        Log::error(QStringLiteral("set quick paste list"), QStringLiteral("category info is nil"));
        return;
    }
    selectedCategoryUuid_ = categoryUuid;
    found->recentSelectedDate = store_.now();
    store_.updateCategory(*found);
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
    Log::info(kTag, QStringLiteral("selected clipboard %1").arg(categoryUuid));
    historyLoaded_ = false;
    // The list model drops whatever an older load or search brings back for another clipboard.
    if (query_.isEmpty()) {
        engine_->cancel();
        searchGeneration_ = 0;
        model_->loadHistory(selectedCategoryUuid_);
        loadingDelay_.start();
    } else {
        search(searchField_->text());
    }
    if (selectedCategoryUuid_ == defaultCategoryUuid)
        store_.sweepExpired();
}

void QuickSearchViewController::addNewClipboard(bool moveSelection)
{
    const PasteCategoryInfModel clipboard = PasteCategoryInfModel::successor(
        clipBoards_.isEmpty() ? std::nullopt : std::optional(clipBoards_.last()), store_.now());
    clipBoards_.append(clipboard);
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
    const QList<qint64> ids = moveSelection ? selectedIds() : QList<qint64>();
    QPointer<QuickSearchViewController> self(this);
    // The items move only once the clipboard is stored, so they never point at a missing one.
    Dispatch::global([self, clipboard, ids, &store = store_] {
        store.insertCategory(clipboard);
        Dispatch::main([self, clipboard, ids] {
            if (!self)
                return;
            if (!ids.isEmpty())
                self->store_.movePasteInfsToTop(ids, clipboard.uuid, self->keptChange(UndoableChange::move),
                                                true);
            self->selectClipboard(clipboard.uuid.value_or(QString()));
            self->clipboardHeader_->beginRename();
        });
    });
}

void QuickSearchViewController::renameClipboard(const QString& typed)
{
    searchField_->setFocus(Qt::OtherFocusReason);
    auto found =
        std::find_if(clipBoards_.begin(), clipBoards_.end(), [this](const PasteCategoryInfModel& clipboard) {
            return clipboard.uuid == selectedCategoryUuid_;
        });
    if (found == clipBoards_.end()) {
        Log::error(QStringLiteral("choose clip board menu fail"), QStringLiteral("clip board info is nil"));
        return;
    }
    // Blanks keep the name it had.
    const QString title = typed.isEmpty() ? found->title.value_or(LocalizedQuickView::unnamed()) : typed;
    if (found->title != title) {
        found->title = title;
        store_.updateCategory(*found);
    }
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
}

void QuickSearchViewController::confirmForClipboard(const QString& uuid, bool deleting)
{
    const std::optional<PasteCategoryInfModel> clipboard = selectedClipboard();
    if (!clipboard || clipboard->uuid != uuid) {
        Log::error(QStringLiteral("delete all paste info fail"), QStringLiteral("clip board info is nil"));
        return;
    }
    if (deleting && uuid == defaultCategoryUuid) {
        Log::error(QStringLiteral("delete clipboard"), QStringLiteral("can't delete default clipboard"));
        return;
    }
    const QString name = clipboard->title.value_or(LocalizedQuickView::unnamed());
    QPointer<QuickSearchViewController> self(this);
    // The count comes from the store's reader thread; the question is asked once it is known.
    store_.countPasteInfsPerCategory([self, uuid, name, deleting](const QHash<QString, qint64>& counts) {
        const qint64 count = counts.value(uuid);
        Dispatch::main([self, uuid, name, deleting, count] {
            if (!self)
                return;
            const QString message = deleting ? LocalizedAlert::confirmDeleteClipboard(name)
                                             : LocalizedAlert::confirmClearClipboard(name);
            const QString informative =
                LocalizedAlert::itemsToDelete(count) + QLatin1Char(' ') + LocalizedAlert::undoWhileRunning();
            Alert::confirm(self->window(), message, informative, QMessageBox::Warning,
                           [self, uuid, deleting] {
                               if (self)
                                   deleting ? self->deleteClipboard(uuid) : self->clearClipboard(uuid);
                           });
        });
    });
}

void QuickSearchViewController::clearClipboard(const QString& uuid)
{
    std::optional<PasteCategoryInfModel> clipboard;
    for (const PasteCategoryInfModel& candidate : clipBoards_)
        if (candidate.uuid == uuid)
            clipboard = candidate;
    if (!clipboard) {
        Log::error(QStringLiteral("delete all paste info fail"), QStringLiteral("clip board info is nil"));
        return;
    }
    store_.deletePasteInfs(clipboard, true, keptChange(UndoableChange::clear));
}

void QuickSearchViewController::deleteClipboard(const QString& uuid)
{
    if (uuid == defaultCategoryUuid) {
        Log::error(QStringLiteral("delete clipboard"), QStringLiteral("can't delete default clipboard"));
        return;
    }
    const auto index = std::find_if(clipBoards_.cbegin(), clipBoards_.cend(),
                                    [&](const PasteCategoryInfModel& c) { return c.uuid == uuid; }) -
                       clipBoards_.cbegin();
    if (index >= clipBoards_.size()) {
        Log::error(QStringLiteral("delete all paste info fail"), QStringLiteral("clip board info is nil"));
        return;
    }
    const PasteCategoryInfModel clipboard = clipBoards_.takeAt(index);
    const PasteCategoryInfModel next = clipBoards_.value(std::min(index, clipBoards_.size() - 1));
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
    selectClipboard(next.uuid.value_or(defaultCategoryUuid));
    store_.deletePasteInfs(clipboard, true, keptChange(UndoableChange::clipboardDeletion, clipboard));
    store_.deleteCategory(clipboard);
}
