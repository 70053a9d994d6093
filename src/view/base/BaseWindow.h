#pragma once

#include "module/quickSearch/WindowFrameStore.h"

#include <QTimer>
#include <QWidget>

#include <optional>

// An ordinary top-level window of Brimble (the preferences): Ctrl+W hides it, Ctrl+Q quits,
// and it keeps its frame across restarts. Every other key press inside it is emitted as
// keyDown() before the focused widget sees it; a receiver that accepts the event takes the key
// (the shortcut recorder does while it records) and otherwise the focused widget gets it as
// usual. Becoming the active window emits becameKey().
class BaseWindow : public QWidget
{
    Q_OBJECT
public:
    // frameName names the file the frame is kept in (WindowFrameStore::defaultPath).
    explicit BaseWindow(const QString& frameName, QWidget* parent = nullptr);
    ~BaseWindow() override;

    // Shows the window (where it last stood, on first show), raises it and asks for the keyboard.
    void showAndActivate();

    WindowFrameStore& frameStore() { return frameStore_; }

Q_SIGNALS:
    // A key pressed anywhere in the window that the window did not take itself; a receiver
    // accepts the event to keep it from the focused widget.
    void keyDown(QKeyEvent* event);
    // The window became the active one.
    void becameKey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placeOnFirstShow();
    void saveFrameSoon();
    void saveFrame();

    WindowFrameStore frameStore_;
    std::optional<SavedFrame> savedFrame_;
    bool placed_ = false;
    QTimer saveTimer_;
};
