#include "module/quickSearch/view/subViews/QuickSearchDetailUnknownView.h"

QuickSearchDetailUnknownView::QuickSearchDetailUnknownView(QWidget* parent)
    : QLabel(QStringLiteral("?"), parent)
{
    QFont font = this->font();
    font.setPointSize(125);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(Qt::lightGray));
    setPalette(palette);
}
