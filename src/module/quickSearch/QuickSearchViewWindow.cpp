#include "module/quickSearch/QuickSearchViewWindow.h"

#include "platform/Compositing.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {
constexpr Qt::KeyboardModifiers kHeldModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The modifier a modifier key adds or removes; none for any other key.
Qt::KeyboardModifiers modifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

int clampStart(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}
} // namespace

QuickSearchViewWindow::QuickSearchViewWindow(const QString& framePath, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      frameStore_(framePath.isEmpty() ? WindowFrameStore::defaultPath(QStringLiteral("quick-search-window"))
                                      : framePath),
      savedFrame_(frameStore_.load()), layout_(new QVBoxLayout(this)),
      // Without a compositor translucent corners would show black; a shape mask cuts them.
      translucent_(Compositing::isActive())
{
    setObjectName(QStringLiteral("QuickSearchViewWindow"));
    setWindowTitle(QStringLiteral("Brimble"));
    setMinimumSize(minimumFrameSize);
    resize(savedFrame_ ? savedFrame_->frame.size().expandedTo(minimumFrameSize) : defaultFrameSize);
    setAttribute(Qt::WA_TranslucentBackground, translucent_);
    setMouseTracking(true);
    // Keeps children's square corners inside the rounded background.
    layout_->setContentsMargins(resizeBorder, resizeBorder, resizeBorder, resizeBorder);
    layout_->setSpacing(0);

    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(300);
    connect(&saveTimer_, &QTimer::timeout, this, &QuickSearchViewWindow::saveFrame);

    qApp->installEventFilter(this);
    // Creating the native window now keeps that work out of the first showing.
    winId();
}

QuickSearchViewWindow::~QuickSearchViewWindow()
{
    qApp->removeEventFilter(this);
    if (saveTimer_.isActive())
        saveFrame();
    frameStore_.flush();
}

void QuickSearchViewWindow::setContentWidget(QWidget* content)
{
    if (content_ == content)
        return;
    delete content_;
    content_ = content;
    if (content)
        layout_->addWidget(content);
}

void QuickSearchViewWindow::prepare()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame = frameOnScreen(savedFrame_, screen->name(), screen->availableGeometry());
    if (windowHandle())
        windowHandle()->setScreen(screen);
    // A Wayland client cannot place its windows, and tiling compositors would tile a plain
    // toplevel: a fixed size (equal minimum and maximum) is what they float, centred on the
    // output in front.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        setFixedSize(frame.size());
    setGeometry(frame);
}

void QuickSearchViewWindow::showAndActivate()
{
    if (!isVisible())
        prepare();
    show();
    raise();
    // Qt asks for the keyboard once the window manager has mapped the panel.
    activateWindow();
}

void QuickSearchViewWindow::resignMainWindow()
{
    hide();
}

void QuickSearchViewWindow::toggle()
{
    if (isVisible())
        resignMainWindow();
    else
        showAndActivate();
}

QRect QuickSearchViewWindow::frameOnScreen(const std::optional<SavedFrame>& saved, const QString& screenName,
                                           const QRect& area)
{
    QSize size = saved ? saved->frame.size() : defaultFrameSize;
    size = size.boundedTo(area.size()).expandedTo(minimumFrameSize);
    QPoint origin;
    if (!saved) {
        origin =
            area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    } else if (saved->screenName == screenName && saved->screenArea == area) {
        origin = saved->frame.topLeft();
    } else {
        // Another screen (or the same one rearranged): the same place relative to its area.
        const QRect& from = saved->screenArea;
        origin =
            QPoint(area.x() + qRound(double(area.width()) * (saved->frame.x() - from.x()) / from.width()),
                   area.y() + qRound(double(area.height()) * (saved->frame.y() - from.y()) / from.height()));
    }
    return QRect(QPoint(clampStart(origin.x(), size.width(), area.x(), area.width()),
                        clampStart(origin.y(), size.height(), area.y(), area.height())),
                 size);
}

bool QuickSearchViewWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key nobody takes travels up through the parents, and each hop passes this filter
    // again; only its first receiver counts. That is the panel's own focus child, not the
    // application's focus widget: after a quick hide and show the window manager can give the
    // panel the X focus without Qt seeing it activated, and the keys still arrive.
    QWidget* focus = focusWidget();
    if (widget != (focus ? focus : this))
        return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifier = modifierOfKey(key->key());
    if (modifier != Qt::NoModifier) {
        Qt::KeyboardModifiers now = key->modifiers();
        now = type == QEvent::KeyPress ? now | modifier : now & ~modifier;
        noteModifiers(now);
        return false;
    }
    // The same physical key, whatever the modifiers make of it.
    const quint64 id =
        key->nativeScanCode() != 0 ? (quint64(1) << 32 | key->nativeScanCode()) : quint64(key->key());
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            keysDown_.remove(id);
        return false;
    }
    // Only keys pressed while the panel shows act: a key still held from the window before (the
    // Return that ran `brimble toggle`, say) repeats into the panel and must not paste.
    if (key->isAutoRepeat() && !keysDown_.contains(id))
        return true;
    keysDown_.insert(id);
    noteModifiers(key->modifiers());
    return handleKeyPress(key);
}

bool QuickSearchViewWindow::handleKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        for (const std::function<bool()>& handler : std::as_const(escapeHandlers_))
            if (handler())
                return true;
        resignMainWindow();
        return true;
    }
    if ((event->modifiers() & kHeldModifiers) == Qt::ControlModifier) {
        if (event->key() == Qt::Key_Comma) {
            Q_EMIT preferencesRequested();
            return true;
        }
        if (event->key() == Qt::Key_W) {
            resignMainWindow();
            return true;
        }
    }
    event->ignore();
    Q_EMIT keyDown(event);
    return event->isAccepted();
}

void QuickSearchViewWindow::noteModifiers(Qt::KeyboardModifiers modifiers)
{
    modifiers &= kHeldModifiers;
    if (modifiers == modifiers_)
        return;
    modifiers_ = modifiers;
    Q_EMIT modifiersChanged(modifiers);
}

void QuickSearchViewWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys no view took end here; the panel has no default handling to pass them to.
    event->accept();
}

void QuickSearchViewWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlpha(60);
    if (!translucent_) {
        // The outermost pixels of the shape are the border, so it follows the cut corners.
        painter.fillRect(rect(), background);
        QRegion inner = shape_;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            inner &= shape_.translated(step);
        for (const QRect& r : shape_ - inner)
            painter.fillRect(r, border);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // A cosmetic pen is one device pixel wide: a hairline at every pixel ratio.
    QPen pen(border, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(background);
    const qreal inset = 0.5 / devicePixelRatioF();
    const QRectF outline = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.drawRoundedRect(outline, cornerRadius, cornerRadius);
}

QRegion QuickSearchViewWindow::roundedShape(const QSize& size)
{
    // Row by row, the pixels whose centres lie inside the rounded rectangle.
    QRegion shape;
    const double r = cornerRadius;
    for (int y = 0; y < size.height(); ++y) {
        const double cy = y + 0.5;
        const double dy = cy < r ? r - cy : (cy > size.height() - r ? cy - (size.height() - r) : 0.0);
        const int inset = dy > 0 ? int(std::ceil(r - std::sqrt(std::max(0.0, r * r - dy * dy)) - 0.5)) : 0;
        if (size.width() - 2 * inset > 0)
            shape += QRect(inset, y, size.width() - 2 * inset, 1);
    }
    return shape;
}

Qt::Edges QuickSearchViewWindow::edgesAt(const QPoint& pos) const
{
    // Corners take a longer stretch of the edges, so they are easy to hit.
    const int corner = cornerRadius + resizeBorder;
    const bool nearLeft = pos.x() < corner, nearRight = pos.x() >= width() - corner;
    const bool nearTop = pos.y() < corner, nearBottom = pos.y() >= height() - corner;
    const bool onLeft = pos.x() < resizeBorder, onRight = pos.x() >= width() - resizeBorder;
    const bool onTop = pos.y() < resizeBorder, onBottom = pos.y() >= height() - resizeBorder;
    Qt::Edges edges;
    if (onLeft || ((onTop || onBottom) && nearLeft))
        edges |= Qt::LeftEdge;
    if (onRight || ((onTop || onBottom) && nearRight))
        edges |= Qt::RightEdge;
    if (onTop || ((onLeft || onRight) && nearTop))
        edges |= Qt::TopEdge;
    if (onBottom || ((onLeft || onRight) && nearBottom))
        edges |= Qt::BottomEdge;
    return edges;
}

void QuickSearchViewWindow::mousePressEvent(QMouseEvent* event)
{
    // Presses that no view took land here: on the edges they resize, elsewhere they move.
    if (event->button() != Qt::LeftButton || !windowHandle()) {
        event->ignore();
        return;
    }
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges && childAt(event->position().toPoint()) == nullptr) {
        // The fixed size that made the compositor float the panel would forbid this; it is
        // fixed again at the next showing, at the size the user chose.
        setMinimumSize(minimumFrameSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        windowHandle()->startSystemResize(edges);
    } else {
        windowHandle()->startSystemMove();
    }
    event->accept();
}

void QuickSearchViewWindow::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::Edges edges =
        childAt(event->position().toPoint()) ? Qt::Edges() : edgesAt(event->position().toPoint());
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) || (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void QuickSearchViewWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    saveFrameSoon();
}

void QuickSearchViewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!translucent_) {
        // A shaped window: corners cut without antialiasing, where there is nothing to blend with.
        shape_ = roundedShape(size());
        setMask(shape_);
    }
    saveFrameSoon();
}

void QuickSearchViewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    modifiers_ = QGuiApplication::queryKeyboardModifiers() & kHeldModifiers;
    keysDown_.clear();
}

void QuickSearchViewWindow::hideEvent(QHideEvent* event)
{
    // An open confirmation goes with the panel, answered "no".
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (dialog->isVisible())
            dialog->reject();
    if (saveTimer_.isActive()) {
        saveTimer_.stop();
        saveFrame();
    }
    QWidget::hideEvent(event);
}

void QuickSearchViewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        Q_EMIT resignedKey();
}

void QuickSearchViewWindow::saveFrameSoon()
{
    // Frames set while hidden are placements of prepare(), not the user's; a drag sends many.
    if (isVisible())
        saveTimer_.start();
}

void QuickSearchViewWindow::saveFrame()
{
    QScreen* on = screen();
    if (!on)
        return;
    savedFrame_ = SavedFrame{geometry(), on->name(), on->availableGeometry()};
    frameStore_.save(*savedFrame_);
}
