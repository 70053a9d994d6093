#include "module/quickSearch/view/QuickSearchPasteInfListView.h"

QuickSearchPasteInfListView::QuickSearchPasteInfListView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    // Laid out in one pass, a million rows cost some 70 ms on the GUI thread before the first
    // paint; in batches the first screen is painted in about a millisecond and the rest follows
    // in ~1.5 ms steps between events.
    setLayoutMode(QListView::Batched);
    setBatchSize(20000);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFrameShape(QFrame::NoFrame);
    // A click or Tab gives the list the keyboard, where Delete deletes the selected items and
    // typing goes back to the search field.
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
