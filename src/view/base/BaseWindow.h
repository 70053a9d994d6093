#pragma once

#include "module/quickSearch/WindowFrameStore.h"

#include <QTimer>
#include <QWidget>

#include <optional>

// An ordinary top-level window of Brimble (the preferences): Ctrl+W hides it, Ctrl+Q quits,
// and it keeps its frame across restarts. Every other key press inside it is posted as
// "on_key_down_in_base_window" with the QKeyEvent* as sender before the focused widget sees
// it; main-thread handlers run in place, so a handler that accepts the event takes the key
// (the shortcut recorder does while it records) and otherwise the focused widget gets it as
// usual. Becoming the active window is posted as "did_base_window_become_key_event_name".
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
