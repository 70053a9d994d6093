#pragma once

#include "model/PasteInfModel.h"
#include "model/PasteInfoDisplayType.h"
#include "platform/PasteboardItem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class CoreDataManager;

struct PasteInfRow;

// One file of a file list: its decoded path and the stored bookmark (on Linux the plain path).
struct FileEntry
{
    QString path;
    std::optional<QByteArray> bookmark;
    bool operator==(const FileEntry&) const = default;
};

// What a history item is really about: its display type, the clipboard type it came from and
// the value of that type (raw bytes for rich text and images, the text for plain text, links
// and colours, the entries for files).
struct PreferredContent
{
    PasteInfoDisplayType displayType;
    QString pasteboardType;
    std::variant<QByteArray, QString, QList<FileEntry>> value;
};

namespace PasteBoardUtils {

// Classifies the item (first use) or re-reads its recorded classification. Records a new
// classification on `item` and queues the update of the two fields in `store` (none without
// one). Callable from any thread, each caller with its own copy of the model.
std::optional<PreferredContent> preferredContent(PasteInfModel& item, CoreDataManager* store);

// The Office rule: the type to classify in place of `type`.
QString preferredType(const QString& type, const PasteInfModel& item);

std::optional<PreferredContent> classify(std::optional<PasteInfoDisplayType> displayType,
                                         const QString& pasteboardType, const PasteboardItems& items);

// What a listed row is, as classifying its content would find, decided from its stored type or
// else from its type list and text alone: nothing is loaded and nothing is written.
PasteInfoDisplayType displayTypeOf(const PasteInfRow& row);

} // namespace PasteBoardUtils

namespace Symbols {
bool contains(const QString& type, const QStringList& types);
}
