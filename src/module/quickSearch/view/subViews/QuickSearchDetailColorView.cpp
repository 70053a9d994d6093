#include "module/quickSearch/view/subViews/QuickSearchDetailColorView.h"

#include <QPainter>

namespace {
constexpr int kSwatch = 140;
constexpr int kGap = 30;
constexpr int kTextPointSize = 20;
} // namespace

void QuickSearchDetailColorView::setColor(const QString& text, const std::optional<QColor>& color)
{
    text_ = text;
    color_ = color;
    update();
}

void QuickSearchDetailColorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setPointSize(kTextPointSize);
    const QFontMetrics metrics(font);
    const int blockHeight = kSwatch + kGap + metrics.height();
    const int top = (height() - blockHeight) / 2;
    const QRectF swatch((width() - kSwatch) / 2.0, top, kSwatch, kSwatch);
    if (color_) {
        // Transparent colours show over a light checker-free base so their alpha is visible.
        painter.fillRect(swatch, palette().color(QPalette::Base));
        painter.fillRect(swatch, *color_);
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 0.5));
    painter.drawRect(swatch);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, int(swatch.bottom()) + kGap, width(), metrics.height()), Qt::AlignHCenter,
                     text_);
}
