#include "ControlCharacters.h"

#include <algorithm>

namespace ControlCharacters {

namespace {
bool reordersOrBreaksLine(char16_t u)
{
    return (u >= 0x80 && u <= 0x9f) || u == 0x061c || u == 0x200e || u == 0x200f ||
           (u >= 0x2028 && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}
} // namespace

QString escaped(QStringView text, Tabs tabs)
{
    // Most text has nothing to escape: it is returned without a copy made character by character.
    const auto needsEscape = [tabs](QChar c) {
        const char16_t u = c.unicode();
        if (u == u'\t')
            return tabs == Tabs::Escaped;
        return u < 0x20 || u == 0x7f || reordersOrBreaksLine(u);
    };
    if (std::none_of(text.begin(), text.end(), needsEscape))
        return text.toString();

    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\n':
            out += QLatin1String("\\n");
            continue;
        case u'\r':
            out += QLatin1String("\\r");
            continue;
        case u'\t':
            if (tabs == Tabs::Escaped)
                out += QLatin1String("\\t");
            else
                out += c;
            continue;
        default:
            break;
        }
        if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else if (reordersOrBreaksLine(u))
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace ControlCharacters
