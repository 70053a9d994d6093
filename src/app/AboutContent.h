#pragma once

#include "view/base/AboutDialog.h"

#include <QList>
#include <QString>

#include <utility>

// What the About window shows, from the libraries Brimble runs on and the files it uses.
namespace AboutContent {

// Name and version of each library, as loaded where the library can tell (Qt, SQLite,
// Tesseract, Leptonica), else as built against (spdlog, libxcb, libwayland-client, xkbcommon).
QList<std::pair<QString, QString>> libraries();

// Everything, with the history database and the log folder in use.
AboutInfo info(const QString& historyPath, const QString& logDirectory);

} // namespace AboutContent
