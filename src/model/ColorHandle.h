#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Colour codes as people copy them (#FF8800, fff, #80FF0000). Pure; callable from any thread.
namespace ColorHandle {

// An optional leading "#", then hexadecimal digits. Three or four digits are nibbles, eight are
// bytes; four and eight lead with alpha (#80FF0000 is half-transparent red). Any other length
// takes red, green and blue from the three lowest bytes. None for an empty code, a non-hex
// digit, or a value beyond a signed 64-bit integer.
std::optional<QColor> colorFromHex(const QString& text);

// The form a colour item is shown in: trimmed, "#"-prefixed unless it has one, upper case.
QString normalizedColorText(const QString& text);

} // namespace ColorHandle
