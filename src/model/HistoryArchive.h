#pragma once

#include "model/PasteCategoryInfModel.h"

#include <QString>

#include <optional>

class CoreDataManager;

// A history in one portable file, and back.
//
// The file is a SQLite database of its own small schema, not a copy of the history's: nothing in
// it is run or trusted, every value is checked before anything is written. Its layout
// (application id 0x42724841, "BrHA"; user_version 1):
//
//   archive(key TEXT PRIMARY KEY, value TEXT NOT NULL)
//       format = "brimble-history", version = "1", exported = the time, ISO 8601 UTC.
//   clipboard(id INTEGER PRIMARY KEY, uuid TEXT NOT NULL, title TEXT NOT NULL,
//             color_index INTEGER NOT NULL)
//   item(id INTEGER PRIMARY KEY, uuid TEXT NOT NULL, clipboard_id INTEGER NOT NULL,
//        created INTEGER NOT NULL, app_name TEXT, app_path TEXT, app_id TEXT)
//       created: milliseconds since 1970-01-01 UTC; app_*: the application it was copied from
//       (its name, desktop file and id), NULL when unknown.
//   representation(id INTEGER PRIMARY KEY, item_id INTEGER NOT NULL, part INTEGER NOT NULL,
//                  position INTEGER NOT NULL, type TEXT NOT NULL, data BLOB NOT NULL)
//       The item's content: `part` numbers its clipboard items (most copies have one),
//       `position` the representations within one, each a MIME type and its exact bytes.
//
// Secrets (keys, tokens, card numbers recognised when copied) are never exported.
//
// Reading refuses, before writing anything, a file that is not such a database, has another
// schema (tables, views, triggers or indexes of its own), fails SQLite's integrity check, or
// holds a value of the wrong type, a dangling reference, a size past the limits below, or an
// application path that is not absolute or has a "." or ".." step (icons are read from it).
namespace HistoryArchive {

// The file extension the dialogs propose.
inline constexpr const char* kExtension = "brimble-history";
// The largest representation read back, and the largest file (the history keeps nothing bigger).
inline constexpr qint64 kMaxRepresentationBytes = 256ll * 1024 * 1024;
inline constexpr qint64 kMaxFileBytes = 16ll * 1024 * 1024 * 1024;
// The most one item may hold in all: what one copy can be, with room for the representations
// derived from it. An item is read into memory whole.
inline constexpr qint64 kMaxItemBytes = 272ll * 1024 * 1024;

struct Result
{
    bool ok = false;
    // Why it failed, for the user (localized).
    QString error;
    int items = 0;      // exported, or added by an import
    int skipped = 0;    // import: already present; export: secrets left out
    int clipboards = 0; // exported, or created by an import
};

// Writes the items of `clipboard` (every clipboard when absent) to `path`, through a temporary
// file beside it renamed into place at the end. An existing `path` is never replaced: that is
// an error.
Result exportHistory(CoreDataManager& store, const QString& path,
                     const std::optional<PasteCategoryInfModel>& clipboard = std::nullopt);

// Adds the items of the file at `path` to the history in one transaction: all of them or,
// on any error, none. An item is already present, and skipped, when the history holds one with
// the same uuid, or one in the same clipboard created at the same millisecond with the same
// content (every representation's type and bytes). Nothing stored is changed or deleted.
//
// A clipboard of the file is the history's clipboard with the same uuid (the default clipboard's
// is the same in every history), else the one with the same title, else a new clipboard of that
// title and colour, created for it.
Result importHistory(CoreDataManager& store, const QString& path);

// The summary of a result for the user (localized): the counts, or the error.
QString describeExport(const Result& result);
QString describeImport(const Result& result);

} // namespace HistoryArchive
