#pragma once

#include "model/PasteCategoryInfModel.h"

#include <QHash>
#include <QList>
#include <QWidget>

// The clipboard switcher over the quick search list: a grid of tiles (QuickSelectClipboardItem),
// one per clipboard with its number of records, most recently used first. The window shows it on the switch chord
// (Ctrl+Tab), moves the highlight on each further Tab and with the arrows, and finishes it when
// the modifier is released; finishing reports the highlighted clipboard.
class CoreDataManager;

class QuickSelectClipBoardView : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kTileSize{100, 70};
    static constexpr int kSpacing = 15;

    // Counts its clipboards' items in `store`, which must outlive it.
    explicit QuickSelectClipBoardView(CoreDataManager& store, QWidget* parent = nullptr);

    // Shows the grid with the highlight on the clipboard used before `selectedUuid`; when it is
    // already showing, moves the highlight on by one instead.
    void show(const QList<PasteCategoryInfModel>& clipboards, const QString& selectedUuid);
    // An arrow key while showing; false for other keys.
    bool moveHighlight(int key);
    // Hides the grid and reports the highlighted clipboard.
    void finish();

    // The tiles in display order, the highlighted one and the arrangement (for the window's
    // tests and the screenshots).
    const QList<PasteCategoryInfModel>& clipboards() const { return clipboards_; }
    int currentIndex() const { return current_; }
    int columns() const;

    // Orders clipboards for display: the most recently selected first, then the ones never
    // selected by their order number.
    static QList<PasteCategoryInfModel> displayOrder(QList<PasteCategoryInfModel> clipboards);

Q_SIGNALS:
    void clipboardChosen(const QString& categoryUuid);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CoreDataManager& store_;
    void setCurrent(int index);
    void refreshCounts();
    QRect tileRect(int index) const;
    int contentHeight() const;
    void scrollToCurrent();

    QList<PasteCategoryInfModel> clipboards_;
    QHash<QString, qint64> counts_;
    int current_ = 0;
    int scroll_ = 0;
    bool countsPending_ = false;
    // Clipboards missing from counts_ are empty once the first answer came.
    bool countsKnown_ = false;
};
