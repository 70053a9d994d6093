#pragma once

#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfoDisplayType.h"

#include <QHash>
#include <QList>
#include <QMenu>

#include <optional>

// The context menu of a history item in the quick search window. It holds no selection: the
// commands act on the selected rows (the controller selects the clicked row first), except
// opening a link, which acts on the item the menu was opened for. The shortcuts it shows are
// the window's key map; the menu's own actions never take keys.
class QuickSearchPasteInfItemMenu : public QMenu
{
    Q_OBJECT
public:
    enum class Command
    {
        openInBrowser,
        paste,
        pasteAsPlainText,
        pasteInSequence,
        copy,
        cut,
        moveToFirst,
        saveToFile,
        edit,
        deleteItems,
        addNewClipboard,
    };
    Q_ENUM(Command)

    explicit QuickSearchPasteInfItemMenu(QWidget* parent = nullptr);

    // Sets the menu up for an item of `type` (absent when not yet classified): which entries
    // apply, the plain-text paste's modifiers (Carbon bits) and the clipboards to move to. A
    // `secret` item's text is not handed out for editing.
    void prepare(std::optional<PasteInfoDisplayType> type, const QList<PasteCategoryInfModel>& clipboards,
                 quint32 plainTextModifier, bool secret = false);

    // The first entry that can be chosen becomes the active one, as a menu opened from the
    // keyboard shows it.
    void highlightFirstEntry();

    QAction* action(Command command) const { return actions_.value(command); }
    QMenu* moveToMenu() const { return moveTo_; }

Q_SIGNALS:
    void commandChosen(QuickSearchPasteInfItemMenu::Command command);
    void moveToClipboardChosen(const QString& categoryUuid);

private:
    QAction* addCommand(Command command, const QString& title, const QKeySequence& shown = {});

    QHash<Command, QAction*> actions_;
    QMenu* moveTo_;
};
