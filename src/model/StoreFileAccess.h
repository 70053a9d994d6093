#pragma once

#include <QString>

#include <optional>

// Why the history file cannot be used, in plain words ("permission denied", "read-only file
// system"), checked with the process's own rights before SQLite is asked, whose own message for
// both is "unable to open database file".
namespace StoreFileAccess {

// Absent when the file can be read.
std::optional<QString> whyNotReadable(const QString& path);
// Absent when the file (or, for a file still to be created, its folder) can be written, and the
// folder can take the journal files beside it.
std::optional<QString> whyNotWritable(const QString& path);

} // namespace StoreFileAccess
