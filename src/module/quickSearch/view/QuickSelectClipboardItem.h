#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

#include <optional>

class QFont;
class QPainter;

// One tile of the clipboard selector: the clipboard's name over its number of records (once
// counted), on the highlight colour when it is the highlighted tile.
struct QuickSelectClipboardItem
{
    static constexpr qreal cornerRadius = 8;

    QString title;
    std::optional<qint64> records;
    bool highlighted = false;

    // Paints the tile into `tile` with the palette's colours; `font` gives the family.
    void paint(QPainter& painter, const QRect& tile, const QPalette& palette, const QFont& font) const;
};
