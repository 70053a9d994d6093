#pragma once

#include <QString>

// Rescues what can still be read from a damaged history file. The readable rows go into a fresh
// database built with the current schema; the damaged file is kept, unchanged, beside it.
namespace StoreSalvage {

struct Report
{
    // Where the damaged file (and its -wal, when it had one) now is.
    QString keptPath;
    qint64 itemsKept = 0;
    // Items of which something was read but not their metadata and content both. Items of which
    // nothing at all could be read are not counted: the unreadable stretches stand for them.
    qint64 itemsLost = 0;
    qint64 clipboardsKept = 0;
    qint64 ignoreRulesKept = 0;
    // Items whose search text was unreadable and was rebuilt from their content.
    qint64 textsRebuilt = 0;
    // Clipboards whose row was lost while items of theirs were kept; they come back as
    // "Recovered clipboard N".
    qint64 clipboardsRecreated = 0;
    // Runs of rows that could not be read, over all tables.
    qint64 unreadableStretches = 0;
};

// Builds a fresh history at `path` from the readable rows of the file there, row by row so
// that an unreadable row or page loses only itself, and moves the damaged file to
// PATH.damaged-YYYYMMDD-HHMMSS. The caller makes sure no Brimble has the file open. False,
// with the reason in `error` and every file left as it was, when the file is not a Brimble
// history, its schema cannot be read, or the fresh file cannot be written.
bool salvage(const QString& path, Report* report, QString* error);

} // namespace StoreSalvage
