// The quick search controller's item menu and the item actions that are more than a store
// call: moving to another clipboard, saving to files, opening a link.
#include "module/quickSearch/QuickSearchHost.h"
#include "module/quickSearch/QuickSearchViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "model/Preferences.h"
#include "module/quickSearch/PasteInfFileWriter.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "view/base/Alert.h"
#include "view/base/SystemPanel.h"

#include <QListView>
#include <QPointer>
#include <QUrl>

namespace {
const QString kTag = QStringLiteral("QuickSearchViewController");
const QString kSaveTag = QStringLiteral("save to file");

void showSaveFailure(QWidget* window)
{
    Alert::inform(window, LocalizedAlert::alert(), LocalizedAlert::saveToFileFailed(), QMessageBox::Critical);
}

// An item's classified content, read off the GUI thread; absent when it is gone.
std::optional<PreferredContent> contentOf(CoreDataManager& store, const QString& uuid)
{
    std::optional<PasteInfModel> model = store.fetchPasteInf(uuid);
    if (!model)
        return std::nullopt;
    return PasteBoardUtils::preferredContent(*model, &store);
}

QList<PreferredContent> contentsOf(CoreDataManager& store, const QStringList& uuids)
{
    QList<PreferredContent> contents;
    for (const QString& uuid : uuids)
        if (std::optional<PreferredContent> content = contentOf(store, uuid))
            contents.append(*content);
    return contents;
}
} // namespace

QList<qint64> QuickSearchViewController::selectedIds() const
{
    QList<qint64> ids;
    for (int row : selectedRows())
        ids.append(model_->idAt(row));
    return ids;
}

void QuickSearchViewController::showItemMenu(int row, const QPoint& globalPos, bool fromKeyboard)
{
    if (!selectedRows().contains(row))
        moveSelection(row, false);
    const qint64 id = model_->idAt(row);
    QPointer<QuickSearchViewController> self(this);
    const auto popUp = [self, globalPos, fromKeyboard](std::optional<PasteInfoDisplayType> type,
                                                       bool secret) {
        Dispatch::main([self, globalPos, fromKeyboard, type, secret] {
            if (!self)
                return;
            self->itemMenu_->prepare(type, self->clipBoards_, self->preferences_.plainTextModifier(), secret);
            self->itemMenu_->popup(globalPos);
            if (fromKeyboard)
                self->itemMenu_->highlightFirstEntry();
        });
    };
    // The listed row may predate the item's classification; an item never classified is
    // classified now, so a fresh copy offers what it can do.
    model_->performOnReader([id, popUp, &store = store_](HistoryReader& reader) {
        const QList<PasteInfRow> rows = reader.rows({id});
        if (rows.isEmpty())
            return;
        const bool secret = rows.first().secretKind.has_value();
        if (rows.first().displayType) {
            popUp(rows.first().displayType, secret);
            return;
        }
        Dispatch::global([uuid = rows.first().uuid, popUp, secret, &store] {
            const QList<PreferredContent> contents = contentsOf(store, {uuid});
            popUp(contents.isEmpty() ? std::nullopt : std::optional(contents.first().displayType), secret);
        });
    });
}

void QuickSearchViewController::onItemMenuCommand(QuickSearchPasteInfItemMenu::Command command)
{
    using Command = QuickSearchPasteInfItemMenu::Command;
    switch (command) {
    case Command::openInBrowser:
        openLink(listView_->currentIndex().row());
        return;
    case Command::paste:
        perform({QuickSearchKeyCommand::paste, false, preferences_.pasteAsPlainText()});
        return;
    case Command::pasteAsPlainText:
        perform({QuickSearchKeyCommand::paste, false, true});
        return;
    case Command::pasteInSequence:
        perform({QuickSearchKeyCommand::pasteInSequence, false, preferences_.pasteAsPlainText()});
        return;
    case Command::copy:
        perform({QuickSearchKeyCommand::copy});
        return;
    case Command::cut:
        perform({QuickSearchKeyCommand::cut});
        return;
    case Command::moveToFirst:
        perform({QuickSearchKeyCommand::moveSelectedToTop});
        return;
    case Command::saveToFile:
        saveSelectedItems();
        return;
    case Command::deleteItems:
        perform({QuickSearchKeyCommand::deleteSelected});
        return;
    case Command::edit:
        editCurrentItem();
        return;
    case Command::addNewClipboard:
        addNewClipboard(true);
        return;
    }
}

void QuickSearchViewController::moveSelectedItems(const QString& categoryUuid)
{
    if (categoryUuid == selectedCategoryUuid_)
        return;
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty())
        return;
    // One transaction that rewrites the clipboard and date columns; the list drops the rows
    // when the store tells it they left.
    store_.movePasteInfsToTop(
        ids, categoryUuid,
        [count = ids.size(), kept = keptChange(UndoableChange::move)](bool committed) {
            if (committed)
                Log::info(kTag, QStringLiteral("moved %1 item(s) to another clipboard").arg(count));
            else
                Log::error(QStringLiteral("onMovePasteInfToAnotherCategory"), QStringLiteral("move fail"));
            kept(committed);
        },
        true);
}

void QuickSearchViewController::deleteSelectedItems()
{
    const QList<qint64> ids = selectedIds();
    if (!ids.isEmpty())
        store_.deletePasteInfIds(ids, keptChange(UndoableChange::deletion), true);
}

std::function<void(bool)>
QuickSearchViewController::keptChange(UndoableChange change,
                                      const std::optional<PasteCategoryInfModel>& clipboard)
{
    // Named at once, so that an undo pressed before the store is done still finds it: the
    // store runs the undo after the change.
    setUndoable(change);
    undoClipboard_ = clipboard;
    historyUndoFirst_ = true;
    return [self = QPointer<QuickSearchViewController>(this), generation = undoGeneration_](bool committed) {
        if (committed)
            return;
        Dispatch::main([self, generation] {
            if (self && self->undoGeneration_ == generation)
                self->setUndoable(UndoableChange::none);
        });
    };
}

void QuickSearchViewController::setUndoable(UndoableChange change)
{
    ++undoGeneration_;
    undoable_ = change;
    if (change == UndoableChange::none)
        undoClipboard_.reset();
    switch (change) {
    case UndoableChange::none:
        undoAction_->setText(LocalizedMenu::undo());
        break;
    case UndoableChange::deletion:
        undoAction_->setText(LocalizedMenu::undoDelete());
        break;
    case UndoableChange::cut:
        undoAction_->setText(LocalizedMenu::undoCut());
        break;
    case UndoableChange::clear:
        undoAction_->setText(LocalizedMenu::undoClearAllHistory());
        break;
    case UndoableChange::move:
        undoAction_->setText(LocalizedMenu::undoMove());
        break;
    case UndoableChange::clipboardDeletion:
        undoAction_->setText(LocalizedMenu::undoDeleteClipboard());
        break;
    case UndoableChange::replacement:
        undoAction_->setText(LocalizedMenu::undoReplace());
        break;
    }
    undoAction_->setEnabled(change != UndoableChange::none);
}

void QuickSearchViewController::undoLastChange()
{
    if (undoable_ == UndoableChange::none)
        return;
    const std::optional<PasteCategoryInfModel> clipboard = undoClipboard_;
    setUndoable(UndoableChange::none);
    historyUndoFirst_ = false;
    QPointer<QuickSearchViewController> self(this);
    const auto undone = [self, clipboard](qint64 restored) {
        if (restored < 0)
            Log::error(kTag, QStringLiteral("undo fail"));
        else
            Log::info(kTag, QStringLiteral("undo put back %1 item(s)").arg(restored));
        // The lists follow the store's change; the clipboard menus are read again.
        if (clipboard)
            Dispatch::main([self] {
                if (self)
                    self->reloadClipboards();
            });
    };
    if (!clipboard) {
        store_.undoLastChange(undone);
        return;
    }
    // The clipboard first, as it was (name, place, colour), so that its items have one to come
    // back to.
    Dispatch::global([clipboard, undone, &store = store_] {
        store.insertCategory(*clipboard);
        store.undoLastChange(undone);
    });
}

void QuickSearchViewController::saveSelectedItems()
{
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty())
        return;
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, ids, &store = store_](HistoryReader& reader) {
        QStringList uuids;
        for (const PasteInfRow& row : reader.rows(ids))
            uuids.append(row.uuid);
        if (uuids.size() == 1)
            Dispatch::global([self, uuid = uuids.first(), &store] {
                const std::optional<PreferredContent> content = contentOf(store, uuid);
                Dispatch::main([self, content] {
                    if (self && content)
                        self->saveItem(*content);
                });
            });
        else if (!uuids.isEmpty())
            Dispatch::main([self, uuids] {
                if (self)
                    self->saveItemsIntoFolder(uuids);
            });
    });
}

void QuickSearchViewController::saveItem(const PreferredContent& content)
{
    QWidget* window = this->window();
    const std::optional<PasteInfFileWriter::Rule> rule =
        PasteInfFileWriter::ruleFor(content.displayType, content.pasteboardType);
    if (!rule) {
        Log::error(kSaveTag, QStringLiteral("write to file fail"));
        showSaveFailure(window);
        return;
    }
    QPointer<QuickSearchViewController> self(this);
    SystemPanel::saveFile(PasteInfFileWriter::proposedName(rule->baseName), rule->extensions, window,
                          [self, content](const QString& path) {
                              Dispatch::global([self, content, path] {
                                  if (PasteInfFileWriter::writeItemFile(path, content, nullptr)) {
                                      Log::info(kSaveTag, QStringLiteral("saved 1 item"));
                                      return;
                                  }
                                  Dispatch::main([self] {
                                      if (self)
                                          showSaveFailure(self->window());
                                  });
                              });
                          });
}

void QuickSearchViewController::saveItemsIntoFolder(const QStringList& uuids)
{
    QPointer<QuickSearchViewController> self(this);
    SystemPanel::chooseFolder({}, window(), [self, uuids, &store = store_](const QString& folder) {
        // Read and written one at a time: thousands of large items never sit in memory together.
        Dispatch::global([self, uuids, folder, &store] {
            int failures = 0;
            const QStringList written = PasteInfFileWriter::writeIntoFolder(
                folder, uuids.size(), [&](qsizetype index) { return contentOf(store, uuids.at(index)); },
                &failures);
            Log::info(kSaveTag, QStringLiteral("saved %1 item(s) into a folder").arg(written.size()));
            if (failures == 0)
                return;
            Dispatch::main([self] {
                if (self)
                    showSaveFailure(self->window());
            });
        });
    });
}

void QuickSearchViewController::openLink(int row)
{
    const qint64 id = model_->idAt(row);
    if (auto* window = qobject_cast<QuickSearchViewWindow*>(this->window()))
        window->resignMainWindow();
    if (id <= 0) {
        Log::error(kTag, QStringLiteral("do special action fail, paste info is nil"));
        return;
    }
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, id, &store = store_](HistoryReader& reader) {
        const QList<PasteInfRow> rows = reader.rows({id});
        if (rows.isEmpty())
            return;
        Dispatch::global([self, uuid = rows.first().uuid, &store] {
            const QList<PreferredContent> contents = contentsOf(store, {uuid});
            if (contents.isEmpty() || contents.first().displayType != PasteInfoDisplayType::Link)
                return;
            const QString* text = std::get_if<QString>(&contents.first().value);
            const QUrl url(text ? text->trimmed() : QString(), QUrl::StrictMode);
            // Only web addresses go to the browser: the desktop's handler would run a file:// link
            // to a .desktop file or a script.
            const QString scheme = url.scheme().toLower();
            if (!url.isValid() || !(scheme == u"http" || scheme == u"https" || scheme == u"ftp")) {
                Log::warning(
                    kTag, QStringLiteral("not opening a link with scheme \"%1\" in the browser").arg(scheme));
                return;
            }
            Dispatch::main([self, url] {
                if (self && self->host_ && self->host_->workspace())
                    self->host_->workspace()->openUrl(url);
            });
        });
    });
}
