#pragma once

#include "model/PasteInfModel.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

class CoreDataManager;

// Editing an item's text. The edit is stored as an item of its own, built the way a copy of
// that text would be; the item it came from is never rewritten.
namespace PasteInfEdit {

// What the editor shows of an item.
struct EditableText
{
    QString text;
    // The item has formatting (rich text, HTML) that the plain-text edit does not keep.
    bool formattingDropped = false;
};

// Why an item cannot be edited as text.
enum class Refusal
{
    image,
    file,
    secret, // shown masked: its text is not handed out for editing
    noText, // unknown content, or none that reads as text
    tooLong, // more than kMaxEditableLength characters, on which the editor would stall
};

// The longest text the editor takes: a text box laying out a line of megabytes stalls the panel.
constexpr qsizetype kMaxEditableLength = 256 * 1024;

// Classifies the item when it never was (recorded in `store` as any first use does) and
// returns its text, or why it has none to edit.
std::variant<EditableText, Refusal> editableText(PasteInfModel& item, CoreDataManager* store);

// Whether an item of `type` (absent: not classified) can be edited; a secret never can.
bool isEditable(std::optional<PasteInfoDisplayType> type, bool secret);

// The item an edit makes: `text` as a plain-text copy under a new uuid, in the original's
// clipboard, from the original's source application (the text still came from there), dated
// `date`. A text shaped like a secret is marked as one, as a copy of it would be.
PasteInfModel editedItem(const PasteInfModel& original, const QString& text, const QDateTime& date);

} // namespace PasteInfEdit
