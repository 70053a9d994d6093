#include "view/base/ThemeColors.h"

#include <QWidget>

namespace ThemeColors {

QColor dimmed(const QPalette& palette, QPalette::ColorRole role, qreal alpha)
{
    QColor color = palette.color(role);
    color.setAlphaF(alpha);
    return color;
}

void dim(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, dimmed(palette));
    widget->setPalette(palette);
}

QColor matchBackground()
{
    return QColor(255, 214, 64);
}

QColor matchForeground()
{
    return QColor(20, 20, 20);
}

} // namespace ThemeColors
