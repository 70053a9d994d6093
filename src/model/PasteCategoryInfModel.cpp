#include "PasteCategoryInfModel.h"

#include "model/ModelDescription.h"

#include <QUuid>

namespace {

PasteCategoryInfModel::Title clipboardHistoryTitle = [] { return QStringLiteral("Clipboard History"); };
PasteCategoryInfModel::Title unnamedTitle = [] { return QStringLiteral("UnNamed"); };

qint16 paletteIndex(int index)
{
    // A non-negative remainder: a negative index would select no palette colour at all.
    const int size = int(categoryColors.size());
    return qint16(((index % size) + size) % size);
}

} // namespace

PasteCategoryInfModel::PasteCategoryInfModel(const QString& title, const QString& uuid, qint16 orderNumber,
                                             qint16 colorIndex, const QDateTime& createDate)
    : uuid(uuid), title(title), orderNumber(orderNumber), createDate(createDate),
      colorIndex(paletteIndex(colorIndex))
{
}

PasteCategoryInfModel PasteCategoryInfModel::successor(const std::optional<PasteCategoryInfModel>& last,
                                                       const QDateTime& createDate)
{
    PasteCategoryInfModel model;
    model.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    model.title = unnamedTitle();
    model.createDate = createDate;
    if (last) {
        model.colorIndex = paletteIndex(last->colorIndex + 1);
        model.orderNumber = qint16(last->orderNumber + 1);
    }
    return model;
}

PasteCategoryInfModel PasteCategoryInfModel::defaultCategory(const QDateTime& createDate)
{
    return PasteCategoryInfModel(clipboardHistoryTitle(), kDefaultCategoryUUID, 0, 0, createDate);
}

QString PasteCategoryInfModel::description() const
{
    return QStringLiteral("{ uuid: ") + uuid.value_or(QString()) + QStringLiteral(", title: ") +
           title.value_or(QString()) + QStringLiteral(", orderNumber: ") + QString::number(orderNumber) +
           QStringLiteral(", createDate: ") + ModelDescription::date(createDate) +
           QStringLiteral(", colorIndex: ") + QString::number(colorIndex) + QStringLiteral(" }");
}

void PasteCategoryInfModel::setTitles(Title clipboardHistory, Title unnamed)
{
    clipboardHistoryTitle = std::move(clipboardHistory);
    unnamedTitle = std::move(unnamed);
}
