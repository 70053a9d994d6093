#pragma once

#include <QStyledItemDelegate>

// One file row of the preview: the thumbnail on the left, the file name above its full path,
// both cut at the head so the end of the path stays readable.
class QuickSearchFileItem : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int kRowHeight = 52;
    static constexpr int kIconSize = 40;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
