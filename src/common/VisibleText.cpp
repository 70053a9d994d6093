#include "VisibleText.h"

namespace VisibleText {

bool isHiddenControl(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7f || (c >= 0x80 && c <= 0x9f) || c == 0x061c || c == 0x200e ||
           c == 0x200f || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

QString withVisibleControls(QStringView text)
{
    qsizetype first = 0;
    while (first < text.size() && !isHiddenControl(text.at(first).unicode()))
        ++first;
    if (first == text.size())
        return text.toString();
    QString out = text.first(first).toString();
    out.reserve(text.size() + 16);
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (!isHiddenControl(c))
            out += QChar(c);
        else if (c < 0x20 || c == 0x7f)
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    }
    return out;
}

} // namespace VisibleText
