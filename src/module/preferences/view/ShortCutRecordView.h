#pragma once

#include "platform/KeyCombo.h"

#include <QWidget>

#include <functional>
#include <optional>

class QKeyEvent;
class QLabel;
class QToolButton;

// Records the global shortcut: a click starts recording, the next combination pressed in the
// window (the window's keyDown()) becomes the shortcut, Escape
// cancels. While it records it holds the keyboard grab, so keys the desktop would take for
// itself arrive here. A combination needs Ctrl, Alt or Super (Shift alone only with a function
// key); anything else is refused and recording goes on. Starting to record stops every other recorder
// of the window.
// From the keyboard, Space or Return on the focused recorder starts recording and Backspace or
// Delete clears the shortcut.
class ShortCutRecordView : public QWidget
{
    Q_OBJECT
public:
    explicit ShortCutRecordView(QWidget* parent = nullptr);
    ~ShortCutRecordView() override;

    void setName(const QString& name) { name_ = name; }
    const QString& name() const { return name_; }

    std::optional<KeyCombo> keyCombo() const { return keyCombo_; }
    // Shows the combination (none clears the display); does not call didSetAction.
    void setKeyCombo(const std::optional<KeyCombo>& combo);

    // Called with the recorded combination, or none when the user resets it.
    using DidSetAction = std::function<void(const std::optional<KeyCombo>& combo)>;
    void setDidSetAction(DidSetAction action) { didSetAction_ = std::move(action); }

    bool isInSetting() const { return inSetting_; }
    void setInSetting(bool recording);

    // The reset control: clears the shortcut when idle, cancels a recording.
    void resetButtonClick();

    // The texts shown, for tests and the accessible name: "Ctrl+Alt+V", "" when none.
    QString displayedText() const;

Q_SIGNALS:
    void recordingChanged(bool recording);
    // A pressed combination that cannot be a global shortcut; recording goes on.
    void combinationRefused(const KeyCombo& combo);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onKeyDown(QKeyEvent* event);
    void clearDisplay();
    void refreshDisplay();
    void colour(QLabel* label, bool active);

    QLabel* ctrlKey_;
    QLabel* altKey_;
    QLabel* shiftKey_;
    QLabel* superKey_;
    QLabel* otherKey_;
    QToolButton* resetButton_;
    std::optional<KeyCombo> keyCombo_;
    DidSetAction didSetAction_;
    bool inSetting_ = false;
    QString name_;
};
