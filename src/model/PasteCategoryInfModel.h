#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The fixed palette a clipboard's colour index selects.
inline const QStringList categoryColors = {"Magnesium",  "Cornflower_Blue", "Bright_Lavender", "Rajah",
                                           "Pale_Green", "Salmon",          "Crayon_Yellow"};

inline const QString kDefaultCategoryUUID = QStringLiteral("default-pasteinf-catgory-coooool");

// One clipboard (a "category" in the type names).
class PasteCategoryInfModel
{
public:
    PasteCategoryInfModel() = default;
    // The explicit initialiser: colour index taken modulo the palette size, created at
    // `createDate` (the store's now() where the store's clock matters).
    PasteCategoryInfModel(const QString& title, const QString& uuid, qint16 orderNumber, qint16 colorIndex,
                          const QDateTime& createDate = QDateTime::currentDateTimeUtc());
    // The clipboard that follows `last` in the list (a user-added clipboard).
    static PasteCategoryInfModel successor(const std::optional<PasteCategoryInfModel>& last,
                                           const QDateTime& createDate = QDateTime::currentDateTimeUtc());
    // The default clipboard as it is created on a first launch ("Clipboard History").
    static PasteCategoryInfModel
    defaultCategory(const QDateTime& createDate = QDateTime::currentDateTimeUtc());

    std::optional<QString> uuid;
    std::optional<QString> title;
    qint16 orderNumber = 0;
    std::optional<QDateTime> createDate;
    qint16 colorIndex = 0;
    std::optional<QDateTime> recentSelectedDate;

    bool operator==(const PasteCategoryInfModel& other) const { return uuid == other.uuid; }
    QString description() const;

    // The localized titles of the default clipboard and of a new one; set once at start-up by
    // the application, which owns the texts. English until then.
    using Title = std::function<QString()>;
    static void setTitles(Title clipboardHistory, Title unnamed);
};
