#include "RtfTextHandle.h"

#include <QRegularExpression>

namespace RtfTextHandle {

std::optional<QColor> rtfBackgroundColor(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    // One compiled set per thread: a QRegularExpression is reentrant, not thread-safe.
    thread_local const QRegularExpression colorTable(
        QStringLiteral(R"(\{\\colortbl;(\n)*(\\(red)\d{1,3}\\(green)\d{1,3}\\(blue)\d{1,3};(\n)*)*\})"));
    thread_local const QRegularExpression tableEntry(
        QStringLiteral(R"(\\(red)\d{1,3}\\(green)\d{1,3}\\(blue)\d{1,3})"));
    thread_local const QRegularExpression backgroundIndex(QStringLiteral(R"(\\cb\d+)"));
    thread_local const QRegularExpression component(QStringLiteral(R"(\d{1,3})"));

    const QRegularExpressionMatch table = colorTable.match(*text);
    if (!table.hasMatch())
        return std::nullopt;
    QStringList entries;
    for (auto it = tableEntry.globalMatch(table.capturedView()); it.hasNext();)
        entries.append(it.next().captured());
    if (entries.isEmpty())
        return std::nullopt;

    const QRegularExpressionMatch background = backgroundIndex.match(*text);
    if (!background.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qsizetype index = background.capturedView().mid(3).toLongLong(&ok);
    if (!ok || index < 1 || index > entries.size())
        return std::nullopt;

    int rgb[3];
    int count = 0;
    for (auto it = component.globalMatch(entries.at(index - 1)); it.hasNext(); ++count) {
        const QRegularExpressionMatch match = it.next();
        if (count == 3)
            return std::nullopt;
        const int value = match.capturedView().toInt(&ok);
        // RTF colour components are bytes; a larger number does not name a colour.
        if (!ok || value > 255)
            return std::nullopt;
        rgb[count] = value;
    }
    if (count != 3)
        return std::nullopt;
    return QColor(rgb[0], rgb[1], rgb[2]);
}

} // namespace RtfTextHandle
