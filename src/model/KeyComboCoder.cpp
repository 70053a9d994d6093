#include "KeyComboCoder.h"

#include <QCborMap>
#include <QCborStreamReader>
#include <QCborValue>

#include <cmath>
#include <limits>

namespace {
const QString kClassKey = QStringLiteral("class");
const QString kKeyCodeKey = QStringLiteral("carbonKeyCode");
const QString kModifiersKey = QStringLiteral("carbonModifiers");

quint32 fieldValue(const QCborValue& value)
{
    constexpr qint64 max = std::numeric_limits<quint32>::max();
    if (value.isInteger()) {
        const qint64 n = value.toInteger();
        return n >= 0 && n <= max ? quint32(n) : 0;
    }
    if (value.isDouble()) {
        const double d = value.toDouble();
        return d >= 0 && d <= double(max) && std::trunc(d) == d ? quint32(d) : 0;
    }
    return 0;
}
} // namespace

KeyComboCoder::KeyComboCoder(const KeyCombo& combo) : combo_(combo) {}

std::optional<KeyComboCoder> KeyComboCoder::unarchive(const QByteArray& data)
{
    QCborStreamReader reader(data);
    const QCborValue root = QCborValue::fromCbor(reader);
    // Trailing bytes mean this is not an archive we wrote.
    if (reader.lastError() != QCborError::NoError || reader.currentOffset() != data.size() || !root.isMap())
        return std::nullopt;
    const QCborMap map = root.toMap();
    if (map.value(kClassKey).toString() != archivedClassName)
        return std::nullopt;
    return KeyComboCoder(KeyCombo{fieldValue(map.value(kKeyCodeKey)), fieldValue(map.value(kModifiersKey))});
}

QByteArray KeyComboCoder::archive() const
{
    QCborMap map;
    map.insert(kClassKey, archivedClassName);
    map.insert(kKeyCodeKey, qint64(combo_.carbonKeyCode));
    map.insert(kModifiersKey, qint64(combo_.carbonModifiers));
    return map.toCborValue().toCbor();
}
