#include "HistoryQueries.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteInfoDisplayType.h"
#include "model/SearchEngine.h"
#include "model/SearchHelper.h"
#include "platform/PasteboardTypes.h"

#include <QJsonArray>

namespace HistoryQueries {
namespace {

// Rows are fetched this many at a time: one page is all a listing holds.
constexpr qsizetype kPage = 200;

// Hands the rows of `ids` to the sink, page by page; false, with the reason in `error`, when a
// page could not be read (what was read before it has been handed on).
bool deliver(HistoryReader& reader, const QList<qint64>& ids, const RowSink& sink, QString* error)
{
    for (qsizetype from = 0; from < ids.size(); from += kPage) {
        bool failed = false;
        for (const PasteInfRow& row : reader.rows(ids.mid(from, kPage), &failed))
            sink(row);
        if (failed) {
            *error = LocalizedHistory::unreadable();
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<PasteCategoryInfModel> clipboardNamed(CoreDataManager& store, const QString& name,
                                                    QString* error)
{
    const QList<PasteCategoryInfModel> all = store.fetchCategories();
    const auto matching = [&](auto matches) {
        QList<PasteCategoryInfModel> found;
        for (const auto& clipboard : all)
            if (matches(clipboard))
                found.append(clipboard);
        return found;
    };
    QList<PasteCategoryInfModel> found;
    if (name.isEmpty()) {
        found = matching([](const auto& clipboard) { return clipboard.uuid == kDefaultCategoryUUID; });
    } else {
        // A uuid names one clipboard whatever the titles; then the title exactly, then
        // ignoring case.
        found = matching([&](const auto& clipboard) {
            return clipboard.uuid && clipboard.uuid->compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found.isEmpty())
            found = matching([&](const auto& clipboard) { return clipboard.title == name; });
        if (found.isEmpty())
            found = matching([&](const auto& clipboard) {
                return clipboard.title && clipboard.title->compare(name, Qt::CaseInsensitive) == 0;
            });
    }
    if (found.size() == 1)
        return found.first();
    if (error) {
        if (found.isEmpty()) {
            *error = name.isEmpty() ? LocalizedHistory::defaultClipboardMissing()
                                    : LocalizedHistory::noClipboardNamed(name);
        } else {
            // Never a guess: the listing would come from a clipboard the user did not mean.
            QStringList uuids;
            for (const auto& clipboard : found)
                uuids.append(clipboard.uuid.value_or(QString()));
            *error = QStringLiteral("%1 clipboards are named \"%2\"; give one by its uuid: %3")
                         .arg(found.size())
                         .arg(name, uuids.join(QStringLiteral(", ")));
        }
    }
    return std::nullopt;
}

bool list(HistoryReader& reader, const PasteCategoryInfModel& clipboard, int limit, const RowSink& sink,
          QString* error)
{
    const auto ids = reader.historyIds(clipboard.uuid.value_or(QString()), limit);
    if (!ids) {
        *error = LocalizedHistory::unreadable();
        return false;
    }
    return deliver(reader, *ids, sink, error);
}

bool search(CoreDataManager& store, HistoryReader& reader, const QString& databasePath,
            const PasteCategoryInfModel& clipboard, const QString& query, int limit, const RowSink& sink,
            QString* error)
{
    const auto results = SearchEngine::searchNow(store, databasePath, clipboard.uuid.value_or(QString()),
                                                 SearchHelper::parseQuery(query.trimmed()), limit);
    if (!results) {
        *error = LocalizedHistory::unsearchable();
        return false;
    }
    return deliver(reader, results->rowIds(), sink, error);
}

std::optional<PasteInfModel> resolveItem(CoreDataManager& store, const PasteCategoryInfModel& clipboard,
                                         const QString& uuidOrIndex, QString* error)
{
    bool isIndex = false;
    const qlonglong index = uuidOrIndex.toLongLong(&isIndex);
    if (!isIndex) {
        if (auto model = store.fetchPasteInf(uuidOrIndex))
            return model;
        if (error)
            *error = LocalizedHistory::noItemWithUuid(uuidOrIndex);
        return std::nullopt;
    }

    HistoryReader reader(store, store.path());
    QString reason;
    if (!reader.open(&reason)) {
        if (error)
            *error = LocalizedHistory::cannotRead(reason);
        return std::nullopt;
    }
    const QString clipboardUuid = clipboard.uuid.value_or(QString());
    // Only the ids up to the one asked for are read.
    const auto ids = index >= 1 ? reader.historyIds(clipboardUuid, qsizetype(index))
                                : std::optional<QList<qint64>>(QList<qint64>());
    if (!ids) {
        if (error)
            *error = LocalizedHistory::unreadable();
        return std::nullopt;
    }
    if (index < 1 || index > ids->size()) {
        if (error)
            *error = LocalizedHistory::noItemAt(uuidOrIndex, clipboard.title.value_or(QString()),
                                                index < 1 ? reader.countsPerCategory().value(clipboardUuid)
                                                          : ids->size());
        return std::nullopt;
    }
    const QList<PasteInfRow> rows = reader.rows({ids->at(index - 1)});
    if (rows.isEmpty()) {
        if (error)
            *error = LocalizedHistory::deletedMeanwhile(uuidOrIndex);
        return std::nullopt;
    }
    if (auto model = store.fetchPasteInf(rows.first().uuid))
        return model;
    if (error)
        *error = LocalizedHistory::deletedMeanwhile(uuidOrIndex);
    return std::nullopt;
}

QString typeKeyword(PasteInfoDisplayType type)
{
    // The document form of rich text has no keyword of its own; rich_text finds it.
    return SearchHelper::keywordForDisplayType(type).value_or(QStringLiteral("rich_text"));
}

std::optional<QString> textOf(CoreDataManager& store, const PasteInfRow& row, bool fullText)
{
    if (row.previewText)
        return fullText ? store.fetchPlainText(row.uuid) : row.previewText;
    if (PasteBoardUtils::displayTypeOf(row) != PasteInfoDisplayType::File)
        return std::nullopt;
    // A copy of files offers no text: its paths stand for it, read from the content of this
    // one item.
    const auto items = store.fetchPasteboardItems(row.uuid);
    const auto content =
        items ? PasteBoardUtils::classify(PasteInfoDisplayType::File,
                                          row.displayPasteBoardType.value_or(PasteboardType::fileURL), *items)
              : std::nullopt;
    if (!content || !std::holds_alternative<QList<FileEntry>>(content->value))
        return std::nullopt;
    QStringList paths;
    for (const FileEntry& entry : std::get<QList<FileEntry>>(content->value))
        paths.append(entry.path);
    return paths.join('\n');
}

QString secretMask(const PasteInfRow& row)
{
    const QString kind = row.secretKind ? SecretShape::rawValue(*row.secretKind).replace(u'_', u' ') : QString();
    return QStringLiteral("secret \u00b7 %1 \u00b7 %2 characters").arg(kind).arg(row.secretLength);
}

QJsonObject itemJson(CoreDataManager& store, const PasteInfRow& row, const QString& clipboardTitle,
                     bool reveal)
{
    QJsonObject object;
    object["uuid"] = row.uuid;
    object["date"] = row.date.isValid() ? row.date.toUTC().toString(Qt::ISODateWithMs) : QString();
    object["clipboard"] = clipboardTitle;
    const PasteInfoDisplayType type = PasteBoardUtils::displayTypeOf(row);
    object["displayType"] = DisplayType::rawValue(type);
    object["type"] = typeKeyword(type);
    object["types"] = QJsonArray::fromStringList(row.types);
    QJsonObject app;
    app["name"] = row.appName.value_or(QString());
    app["path"] = row.appBundleUrl.value_or(QString());
    app["id"] = row.appBundleIdentifier.value_or(QString());
    object["application"] = app;
    const std::optional<QString> text = row.secretKind && !reveal ? std::nullopt : textOf(store, row, true);
    object["text"] = text ? QJsonValue(*text) : QJsonValue();
    if (row.secretKind)
        object["secret"] = QJsonObject{{"kind", SecretShape::rawValue(*row.secretKind)}, {"length", row.secretLength}};
    return object;
}

QJsonArray clipboardsJson(CoreDataManager& store, HistoryReader& reader)
{
    const QHash<QString, qint64> counts = reader.countsPerCategory();
    QJsonArray array;
    for (const PasteCategoryInfModel& clipboard : store.fetchCategories()) {
        QJsonObject object;
        object["uuid"] = clipboard.uuid.value_or(QString());
        object["title"] = clipboard.title.value_or(QString());
        object["records"] = counts.value(clipboard.uuid.value_or(QString()));
        object["default"] = clipboard.uuid == kDefaultCategoryUUID;
        array.append(object);
    }
    return array;
}

} // namespace HistoryQueries
