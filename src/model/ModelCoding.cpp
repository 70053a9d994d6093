#include "ModelCoding.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QCborValue>

namespace ModelCoding {

namespace {

const QString kTypeKey = QStringLiteral("type");
const QString kDataKey = QStringLiteral("data");

// One complete CBOR value and nothing after it; anything else is not ours.
std::optional<QCborValue> parseWhole(const QByteArray& blob)
{
    if (blob.isEmpty())
        return std::nullopt;
    QCborStreamReader reader(blob);
    QCborValue value = QCborValue::fromCbor(reader);
    if (reader.lastError() != QCborError::NoError)
        return std::nullopt;
    if (reader.currentOffset() != blob.size())
        return std::nullopt;
    return value;
}

} // namespace

QByteArray encodeItemData(const PasteDataTypeGroups& groups)
{
    // Written with the stream writer so a large item is not first copied into a QCborValue tree.
    QByteArray out;
    QCborStreamWriter writer(&out);
    writer.startArray(groups.size());
    for (const auto& group : groups) {
        writer.startArray(group.size());
        for (const PasteDataType& record : group) {
            writer.startMap((record.type ? 1 : 0) + (record.data ? 1 : 0));
            if (record.type) {
                writer.append(kTypeKey);
                writer.append(*record.type);
            }
            if (record.data) {
                writer.append(kDataKey);
                writer.append(*record.data);
            }
            writer.endMap();
        }
        writer.endArray();
    }
    writer.endArray();
    return out;
}

std::optional<PasteDataTypeGroups> decodeItemData(const QByteArray& blob)
{
    const auto value = parseWhole(blob);
    if (!value || !value->isArray())
        return std::nullopt;
    const QCborArray outer = value->toArray();
    PasteDataTypeGroups groups;
    groups.reserve(outer.size());
    for (const QCborValue& inner : outer) {
        if (!inner.isArray())
            return std::nullopt;
        const QCborArray records = inner.toArray();
        QList<PasteDataType> group;
        group.reserve(records.size());
        for (const QCborValue& entry : records) {
            if (!entry.isMap())
                return std::nullopt;
            const QCborMap map = entry.toMap();
            PasteDataType record;
            const QCborValue type = map.value(kTypeKey);
            if (type.isString())
                record.type = type.toString();
            const QCborValue data = map.value(kDataKey);
            if (data.isByteArray())
                record.data = data.toByteArray();
            group.append(std::move(record));
        }
        groups.append(std::move(group));
    }
    return groups;
}

QByteArray encodeTypes(const std::optional<QStringList>& types)
{
    if (!types)
        return QCborValue(QCborValue::Null).toCbor();
    QByteArray out;
    QCborStreamWriter writer(&out);
    writer.startArray(types->size());
    for (const QString& type : *types)
        writer.append(type);
    writer.endArray();
    return out;
}

std::optional<QStringList> decodeTypes(const QByteArray& blob)
{
    const auto value = parseWhole(blob);
    if (!value || !value->isArray())
        return std::nullopt;
    QStringList types;
    for (const QCborValue& entry : value->toArray()) {
        if (!entry.isString())
            return std::nullopt;
        types.append(entry.toString());
    }
    return types;
}

QByteArray encodeColor(const std::optional<QColor>& color)
{
    if (!color || !color->isValid())
        return QCborValue(QCborValue::Null).toCbor();
    const QColor rgb = color->toRgb();
    QCborMap map;
    map.insert(QStringLiteral("r"), rgb.redF());
    map.insert(QStringLiteral("g"), rgb.greenF());
    map.insert(QStringLiteral("b"), rgb.blueF());
    map.insert(QStringLiteral("a"), rgb.alphaF());
    return QCborValue(map).toCbor();
}

std::optional<QColor> decodeColor(const QByteArray& blob)
{
    const auto value = parseWhole(blob);
    if (!value || !value->isMap())
        return std::nullopt;
    const QCborMap map = value->toMap();
    if (map.size() != 4)
        return std::nullopt;
    float channels[4];
    const char* const keys[4] = {"r", "g", "b", "a"};
    for (int i = 0; i < 4; ++i) {
        const QCborValue channel = map.value(QLatin1String(keys[i]));
        if (!channel.isDouble() && !channel.isInteger())
            return std::nullopt;
        const double v = channel.toDouble();
        // Also rejects NaN.
        if (!(v >= 0.0 && v <= 1.0))
            return std::nullopt;
        channels[i] = float(v);
    }
    return QColor::fromRgbF(channels[0], channels[1], channels[2], channels[3]);
}

bool isNull(const QByteArray& blob)
{
    const auto value = parseWhole(blob);
    return value && value->isNull();
}

} // namespace ModelCoding
