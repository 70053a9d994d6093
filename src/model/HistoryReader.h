#pragma once

#include "model/PasteInfModel.h"
#include "model/PasteInfoDisplayType.h"

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CoreDataManager;

// What a list shows of one history item: its metadata and the start of its plain text, never
// its content. A few hundred bytes, so a page of them is cheap to fetch and to hold.
struct PasteInfRow
{
    qint64 id = 0; // the store's row id
    QString uuid;
    QDateTime date;
    QString categoryUUID;
    QStringList types;
    std::optional<PasteInfoDisplayType> displayType;
    std::optional<QString> displayPasteBoardType;
    std::optional<QString> appName;
    std::optional<QString> appBundleUrl;
    std::optional<QString> appBundleIdentifier;
    std::optional<QColor> headerBgColor;
    // The first previewTextLength characters of the first item's plain text (cut in SQL);
    // absent when the item has no plain text. A text whose start is blank that far (thousands of
    // empty lines) has the characters from its first non-blank one instead, and
    // previewSkipsBlankStart says so.
    std::optional<QString> previewText;
    bool previewSkipsBlankStart = false;
    // A secret's kind and the length of its whole text in characters: what its mask tells.
    std::optional<SecretKind> secretKind;
    qint64 secretLength = 0;
    // The start of the text read in an image, absent until it was read or when it holds none.
    std::optional<QString> imageText;
    static constexpr qsizetype previewTextLength = 300;

    // The preview of a text held in memory, as the reader cuts a stored one.
    static QString previewOf(QStringView text);

    // A model of this row carrying `items` as its content, for classifying it off the GUI
    // thread (the record is written back under its uuid).
    PasteInfModel toModel(const std::optional<PasteboardItems>& items) const;
};

// A read-only view of the history on a connection of its own (WAL lets it read beside the
// store's writer; it never writes, creates or migrates the file). Used from one thread at a
// time; the quick search window keeps one on a reader thread, the command line uses one
// directly.
class HistoryReader
{
public:
    // An empty path means the file `store` has open; expired items are left out by the store's
    // retention rule. The store must outlive the reader.
    explicit HistoryReader(const CoreDataManager& store, const QString& databasePath = {});
    ~HistoryReader();

    // False, with the reason in `error` ("no history yet", "permission denied", ...), when the
    // file cannot be read.
    bool open(QString* error = nullptr);

    // The row ids of a clipboard in history order (newest first), expired items of the default
    // clipboard left out; at most `limit` when limit > 0. Absent when the read failed (logged).
    std::optional<QList<qint64>> historyIds(const QString& categoryUuid, qsizetype limit = 0);

    // The rows for `ids`, in the order given; ids that no longer exist are skipped. A read that
    // fails part way (logged) returns the rows read so far and sets `failed`.
    QList<PasteInfRow> rows(const QList<qint64>& ids, bool* failed = nullptr);
    std::optional<PasteInfRow> rowForUuid(const QString& uuid);
    // The stored content size in bytes of the items `ids` together (every representation),
    // read without their content. Absent when the read failed (logged).
    std::optional<qint64> contentBytes(const QList<qint64>& ids);

    // Records per clipboard uuid (expired items left out).
    QHash<QString, qint64> countsPerCategory();

    // SQLite's words for the damage a read met; empty while every read found the file sound.
    QString damage() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
