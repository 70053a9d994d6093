#include "PasteInfModel.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/ImageColorHandle.h"
#include "model/ModelDescription.h"
#include "model/PasteCategoryInfModel.h"
#include "platform/PasteboardTypes.h"
#include "platform/UriList.h"

#include <QUuid>

#include <atomic>
#include <mutex>

namespace {

const QString kTag = QStringLiteral("PasteInfModel");
const QString kWordBundleIdentifier = QStringLiteral("com.microsoft.Word");

std::mutex& iconProviderMutex()
{
    static std::mutex m;
    return m;
}

PasteInfModel::IconProvider& iconProvider()
{
    static PasteInfModel::IconProvider provider;
    return provider;
}

QImage loadIcon(const QString& path)
{
    PasteInfModel::IconProvider provider;
    {
        std::lock_guard lock(iconProviderMutex());
        provider = iconProvider();
    }
    return provider ? provider(path) : QImage();
}

} // namespace

// What a model holds of its content. Shared by copies of one model: the first of them to ask
// loads it for all. Once `loaded` is set the items never change (a new value replaces the
// whole Content), so readers need no lock after that.
struct PasteInfModel::Content
{
    std::mutex mutex;
    std::atomic<bool> loaded{false};
    ContentLoader loader;
    std::optional<PasteboardItems> items;
};

PasteInfModel::PasteInfModel() = default;

PasteInfModel PasteInfModel::capture(const std::optional<PasteboardItems>& items,
                                     const std::optional<QStringList>& types,
                                     const RunningApplicationRef& source, const QDateTime& date)
{
    PasteInfModel model;
    if (!items || !types)
        return model;

    model.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    model.date = date;
    model.categoryUUID = kDefaultCategoryUUID;
    if (source) {
        if (!source->localizedName.isEmpty())
            model.appName = source->localizedName;
        if (!source->bundlePath.isEmpty())
            model.appBundleUrl = source->bundlePath;
        model.appBundleIdentifier = source->bundleIdentifier;
        // The workspace already resolved the icon with the record; no second lookup.
        if (!source->icon.isNull())
            model.icon_ = std::make_shared<std::optional<QImage>>(source->icon);
    }
    model.refreshAppIcon();
    model.types = types;

    const bool isWord = model.appBundleIdentifier == kWordBundleIdentifier;
    PasteboardItems copied;
    copied.reserve(items->size());
    for (const PasteboardItem& item : *items) {
        QList<PasteboardItem::Representation> reps;
        reps.reserve(item.representations().size());
        for (const auto& rep : item.representations()) {
            // Word offers dozens of private "dyn." conversions of the same content.
            if (isWord && rep.type.startsWith(QLatin1String("dyn.")))
                continue;
            reps.append(rep);
        }
        copied.append(PasteboardItem(std::move(reps)));
    }
    if (!copied.isEmpty())
        model.firstPlainText = copied.first().readableText();
    model.setPasteboardItems(std::move(copied));
    return model;
}

const std::optional<PasteboardItems>& PasteInfModel::pasteboardItems() const
{
    static const std::optional<PasteboardItems> none;
    if (!content_)
        return none;
    Content& content = *content_;
    if (content.loaded.load(std::memory_order_acquire))
        return content.items;

    ContentLoader loader;
    {
        std::lock_guard lock(content.mutex);
        loader = content.loader;
    }
    // Loaded without the lock: the loader waits for the store queue, and the store queue may
    // itself be reading this content. Two first readers may both load; the first one wins.
    std::optional<PasteboardItems> loadedItems = loader ? loader() : std::nullopt;
    std::lock_guard lock(content.mutex);
    if (!content.loaded.load(std::memory_order_relaxed)) {
        content.items = std::move(loadedItems);
        content.loader = nullptr;
        content.loaded.store(true, std::memory_order_release);
    }
    return content.items;
}

void PasteInfModel::setPasteboardItems(std::optional<PasteboardItems> items)
{
    auto content = std::make_shared<Content>();
    content->items = std::move(items);
    content->loaded.store(true, std::memory_order_release);
    content_ = std::move(content);
}

void PasteInfModel::setContentLoader(ContentLoader loader)
{
    auto content = std::make_shared<Content>();
    content->loader = std::move(loader);
    content_ = std::move(content);
}

void PasteInfModel::fulfilContent(std::optional<PasteboardItems> items)
{
    if (!content_)
        return;
    std::lock_guard lock(content_->mutex);
    if (content_->loaded.load(std::memory_order_relaxed))
        return;
    content_->items = std::move(items);
    content_->loader = nullptr;
    content_->loaded.store(true, std::memory_order_release);
}

bool PasteInfModel::isContentLoaded() const
{
    return !content_ || content_->loaded.load(std::memory_order_acquire);
}

std::optional<QImage> PasteInfModel::appIconImage() const
{
    if (icon_ && *icon_)
        return *icon_;
    if (!appBundleUrl)
        return std::nullopt;
    const QImage icon = loadIcon(*appBundleUrl);
    if (icon.isNull())
        return std::nullopt;
    icon_ = std::make_shared<std::optional<QImage>>(icon);
    return icon;
}

void PasteInfModel::refreshAppIcon()
{
    if (!appBundleUrl)
        return;
    headerBgColor = ImageColorHandle::dominantColor(appIconImage());
}

PasteDataTypeGroups PasteInfModel::pasteDataTypeGroups()
{
    const std::optional<PasteboardItems>& items = pasteboardItems();
    if (!items) {
        Log::error(kTag, QStringLiteral("paste items is nil"));
        return {};
    }
    PasteDataTypeGroups groups;
    groups.reserve(items->size());
    PasteboardItems updated = *items;
    bool changed = false;
    for (PasteboardItem& item : updated) {
        QList<PasteDataType> group;
        group.reserve(item.representations().size() + 1);
        const auto reps = item.representations();
        for (const auto& rep : reps) {
            // A bookmark is always derived afresh from the file list next to it.
            if (rep.type != PasteboardType::bookmark)
                group.append(PasteDataType{rep.type, rep.data});
            if (rep.type != PasteboardType::fileURL)
                continue;
            // One line per local file of the list: on Linux a bookmark is the plain path.
            const QStringList paths = UriList::localPaths(rep.data);
            if (paths.isEmpty()) {
                Log::error(kTag, QStringLiteral("get path error"));
                continue;
            }
            const QByteArray bookmark = paths.join(QLatin1Char('\n')).toUtf8();
            group.append(PasteDataType{PasteboardType::bookmark, bookmark});
            if (item.dataForType(PasteboardType::bookmark) != bookmark) {
                item.setData(PasteboardType::bookmark, bookmark);
                changed = true;
            }
        }
        groups.append(std::move(group));
    }
    if (changed)
        setPasteboardItems(std::move(updated));
    return groups;
}

std::optional<PasteboardItems>
PasteInfModel::pasteboardItemsFrom(const std::optional<PasteDataTypeGroups>& groups)
{
    if (!groups) {
        Log::error(kTag, QStringLiteral("initial with item data fail, types or data is nil"));
        return std::nullopt;
    }
    PasteboardItems items;
    items.reserve(groups->size());
    for (const auto& group : *groups) {
        QList<PasteboardItem::Representation> reps;
        reps.reserve(group.size());
        for (const PasteDataType& record : group) {
            if (!record.type || !record.data) {
                Log::error(QStringLiteral("set data fail"), QStringLiteral("data or type is nil"));
                continue;
            }
            reps.append({*record.type, *record.data});
        }
        items.append(PasteboardItem(std::move(reps)));
    }
    return items;
}

QString PasteInfModel::description() const
{
    QString typeList;
    if (types) {
        QStringList quoted;
        quoted.reserve(types->size());
        for (const QString& type : *types)
            quoted.append(QLatin1Char('"') + type + QLatin1Char('"'));
        typeList = QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return QStringLiteral("{ uuid: ") + uuid.value_or(QString()) + QStringLiteral(", date: ") +
           ModelDescription::date(date) + QStringLiteral(", appBundleUrl: ") +
           appBundleUrl.value_or(QString()) + QStringLiteral(", appBundleIdentifier: ") +
           appBundleIdentifier.value_or(QString()) + QStringLiteral(", appName: ") +
           appName.value_or(QString()) + QStringLiteral(", categoryUUID: ") +
           categoryUUID.value_or(QString()) + QStringLiteral(", types: ") + typeList + QStringLiteral(" }");
}

void PasteInfModel::setIconProvider(IconProvider provider)
{
    std::lock_guard lock(iconProviderMutex());
    iconProvider() = std::move(provider);
}
