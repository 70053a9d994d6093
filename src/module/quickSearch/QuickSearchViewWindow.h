#pragma once

#include "module/quickSearch/WindowFrameStore.h"

#include <QList>
#include <QPointer>
#include <QRegion>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QVBoxLayout;

// The floating panel that holds the quick search views. Built once and kept hidden, so a
// showing costs a map and a paint. It stays above other windows and takes the keyboard; it
// never hides itself when it loses the keyboard, it only says so (resignedKey()).
//
// It is the first stage of the keyboard: an event filter in front of every widget in the panel
// consumes Escape (any modifiers) and Ctrl+W, which hide the panel, and Ctrl+comma, which asks
// for the preferences; every other key press is emitted as keyDown() before the focused widget
// sees it. A receiver that takes the key accepts the event and the focused widget never gets
// it; keys nobody accepts reach the focused widget (the search field) as usual. Every change of
// the held modifiers is emitted as modifiersChanged(). The repeats of a key held down since before the panel was
// shown are dropped.
class QuickSearchViewWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize minimumFrameSize{600, 400};
    // Wide enough for the result list and the preview beside it.
    static constexpr QSize defaultFrameSize{880, 480};
    static constexpr int cornerRadius = 8;
    // The band along the edges that resizes the panel instead of moving it.
    static constexpr int resizeBorder = 4;

    // framePath: where the frame is kept (WindowFrameStore::defaultPath by default).
    explicit QuickSearchViewWindow(const QString& framePath = QString(), QWidget* parent = nullptr);
    ~QuickSearchViewWindow() override;

    // The controller's views; the panel takes ownership and lays it out inside its rounded
    // background (a previous content widget is deleted).
    void setContentWidget(QWidget* content);
    QWidget* contentWidget() const { return content_; }

    // Places the panel on the screen under the pointer, with its saved frame kept inside it.
    void prepare();
    // Prepares, shows, raises and asks for the keyboard.
    void showAndActivate();
    // Hides the panel: the toggle, Escape, Ctrl+W and every paste end here.
    void resignMainWindow();
    // Asked first when Escape is pressed, in the order added, until one takes the key (returns
    // true); the window then stays.
    void addEscapeHandler(std::function<bool()> handler) { escapeHandlers_.append(std::move(handler)); }
    void toggle();

    // The frame the panel takes on a screen (its name and available area): the saved frame
    // as it was when the screen is the one it was saved on, else at the same relative place;
    // always inside the area where the area is big enough, never below the minimum size.
    static QRect frameOnScreen(const std::optional<SavedFrame>& saved, const QString& screenName,
                               const QRect& area);

    WindowFrameStore& frameStore() { return frameStore_; }

Q_SIGNALS:
    // A key the panel did not take itself (Escape, Ctrl+W, Ctrl+comma); a receiver accepts the
    // event to keep it from the focused widget.
    void keyDown(QKeyEvent* event);
    // The held modifiers changed (only Ctrl, Shift, Alt and Meta are told).
    void modifiersChanged(Qt::KeyboardModifiers modifiers);
    // The panel lost the keyboard to another window.
    void resignedKey();
    // Ctrl+comma: the user asks for the preferences.
    void preferencesRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QList<std::function<bool()>> escapeHandlers_;
    // True when the key was the panel's own (consumed).
    bool handleKeyPress(QKeyEvent* event);
    void noteModifiers(Qt::KeyboardModifiers modifiers);
    Qt::Edges edgesAt(const QPoint& pos) const;
    static QRegion roundedShape(const QSize& size);
    void saveFrameSoon();
    void saveFrame();

    WindowFrameStore frameStore_;
    std::optional<SavedFrame> savedFrame_;
    QVBoxLayout* layout_;
    QPointer<QWidget> content_;
    QTimer saveTimer_;
    Qt::KeyboardModifiers modifiers_;
    // Keys pressed since the panel was shown and not let go yet.
    QSet<quint64> keysDown_;
    bool translucent_;
    QRegion shape_; // the window's shape where there is no compositor
};
