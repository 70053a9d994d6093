#pragma once

#include <QString>

#include <cstdint>

class SqliteDatabase;

// The history database's schema: PRAGMA application_id marks a file as Brimble's, PRAGMA
// user_version is the schema version, and every change to the schema is one migration.
namespace StoreSchema {

// "Brmb": a foreign SQLite file carries another id (usually 0).
inline constexpr std::int32_t kApplicationId = 0x42726D62;

// The version this build writes and reads: the number of migrations.
int currentVersion();

struct Inspection
{
    std::int32_t applicationId = 0;
    int version = 0;
    // Objects in sqlite_master; 0 for a fresh (or zero-length) file.
    qint64 schemaObjects = 0;
};

// Reads the header and the schema without writing. False with the reason in `error` when the
// file is not a database or is corrupt.
bool inspect(SqliteDatabase& db, Inspection* out, QString* error);

// Whether an inspected file may be used: ours with a version we know, or an empty file. The
// reason goes to `error` otherwise.
bool isUsable(const Inspection& inspection, QString* error);

// Runs the migrations from `fromVersion` up to currentVersion(), each in its own transaction
// together with the new user_version, and stamps the application id.
bool migrate(SqliteDatabase& db, int fromVersion, QString* error);

// Puts back the parts of the current schema that only hold derived data (the change log of the
// searchable texts and of the history order) when they are missing; what is there is left alone.
bool restoreDerived(SqliteDatabase& db, QString* error);

} // namespace StoreSchema
