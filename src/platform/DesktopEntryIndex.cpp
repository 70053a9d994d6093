#include "platform/DesktopEntryIndex.h"

#include "common/Log.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QStandardPaths>

namespace {

// A scan stops here, whatever a hostile or broken tree holds.
constexpr int maxDesktopFiles = 20000;

QString envPath(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? value : QString();
}

// Interpreters and launchers start many applications, so their name alone identifies none.
bool isGenericProgramName(const QString& name)
{
    static const QStringList generic = {
        QStringLiteral("sh"),   QStringLiteral("bash"), QStringLiteral("env"),     QStringLiteral("perl"),
        QStringLiteral("java"), QStringLiteral("node"), QStringLiteral("ruby"),    QStringLiteral("flatpak"),
        QStringLiteral("snap"), QStringLiteral("gjs"),  QStringLiteral("electron")};
    return generic.contains(name) || name.startsWith(QLatin1String("python"));
}

QString lastIdComponent(const QString& id)
{
    const auto dot = id.lastIndexOf(u'.');
    return dot >= 0 ? id.mid(dot + 1) : id;
}

} // namespace

DesktopEntryIndex& DesktopEntryIndex::shared()
{
    static DesktopEntryIndex index;
    return index;
}

QStringList DesktopEntryIndex::applicationDirs()
{
    QStringList roots;
    QString dataHome = envPath("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QLatin1String("/.local/share");
    roots << dataHome;
    QStringList dataDirs;
    for (const QString& dir : qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            dataDirs << dir;
    if (dataDirs.isEmpty())
        dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    roots << dataDirs;
    QStringList dirs;
    for (const QString& root : std::as_const(roots)) {
        const QString dir = QDir::cleanPath(root + QLatin1String("/applications"));
        if (!dirs.contains(dir))
            dirs << dir;
    }
    return dirs;
}

bool DesktopEntryIndex::isStaleLocked() const
{
    if (!scanned_ || scannedRoots_ != applicationDirs())
        return true;
    for (auto it = folderTimes_.cbegin(); it != folderTimes_.cend(); ++it)
        if (QFileInfo(it.key()).lastModified() != it.value())
            return true;
    return false;
}

void DesktopEntryIndex::refreshLocked()
{
    scannedRoots_ = applicationDirs();
    folderTimes_.clear();
    entries_.clear();
    QSet<QString> seenIds;
    int files = 0;
    for (const QString& root : std::as_const(scannedRoots_)) {
        folderTimes_.insert(root, QFileInfo(root).lastModified());
        QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (folders.hasNext()) {
            const QString folder = folders.next();
            folderTimes_.insert(folder, QFileInfo(folder).lastModified());
        }
        const QDir rootDir(root);
        QDirIterator it(root, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext() && files < maxDesktopFiles) {
            const QString path = it.next();
            ++files;
            QString id = rootDir.relativeFilePath(path);
            id.chop(int(qstrlen(".desktop")));
            id.replace(u'/', u'-');
            // The first folder that has an id owns it, even when its entry is hidden.
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id);
            auto entry = DesktopEntry::load(path, id);
            if (!entry || entry->hidden || entry->type != QLatin1String("Application"))
                continue;
            Indexed indexed{*entry, {}, {}};
            const QString program = entry->execProgram();
            if (!program.isEmpty()) {
                const QString found =
                    program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
                indexed.programPath = found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
                indexed.programName = QFileInfo(program).fileName();
            }
            entries_.append(indexed);
        }
    }
    if (files >= maxDesktopFiles)
        Log::warning(QStringLiteral("desktop entries"),
                     QStringLiteral("too many desktop files, scan truncated"));
    scanned_ = true;
}

std::optional<DesktopEntry> DesktopEntryIndex::lookup(const QString& windowClass,
                                                      const QString& windowInstance,
                                                      const QString& executablePath)
{
    QMutexLocker lock(&mutex_);
    if (isStaleLocked())
        refreshLocked();

    for (const QString& name : {windowClass, windowInstance}) {
        if (name.isEmpty())
            continue;
        for (const Indexed& indexed : std::as_const(entries_))
            if (indexed.entry.startupWMClass == name)
                return indexed.entry;
    }
    for (const QString& name : {windowClass, windowInstance}) {
        if (name.isEmpty())
            continue;
        for (const Indexed& indexed : std::as_const(entries_))
            if (indexed.entry.id.compare(name, Qt::CaseInsensitive) == 0 ||
                lastIdComponent(indexed.entry.id).compare(name, Qt::CaseInsensitive) == 0)
                return indexed.entry;
    }
    if (executablePath.isEmpty())
        return std::nullopt;
    const QFileInfo exe(executablePath);
    const QString exePath =
        exe.canonicalFilePath().isEmpty() ? exe.absoluteFilePath() : exe.canonicalFilePath();
    for (const Indexed& indexed : std::as_const(entries_))
        if (!indexed.programPath.isEmpty() && indexed.programPath == exePath)
            return indexed.entry;
    const QString exeName = exe.fileName();
    if (isGenericProgramName(exeName))
        return std::nullopt;
    for (const Indexed& indexed : std::as_const(entries_))
        if (indexed.programName == exeName)
            return indexed.entry;
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntryIndex::entryForPath(const QString& path)
{
    {
        QMutexLocker lock(&mutex_);
        if (isStaleLocked())
            refreshLocked();
        for (const Indexed& indexed : std::as_const(entries_))
            if (indexed.entry.path == path)
                return indexed.entry;
    }
    return DesktopEntry::load(path, QFileInfo(path).completeBaseName());
}

QList<DesktopEntry> DesktopEntryIndex::entries()
{
    QMutexLocker lock(&mutex_);
    if (isStaleLocked())
        refreshLocked();
    QList<DesktopEntry> list;
    list.reserve(entries_.size());
    for (const Indexed& indexed : std::as_const(entries_))
        list.append(indexed.entry);
    return list;
}
