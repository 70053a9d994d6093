// The quick search controller's item menu and the item actions that are more than a store
// call: moving to another clipboard, saving to files, opening a link.
#include "module/quickSearch/QuickSearchViewController.h"

#include "app/Alert.h"
#include "app/Brimble.h"
#include "app/Localized.h"
#include "app/Preferences.h"
#include "app/SystemPanel.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "module/quickSearch/PasteInfFileWriter.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "pasteboard/PasteBoardUtils.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

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

// The items' classified content, read off the GUI thread; items gone meanwhile are skipped.
QList<PreferredContent> contentsOf(const QStringList& uuids)
{
    QList<PreferredContent> contents;
    for (const QString& uuid : uuids) {
        std::optional<PasteInfModel> model = CoreDataManager::shared().fetchPasteInf(uuid);
        if (!model)
            continue;
        if (std::optional<PreferredContent> content = PasteBoardUtils::preferredContent(*model))
            contents.append(*content);
    }
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
    const auto popUp = [self, globalPos, fromKeyboard](std::optional<PasteInfoDisplayType> type) {
        Dispatch::main([self, globalPos, fromKeyboard, type] {
            if (!self)
                return;
            self->itemMenu_->prepare(type, self->clipBoards_, Preferences::shared().plainTextModifier());
            self->itemMenu_->popup(globalPos);
            if (fromKeyboard)
                self->itemMenu_->highlightFirstEntry();
        });
    };
    // The listed row may predate the item's classification; an item never classified is
    // classified now, so a fresh copy offers what it can do.
    model_->performOnReader([id, popUp](HistoryReader& reader) {
        const QList<PasteInfRow> rows = reader.rows({id});
        if (rows.isEmpty())
            return;
        if (rows.first().displayType) {
            popUp(rows.first().displayType);
            return;
        }
        Dispatch::global([uuid = rows.first().uuid, popUp] {
            const QList<PreferredContent> contents = contentsOf({uuid});
            popUp(contents.isEmpty() ? std::nullopt : std::optional(contents.first().displayType));
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
        perform({QuickSearchKeyCommand::paste, false, Preferences::shared().pasteAsPlainText()});
        return;
    case Command::pasteAsPlainText:
        perform({QuickSearchKeyCommand::paste, false, true});
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
    CoreDataManager::shared().movePasteInfsToTop(ids, categoryUuid, [count = ids.size()](bool committed) {
        if (committed)
            Log::info(kTag, QStringLiteral("moved %1 item(s) to another clipboard").arg(count));
        else
            Log::error(QStringLiteral("onMovePasteInfToAnotherCategory"), QStringLiteral("move fail"));
    });
}

void QuickSearchViewController::saveSelectedItems()
{
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty())
        return;
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, ids](HistoryReader& reader) {
        QStringList uuids;
        for (const PasteInfRow& row : reader.rows(ids))
            uuids.append(row.uuid);
        Dispatch::global([self, uuids] {
            const QList<PreferredContent> contents = contentsOf(uuids);
            Dispatch::main([self, contents] {
                if (!self || contents.isEmpty())
                    return;
                QWidget* window = self->window();
                if (contents.size() == 1) {
                    const PreferredContent content = contents.first();
                    const std::optional<PasteInfFileWriter::Rule> rule =
                        PasteInfFileWriter::ruleFor(content.displayType, content.pasteboardType);
                    if (!rule) {
                        Log::error(kSaveTag, QStringLiteral("write to file fail"));
                        showSaveFailure(window);
                        return;
                    }
                    SystemPanel::saveFile(
                        PasteInfFileWriter::proposedName(rule->baseName), rule->extensions, window,
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
                    return;
                }
                SystemPanel::chooseFolder({}, window, [self, contents](const QString& folder) {
                    Dispatch::global([self, contents, folder] {
                        int failures = 0;
                        const QStringList written =
                            PasteInfFileWriter::writeIntoFolder(folder, contents, &failures);
                        Log::info(kSaveTag,
                                  QStringLiteral("saved %1 item(s) into a folder").arg(written.size()));
                        if (failures == 0)
                            return;
                        Dispatch::main([self] {
                            if (self)
                                showSaveFailure(self->window());
                        });
                    });
                });
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
    model_->performOnReader([id](HistoryReader& reader) {
        const QList<PasteInfRow> rows = reader.rows({id});
        if (rows.isEmpty())
            return;
        Dispatch::global([uuid = rows.first().uuid] {
            const QList<PreferredContent> contents = contentsOf({uuid});
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
            Dispatch::main([url] {
                if (Brimble::exists())
                    Brimble::shared().platform().workspace->openUrl(url);
            });
        });
    });
}
