#include "module/quickSearch/view/subViews/QuickSearchFileItem.h"

#include "common/ControlCharacters.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailFilesView.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kInsetX = 4, kInsetY = 3, kRadius = 5, kIconLeft = 6, kGap = 10, kRight = 6;
constexpr int kNamePointSize = 13;
} // namespace

QSize QuickSearchFileItem::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width() > 0 ? option.rect.width() : 200, kRowHeight};
}

void QuickSearchFileItem::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette& palette = option.palette;
    const bool pressed =
        (option.state & QStyle::State_Sunken) ||
        ((option.state & QStyle::State_MouseOver) && (QApplication::mouseButtons() & Qt::LeftButton));
    const bool hovered = option.state & QStyle::State_MouseOver;
    const QRect background = option.rect.adjusted(kInsetX, kInsetY, -kInsetX, -kInsetY);
    if (pressed || hovered) {
        QPainterPath path;
        path.addRoundedRect(background, kRadius, kRadius);
        QColor fill = palette.color(QPalette::Highlight);
        if (!pressed)
            fill.setAlphaF(0.15);
        painter->fillPath(path, fill);
    }

    const QRect iconRect(option.rect.left() + kIconLeft, option.rect.center().y() - kIconSize / 2 + 1,
                         kIconSize, kIconSize);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(painter, iconRect, Qt::AlignCenter);

    const int textLeft = iconRect.right() + 1 + kGap;
    const int textWidth = std::max(0, option.rect.right() - kRight - textLeft);
    QFont nameFont = option.font;
    nameFont.setPointSize(kNamePointSize);
    QFont pathFont = option.font;
    const QFontMetrics nameMetrics(nameFont), pathMetrics(pathFont);
    const int textHeight = nameMetrics.height() + pathMetrics.height();
    const int top = option.rect.center().y() - textHeight / 2 + 1;

    const QColor nameColor = pressed ? QColor(Qt::white) : palette.color(QPalette::Text);
    QColor pathColor = pressed ? QColor(Qt::white) : palette.color(QPalette::Text);
    if (!pressed)
        pathColor.setAlphaF(0.6);
    painter->setFont(nameFont);
    painter->setPen(nameColor);
    painter->drawText(
        QRect(textLeft, top, textWidth, nameMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
        nameMetrics.elidedText(ControlCharacters::escaped(index.data(Qt::DisplayRole).toString()),
                               Qt::ElideLeft, textWidth));
    painter->setFont(pathFont);
    painter->setPen(pathColor);
    painter->drawText(QRect(textLeft, top + nameMetrics.height(), textWidth, pathMetrics.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      pathMetrics.elidedText(ControlCharacters::escaped(
                                                 index.data(QuickSearchDetailFilesView::PathRole).toString()),
                                             Qt::ElideLeft, textWidth));
    painter->restore();
}
