#pragma once

#include "model/HistoryChange.h"

#include <QList>
#include <QString>

#include <optional>

class HistoryReader;

// A clipboard's history as row ids in history order (newest first), 8 bytes an item: what a list
// over a million items holds instead of its models. Built once from a HistoryReader, then kept up
// to date by applying the store's changes.
//
// A plain value, used from one thread at a time: the list model keeps one on its reader thread,
// applies the changes there (in the order the store sends them) and hands copies of ids() to the
// GUI thread, which share the buffer until the next change.
class HistoryIndex
{
public:
    HistoryIndex() = default;
    explicit HistoryIndex(const QString& categoryUuid) : categoryUuid_(categoryUuid) {}

    const QString& categoryUuid() const { return categoryUuid_; }
    const QList<qint64>& ids() const { return ids_; }
    qsizetype size() const { return ids_.size(); }
    // Whether it holds the clipboard's history (false before the first load, or after a change
    // it cannot apply by ids, until it is loaded again).
    bool isCurrent() const { return current_; }

    // Reads the whole history again. False (the index left as it was) when the read failed.
    bool load(HistoryReader& reader);

    // Applies a committed change. Changes may overlap what a load that ran beside them already
    // read: applying one twice gives the same ids. A Reset of this clipboard leaves the index
    // not current; the caller loads it again.
    void apply(const HistoryChange& change);

private:
    void removeIds(const QList<qint64>& ids);

    QString categoryUuid_;
    QList<qint64> ids_;
    bool current_ = false;
};
