#pragma once

#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// The read side of the command line: which clipboard a name means, the listed order of its
// items, and how items and clipboards are described in answers. Used by the running Brimble
// for its socket requests and by the command line itself when no Brimble runs.
namespace HistoryQueries {

// The clipboard with that title (exact, then ignoring case); the default clipboard for an
// empty name. Absent, with `error` set, when no clipboard has the name.
std::optional<PasteCategoryInfModel> clipboardNamed(const QString& name, QString* error);

// Newest first; at most `limit` items when limit > 0.
QList<PasteInfModel> list(const PasteCategoryInfModel& clipboard, int limit);

// The items matching a query of the search language, newest first.
QList<PasteInfModel> search(const PasteCategoryInfModel& clipboard, const QString& query, int limit);

// An item by uuid, or by its 1-based position in the clipboard's listed order.
std::optional<PasteInfModel> resolveItem(const PasteCategoryInfModel& clipboard, const QString& uuidOrIndex,
                                         QString* error);

QJsonObject itemJson(PasteInfModel& model, const QString& clipboardTitle);
QJsonArray itemsJson(QList<PasteInfModel>& models, const QString& clipboardTitle);
QJsonArray clipboardsJson();

} // namespace HistoryQueries
