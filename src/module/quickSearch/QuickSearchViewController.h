#pragma once

#include "module/quickSearch/SearchHelper.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class IconCache;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QToolButton;
class QFrame;
class QuickSearchPasteInfDetailView;
class QuickSearchPasteInfItemDelegate;
class QuickSearchPasteInfListModel;
class QuickSearchThumbnailCache;
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
    };
    Kind kind = none;
    bool extendSelection = false;
    bool plainText = false;
    int row = -1;

    bool operator==(const QuickSearchKeyCommand&) const = default;
};

// The quick search window's content and its controller: a search field with the menu button
// over the result list of one clipboard's history (the default clipboard), narrowed by the
// search engine while the field has text, and the keyboard commands on its selection.
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
    };
    // The key map: a Qt key with its native scan code (0 when unknown) and the held modifiers
    // as Carbon bits. Quick paste matches the physical number row (X11 scan codes 10..19, so a
    // layout that needs Shift for digits works), or the digit keys when there is no scan code.
    static QuickSearchKeyCommand commandForKey(int key, quint32 nativeScanCode, quint32 modifiers,
                                               const KeyPreferences& preferences);

    // iconCache: the application icons (none paints no icons); menu: what the menu button opens
    // (none hides the button). databasePath: empty for the file the store has open.
    QuickSearchViewController(IconCache* iconCache, QMenu* menu, const QString& databasePath = {},
                              QWidget* parent = nullptr);
    ~QuickSearchViewController() override;

    QLineEdit* searchField() const { return searchField_; }
    QListView* listView() const { return listView_; }
    QuickSearchPasteInfListModel* model() const { return model_; }
    QuickSearchPasteInfItemDelegate* delegate() const { return delegate_; }
    QuickSearchPasteInfDetailView* detailView() const { return detailView_; }
    QList<int> selectedRows() const;

    // Carries out a command; false when it does not apply (a quick paste past the end).
    bool perform(const QuickSearchKeyCommand& command);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void search(const QString& text);
    void applyResults(quint64 generation, const SearchResults& results);
    void matchNewItems(const QList<qint64>& ids);
    void onKeyDown(QKeyEvent* event);
    void onModifiersChanged(Qt::KeyboardModifiers modifiers);
    void moveSelection(int row, bool extend);
    void selectFirstRow();
    void refreshEmptyState();
    void writeRows(const QList<int>& rows, bool plainText, bool paste, bool cut);
    void popUpMenu();

    QPointer<QMenu> menu_;
    QLineEdit* searchField_;
    QToolButton* menuButton_;
    QListView* listView_;
    QLabel* emptyText_;
    QuickSearchPasteInfDetailView* detailView_;
    QFrame* detailSeparator_;
    QuickSearchThumbnailCache* thumbnails_;
    QuickSearchPasteInfItemDelegate* delegate_;
    QuickSearchPasteInfListModel* model_;
    SearchEngine* engine_;
    QString query_;
    ParsedQuery parsedQuery_;
    quint64 searchGeneration_ = 0;
    bool historyLoaded_ = false;
    int anchorRow_ = 0;
    // Matches new items against the query, one at a time (the engine's matches() wants that).
    std::unique_ptr<SerialQueue> matchQueue_;
};
