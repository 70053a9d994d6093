#pragma once

#include <QList>
#include <QString>

// What a committed store operation did to the history, by row id: the store tells its change
// observers, and a history index (HistoryIndex) applies it instead of reading the clipboard again.
// It never carries content.
struct HistoryChange
{
    enum class Kind
    {
        // `ids` are now the newest items of `categoryUuid`, in this order (first the newest):
        // captured, moved to the top, or moved there from another clipboard.
        AddedToTop,
        // `ids` are gone, whatever their clipboard.
        Removed,
        // Anything else (an item updated as a whole, a clipboard emptied or deleted): the
        // history of `categoryUuid` (of every clipboard when empty) has to be read again.
        Reset,
    };

    Kind kind = Kind::Reset;
    QString categoryUuid;
    QList<qint64> ids;
};
