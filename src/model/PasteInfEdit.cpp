#include "model/PasteInfEdit.h"

#include "model/PasteBoardUtils.h"
#include "platform/PasteboardTypes.h"

namespace PasteInfEdit {

namespace {
bool isRich(PasteInfoDisplayType type)
{
    return type == PasteInfoDisplayType::RichTextFormat ||
           type == PasteInfoDisplayType::RichTextFormatDocument;
}
} // namespace

bool isEditable(std::optional<PasteInfoDisplayType> type, bool secret)
{
    if (secret || !type)
        return false;
    switch (*type) {
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
    case PasteInfoDisplayType::PlainText:
    case PasteInfoDisplayType::Link:
    case PasteInfoDisplayType::Color:
        return true;
    case PasteInfoDisplayType::Image:
    case PasteInfoDisplayType::File:
    case PasteInfoDisplayType::Unknown:
        return false;
    }
    return false;
}

std::variant<EditableText, Refusal> editableText(PasteInfModel& item, CoreDataManager* store)
{
    if (item.secretKind)
        return Refusal::secret;
    const std::optional<PreferredContent> content = PasteBoardUtils::preferredContent(item, store);
    if (!content)
        return Refusal::noText;
    if (content->displayType == PasteInfoDisplayType::Image)
        return Refusal::image;
    if (content->displayType == PasteInfoDisplayType::File)
        return Refusal::file;
    if (!isEditable(content->displayType, false))
        return Refusal::noText;
    const std::optional<PasteboardItems>& items = item.pasteboardItems();
    const std::optional<QString> text =
        items && !items->isEmpty() ? items->first().readableText() : std::nullopt;
    if (!text)
        return Refusal::noText;
    if (text->size() > kMaxEditableLength)
        return Refusal::tooLong;
    // HTML that came without a plain text reads as text, and loses its formatting too.
    const bool formatted =
        isRich(content->displayType) || (items->first().dataForType(PasteboardType::html).has_value());
    return EditableText{*text, formatted};
}

PasteInfModel editedItem(const PasteInfModel& original, const QString& text, const QDateTime& date)
{
    const PasteboardItem item({{PasteboardType::string, text.toUtf8()}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr, date);
    model.categoryUUID = original.categoryUUID;
    model.appName = original.appName;
    model.appBundleUrl = original.appBundleUrl;
    model.appBundleIdentifier = original.appBundleIdentifier;
    // The colour the original's row shows; the icon is looked up when it is painted.
    model.headerBgColor = original.headerBgColor;
    model.secretKind = SecretShape::recognise(text);
    return model;
}

} // namespace PasteInfEdit
