#include "module/quickSearch/view/QuickSelectClipboardItem.h"

#include "model/Localized.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

void QuickSelectClipboardItem::paint(QPainter& painter, const QRect& tile, const QPalette& palette,
                                     const QFont& font) const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(tile).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter.fillPath(shape, palette.color(highlighted ? QPalette::Highlight : QPalette::Base));
    painter.setPen(QPen(palette.color(QPalette::Mid), 1));
    painter.drawPath(shape);

    // Sizes in pixels, as the tile's own size is: a title of a dozen letters fits its width.
    QFont nameFont = font;
    nameFont.setPixelSize(16);
    QFont infoFont = font;
    infoFont.setPixelSize(13);
    const QFontMetrics nameMetrics(nameFont);
    const QColor text = palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text);
    QColor secondary = text;
    if (!highlighted)
        secondary.setAlphaF(0.6);
    const QRect inner = tile.adjusted(6, 0, -6, 0);
    const int nameHeight = nameMetrics.height();
    const int infoHeight = QFontMetrics(infoFont).height();
    const int top = tile.top() + (tile.height() - nameHeight - 1 - infoHeight) / 2;
    painter.setFont(nameFont);
    painter.setPen(text);
    painter.drawText(QRect(inner.left(), top, inner.width(), nameHeight), Qt::AlignCenter,
                     nameMetrics.elidedText(title, Qt::ElideRight, inner.width()));
    if (records) {
        painter.setFont(infoFont);
        painter.setPen(secondary);
        painter.drawText(QRect(inner.left(), top + nameHeight + 1, inner.width(), infoHeight), Qt::AlignCenter,
                         LocalizedQuickView::nRecords().arg(*records));
    }
}
