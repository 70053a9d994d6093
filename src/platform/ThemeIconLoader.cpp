#include "platform/ThemeIconLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

namespace {

QStringList iconBaseDirs()
{
    QStringList bases;
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QLatin1String("/.local/share");
    bases << QDir::homePath() + QLatin1String("/.icons") << dataHome + QLatin1String("/icons");
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts);
    if (dataDirs.isEmpty())
        dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    for (const QString& dir : std::as_const(dataDirs))
        bases << dir + QLatin1String("/icons");
    return bases;
}

QString currentThemeName()
{
    // QIcon::themeName() is set up by the platform theme on the GUI thread at start-up; it is
    // only read here, and remembered once.
    static const QString name = QIcon::themeName();
    return name;
}

// Sizes nearest 64 first; scalable icons render to any size.
const QStringList& preferredSizeDirs()
{
    static const QStringList sizes = {
        QStringLiteral("64x64"),   QStringLiteral("64x64@2"), QStringLiteral("scalable"),
        QStringLiteral("96x96"),   QStringLiteral("128x128"), QStringLiteral("48x48"),
        QStringLiteral("256x256"), QStringLiteral("512x512"), QStringLiteral("32x32"),
        QStringLiteral("24x24"),   QStringLiteral("22x22"),   QStringLiteral("16x16")};
    return sizes;
}

QString findInTheme(const QString& themeDir, const QString& name)
{
    static const QStringList extensions = {QStringLiteral(".png"), QStringLiteral(".svg"),
                                           QStringLiteral(".svgz"), QStringLiteral(".xpm")};
    const QDir theme(themeDir);
    if (!theme.exists())
        return {};
    QStringList sizeDirs;
    for (const QString& size : preferredSizeDirs())
        if (theme.exists(size))
            sizeDirs << size;
    // Some themes put the context first (apps/64): take whatever else the theme has last.
    for (const QString& other : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!sizeDirs.contains(other))
            sizeDirs << other;
    for (const QString& size : std::as_const(sizeDirs)) {
        const QDir sizeDir(theme.filePath(size));
        for (const QString& context : sizeDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString& ext : extensions) {
                const QString candidate = sizeDir.filePath(context + u'/' + name + ext);
                if (QFileInfo::exists(candidate))
                    return candidate;
            }
        }
    }
    return {};
}

} // namespace

namespace ThemeIconLoader {

void prepare()
{
    currentThemeName();
}

QString findIcon(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QDir::isAbsolutePath(name))
        return QFileInfo::exists(name) ? name : QString();
    if (name.contains(u'/'))
        return {};

    static QMutex mutex;
    static QHash<QString, QString> cache;
    {
        QMutexLocker lock(&mutex);
        if (auto it = cache.constFind(name); it != cache.constEnd())
            return *it;
    }
    QString found;
    QStringList themes;
    if (!currentThemeName().isEmpty())
        themes << currentThemeName();
    themes << QStringLiteral("hicolor");
    const QStringList bases = iconBaseDirs();
    for (const QString& theme : std::as_const(themes)) {
        for (const QString& base : bases) {
            found = findInTheme(base + u'/' + theme, name);
            if (!found.isEmpty())
                break;
        }
        if (!found.isEmpty())
            break;
    }
    if (found.isEmpty()) {
        QStringList pixmapDirs;
        for (const QString& base : bases)
            pixmapDirs << QFileInfo(base).path() + QLatin1String("/pixmaps");
        for (const QString& dir : std::as_const(pixmapDirs)) {
            for (const char* ext : {".png", ".svg", ".xpm"}) {
                const QString candidate = dir + u'/' + name + QLatin1String(ext);
                if (QFileInfo::exists(candidate)) {
                    found = candidate;
                    break;
                }
            }
            if (!found.isEmpty())
                break;
        }
    }
    QMutexLocker lock(&mutex);
    cache.insert(name, found);
    return found;
}

QImage loadIcon(const QString& nameOrPath)
{
    const QString path = findIcon(nameOrPath);
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    const QSize size = reader.size();
    // Vector images render straight at the target size; bitmaps are scaled smoothly below.
    if (size.isValid() && (size.width() > 4 * iconSize || size.height() > 4 * iconSize ||
                           path.endsWith(QLatin1String(".svg")) || path.endsWith(QLatin1String(".svgz"))))
        reader.setScaledSize(size.scaled(iconSize, iconSize, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    const QImage scaled = image.scaled(iconSize, iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(iconSize, iconSize, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((iconSize - scaled.width()) / 2, (iconSize - scaled.height()) / 2, scaled);
    painter.end();
    return square;
}

QImage iconForMimeOf(const QString& path)
{
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(path);
    for (const QString& name : {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic")}) {
        QImage image = loadIcon(name);
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace ThemeIconLoader
