#include "module/preferences/view/ShortCutRecordView.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "platform/HotKeys.h"
#include "platform/KeyTable.h"
#include "view/base/BaseWindow.h"
#include "view/base/ThemeColors.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {
const QString kSetKeyTag = QStringLiteral("set Key");

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_Super_L || key == Qt::Key_Super_R || key == Qt::Key_AltGr ||
           key == Qt::Key_Hyper_L || key == Qt::Key_Hyper_R || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock;
}

// The key code of a press. With Shift held Qt reports the shifted symbol ("!" for 1), which the
// key table does not know; the number row is then found by its physical key.
std::optional<quint32> keyCodeOf(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers keypad = event->modifiers() & Qt::KeypadModifier;
    if (auto code = KeyTable::carbonKeyCode(QKeyCombination(keypad, Qt::Key(event->key()))))
        return code;
    const quint32 scanCode = event->nativeScanCode();
    if (scanCode >= 10 && scanCode <= 19)
        return KeyTable::carbonKeyCode(QKeyCombination(Qt::Key(Qt::Key_0 + (scanCode - 9) % 10)));
    return std::nullopt;
}
} // namespace

ShortCutRecordView::ShortCutRecordView(QWidget* parent)
    : QWidget(parent), ctrlKey_(new QLabel(KeyTable::displayModifierName(CarbonModifier::command), this)),
      altKey_(new QLabel(KeyTable::displayModifierName(CarbonModifier::option), this)),
      shiftKey_(new QLabel(KeyTable::displayModifierName(CarbonModifier::shift), this)),
      superKey_(new QLabel(KeyTable::displayModifierName(CarbonModifier::control), this)), otherKey_(new QLabel(this)),
      resetButton_(new QToolButton(this))
{
    setToolTip(LocalizedGeneral::clickToRecord());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 15.0 / 13.0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 4, 5, 4);
    layout->setSpacing(6);
    for (QLabel* label : {ctrlKey_, altKey_, shiftKey_, superKey_, otherKey_}) {
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label);
    }
    otherKey_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QStringLiteral("Space")) + 4);
    layout->addStretch(1);
    resetButton_->setAutoRaise(true);
    resetButton_->setCursor(Qt::ArrowCursor);
    layout->addWidget(resetButton_);
    connect(resetButton_, &QToolButton::clicked, this, &ShortCutRecordView::resetButtonClick);

    setInSetting(false);
}

ShortCutRecordView::~ShortCutRecordView()
{
    if (inSetting_)
        releaseKeyboard();
}

void ShortCutRecordView::setKeyCombo(const std::optional<KeyCombo>& combo)
{
    keyCombo_ = combo;
    refreshDisplay();
}

void ShortCutRecordView::setInSetting(bool recording)
{
    const bool changed = recording != inSetting_;
    inSetting_ = recording;
    if (recording) {
        resetButton_->setText(QStringLiteral("\u238B"));
        resetButton_->setToolTip(LocalizedAlert::cancel());
        grabKeyboard();
        // One recorder records at a time in a window.
        for (auto* other : window()->findChildren<ShortCutRecordView*>())
            if (other != this && other->inSetting_)
                other->setInSetting(false);
        if (auto* base = qobject_cast<BaseWindow*>(window()))
            connect(base, &BaseWindow::keyDown, this, &ShortCutRecordView::onKeyDown, Qt::UniqueConnection);
    } else {
        resetButton_->setText(QStringLiteral("\u2715"));
        resetButton_->setToolTip(LocalizedGeneral::reset());
        releaseKeyboard();
        refreshDisplay();
    }
    update();
    if (changed)
        Q_EMIT recordingChanged(recording);
}

void ShortCutRecordView::resetButtonClick()
{
    if (inSetting_) {
        refreshDisplay();
        setInSetting(false);
        return;
    }
    keyCombo_.reset();
    refreshDisplay();
    if (didSetAction_)
        didSetAction_(std::nullopt);
    setInSetting(false);
}

void ShortCutRecordView::onKeyDown(QKeyEvent* event)
{
    if (!inSetting_)
        return;
    // While recording every key is ours: none may type elsewhere or move the focus.
    event->accept();
    if (event->key() == Qt::Key_Escape) {
        setInSetting(false);
        return;
    }
    if (isModifierKey(event->key()))
        return;
    const quint32 modifiers = KeyTable::carbonModifiers(event->modifiers());
    if (modifiers == 0)
        return;
    const auto code = keyCodeOf(event);
    if (!code) {
        Log::error(kSetKeyTag, QStringLiteral("fail"));
        return;
    }
    const KeyCombo combo{*code, modifiers};
    if (HotKeys::check(combo) != HotKeys::Result::registered) {
        Q_EMIT combinationRefused(combo);
        return;
    }
    keyCombo_ = combo;
    refreshDisplay();
    if (didSetAction_)
        didSetAction_(combo);
    setInSetting(false);
    Log::info(kSetKeyTag, QStringLiteral("success, hot key: ") + KeyTable::text(combo));
}

QString ShortCutRecordView::displayedText() const
{
    return keyCombo_ ? KeyTable::displayText(*keyCombo_) : QString();
}

void ShortCutRecordView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    clearDisplay();
    setInSetting(true);
}

bool ShortCutRecordView::event(QEvent* event)
{
    // While recording, a combination that is some control's shortcut (a mnemonic) must be
    // recorded, not trigger the control.
    if (inSetting_ && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ShortCutRecordView::keyPressEvent(QKeyEvent* event)
{
    // Only idle keys arrive here: while recording the window's key handling takes them all.
    switch (event->modifiers() ? 0 : event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        clearDisplay();
        setInSetting(true);
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        resetButtonClick();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ShortCutRecordView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The accent border while recording; a faint one shows where the keyboard focus is.
    const qreal border = inSetting_ ? 1.5 : hasFocus() ? 1.0 : 0.0;
    QColor accent = palette().color(QPalette::Highlight);
    if (!inSetting_)
        accent.setAlpha(110);
    painter.setPen(border > 0 ? QPen(accent, border) : QPen(Qt::NoPen));
    painter.setBrush(palette().color(QPalette::Base));
    const qreal inset = std::max(border, 1.0) / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 5, 5);
}

void ShortCutRecordView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ShortCutRecordView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ShortCutRecordView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refreshDisplay();
}

void ShortCutRecordView::colour(QLabel* label, bool active)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, active ? this->palette().color(QPalette::Highlight)
                                                  : ThemeColors::dimmed(this->palette()));
    label->setPalette(palette);
}

void ShortCutRecordView::clearDisplay()
{
    for (QLabel* label : {ctrlKey_, altKey_, shiftKey_, superKey_, otherKey_})
        colour(label, false);
    otherKey_->clear();
}

void ShortCutRecordView::refreshDisplay()
{
    clearDisplay();
    setAccessibleName(displayedText());
    if (!keyCombo_)
        return;
    colour(otherKey_, true);
    otherKey_->setText(KeyTable::displayKeyName(keyCombo_->carbonKeyCode));
    const quint32 modifiers = keyCombo_->carbonModifiers;
    colour(ctrlKey_, modifiers & CarbonModifier::command);
    colour(altKey_, modifiers & CarbonModifier::option);
    colour(shiftKey_, modifiers & CarbonModifier::shift);
    colour(superKey_, modifiers & CarbonModifier::control);
}
