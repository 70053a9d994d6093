#include "HistoryQueries.h"

#include "model/CoreDataManager.h"
#include "model/PasteInfoDisplayType.h"
#include "module/quickSearch/SearchEngine.h"
#include "module/quickSearch/SearchHelper.h"
#include "pasteboard/PasteBoardUtils.h"

#include <QJsonArray>

namespace HistoryQueries {

std::optional<PasteCategoryInfModel> clipboardNamed(const QString& name, QString* error)
{
    const QList<PasteCategoryInfModel> all = CoreDataManager::shared().fetchCategories();
    if (name.isEmpty()) {
        for (const auto& clipboard : all)
            if (clipboard.uuid == kDefaultCategoryUUID)
                return clipboard;
    } else {
        for (const auto& clipboard : all)
            if (clipboard.title == name)
                return clipboard;
        for (const auto& clipboard : all)
            if (clipboard.title && clipboard.title->compare(name, Qt::CaseInsensitive) == 0)
                return clipboard;
    }
    if (error)
        *error = name.isEmpty() ? QStringLiteral("the default clipboard is missing")
                                : QStringLiteral("no clipboard named \"%1\"").arg(name);
    return std::nullopt;
}

QList<PasteInfModel> list(const PasteCategoryInfModel& clipboard, int limit)
{
    QList<PasteInfModel> items = CoreDataManager::shared().fetchPasteInfs(clipboard);
    if (limit > 0 && items.size() > limit)
        items.resize(limit);
    return items;
}

QList<PasteInfModel> search(const PasteCategoryInfModel& clipboard, const QString& query, int limit)
{
    CoreDataManager& store = CoreDataManager::shared();
    const auto results = SearchEngine::searchNow(store.path(), clipboard.uuid.value_or(QString()),
                                                 SearchHelper::parseQuery(query.trimmed()), limit);
    QList<PasteInfModel> models;
    if (!results)
        return models;
    for (const QString& uuid : results->uuids()) {
        // Expired items are left out here too, though only loading the clipboard removes them.
        if (auto model = store.fetchPasteInf(uuid); model && !store.isExpired(*model))
            models.append(*model);
    }
    return models;
}

std::optional<PasteInfModel> resolveItem(const PasteCategoryInfModel& clipboard, const QString& uuidOrIndex,
                                         QString* error)
{
    bool isIndex = false;
    const qlonglong index = uuidOrIndex.toLongLong(&isIndex);
    if (isIndex) {
        const QList<PasteInfModel> items = list(clipboard, 0);
        if (index < 1 || index > items.size()) {
            if (error)
                *error = QStringLiteral("no item %1 in \"%2\" (it holds %3)")
                             .arg(uuidOrIndex, clipboard.title.value_or(QString()))
                             .arg(items.size());
            return std::nullopt;
        }
        return items.at(index - 1);
    }
    if (auto model = CoreDataManager::shared().fetchPasteInf(uuidOrIndex))
        return model;
    if (error)
        *error = QStringLiteral("no item with uuid %1").arg(uuidOrIndex);
    return std::nullopt;
}

QJsonObject itemJson(PasteInfModel& model, const QString& clipboardTitle)
{
    QJsonObject object;
    object["uuid"] = model.uuid.value_or(QString());
    object["date"] = model.date ? model.date->toUTC().toString(Qt::ISODateWithMs) : QString();
    object["clipboard"] = clipboardTitle;
    const auto content = PasteBoardUtils::preferredContent(model);
    object["displayType"] = model.displayType ? DisplayType::rawValue(*model.displayType)
                                              : DisplayType::rawValue(PasteInfoDisplayType::Unknown);
    object["types"] = QJsonArray::fromStringList(model.types.value_or(QStringList()));
    QJsonObject app;
    app["name"] = model.appName.value_or(QString());
    app["path"] = model.appBundleUrl.value_or(QString());
    app["id"] = model.appBundleIdentifier.value_or(QString());
    object["application"] = app;
    std::optional<QString> text = model.firstPlainText;
    if (!text && model.uuid)
        text = CoreDataManager::shared().fetchPlainText(*model.uuid);
    if (!text && content && model.displayType == PasteInfoDisplayType::File) {
        QStringList paths;
        for (const FileEntry& entry : std::get<QList<FileEntry>>(content->value))
            paths.append(entry.path);
        text = paths.join('\n');
    }
    object["text"] = text ? QJsonValue(*text) : QJsonValue();
    return object;
}

QJsonArray itemsJson(QList<PasteInfModel>& models, const QString& clipboardTitle)
{
    QJsonArray array;
    for (PasteInfModel& model : models)
        array.append(itemJson(model, clipboardTitle));
    return array;
}

QJsonArray clipboardsJson()
{
    QJsonArray array;
    for (const PasteCategoryInfModel& clipboard : CoreDataManager::shared().fetchCategories()) {
        QJsonObject object;
        object["uuid"] = clipboard.uuid.value_or(QString());
        object["title"] = clipboard.title.value_or(QString());
        object["records"] = CoreDataManager::shared().countPasteInfs(clipboard);
        object["default"] = clipboard.uuid == kDefaultCategoryUUID;
        array.append(object);
    }
    return array;
}

} // namespace HistoryQueries
