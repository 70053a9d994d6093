// The quick search controller's clipboards: the header and its menu, the grid, choosing,
// adding, renaming, clearing and deleting.
#include "module/quickSearch/QuickSearchViewController.h"

#include "app/Alert.h"
#include "app/Localized.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "module/quickSearch/SearchEngine.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSelectClipBoardView.h"

#include <QLineEdit>
#include <QListView>
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
            &QuickSearchViewController::clearClipboard);
    connect(header, &QuickSearchClipboardHeader::deleteRequested, this,
            &QuickSearchViewController::deleteClipboard);
    connect(selector_, &QuickSelectClipBoardView::clipboardChosen, this,
            [this](const QString& uuid) { selectClipboard(uuid); });
    connect(itemMenu_, &QuickSearchPasteInfItemMenu::commandChosen, this,
            &QuickSearchViewController::onItemMenuCommand);
    connect(itemMenu_, &QuickSearchPasteInfItemMenu::moveToClipboardChosen, this,
            &QuickSearchViewController::moveSelectedItems);
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
    Dispatch::global([self] {
        const QList<PasteCategoryInfModel> clipboards = CoreDataManager::shared().fetchCategories();
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
    found->recentSelectedDate = CoreDataManager::shared().now();
    CoreDataManager::shared().updateCategory(*found);
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
        CoreDataManager::shared().sweepExpired();
}

void QuickSearchViewController::addNewClipboard(bool moveSelection)
{
    const PasteCategoryInfModel clipboard = PasteCategoryInfModel::successor(
        clipBoards_.isEmpty() ? std::nullopt : std::optional(clipBoards_.last()));
    clipBoards_.append(clipboard);
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
    const QList<qint64> ids = moveSelection ? selectedIds() : QList<qint64>();
    QPointer<QuickSearchViewController> self(this);
    // The items move only once the clipboard is stored, so they never point at a missing one.
    Dispatch::global([self, clipboard, ids] {
        CoreDataManager::shared().insertCategory(clipboard);
        Dispatch::main([self, clipboard, ids] {
            if (!self)
                return;
            if (!ids.isEmpty())
                CoreDataManager::shared().movePasteInfsToTop(ids, clipboard.uuid);
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
        CoreDataManager::shared().updateCategory(*found);
    }
    clipboardHeader_->setClipboards(clipBoards_, selectedCategoryUuid_);
}

void QuickSearchViewController::clearClipboard()
{
    Alert::confirm(window(), LocalizedAlert::alert(), LocalizedAlert::confirmToClearAllHistory(),
                   QMessageBox::Warning,
                   [self = QPointer<QuickSearchViewController>(this), uuid = selectedCategoryUuid_] {
                       if (!self)
                           return;
                       std::optional<PasteCategoryInfModel> clipboard;
                       for (const PasteCategoryInfModel& candidate : self->clipBoards_)
                           if (candidate.uuid == uuid)
                               clipboard = candidate;
                       if (!clipboard) {
                           Log::error(QStringLiteral("delete all paste info fail"),
                                      QStringLiteral("clip board info is nil"));
                           return;
                       }
                       CoreDataManager::shared().deletePasteInfs(clipboard);
                   });
}

void QuickSearchViewController::deleteClipboard()
{
    Alert::confirm(
        window(), LocalizedAlert::alert(), LocalizedAlert::confirmTheDelete(), QMessageBox::Warning,
        [self = QPointer<QuickSearchViewController>(this), uuid = selectedCategoryUuid_] {
            if (!self)
                return;
            if (uuid == defaultCategoryUuid) {
                Log::error(QStringLiteral("delete clipboard"),
                           QStringLiteral("can't delete default clipboard"));
                return;
            }
            const auto index = std::find_if(self->clipBoards_.cbegin(), self->clipBoards_.cend(),
                                            [&](const PasteCategoryInfModel& c) { return c.uuid == uuid; }) -
                               self->clipBoards_.cbegin();
            if (index >= self->clipBoards_.size()) {
                Log::error(QStringLiteral("delete all paste info fail"),
                           QStringLiteral("clip board info is nil"));
                return;
            }
            const PasteCategoryInfModel clipboard = self->clipBoards_.takeAt(index);
            const PasteCategoryInfModel next =
                self->clipBoards_.value(std::min(index, self->clipBoards_.size() - 1));
            self->clipboardHeader_->setClipboards(self->clipBoards_, self->selectedCategoryUuid_);
            self->selectClipboard(next.uuid.value_or(defaultCategoryUuid));
            CoreDataManager::shared().deletePasteInfs(clipboard);
            CoreDataManager::shared().deleteCategory(clipboard);
        });
}
