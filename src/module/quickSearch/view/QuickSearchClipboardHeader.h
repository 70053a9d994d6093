#pragma once

#include "model/PasteCategoryInfModel.h"

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QToolButton;

// The quick search window's clipboard header: the shown clipboard's name, renamed in place,
// and the button that opens the clipboard menu (choose a clipboard, rename, add, clear,
// delete). A view only: it reports what the user asked for, the controller decides.
class QuickSearchClipboardHeader : public QWidget
{
    Q_OBJECT
public:
    explicit QuickSearchClipboardHeader(QWidget* parent = nullptr);

    // The clipboards in menu order and the shown one.
    void setClipboards(const QList<PasteCategoryInfModel>& clipboards, const QString& selectedUuid);

    // Makes the name editable with the keyboard in it; Return, Escape or leaving the field
    // ends the editing.
    void beginRename();
    bool isRenaming() const { return renaming_; }

    // The full name of the shown clipboard; the field shows it cut with an ellipsis when it
    // does not fit, and whole while it is renamed.
    QString title() const { return title_; }
    // The room the name has: a long name never pushes the search field's buttons aside. It
    // grows to hold the default clipboard's name in the user's language, up to the maximum.
    static constexpr int nameWidth = 220;
    static constexpr int maxNameWidth = 300;
    int nameRoom() const { return nameRoom_; }

    QLineEdit* nameField() const { return name_; }
    QToolButton* menuButton() const { return button_; }
    QMenu* menu() const { return menu_; }
    QAction* renameAction() const { return rename_; }
    QAction* addAction() const { return add_; }
    QAction* clearAction() const { return clear_; }
    QAction* deleteAction() const { return delete_; }

Q_SIGNALS:
    void clipboardChosen(const QString& categoryUuid);
    // The text the name was left with, trimmed (possibly empty); the keyboard is given back.
    void renameFinished(const QString& title);
    void addRequested();
    void clearRequested();
    void deleteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endRename();
    void popUpMenu(QWidget* anchor);
    void showTitle();
    void setNameFilled(bool filled);

    QLineEdit* name_;
    QToolButton* button_;
    QMenu* menu_;
    QActionGroup* clipboardGroup_;
    QAction* clipboardsEnd_;
    QAction* rename_;
    QAction* add_;
    QAction* clear_;
    QAction* delete_;
    QString title_;
    bool renaming_ = false;
    int nameRoom_ = nameWidth;
};
