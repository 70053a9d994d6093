#include "module/quickSearch/view/QuickSearchPasteInfItemMenu.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "model/PasteInfEdit.h"
#include "platform/KeyTable.h"
#include "view/base/MenuText.h"

namespace {
int modifierKeys(quint32 carbonModifiers)
{
    return int(KeyTable::qtModifiers(carbonModifiers).toInt());
}
} // namespace

QuickSearchPasteInfItemMenu::QuickSearchPasteInfItemMenu(QWidget* parent)
    : QMenu(QStringLiteral("PasteInfMenu"), parent), moveTo_(new QMenu(LocalizedMenu::moveTo(), this))
{
    setMinimumWidth(50);
    setToolTipsVisible(true);
    moveTo_->setMinimumWidth(50);
    addCommand(Command::openInBrowser, LocalizedMenu::openInBrowser());
    addCommand(Command::paste, LocalizedMenu::paste(), QKeySequence(Qt::Key_Return));
    addCommand(Command::pasteAsPlainText, LocalizedMenu::pasteAsPlainText());
    addCommand(Command::pasteInSequence, LocalizedQueue::pasteInSequence(),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return));
    addCommand(Command::copy, LocalizedMenu::copy(), QKeySequence(Qt::CTRL | Qt::Key_C));
    addCommand(Command::cut, LocalizedMenu::cut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    addSeparator();
    addCommand(Command::moveToFirst, LocalizedMenu::moveToFirst(), QKeySequence(Qt::META | Qt::Key_F));
    addMenu(moveTo_);
    addCommand(Command::saveToFile, LocalizedMenu::saveToFile(), QKeySequence(Qt::CTRL | Qt::Key_S));
    addCommand(Command::edit, LocalizedMenu::edit(), QKeySequence(Qt::Key_F2));
    addSeparator();
    addCommand(Command::deleteItems, LocalizedMenu::deleteItem(), QKeySequence(Qt::Key_Delete));

    // Built here, added to the submenu on every prepare().
    auto* addNew = new QAction(LocalizedMenu::addNewClipBoard(), this);
    connect(addNew, &QAction::triggered, this, [this] { Q_EMIT commandChosen(Command::addNewClipboard); });
    actions_.insert(Command::addNewClipboard, addNew);
}

QAction* QuickSearchPasteInfItemMenu::addCommand(Command command, const QString& title,
                                                 const QKeySequence& shown)
{
    QAction* action = addAction(title);
    action->setShortcut(shown);
    // Shown only: the window's key map handles the keys, also while the menu is closed.
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, command] { Q_EMIT commandChosen(command); });
    actions_.insert(command, action);
    return action;
}

void QuickSearchPasteInfItemMenu::prepare(std::optional<PasteInfoDisplayType> type,
                                          const QList<PasteCategoryInfModel>& clipboards,
                                          quint32 plainTextModifier, bool secret)
{
    actions_.value(Command::pasteAsPlainText)
        ->setShortcut(QKeySequence(
            QKeyCombination(Qt::KeyboardModifiers(modifierKeys(plainTextModifier)), Qt::Key_Return)));
    actions_.value(Command::saveToFile)
        ->setEnabled(type && *type != PasteInfoDisplayType::Unknown && *type != PasteInfoDisplayType::File);
    actions_.value(Command::openInBrowser)->setVisible(type == PasteInfoDisplayType::Link);
    QAction* edit = actions_.value(Command::edit);
    edit->setEnabled(PasteInfEdit::isEditable(type, secret));
    // Says why it is off, where the desktop shows menu tips.
    edit->setToolTip(edit->isEnabled() ? QString() : LocalizedEditor::notEditable());

    moveTo_->clear();
    moveTo_->addSeparator();
    for (const PasteCategoryInfModel& clipboard : clipboards) {
        QAction* entry =
            moveTo_->addAction(MenuText::escaped(clipboard.title.value_or(QStringLiteral("default"))));
        const std::optional<QString> uuid = clipboard.uuid;
        connect(entry, &QAction::triggered, this, [this, uuid] {
            if (!uuid) {
                Log::error(QStringLiteral("addToCategoryAction"), QStringLiteral("clip board info is nil"));
                return;
            }
            Q_EMIT moveToClipboardChosen(*uuid);
        });
    }
    moveTo_->addSeparator();
    moveTo_->addAction(actions_.value(Command::addNewClipboard));
}

void QuickSearchPasteInfItemMenu::highlightFirstEntry()
{
    for (QAction* entry : actions()) {
        if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator()) {
            setActiveAction(entry);
            return;
        }
    }
}
