#pragma once

#include "model/PasteInfoDisplayType.h"
#include "model/SecretShape.h"
#include "platform/PasteboardItem.h"
#include "platform/RunningApplication.h"

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Empty base of the history item model.
class BaseModel
{
};

// One serialized clipboard representation: the "type" and "data" of the item_data column.
struct PasteDataType
{
    std::optional<QString> type;
    std::optional<QByteArray> data;
    bool operator==(const PasteDataType&) const = default;
};
using PasteDataTypeGroups = QList<QList<PasteDataType>>;

// One history item in memory. A plain value copied between the store and the interface.
//
// The content (pasteboardItems) of a model loaded from the store is not read with the
// metadata: it is fetched from the store the first time something asks for it, and copies of
// the model share what was fetched. So listing a large clipboard costs metadata only.
class PasteInfModel : public BaseModel
{
public:
    // Fetches the content of a stored item by uuid; set by the store for the models it loads.
    using ContentLoader = std::function<std::optional<PasteboardItems>()>;

    // The empty model: every field absent.
    PasteInfModel();

    // The capture initialiser. With either argument absent the model stays empty. The source
    // application is the one last in front (absent when none was remembered); `date` is the
    // capture's (the store's now() where the store's clock matters).
    static PasteInfModel capture(const std::optional<PasteboardItems>& items,
                                 const std::optional<QStringList>& types, const RunningApplicationRef& source,
                                 const QDateTime& date = QDateTime::currentDateTimeUtc());

    std::optional<QString> uuid;
    std::optional<QDateTime> date;
    std::optional<QString> categoryUUID;
    std::optional<QStringList> types;
    std::optional<PasteInfoDisplayType> displayType;
    std::optional<QString> displayPasteBoardType;
    std::optional<QString> appName;
    std::optional<QString> appBundleUrl;
    std::optional<QString> appBundleIdentifier;
    std::optional<QColor> headerBgColor;
    // The first item's plain text, kept beside the content so lists and search can use it
    // without decoding the content.
    std::optional<QString> firstPlainText;
    // Set when the copied text is a secret (recognised when it was copied): shown masked,
    // never indexed for search, removed after the user's chosen delay.
    std::optional<SecretKind> secretKind;

    // The content; loads it on first use for a model that came from the store.
    const std::optional<PasteboardItems>& pasteboardItems() const;
    void setPasteboardItems(std::optional<PasteboardItems> items);
    // Lazy content for a model the store built (does not load it).
    void setContentLoader(ContentLoader loader);
    bool isContentLoaded() const;
    // Hands a model whose content is still to be loaded its content, for it and its copies
    // (the store reads many items' content at once this way).
    void fulfilContent(std::optional<PasteboardItems> items);

    // The application icon: never stored, asked of the icon provider on first read. On the GUI
    // thread it is absent until the provider has read it (the provider announces it then).
    std::optional<QImage> appIconImage() const;
    void refreshAppIcon();

    // What the store writes into item_data. For a file list it adds a private.book-mark
    // representation (the plain paths) to the model's own items as well.
    PasteDataTypeGroups pasteDataTypeGroups();
    // The items of stored item_data records; absent (and logged) when the records could not
    // be decoded. Records without type or data are skipped with a log line.
    static std::optional<PasteboardItems>
    pasteboardItemsFrom(const std::optional<PasteDataTypeGroups>& groups);

    // Identity is the uuid alone.
    bool operator==(const PasteInfModel& other) const { return uuid == other.uuid; }

    QString description() const;

    // How models find application icons; set once at start-up (the platform's icon cache). Called
    // on any thread; on the GUI thread it must answer without reading files (a null image
    // while the icon is still being read).
    using IconProvider = std::function<QImage(const QString& path)>;
    static void setIconProvider(IconProvider provider);

private:
    struct Content;
    std::shared_ptr<Content> content_;
    mutable std::shared_ptr<std::optional<QImage>> icon_;
};
