#include "PasteInfoDisplayType.h"

#include <array>

namespace DisplayType {
namespace {
struct Entry
{
    PasteInfoDisplayType type;
    const char* raw;
    const char* caseName;
};
constexpr std::array<Entry, 9> kEntries{{
    {PasteInfoDisplayType::Text, "text", "Text"},
    {PasteInfoDisplayType::RichTextFormat, "rich-text-format", "RichTextFormat"},
    {PasteInfoDisplayType::RichTextFormatDocument, "rich-text-format-document", "RichTextFormatDocument"},
    {PasteInfoDisplayType::PlainText, "plain-text", "PlainText"},
    {PasteInfoDisplayType::Image, "image", "Image"},
    {PasteInfoDisplayType::File, "file", "File"},
    {PasteInfoDisplayType::Link, "link", "Link"},
    {PasteInfoDisplayType::Color, "color", "Color"},
    {PasteInfoDisplayType::Unknown, "unknown", "Unknown"},
}};
} // namespace

QString rawValue(PasteInfoDisplayType type)
{
    return QString::fromLatin1(kEntries[size_t(type)].raw);
}

QString caseName(PasteInfoDisplayType type)
{
    return QString::fromLatin1(kEntries[size_t(type)].caseName);
}

std::optional<PasteInfoDisplayType> fromRawValue(const QString& raw)
{
    for (const auto& entry : kEntries)
        if (raw == QLatin1String(entry.raw))
            return entry.type;
    return std::nullopt;
}

const QList<PasteInfoDisplayType>& offered()
{
    static const QList<PasteInfoDisplayType> list = {
        PasteInfoDisplayType::Text,  PasteInfoDisplayType::RichTextFormat, PasteInfoDisplayType::PlainText,
        PasteInfoDisplayType::Image, PasteInfoDisplayType::File,           PasteInfoDisplayType::Link,
        PasteInfoDisplayType::Color, PasteInfoDisplayType::Unknown};
    return list;
}

const QList<PasteInfoDisplayType>& all()
{
    static const QList<PasteInfoDisplayType> list = [] {
        QList<PasteInfoDisplayType> l;
        for (const auto& entry : kEntries)
            l.append(entry.type);
        return l;
    }();
    return list;
}
} // namespace DisplayType
