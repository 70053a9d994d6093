#include "ColorHandle.h"

#include <algorithm>

namespace ColorHandle {

std::optional<QColor> colorFromHex(const QString& text)
{
    const QStringView digits = text.startsWith(u'#') ? QStringView(text).mid(1) : QStringView(text);
    if (digits.isEmpty())
        return std::nullopt;
    // toLongLong alone would also take a sign, a "0x" prefix and surrounding blanks.
    const auto isHexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (!std::all_of(digits.begin(), digits.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, 16);
    if (!ok)
        return std::nullopt;

    const auto nibble = [value](int index) { return int((value >> (4 * index)) & 0xF) * 17; };
    const auto byte = [value](int index) { return int((value >> (8 * index)) & 0xFF); };
    switch (digits.size()) {
    case 3:
        return QColor(nibble(2), nibble(1), nibble(0));
    case 4:
        return QColor(nibble(2), nibble(1), nibble(0), nibble(3));
    case 8:
        return QColor(byte(2), byte(1), byte(0), byte(3));
    default:
        return QColor(byte(2), byte(1), byte(0));
    }
}

QString normalizedColorText(const QString& text)
{
    QString normalized = text.trimmed();
    if (!normalized.contains(u'#'))
        normalized.prepend(u'#');
    return normalized.toUpper();
}

} // namespace ColorHandle
