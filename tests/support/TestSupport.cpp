#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QXmlStreamReader>

#include <sqlite3.h>

#include <unistd.h>

namespace {
// The home alive now, for store() and preferences().
TestHome* g_home = nullptr;
} // namespace

TestHome::TestHome()
{
    QDir(dir_.path()).mkpath("data");
    QDir(dir_.path()).mkpath("config");
    QDir(dir_.path()).mkpath("state");
    qputenv("XDG_CACHE_HOME", (dir_.path() + "/cache").toUtf8());
    qputenv("XDG_DATA_HOME", (dir_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + "/config").toUtf8());
    qputenv("XDG_STATE_HOME", (dir_.path() + "/state").toUtf8());
    preferences_ = std::make_unique<Preferences>(preferencesPath());
    store_ = std::make_unique<CoreDataManager>();
    // What the application wires at start-up.
    Preferences* preferences = preferences_.get();
    store_->setRetentionLevelProvider([preferences] { return preferences->historyCapacity(); });
    store_->setSecretLifetimeProvider([preferences] { return preferences->secretLifetime(); });
    store_->open(databasePath());
    g_home = this;
}

TestHome::~TestHome()
{
    store_->close();
    store_.reset();
    if (g_home == this)
        g_home = nullptr;
}

QString TestHome::databasePath() const
{
    return dir_.path() + "/data/brimble/Brimble.sqlite";
}

QString TestHome::preferencesPath() const
{
    return dir_.path() + "/config/brimble/preferences.json";
}

CoreDataManager& store()
{
    if (!g_home)
        qFatal("store() is the store of a TestHome, and none is alive");
    return g_home->store();
}

Preferences& preferences()
{
    if (!g_home)
        qFatal("preferences() are those of a TestHome, and none is alive");
    return g_home->preferences();
}

PasteInfModel textCapture(const QString& text, const QDateTime& date, const QString& category)
{
    const PasteboardItem item({{PasteboardType::string, text.toUtf8()}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr);
    model.date = date;
    model.categoryUUID = category;
    return model;
}

QByteArray pngOf(const QSize& size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

SmallDisk::SmallDisk()
{
    if (::geteuid() != 0) {
        why_ = QStringLiteral("a full disk is made on a small tmpfs, which only root may mount");
        return;
    }
    mounted_ = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m,mode=0700", "tmpfs", dir_.path()}) == 0;
    if (!mounted_)
        why_ = QStringLiteral("mount -t tmpfs failed (no capability to mount here)");
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        QProcess::execute("umount", {"-l", dir_.path()});
}

bool SmallDisk::fill()
{
    QFile filler(dir_.path() + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    for (qint64 block : {qint64(64 * 1024), qint64(4096), qint64(1)})
        while (filler.write(QByteArray(block, 'f')) == block) {
        }
    return true;
}

bool SmallDisk::makeRoom()
{
    return QFile::remove(dir_.path() + QStringLiteral("/filler"));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool damageAllButSchema(const QString& path)
{
    sqlite3* db = nullptr;
    QSet<qint64> schemaPages{1};
    qint64 pageSize = 0;
    sqlite3_stmt* stmt = nullptr;
    bool read = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
                sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &stmt, nullptr) == SQLITE_OK &&
                sqlite3_step(stmt) == SQLITE_ROW;
    if (read)
        pageSize = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    stmt = nullptr;
    // The schema may take more than the first page.
    read = read && sqlite3_prepare_v2(db, "SELECT pageno FROM dbstat WHERE name = 'sqlite_schema'", -1, &stmt,
                                      nullptr) == SQLITE_OK;
    while (read && sqlite3_step(stmt) == SQLITE_ROW)
        schemaPages.insert(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    QFile file(path);
    if (!read || pageSize <= 0 || !file.open(QIODevice::ReadWrite) || file.size() <= pageSize)
        return false;
    const QByteArray garbage(pageSize, '\xab');
    for (qint64 page = 1; page * pageSize < file.size(); ++page) {
        if (schemaPages.contains(page + 1))
            continue;
        if (!file.seek(page * pageSize) || file.write(garbage) != pageSize)
            return false;
    }
    return true;
}

QMap<QString, CatalogueMessage> readCatalogue(const QString& path)
{
    QMap<QString, CatalogueMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value(QStringLiteral("id")).toString();
        } else if (xml.name() == u"source") {
            messages[id].source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages[id].unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            messages[id].translations.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
    }
    if (xml.hasError())
        qWarning() << path << xml.errorString();
    return messages;
}

QMap<QString, CatalogueMessage> projectCatalogue(const QString& language)
{
    return readCatalogue(QStringLiteral(BRIMBLE_SOURCE_DIR "/resources/translations/brimble_%1.ts").arg(language));
}
