#pragma once

#include "model/HistoryReader.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

class CoreDataManager;

// The read side of the command line: which clipboard a name means, its items in listed order,
// and how items and clipboards are described. Items are read as display rows (metadata and the
// start of the text, never content) and handed out as they come, so a listing of any length
// holds one page of rows at a time.
namespace HistoryQueries {

// The clipboard with that uuid or title (exact, then ignoring case); the default clipboard for
// an empty name. Absent, with `error` set, when no clipboard or more than one has the name.
std::optional<PasteCategoryInfModel> clipboardNamed(CoreDataManager& store, const QString& name,
                                                    QString* error);

// Receives rows in listed order.
using RowSink = std::function<void(const PasteInfRow& row)>;

// The clipboard's items, newest first, at most `limit` when limit > 0. False, with `error`
// set, when the history could not be read.
bool list(HistoryReader& reader, const PasteCategoryInfModel& clipboard, int limit, const RowSink& sink,
          QString* error);

// The items of the clipboard matching a query of the search language, newest first.
bool search(CoreDataManager& store, HistoryReader& reader, const QString& databasePath,
            const PasteCategoryInfModel& clipboard, const QString& query, int limit, const RowSink& sink,
            QString* error);

// An item by uuid, or by its 1-based position in the clipboard's listed order: only that item
// is loaded, from the file the store has open.
std::optional<PasteInfModel> resolveItem(CoreDataManager& store, const PasteCategoryInfModel& clipboard,
                                         const QString& uuidOrIndex, QString* error);

// The name the search language's type: clause gives that type.
QString typeKeyword(PasteInfoDisplayType type);

// The row's text for showing: its preview, or for a copy of files without text the paths.
// `fullText` reads the whole stored text instead of the preview.
std::optional<QString> textOf(CoreDataManager& store, const PasteInfRow& row, bool fullText);

// What stands for a secret's text unless it is revealed: its kind and length,
// "secret · private key · 1679 characters".
QString secretMask(const PasteInfRow& row);

// A secret's text is left out (null) unless `reveal`; a secret carries
// "secret": {"kind": raw kind, "length": characters}.
QJsonObject itemJson(CoreDataManager& store, const PasteInfRow& row, const QString& clipboardTitle,
                     bool reveal = false);
QJsonArray clipboardsJson(CoreDataManager& store, HistoryReader& reader);

} // namespace HistoryQueries
