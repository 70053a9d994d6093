#pragma once

#include "model/PasteBoardUtils.h"
#include "model/PasteInfoDisplayType.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Writes history items to files: which name and extensions an item is offered, and the bytes
// that go into the file for the extension chosen. Pure file work, safe on any thread; callers
// keep it off the GUI thread.
class PasteInfFileWriter
{
public:
    struct Rule
    {
        QString baseName;
        // The first is the default; images offer only what this build can encode.
        QStringList extensions;
    };
    // Absent for what cannot be saved (files, unknown items). The pasteboard type tells rich
    // text kept as HTML from RTF.
    static std::optional<Rule> ruleFor(PasteInfoDisplayType type, const QString& pasteboardType = {});

    // "Image 2026-05-01 14.03.07.1234": the base name and the local time to a tenth of a
    // millisecond.
    static QString proposedName(const QString& baseName, const QDateTime& time, int tenthOfMillisecond);
    static QString proposedName(const QString& baseName);

    // Writes the item at `path`, replacing a file there (the user chose it). Images are encoded
    // to the format the path's extension names (PNG when it names none this build can write).
    static bool writeItemFile(const QString& path, const PreferredContent& content, QString* error);

    // Writes `count` items into `folder`, each under its proposed name and first extension. A
    // name that is taken gets " 2", " 3"... before the extension: nothing is ever overwritten.
    // Items are read one at a time: `itemAt(i)` is asked for the i-th only once the one before is
    // written and let go, so however many there are only one item's content is held (absent
    // from `itemAt`: the item is gone and skipped). Returns the paths written; `failures` counts
    // the items that could not be (reasons logged). `nameFor` gives the name without extension
    // for a base name (proposedName by default).
    using ItemSource = std::function<std::optional<PreferredContent>(qsizetype index)>;
    using NameMaker = std::function<QString(const QString& baseName)>;
    static QStringList writeIntoFolder(const QString& folder, qsizetype count, const ItemSource& itemAt,
                                       int* failures, const NameMaker& nameFor = {});
};
