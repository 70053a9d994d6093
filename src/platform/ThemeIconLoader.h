#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Finds and renders freedesktop theme icons without QIcon, so that any thread may ask:
// QIcon::fromTheme belongs to the GUI thread, QImageReader does not.
namespace ThemeIconLoader {

constexpr int iconSize = 64;

// Reads the desktop's icon theme name once, on the calling (GUI) thread, before other threads ask.
void prepare();

// The file of a theme icon: the theme Qt uses, then hicolor, then the pixmaps folders.
// An absolute path is taken as it is. Empty when nothing is found.
QString findIcon(const QString& name);

// The icon rendered into a square of iconSize; a null image when not found or unreadable.
QImage loadIcon(const QString& nameOrPath);

// A file's MIME-type icon: its icon name, then its generic icon name, then "text-x-generic".
QImage iconForMimeOf(const QString& path);

} // namespace ThemeIconLoader
