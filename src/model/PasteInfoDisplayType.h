#pragma once

#include <QList>
#include <QString>

#include <optional>

// What a history item is. The raw value is the only stored form.
enum class PasteInfoDisplayType
{
    Text,
    RichTextFormat,
    RichTextFormatDocument,
    PlainText,
    Image,
    File,
    Link,
    Color,
    Unknown,
};

namespace DisplayType {
QString rawValue(PasteInfoDisplayType type);
// Exact, case-sensitive match against the nine raw values.
std::optional<PasteInfoDisplayType> fromRawValue(const QString& raw);
// The case name, as the type filter shows it ("PlainText").
QString caseName(PasteInfoDisplayType type);
// The members offered to the user, in order (RichTextFormatDocument is not offered).
const QList<PasteInfoDisplayType>& offered();
const QList<PasteInfoDisplayType>& all();
} // namespace DisplayType
