#include "module/quickSearch/view/QuickSelectClipBoardView.h"
#include "module/quickSearch/view/QuickSelectClipboardItem.h"

#include "common/Dispatch.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr int kMargin = 15;
} // namespace

QuickSelectClipBoardView::QuickSelectClipBoardView(CoreDataManager& store, QWidget* parent)
    : QWidget(parent), store_(store)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    QWidget::hide();
}

QList<PasteCategoryInfModel> QuickSelectClipBoardView::displayOrder(QList<PasteCategoryInfModel> clipboards)
{
    std::stable_sort(clipboards.begin(), clipboards.end(),
                     [](const PasteCategoryInfModel& a, const PasteCategoryInfModel& b) {
                         if (a.recentSelectedDate && b.recentSelectedDate)
                             return *a.recentSelectedDate > *b.recentSelectedDate;
                         if (a.recentSelectedDate || b.recentSelectedDate)
                             return bool(a.recentSelectedDate);
                         return a.orderNumber < b.orderNumber;
                     });
    return clipboards;
}

void QuickSelectClipBoardView::show(const QList<PasteCategoryInfModel>& clipboards,
                                    const QString& selectedUuid)
{
    if (clipboards.isEmpty())
        return;
    if (isVisible()) {
        setCurrent(current_ + 1);
        return;
    }
    // Always the list as it is now: a clipboard deleted or renamed since the last showing must
    // not linger as a tile.
    clipboards_ = displayOrder(clipboards);
    int selected = -1;
    for (int i = 0; i < clipboards_.size(); ++i)
        if (clipboards_.at(i).uuid == selectedUuid)
            selected = i;
    scroll_ = 0;
    current_ = 0;
    setCurrent(selected + 1);
    refreshCounts();
    raise();
    QWidget::show();
}

bool QuickSelectClipBoardView::moveHighlight(int key)
{
    if (!isVisible())
        return false;
    const int count = int(clipboards_.size());
    const int cols = columns();
    const int rows = (count + cols - 1) / cols;
    switch (key) {
    case Qt::Key_Left:
        setCurrent(current_ - 1);
        return true;
    case Qt::Key_Right:
        setCurrent(current_ + 1);
        return true;
    case Qt::Key_Up:
        if (current_ >= cols)
            setCurrent(current_ - cols);
        return true;
    case Qt::Key_Down:
        if (current_ < count - cols)
            setCurrent(current_ + cols);
        else if (current_ < (rows - 1) * cols)
            setCurrent(count - 1);
        return true;
    default:
        return false;
    }
}

void QuickSelectClipBoardView::finish()
{
    if (!isVisible())
        return;
    QWidget::hide();
    if (current_ >= 0 && current_ < clipboards_.size() && clipboards_.at(current_).uuid)
        Q_EMIT clipboardChosen(*clipboards_.at(current_).uuid);
}

int QuickSelectClipBoardView::columns() const
{
    const int room = width() - 2 * kMargin + kSpacing;
    return std::max(1, room / (kTileSize.width() + kSpacing));
}

void QuickSelectClipBoardView::setCurrent(int index)
{
    const int count = int(clipboards_.size());
    if (count == 0)
        return;
    if (index < 0)
        index = count - 1;
    else if (index >= count)
        index = 0;
    current_ = index;
    scrollToCurrent();
    update();
}

void QuickSelectClipBoardView::refreshCounts()
{
    if (countsPending_)
        return;
    countsPending_ = true;
    QPointer<QuickSelectClipBoardView> self(this);
    store_.countPasteInfsPerCategory([self](const QHash<QString, qint64>& counts) {
        Dispatch::main([self, counts] {
            if (!self)
                return;
            self->countsPending_ = false;
            self->countsKnown_ = true;
            self->counts_ = counts;
            self->update();
        });
    });
}

QRect QuickSelectClipBoardView::tileRect(int index) const
{
    const int cols = columns();
    const int rowCount = std::min<int>(cols, int(clipboards_.size()));
    // The rows are centred as a block; a short last row starts at the block's left edge.
    const int blockWidth = rowCount * kTileSize.width() + (rowCount - 1) * kSpacing;
    const int left = std::max(kMargin, (width() - blockWidth) / 2);
    const int top = std::max(kMargin, (height() - contentHeight()) / 2 + kMargin);
    return QRect(QPoint(left + (index % cols) * (kTileSize.width() + kSpacing),
                        top + (index / cols) * (kTileSize.height() + kSpacing) - scroll_),
                 kTileSize);
}

int QuickSelectClipBoardView::contentHeight() const
{
    const int rows = (int(clipboards_.size()) + columns() - 1) / columns();
    return 2 * kMargin + rows * kTileSize.height() + std::max(0, rows - 1) * kSpacing;
}

void QuickSelectClipBoardView::scrollToCurrent()
{
    const int maxScroll = std::max(0, contentHeight() - height());
    const QRect tile = tileRect(current_);
    if (tile.top() < kMargin)
        scroll_ -= kMargin - tile.top();
    else if (tile.bottom() > height() - kMargin)
        scroll_ += tile.bottom() - (height() - kMargin);
    scroll_ = std::clamp(scroll_, 0, maxScroll);
}

void QuickSelectClipBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor veil = palette().color(QPalette::Window);
    veil.setAlphaF(0.94);
    painter.fillRect(rect(), veil);

    for (int i = 0; i < clipboards_.size(); ++i) {
        const QRect tile = tileRect(i);
        if (!tile.intersects(rect()))
            continue;
        const PasteCategoryInfModel& clipboard = clipboards_.at(i);
        QuickSelectClipboardItem item{clipboard.title.value_or(QString()), std::nullopt, i == current_};
        if (countsKnown_)
            item.records = counts_.value(clipboard.uuid.value_or(QString()));
        item.paint(painter, tile, palette(), font());
    }
}

void QuickSelectClipBoardView::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < clipboards_.size(); ++i) {
        if (tileRect(i).contains(event->position().toPoint())) {
            setCurrent(i);
            finish();
            return;
        }
    }
    // A press beside the tiles closes the grid with the highlighted clipboard.
    finish();
}

void QuickSelectClipBoardView::wheelEvent(QWheelEvent* event)
{
    scroll_ = std::clamp(scroll_ - event->angleDelta().y() / 2, 0, std::max(0, contentHeight() - height()));
    update();
}

void QuickSelectClipBoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollToCurrent();
}
