#pragma once

#include "model/PasteBoardUtils.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfEdit.h"
#include "model/SearchHelper.h"
#include "module/quickSearch/view/QuickSearchPasteInfItemMenu.h"
#include "module/quickSearch/view/QuickSearchPasteInfListView.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QuickSearchHost;
class QuickSearchViewWindow;
class CoreDataManager;
class IconCache;
class Preferences;
class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QMenu;
class QToolButton;
class QFrame;
class QItemSelection;
class QuickSearchPasteInfDetailView;
class QuickSearchItemEditor;
class QuickSearchClipboardHeader;
class QuickSearchPasteInfItem;
class QuickSearchPasteInfListModel;
class QuickSearchThumbnailCache;
class QuickSelectClipBoardView;
class SearchEngine;
class SearchResults;
class SerialQueue;

// What a key press in the quick search window asks for.
struct QuickSearchKeyCommand
{
    enum Kind
    {
        none, // not ours: the search field gets the key
        moveUp,
        moveDown,
        moveToFirst,
        moveToLast,
        paste,      // the selected rows, into the application that was in front
        quickPaste, // the one row `row`
        copy,       // the selected rows onto the clipboard; the window stays
        cut,        // copy, then out of the history
        deleteSelected,
        moveSelectedToTop,
        focusSearch,
        clearSearch,
        deleteWord,      // the word before the cursor in the search field
        undo,            // the last delete, cut, clear or move; else the field's own undo
        save,            // the selected rows to files
        switchClipboard, // the clipboard grid, or its next tile while it shows
        itemMenu,        // the current row's context menu
        loadPreview,     // a masked secret, or the link preview's page while it waits to be asked for
        pasteInSequence, // the selected rows as a paste queue, the first pasted at once
        edit,            // the current row's text in the editor pane
    };
    Kind kind = none;
    bool extendSelection = false;
    bool plainText = false;
    int row = -1;

    bool operator==(const QuickSearchKeyCommand&) const = default;
};

// The quick search window's content and its controller: a search field with the menu button
// over the result list of one clipboard's history, narrowed by the search engine while the field
// has text; the clipboard header and grid to change clipboards; the keyboard commands and the
// item menu on its selection.
//
// Nothing here reads the store on the GUI thread: the list model pages rows on its reader
// thread, searches run on the engine's threads, the items to paste are fetched off the GUI thread
// and handed to the coordinator's paste on it.
class QuickSearchViewController : public QWidget
{
    Q_OBJECT
public:
    static inline const QString defaultCategoryUuid = QStringLiteral("default-pasteinf-catgory-coooool");

    // The modifier preferences the key map reads (Carbon modifier bits).
    struct KeyPreferences
    {
        quint32 quickPasteModifier = 0;
        quint32 plainTextModifier = 0;
        bool pasteAsPlainText = false;
        quint32 switchClipboardModifier = 0;
    };
    // The key map: a Qt key with its native scan code (0 when unknown) and the held modifiers
    // as Carbon bits. Quick paste matches the physical number row (X11 scan codes 10..19, so a
    // layout that needs Shift for digits works), or the digit keys when there is no scan code.
    // Delete deletes the selected items only while the list has the keyboard (`listFocused`);
    // in the search field it deletes a character.
    static QuickSearchKeyCommand commandForKey(int key, quint32 nativeScanCode, quint32 modifiers,
                                               const KeyPreferences& preferences, bool listFocused = false);

    // iconCache: the application icons (none paints no icons); menu: what the menu button opens
    // (none hides the button). databasePath: empty for the file the store has open. The store
    // and the preferences must outlive the controller.
    QuickSearchViewController(CoreDataManager& store, Preferences& preferences, IconCache* iconCache,
                              QMenu* menu, const QString& databasePath = {}, QWidget* parent = nullptr);
    ~QuickSearchViewController() override;

    QLineEdit* searchField() const { return searchField_; }
    QToolButton* typeButton() const { return typeButton_; }
    QuickSearchPasteInfListView* listView() const { return listView_; }
    QuickSearchPasteInfListModel* model() const { return model_; }
    QuickSearchPasteInfItem* delegate() const { return delegate_; }
    QuickSearchPasteInfDetailView* detailView() const { return detailView_; }
    QList<int> selectedRows() const;
    QuickSearchClipboardHeader* clipboardHeader() const { return clipboardHeader_; }
    QLabel* typeHint() const { return typeHint_; }
    QuickSelectClipBoardView* clipboardSelector() const { return selector_; }
    QuickSearchPasteInfItemMenu* itemMenu() const { return itemMenu_; }
    // The pane over the list where the current item's text is edited (F2, "Edit…"); shown
    // while editing.
    QuickSearchItemEditor* itemEditor() const { return editor_; }
    bool isEditing() const { return editing_.has_value(); }
    // "Undo …" in the item menu and the clipboard menu; disabled when there is nothing to undo.
    QAction* undoAction() const { return undoAction_; }
    const QList<PasteCategoryInfModel>& clipBoards() const { return clipBoards_; }
    QString selectedCategoryUuid() const { return selectedCategoryUuid_; }
    // What stands in place of the list and the preview ("It's Empty", "No matches"), or empty
    // while they show.
    QString emptyStateText() const;

    // Shows a clipboard's history; the one already shown only when forced.
    void selectClipboard(const QString& categoryUuid, bool force = false);
    // Moves the selected rows to the top of another clipboard, in one store step.
    void moveSelectedItems(const QString& categoryUuid);
    // One selected row: a save dialog; several: a folder, each written under its own name.
    void saveSelectedItems();

    // Carries out a command; false when it does not apply (a quick paste past the end).
    bool perform(const QuickSearchKeyCommand& command);

    // A notice above the list about what keeps the history from working (a damaged file, a full
    // disk), for as long as it lasts; empty hides it.
    void setBanner(const QString& text);
    QLabel* banner() const { return banner_; }
    // One line about the last paste that did not go out by itself (the item is on the clipboard
    // for Ctrl+V); shown above the list until the next paste, empty hides it.
    void setPasteNotice(const QString& text);
    QLabel* pasteNotice() const { return pasteNotice_; }

    // The paste queue's line above the list (none hides it); `running` adds how to clear it.
    void setPasteQueueNotice(const QString& text, bool running);
    QLabel* pasteQueueNotice() const { return queueNotice_; }
    // The selected items in the order a paste queue takes them: picked one by one (Ctrl+click),
    // the order they were picked in; otherwise oldest first, the order they were copied in.
    QList<qint64> queueOrder() const;

    // Who pastes the chosen items and opens links (none: nothing is written or opened).
    void setHost(QuickSearchHost* host);
    // Takes the panel's keys, modifier changes and loss of the keyboard.
    void attachWindow(QuickSearchViewWindow& window);

Q_SIGNALS:
    void pasteQueueNoticeSeen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CoreDataManager& store_;
    Preferences& preferences_;
    void search(const QString& text);
    void applyResults(quint64 generation, const SearchResults& results);
    void matchNewItems(const QList<qint64>& ids);
    void onKeyDown(QKeyEvent* event);
    void onModifiersChanged(Qt::KeyboardModifiers modifiers);
    void clearBadges();
    void onResignKey();
    void moveSelection(int row, bool extend);
    void selectFirstRow();
    void refreshEmptyState();
    void writeRows(const QList<int>& rows, bool plainText, bool paste, bool cut);
    void pasteInSequence(bool plainText);
    void notePicks(const QItemSelection& selected, const QItemSelection& deselected);
    void popUpMenu();
    void placeOverlays();
    // The type filter's menu: adds filterTypes()[index] to the field's type clause.
    void chooseFilterType(qsizetype index);
    // Clipboards
    void connectClipboards();
    void reloadClipboards();
    void addNewClipboard(bool moveSelection);
    void renameClipboard(const QString& title);
    // Asks first, naming the clipboard and its number of items; Cancel is the default.
    void confirmForClipboard(const QString& uuid, bool deleting);
    void clearClipboard(const QString& uuid);
    void deleteClipboard(const QString& uuid);
    std::optional<PasteCategoryInfModel> selectedClipboard() const;
    // Item menu and actions
    // From the keyboard, the first entry is highlighted, so arrows and Return work at once.
    void showItemMenu(int row, const QPoint& globalPos, bool fromKeyboard = false);
    void onItemMenuCommand(QuickSearchPasteInfItemMenu::Command command);
    void openLink(int row);
    QList<qint64> selectedIds() const;
    // A save dialog for one item; a folder for several, written one item at a time.
    void saveItem(const PreferredContent& content);
    void saveItemsIntoFolder(const QStringList& uuids);
    // Undo. The store keeps the last change made here with keepForUndo; this side names it.
    enum class UndoableChange
    {
        none,
        deletion,
        cut,
        clear,
        move,
        clipboardDeletion,
        replacement,
    };
    void deleteSelectedItems();
    // Names a kept change just queued; a failure reported by the store forgets it again.
    std::function<void(bool committed)>
    keptChange(UndoableChange change, const std::optional<PasteCategoryInfModel>& clipboard = {});
    void setUndoable(UndoableChange change);
    void undoLastChange();
    // Editing
    enum class EditOutcome
    {
        stored,
        originalGone,
        failed,
    };
    void editCurrentItem();
    void openEditor(qint64 id, const PasteInfModel& original, const QString& text, bool formattingDropped);
    // Says why the item at `row` cannot be edited.
    void refuseEdit(int row, PasteInfEdit::Refusal why);
    // Escape and Cancel: the edit goes, the list and the search are as they were.
    bool cancelEdit();
    void closeEditor();
    // Save: a new item at the top of the shown clipboard; replace: in the original's place.
    void storeEdit(bool replace);
    void editStored(quint64 generation, bool replace, EditOutcome outcome);

    QPointer<QMenu> menu_;
    QLineEdit* searchField_;
    QToolButton* typeButton_;
    QToolButton* menuButton_;
    QuickSearchPasteInfListView* listView_;
    QLabel* emptyText_;
    QLabel* pasteNotice_ = nullptr;
    QLabel* banner_;
    QLabel* queueNotice_;
    // Items selected one at a time with Ctrl held, in the order picked (see queueOrder()).
    QList<qint64> picks_;
    QLabel* typeHint_ = nullptr;
    QuickSearchPasteInfDetailView* detailView_;
    QuickSearchHost* host_ = nullptr;
    QFrame* detailSeparator_;
    QuickSearchThumbnailCache* thumbnails_;
    QuickSearchClipboardHeader* clipboardHeader_;
    QuickSelectClipBoardView* selector_;
    QuickSearchPasteInfItemMenu* itemMenu_;
    QuickSearchPasteInfItem* delegate_;
    QuickSearchPasteInfListModel* model_;
    SearchEngine* engine_;
    // Shown only when a clipboard's history takes long to arrive.
    QProgressBar* loadingIndicator_;
    QTimer loadingDelay_;
    QList<PasteCategoryInfModel> clipBoards_;
    QString selectedCategoryUuid_ = defaultCategoryUuid;
    QString query_;
    ParsedQuery parsedQuery_;
    quint64 searchGeneration_ = 0;
    bool historyLoaded_ = false;
    int anchorRow_ = 0;
    // Matches new items against the query, one at a time (the engine's matches() wants that).
    std::unique_ptr<SerialQueue> matchQueue_;
    QAction* undoAction_;
    UndoableChange undoable_ = UndoableChange::none;
    quint64 undoGeneration_ = 0;
    // A deleted clipboard, created again before its items come back.
    std::optional<PasteCategoryInfModel> undoClipboard_;
    // The item being edited: its row id and its model as it was when the edit began.
    struct EditSession
    {
        qint64 id = 0;
        PasteInfModel original;
    };
    QuickSearchItemEditor* editor_;
    std::optional<EditSession> editing_;
    // Tells a store's answer for an edit closed since from one for the edit on show.
    quint64 editGeneration_ = 0;
    QPointer<QWidget> focusBeforeEdit_;
    // Ctrl+Z takes the history's undo when its change came after the field's last edit, and
    // the field's own text undo otherwise.
    bool historyUndoFirst_ = false;
};
