#include "view/base/BaseWindow.h"


#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace {
constexpr Qt::KeyboardModifiers kHeldModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
}

BaseWindow::BaseWindow(const QString& frameName, QWidget* parent)
    : QWidget(parent, Qt::Window), frameStore_(WindowFrameStore::defaultPath(frameName)),
      savedFrame_(frameStore_.load())
{
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(300);
    connect(&saveTimer_, &QTimer::timeout, this, &BaseWindow::saveFrame);
    // Key presses go to the focused widget (or to a widget that grabbed the keyboard) first;
    // only an application-wide filter sees them all before that.
    qApp->installEventFilter(this);
}

BaseWindow::~BaseWindow()
{
    qApp->removeEventFilter(this);
    if (saveTimer_.isActive())
        saveFrame();
    frameStore_.flush();
}

void BaseWindow::showAndActivate()
{
    placeOnFirstShow();
    show();
    raise();
    activateWindow();
}

void BaseWindow::placeOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    // The saved frame is taken only where a screen still shows it (a monitor unplugged since
    // must not leave the window off-screen); otherwise the window opens centred.
    if (savedFrame_) {
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            if (area.intersected(savedFrame_->frame).width() >= 100 &&
                area.intersected(savedFrame_->frame).height() >= 50) {
                setGeometry(
                    QRect(savedFrame_->frame.topLeft(), savedFrame_->frame.size().boundedTo(area.size())));
                return;
            }
        }
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = sizeHint().expandedTo(minimumSizeHint());
        QRect frame(QPoint(), size);
        frame.moveCenter(screen->availableGeometry().center());
        setGeometry(frame);
    }
}

bool BaseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key nobody takes travels up through the parents and passes here again at each hop;
    // only its first receiver counts.
    QWidget* first = QWidget::keyboardGrabber();
    if (!first)
        first = focusWidget() ? focusWidget() : this;
    if (widget != first)
        return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & kHeldModifiers) == Qt::ControlModifier) {
        if (key->key() == Qt::Key_W) {
            hide();
            return true;
        }
        if (key->key() == Qt::Key_Q) {
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return true;
        }
    }
    key->ignore();
    Q_EMIT keyDown(key);
    return key->isAccepted();
}

void BaseWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    saveFrameSoon();
}

void BaseWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    saveFrameSoon();
}

void BaseWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Q_EMIT becameKey();
}

void BaseWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the window is built once and kept, with its state.
    event->ignore();
    hide();
}

void BaseWindow::hideEvent(QHideEvent* event)
{
    if (saveTimer_.isActive()) {
        saveTimer_.stop();
        saveFrame();
    }
    QWidget::hideEvent(event);
}

void BaseWindow::saveFrameSoon()
{
    // A drag sends many moves; frames set while hidden are our own placements.
    if (isVisible())
        saveTimer_.start();
}

void BaseWindow::saveFrame()
{
    QScreen* on = screen();
    if (!on)
        return;
    savedFrame_ = SavedFrame{geometry(), on->name(), on->availableGeometry()};
    frameStore_.save(*savedFrame_);
}
