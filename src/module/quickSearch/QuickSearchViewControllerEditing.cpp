// The quick search controller's item editor: an item's text edited in a pane over the list and
// stored as a new item, at the top of the shown clipboard or in the original's place.
#include "module/quickSearch/QuickSearchViewController.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/PasteInfEdit.h"
#include "model/Preferences.h"
#include "model/SecretShape.h"
#include "module/quickSearch/view/QuickSearchItemEditor.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolTip>

namespace {
const QString kTag = QStringLiteral("QuickSearchViewController");
} // namespace

void QuickSearchViewController::editCurrentItem()
{
    if (editing_) {
        editor_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    const QModelIndex current = listView_->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    const qint64 id = model_->idAt(row);
    QPointer<QuickSearchViewController> self(this);
    model_->performOnReader([self, id, row, &store = store_](HistoryReader& reader) {
        const QList<PasteInfRow> rows = reader.rows({id});
        if (rows.isEmpty())
            return;
        // The content is read (and a never classified item classified) off the GUI thread.
        Dispatch::global([self, id, row, uuid = rows.first().uuid, &store] {
            std::optional<PasteInfModel> model = store.fetchPasteInf(uuid);
            if (!model) {
                Log::warning(kTag, QStringLiteral("nothing to edit: the item is gone"));
                return;
            }
            const std::variant<PasteInfEdit::EditableText, PasteInfEdit::Refusal> editable =
                PasteInfEdit::editableText(*model, &store);
            Dispatch::main([self, id, row, model = *model, editable] {
                if (!self)
                    return;
                if (const auto* text = std::get_if<PasteInfEdit::EditableText>(&editable))
                    self->openEditor(id, model, text->text, text->formattingDropped);
                else
                    self->refuseEdit(row, std::get<PasteInfEdit::Refusal>(editable));
            });
        });
    });
}

void QuickSearchViewController::openEditor(qint64 id, const PasteInfModel& original, const QString& text,
                                           bool formattingDropped)
{
    if (editing_)
        return;
    ++editGeneration_;
    editing_ = EditSession{id, original};
    QWidget* focused = window()->focusWidget();
    focusBeforeEdit_ = focused && focused != editor_->textEdit() ? focused : searchField_;
    editor_->open(text, formattingDropped);
    placeOverlays();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::ShortcutFocusReason);
    // The length only: what the item says stays out of the log.
    Log::info(kTag, QStringLiteral("editing an item of %1 character(s)").arg(text.size()));
}

void QuickSearchViewController::refuseEdit(int row, PasteInfEdit::Refusal why)
{
    Log::info(kTag, QStringLiteral("the item cannot be edited as text"));
    if (!isVisible())
        return;
    const QModelIndex index = model_->index(std::min(row, std::max(0, model_->rowCount() - 1)));
    const QRect rect = listView_->visualRect(index);
    QToolTip::showText(listView_->viewport()->mapToGlobal(rect.center()), why == PasteInfEdit::Refusal::tooLong
                                                                      ? LocalizedEditor::tooLong(PasteInfEdit::kMaxEditableLength)
                                                                      : LocalizedEditor::notEditable(),
                       listView_, {}, 4000);
}

bool QuickSearchViewController::cancelEdit()
{
    if (!editing_)
        return false;
    Log::info(kTag, QStringLiteral("edit cancelled"));
    closeEditor();
    return true;
}

void QuickSearchViewController::closeEditor()
{
    editing_.reset();
    ++editGeneration_;
    const bool hadFocus = editor_->isAncestorOf(QApplication::focusWidget());
    editor_->hide();
    if (hadFocus || !window()->focusWidget() || window()->focusWidget() == this) {
        QWidget* back = focusBeforeEdit_ ? focusBeforeEdit_.data() : searchField_;
        back->setFocus(Qt::OtherFocusReason);
    }
    focusBeforeEdit_.clear();
}

void QuickSearchViewController::storeEdit(bool replace)
{
    if (!editing_ || editor_->isBusy())
        return;
    const QString text = editor_->text();
    if (text.isEmpty()) {
        editor_->setMessage(LocalizedEditor::empty());
        return;
    }
    // The same text again makes nothing new, and a replace by itself changes nothing.
    if (!editor_->isChanged()) {
        Log::info(kTag, QStringLiteral("edit left the text as it was, nothing stored"));
        closeEditor();
        return;
    }
    // Asked before anything is queued, so that a refused edit leaves the last undo as it was.
    if (preferences_.secretLifetime() == Preferences::secretNeverRecorded && SecretShape::recognise(text)) {
        editor_->setMessage(LocalizedEditor::secretNotRecorded());
        return;
    }
    editor_->setMessage({});
    editor_->setBusy(true);
    const PasteInfModel original = editing_->original;
    const QString originalUuid = original.uuid.value_or(QString());
    const QString category = selectedCategoryUuid_;
    const std::function<void(bool)> kept =
        replace ? keptChange(UndoableChange::replacement) : std::function<void(bool)>();
    QPointer<QuickSearchViewController> self(this);
    const auto answer = [self, generation = editGeneration_, replace, kept](EditOutcome outcome) {
        if (kept)
            kept(outcome == EditOutcome::stored);
        Dispatch::main([self, generation, replace, outcome] {
            if (self)
                self->editStored(generation, replace, outcome);
        });
    };
    // Built and handed to the store off the GUI thread, as a copy is: a long text is encoded
    // there too.
    Dispatch::global([original, originalUuid, text, category, replace, answer, &store = store_] {
        PasteInfModel edited = PasteInfEdit::editedItem(original, text, store.now());
        if (!replace) {
            edited.categoryUUID = category;
            store.insertPasteInfAtTop(edited, [answer](bool committed) {
                answer(committed ? EditOutcome::stored : EditOutcome::failed);
            });
            return;
        }
        store.replacePasteInf(
            originalUuid, edited,
            [answer](CoreDataManager::ReplaceResult result) {
                switch (result) {
                case CoreDataManager::ReplaceResult::replaced:
                    answer(EditOutcome::stored);
                    return;
                case CoreDataManager::ReplaceResult::originalGone:
                    answer(EditOutcome::originalGone);
                    return;
                case CoreDataManager::ReplaceResult::failed:
                    answer(EditOutcome::failed);
                    return;
                }
            },
            true);
    });
}

void QuickSearchViewController::editStored(quint64 generation, bool replace, EditOutcome outcome)
{
    if (generation != editGeneration_ || !editing_)
        return;
    switch (outcome) {
    case EditOutcome::stored:
        Log::info(kTag, replace ? QStringLiteral("edit replaced its item")
                                : QStringLiteral("edit stored as a new item"));
        closeEditor();
        // The new item comes to the top, where the selection waits for it (see rowsInserted).
        if (!replace && model_->rowCount() > 0)
            moveSelection(0, false);
        return;
    case EditOutcome::originalGone:
        editor_->setMessage(LocalizedEditor::originalGone());
        break;
    case EditOutcome::failed:
        editor_->setMessage(LocalizedEditor::notStored());
        break;
    }
    editor_->setBusy(false);
}
