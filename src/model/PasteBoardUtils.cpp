#include "PasteBoardUtils.h"

#include "common/HtmlText.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "platform/PasteboardTypes.h"
#include "platform/UriList.h"

#include <QRegularExpression>
#include <QStringView>

namespace {

const QString kExcel = QStringLiteral("com.microsoft.Excel");
const QString kWord = QStringLiteral("com.microsoft.Word");

// Compiled once: the classification runs for every row a list shows and every item a search
// visits, so it must not pay for compiling a pattern on each call.
const QRegularExpression& colorExpression()
{
    static const QRegularExpression expression = [] {
        QRegularExpression re(QStringLiteral("^#{0,1}(([0-9]|[a-f]|[A-F]){3}|([0-9]|[a-f]|[A-F]){4}|"
                                             "([0-9]|[a-f]|[A-F]){6}|([0-9]|[a-f]|[A-F]){8})$"));
        re.optimize();
        return re;
    }();
    return expression;
}

const QRegularExpression& linkExpression()
{
    static const QRegularExpression expression = [] {
        // Parentheses are allowed (Wikipedia titles carry them); parensBalance() rejects the
        // ones that belong to the surrounding text.
        QRegularExpression re(
            QStringLiteral("^(https?|ftp|file)://[-A-Za-z0-9+&@#/%?=~_|!:,.;()]+[-A-Za-z0-9+&@#/%=~_|)]$"));
        re.optimize();
        return re;
    }();
    return expression;
}

// A pattern that does not compile counts as no match.
bool matches(const QRegularExpression& expression, QStringView text)
{
    return expression.isValid() && expression.match(text).hasMatch();
}

bool isBlank(const QString& text)
{
    return QStringView(text).trimmed().isEmpty();
}

bool passesColorTest(std::optional<PasteInfoDisplayType> displayType, const QString& text)
{
    if (displayType == PasteInfoDisplayType::Color)
        return true;
    const QStringView trimmed = QStringView(text).trimmed();
    // A UTF-8 form is never shorter than the UTF-16 one, so longer texts need no conversion.
    if (trimmed.size() > 9 || trimmed.toUtf8().size() > 9)
        return false;
    return matches(colorExpression(), trimmed);
}

// Every ")" closes a "(" opened before it, and none stays open.
bool parensBalance(QStringView text)
{
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && --depth < 0)
            return false;
    }
    return depth == 0;
}

bool passesLinkTest(std::optional<PasteInfoDisplayType> displayType, const QString& text)
{
    if (displayType == PasteInfoDisplayType::Link)
        return true;
    const QStringView trimmed = QStringView(text).trimmed();
    return matches(linkExpression(), trimmed) && parensBalance(trimmed);
}

bool isStringType(const QString& type)
{
    return PasteboardType::stringReadOrder.contains(type) || type == PasteboardType::latin1String;
}

bool isRichTextType(const QString& type)
{
    return PasteboardType::rtfAliases.contains(type) || type == PasteboardType::rtfd;
}

std::optional<PreferredContent> classifyRichText(std::optional<PasteInfoDisplayType> displayType,
                                                 const QString& type, const PasteboardItems& items)
{
    const PasteboardItem* first = items.isEmpty() ? nullptr : &items.first();
    const std::optional<QByteArray> data = first ? first->dataForType(type) : std::nullopt;
    const std::optional<QString> text = first ? first->plainString() : std::nullopt;
    if (!data || !text || isBlank(*text)) {
        Log::warning(type, QStringLiteral("rich text data is nil"));
        return std::nullopt;
    }
    if (passesColorTest(displayType, *text))
        return PreferredContent{PasteInfoDisplayType::Color, type, *text};
    if (passesLinkTest(displayType, *text))
        return PreferredContent{PasteInfoDisplayType::Link, type, *text};
    const PasteInfoDisplayType kind = type == PasteboardType::rtfd
                                          ? PasteInfoDisplayType::RichTextFormatDocument
                                          : PasteInfoDisplayType::RichTextFormat;
    return PreferredContent{kind, type, *data};
}

std::optional<PreferredContent> classifyString(std::optional<PasteInfoDisplayType> displayType,
                                               const QString& type, const PasteboardItems& items)
{
    // Any of the plain-text names stands for the item's text, read from the first one present,
    // so an item keeps its classification whichever of them the owner offered.
    const std::optional<QString> text = items.isEmpty() ? std::nullopt : items.first().plainString();
    if (!text || isBlank(*text)) {
        Log::warning(type, QStringLiteral("string data is nil"));
        return std::nullopt;
    }
    if (passesColorTest(displayType, *text))
        return PreferredContent{PasteInfoDisplayType::Color, type, *text};
    if (passesLinkTest(displayType, *text))
        return PreferredContent{PasteInfoDisplayType::Link, type, *text};
    return PreferredContent{PasteInfoDisplayType::PlainText, type, *text};
}

// HTML stands for its text. It is only asked when nothing else of the item classifies (see
// isFallbackType), so a copy that also offers plain text or an image keeps that reading.
std::optional<PreferredContent> classifyHtml(std::optional<PasteInfoDisplayType> displayType,
                                             const QString& type, const PasteboardItems& items)
{
    const std::optional<QByteArray> data = items.isEmpty() ? std::nullopt : items.first().dataForType(type);
    const QString text = data ? HtmlText::plainText(*data) : QString();
    if (isBlank(text)) {
        Log::warning(type, QStringLiteral("html text is nil"));
        return std::nullopt;
    }
    if (passesColorTest(displayType, text))
        return PreferredContent{PasteInfoDisplayType::Color, type, text};
    if (passesLinkTest(displayType, text))
        return PreferredContent{PasteInfoDisplayType::Link, type, text};
    return PreferredContent{PasteInfoDisplayType::RichTextFormat, type, *data};
}

std::optional<PreferredContent> classifyImage(const QString& type, const PasteboardItems& items)
{
    const std::optional<QByteArray> data = items.isEmpty() ? std::nullopt : items.first().dataForType(type);
    if (!data) {
        Log::warning(type, QStringLiteral("image data is nil"));
        return std::nullopt;
    }
    return PreferredContent{PasteInfoDisplayType::Image, type, *data};
}

std::optional<PreferredContent> classifyFiles(const QString& type, const PasteboardItems& items)
{
    QList<FileEntry> entries;
    for (const PasteboardItem& item : items) {
        const std::optional<QByteArray> uriList = item.dataForType(type);
        if (!uriList) {
            Log::warning(type, QStringLiteral("file path is nil"));
            continue;
        }
        const std::optional<QByteArray> bookmarkData = item.dataForType(PasteboardType::bookmark);
        const QList<QByteArray> bookmarks = bookmarkData ? bookmarkData->split('\n') : QList<QByteArray>();
        // The bookmark writer writes one line per local file of the list, in order.
        qsizetype bookmarkIndex = 0;
        for (const UriList::Entry& entry : UriList::decode(*uriList)) {
            if (!entry.isLocalFile()) {
                Log::warning(type, QStringLiteral("file path is nil"));
                continue;
            }
            const qsizetype index = bookmarkIndex++;
            const QByteArray bookmark = index < bookmarks.size() ? bookmarks.at(index) : QByteArray();
            // Linux has no security-scoped bookmarks: the plain path is what a later resolver
            // needs when the item carries none.
            entries.append(FileEntry{entry.localPath, bookmark.isEmpty() ? entry.localPath.toUtf8() : bookmark});
        }
    }
    return PreferredContent{PasteInfoDisplayType::File, type, entries};
}

// Types classified only after every other type of the item failed.
bool isFallbackType(const QString& type)
{
    return type == PasteboardType::html;
}

// The item's types in the order classification tries them.
QStringList classificationOrder(const QStringList& types)
{
    QStringList ordered;
    ordered.reserve(types.size());
    for (const QString& type : types)
        if (!isFallbackType(type))
            ordered.append(type);
    for (const QString& type : types)
        if (isFallbackType(type))
            ordered.append(type);
    return ordered;
}

} // namespace

namespace PasteBoardUtils {

// Thread safety: the GUI thread and a search thread may classify copies of the same stored
// item at the same time. Models are values, so each caller reads and writes only its own copy
// (their shared, lazily loaded content is immutable once loaded), and the store write is queued
// on the store's serial queue. Two callers may both record a first classification; they record
// the same answer, so the second write is harmless.
std::optional<PreferredContent> preferredContent(PasteInfModel& item, CoreDataManager* store)
{
    const std::optional<PasteboardItems>& items = item.pasteboardItems();
    if (!items || items->isEmpty())
        return std::nullopt;

    if (item.displayType && item.displayPasteBoardType) {
        if (auto recorded = classify(item.displayType, *item.displayPasteBoardType, *items))
            return recorded;
    }

    if (!item.types || item.types->isEmpty())
        return std::nullopt;

    for (const QString& type : classificationOrder(*item.types)) {
        const QString preferred = preferredType(type, item);
        auto result = classify(std::nullopt, preferred, *items);
        if (!result)
            continue;
        item.displayType = result->displayType;
        item.displayPasteBoardType = preferred;
        // Only the two columns are written: a classification never re-serializes the content.
        if (item.uuid && store)
            store->updateDisplayType(*item.uuid, result->displayType, preferred);
        return result;
    }
    return std::nullopt;
}

QString preferredType(const QString& type, const PasteInfModel& item)
{
    if (!item.appBundleIdentifier ||
        (*item.appBundleIdentifier != kExcel && *item.appBundleIdentifier != kWord))
        return type;
    const std::optional<PasteboardItems>& items = item.pasteboardItems();
    if (!items || items->isEmpty())
        return type;
    const PasteboardItem& first = items->first();
    const std::optional<QString> text = first.plainString();
    if (!text || isBlank(*text))
        return type;
    // Office offers its RTF under whichever of the names the bridge gave it; prefer text/rtf.
    for (const QString& rtf : PasteboardType::rtfAliases)
        if (first.hasType(rtf))
            return rtf;
    return type;
}

std::optional<PreferredContent> classify(std::optional<PasteInfoDisplayType> displayType,
                                         const QString& pasteboardType, const PasteboardItems& items)
{
    if (isRichTextType(pasteboardType))
        return classifyRichText(displayType, pasteboardType, items);
    if (isStringType(pasteboardType))
        return classifyString(displayType, pasteboardType, items);
    if (PasteboardType::isImage(pasteboardType))
        return classifyImage(pasteboardType, items);
    if (pasteboardType == PasteboardType::fileURL)
        return classifyFiles(pasteboardType, items);
    if (pasteboardType == PasteboardType::html)
        return classifyHtml(displayType, pasteboardType, items);
    return std::nullopt;
}

PasteInfoDisplayType displayTypeOf(const PasteInfRow& row)
{
    if (row.displayType)
        return *row.displayType;
    // Not classified yet. A stand-in for the content answers in its place: every listed type
    // with no bytes, the plain-text names with the start of the text. Classification decides by
    // the type, whether it has data and by the text, so the stand-in gets the answer the content
    // would; a link longer than the preview is the one thing it may see as plain text. The
    // preview of an HTML-only copy is the text of its HTML, which stands in for it escaped.
    const QStringList types = classificationOrder(row.types);
    const QString preview = row.previewText.value_or(QString());
    QList<PasteboardItem::Representation> representations;
    for (const QString& type : types) {
        QByteArray data;
        if (PasteboardType::stringReadOrder.contains(type))
            data = preview.toUtf8();
        else if (type == PasteboardType::html)
            data = preview.toHtmlEscaped().toUtf8();
        representations.append({type, data});
    }
    const PasteboardItems items{PasteboardItem(representations)};
    PasteInfModel standIn;
    standIn.appBundleIdentifier = row.appBundleIdentifier;
    standIn.setPasteboardItems(items);
    for (const QString& type : types)
        if (auto result = classify(std::nullopt, preferredType(type, standIn), items))
            return result->displayType;
    return PasteInfoDisplayType::Unknown;
}

} // namespace PasteBoardUtils

namespace Symbols {
bool contains(const QString& type, const QStringList& types)
{
    return types.contains(type);
}
} // namespace Symbols
