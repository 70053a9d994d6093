#include "TestSupport.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/ModelCoding.h"
#include "platform/PasteboardTypes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

namespace {

PasteCategoryInfModel defaultCategory()
{
    PasteCategoryInfModel category;
    category.uuid = kDefaultCategoryUUID;
    return category;
}

PasteCategoryInfModel category(const QString& uuid)
{
    PasteCategoryInfModel model;
    model.uuid = uuid;
    return model;
}

PasteInfModel textItem(const QString& text, const std::optional<QDateTime>& date,
                       const QString& categoryUUID = kDefaultCategoryUUID)
{
    const PasteboardItem item(
        {{PasteboardType::string, text.toUtf8()}, {QStringLiteral("UTF8_STRING"), text.toUtf8()}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr);
    model.date = date;
    model.categoryUUID = categoryUUID;
    return model;
}

QStringList uuids(const QList<PasteInfModel>& models)
{
    QStringList list;
    for (const PasteInfModel& model : models)
        list.append(model.uuid.value_or(QString()));
    return list;
}

QDateTime at(int secondsAgo)
{
    return QDateTime::currentDateTimeUtc().addSecs(-secondsAgo);
}

// A second connection to the file, as another process (or a test poking at the bytes) has.
class RawDb
{
public:
    explicit RawDb(const QString& path, int flags = SQLITE_OPEN_READWRITE)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
        sqlite3_busy_timeout(db_, 2000);
    }
    ~RawDb() { sqlite3_close_v2(db_); }
    bool exec(const QByteArray& sql)
    {
        return sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    qint64 integer(const QByteArray& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
        const qint64 value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        return value;
    }
    bool setBlob(const QByteArray& sql, const QByteArray& blob, const QString& uuid)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
        sqlite3_bind_blob(stmt, 1, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
        const QByteArray u = uuid.toUtf8();
        sqlite3_bind_text(stmt, 2, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        const bool ok = sqlite3_step(stmt) == SQLITE_DONE;
        sqlite3_finalize(stmt);
        return ok;
    }
    std::optional<QString> text(const QByteArray& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.constData(), -1, &stmt, nullptr);
        std::optional<QString> value;
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_type(stmt, 0) != SQLITE_NULL)
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return value;
    }

private:
    sqlite3* db_ = nullptr;
};

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

mode_t modeOf(const QString& path)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

} // namespace

class TstStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void schemaAndPermissions();
    void fetchIsNewestFirstPerClipboard();
    void missingClipboardArguments();
    void contentIsLazyAndRoundTrips();
    void preloadFillsLazyContentOfEveryCopy();
    void classificationBeforeAnUpdateIsKept();
    void plainTextIsStoredBeside();
    void undecodableColumnsKeepTheItemListed();
    void updatePasteInf();
    void updateOfDeletedItemDoesNotReinsert();
    void updateDisplayTypeWritesOnlyClassification();
    void deletePasteInf();
    void deletePasteInfsOfOneClipboard();
    void insertRefusesItemWithoutUuidOrDuplicate();
    void categories();
    void ensureDefaultCategoryOnce();
    void deleteCategoryLeavesItems();
    void queuedOperationsRunInOrder();
    void ignoreRules();
    void refusesForeignOrBrokenFiles_data();
    void refusesForeignOrBrokenFiles();
    void reopenKeepsHistory();
    void unwritableStoreIsRefusedAtOpen();
    void damageFoundWhileRunningStopsWrites();
    void damageFoundBeforeAnyoneListensIsToldLater();
    void deletedTextLeavesNoTraceInTheFiles();
    void fullDiskKeepsCopiesUntilThereIsRoom();
    void readOnlyBesideWriter();
    void batchCommitsTogether();
    void concurrentCallers();
    void storesSideBySideKeepToThemselves();
    void queuedWorkFinishesBeforeTheStoreGoes();
};

void TstStore::schemaAndPermissions()
{
    TestHome home;
    QVERIFY(store().isOpen());
    QCOMPARE(store().path(), home.databasePath());
    store().insertPasteInf(textItem("x", at(1)));

    QCOMPARE(modeOf(QFileInfo(home.databasePath()).absolutePath()), mode_t(0700));
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString path = home.databasePath() + suffix;
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(modeOf(path), mode_t(0600));
    }

    // A new database in a folder that was already there leaves the folder's mode alone.
    const QString shared = home.path() + "/shared";
    QVERIFY(QDir().mkpath(shared));
    ::chmod(QFile::encodeName(shared).constData(), 0755);
    store().close();
    QVERIFY(store().open(shared + "/other.sqlite"));
    QCOMPARE(modeOf(shared), mode_t(0755));
    QCOMPARE(modeOf(shared + "/other.sqlite"), mode_t(0600));
    store().close();
    QVERIFY(store().open(home.databasePath()));

    // Other readers (search, the command line) rely on these names.
    RawDb raw(home.databasePath());
    QCOMPARE(raw.text("PRAGMA journal_mode"), QStringLiteral("wal"));
    QVERIFY(raw.integer("PRAGMA application_id") != 0);
    QCOMPARE(raw.integer("PRAGMA user_version"), 4);
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf p JOIN paste_inf_content c ON c.id = p.id "
                         "JOIN paste_inf_text t ON t.id = p.id JOIN paste_inf_search s ON s.id = p.id"),
             1);
    QCOMPARE(raw.integer("SELECT count(*) FROM sqlite_master WHERE name = 'paste_inf_by_category_date'"), 1);
    // Every write to the searchable texts is logged, in the same transaction, and so is the
    // item's place in the history order: two entries for one capture.
    QCOMPARE(
        raw.integer("SELECT count(*) FROM paste_inf_search_change c JOIN paste_inf_search s ON s.id = c.id"),
        2);
    QCOMPARE(raw.integer("SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"), 6);
    QVERIFY(raw.exec(
        "SELECT uuid, date, category_uuid, app_name, app_bundle_url, app_bundle_identifier, display_type, "
        "display_paste_board_type, type_data, header_bg_color, content_size, secret_kind FROM paste_inf"));
    QVERIFY(raw.exec("SELECT uuid, title, order_number, color_index, create_date, recent_selected_date "
                     "FROM paste_category_inf"));
    QVERIFY(raw.exec("SELECT uuid, name, path, bundle_identifier, date FROM ignored_app_inf"));
    QVERIFY(store().save());
}

void TstStore::fetchIsNewestFirstPerClipboard()
{
    TestHome home;
    const PasteInfModel old = textItem("old", at(300));
    const PasteInfModel newest = textItem("newest", at(10));
    const PasteInfModel middle = textItem("middle", at(100));
    const PasteInfModel undated = textItem("undated", std::nullopt);
    const PasteInfModel elsewhere = textItem("elsewhere", at(5), "OTHER");
    for (const PasteInfModel& model : {old, newest, undated, middle, elsewhere})
        store().insertPasteInf(model);

    const QList<PasteInfModel> fetched = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(uuids(fetched), (QStringList{*newest.uuid, *middle.uuid, *old.uuid, *undated.uuid}));
    QCOMPARE(store().countPasteInfs(defaultCategory()), 4);
    QCOMPARE(uuids(store().fetchPasteInfs(category("OTHER"))), QStringList{*elsewhere.uuid});
    QCOMPARE(store().countPasteInfs(category("nothing here")), 0);

    // Metadata comes back as written (dates to the millisecond).
    const PasteInfModel& first = fetched.first();
    QCOMPARE(first.date->toMSecsSinceEpoch(), newest.date->toMSecsSinceEpoch());
    QCOMPARE(first.categoryUUID, kDefaultCategoryUUID);
    QCOMPARE(first.types, newest.types);
    QVERIFY(!first.appName && !first.headerBgColor && !first.displayType);
    QVERIFY(!fetched.last().date);
    QCOMPARE(store().fetchPasteInf(*middle.uuid)->uuid, middle.uuid);
    QVERIFY(!store().fetchPasteInf("no such uuid"));
}

void TstStore::missingClipboardArguments()
{
    TestHome home;
    Log::Capture log;
    QVERIFY(store().fetchPasteInfs(std::nullopt).isEmpty());
    QVERIFY(log.contains("query paste inf fail, category inf is nil"));
    QVERIFY(store().fetchPasteInfs(PasteCategoryInfModel()).isEmpty());
    QVERIFY(log.contains("query paste inf fail, category inf uuid is nil"));
    QCOMPARE(store().countPasteInfs(std::nullopt), 0);
    QVERIFY(log.contains("query paste inf count fail, category inf is nil"));
    QCOMPARE(store().countPasteInfs(PasteCategoryInfModel()), 0);
    QVERIFY(log.contains("query paste inf count fail, category inf uuid is nil"));
    store().deletePasteInfs(std::nullopt);
    QVERIFY(log.contains("delete paste inf fail, category inf is nil"));
    store().deletePasteInfs(PasteCategoryInfModel());
    QVERIFY(log.contains("delete paste inf fail, category inf uuid is nil"));
}

void TstStore::contentIsLazyAndRoundTrips()
{
    TestHome home;
    QByteArray binary(70000, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 31);
    const PasteboardItems items = {
        PasteboardItem({{QStringLiteral("z/last-first"), QByteArray("z")},
                        {QStringLiteral("image/png"), binary},
                        {QStringLiteral("a/empty"), QByteArray()},
                        {PasteboardType::string, QByteArray("caption")}}),
        PasteboardItem({{QStringLiteral("text/html"), QByteArray("<i>2</i>")}}),
    };
    PasteInfModel model = PasteInfModel::capture(items, QStringList{"z/last-first", "image/png"}, nullptr);
    store().insertPasteInf(model);

    QList<PasteInfModel> fetched = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(fetched.size(), 1);
    const PasteInfModel copy = fetched.first();
    QVERIFY(!fetched.first().isContentLoaded());
    QVERIFY(!copy.isContentLoaded());
    // Byte for byte, types in their order.
    QCOMPARE(copy.pasteboardItems(), std::optional<PasteboardItems>(items));
    QVERIFY(fetched.first().isContentLoaded());
    QCOMPARE(store().fetchPasteboardItems(*model.uuid), std::optional<PasteboardItems>(items));
}

void TstStore::preloadFillsLazyContentOfEveryCopy()
{
    TestHome home;
    // More items than one store step reads, so batches meet.
    for (int i = 0; i < 600; ++i)
        store().insertPasteInf(textItem(QStringLiteral("item %1").arg(i), at(600 - i)));
    PasteInfModel gone = textItem("deleted before the preload", at(0));
    store().insertPasteInf(gone);

    QList<PasteInfModel> fetched = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(fetched.size(), 601);
    const PasteInfModel copyOfFirst = fetched.first();
    store().deletePasteInf(gone);
    store().preloadContent(fetched);

    QVERIFY(copyOfFirst.isContentLoaded());                // copies share what the preload read
    QCOMPARE(copyOfFirst.pasteboardItems(), std::nullopt); // the deleted one has none
    for (qsizetype i = 1; i < fetched.size(); ++i) {
        QVERIFY(fetched.at(i).isContentLoaded());
        QCOMPARE(fetched.at(i).pasteboardItems()->first().plainString(),
                 QStringLiteral("item %1").arg(600 - i));
    }
}

void TstStore::classificationBeforeAnUpdateIsKept()
{
    TestHome home;
    PasteInfModel first = textItem("https://example.org", at(2));
    PasteInfModel second = textItem("#FF8800", at(1));
    store().insertPasteInf(first);
    store().insertPasteInf(second);
    // Classifications are written together, later, but never ahead of an update of the whole
    // item that was queued before them.
    store().updateDisplayType(*first.uuid, PasteInfoDisplayType::Link, PasteboardType::string);
    second.appName = QStringLiteral("Renamed");
    store().updatePasteInf(second);
    store().updateDisplayType(*second.uuid, PasteInfoDisplayType::Color, PasteboardType::string);
    store().waitForQueued();
    QCOMPARE(store().fetchPasteInf(*first.uuid)->displayType, PasteInfoDisplayType::Link);
    const PasteInfModel after = *store().fetchPasteInf(*second.uuid);
    QCOMPARE(after.displayType, PasteInfoDisplayType::Color);
    QCOMPARE(after.appName, std::optional<QString>("Renamed"));
}

void TstStore::plainTextIsStoredBeside()
{
    TestHome home;
    const PasteInfModel text = textItem(QStringLiteral("Grüße ÄBC"), at(1));
    const PasteboardItem image({{QStringLiteral("image/png"), QByteArray("png")}});
    const PasteInfModel picture = PasteInfModel::capture(PasteboardItems{image}, image.types(), nullptr);
    store().insertPasteInf(text);
    store().insertPasteInf(picture);

    QCOMPARE(store().fetchPlainText(*text.uuid), QStringLiteral("Grüße ÄBC"));
    QVERIFY(!store().fetchPlainText(*picture.uuid));
    QVERIFY(!store().fetchPlainText("gone"));
    RawDb raw(home.databasePath());
    QCOMPARE(
        raw.text(
            "SELECT folded_text FROM paste_inf_search t JOIN paste_inf p ON p.id = t.id WHERE p.uuid = '" +
            text.uuid->toUtf8() + "'"),
        QStringLiteral("grüße äbc"));
    // Listing does not carry it: it is read on demand.
    QVERIFY(!store().fetchPasteInfs(defaultCategory()).first().firstPlainText);

    // Its start: never half a character, with the whole size; none for an image or a gone item.
    const auto start = [](qint64 id, qsizetype bytes) {
        std::promise<std::optional<CoreDataManager::TextStart>> done;
        store().loadTextStart(id, bytes, [&](const auto& start) { done.set_value(start); });
        return done.get_future().get();
    };
    const auto idOf = [&](const PasteInfModel& model) {
        return raw.integer("SELECT id FROM paste_inf WHERE uuid = '" + model.uuid->toUtf8() + "'");
    };
    const auto cut = start(idOf(text), 3); // "Gr" and the first byte of "ü"
    QVERIFY(cut);
    QCOMPARE(cut->text, QStringLiteral("Gr"));
    QCOMPARE(cut->totalBytes, QStringLiteral("Grüße ÄBC").toUtf8().size());
    QCOMPARE(start(idOf(text), 1000)->text, QStringLiteral("Grüße ÄBC"));
    QVERIFY(!start(idOf(picture), 1000));
    QVERIFY(!start(idOf(picture) + 100, 1000));
}

void TstStore::undecodableColumnsKeepTheItemListed()
{
    TestHome home;
    PasteInfModel model = textItem("x", at(1));
    model.headerBgColor = QColor(10, 20, 30);
    store().insertPasteInf(model);
    {
        RawDb raw(home.databasePath());
        QVERIFY(raw.setBlob(
            "UPDATE paste_inf_content SET item_data = ? WHERE id = (SELECT id FROM paste_inf WHERE uuid = ?)",
            QByteArray("\x9f\x81garbage", 9), *model.uuid));
        QVERIFY(raw.setBlob("UPDATE paste_inf SET type_data = ? WHERE uuid = ?", QByteArray("\xa1", 1),
                            *model.uuid));
        QVERIFY(raw.setBlob("UPDATE paste_inf SET header_bg_color = ? WHERE uuid = ?",
                            ModelCoding::encodeTypes(QStringList{"not a colour"}), *model.uuid));
    }

    Log::Capture log;
    const QList<PasteInfModel> fetched = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(fetched.size(), 1);
    QCOMPARE(fetched.first().uuid, model.uuid);
    QCOMPARE(fetched.first().date->toMSecsSinceEpoch(), model.date->toMSecsSinceEpoch());
    QVERIFY(!fetched.first().types);
    QVERIFY(!fetched.first().headerBgColor);
    QVERIFY(log.contains("[warn]"));
    // The content is only touched when asked for.
    QVERIFY(!log.contains("initial with item data fail"));
    QVERIFY(!fetched.first().pasteboardItems());
    QVERIFY(log.contains("[error]"));
    QVERIFY(log.contains("PasteInfModel: initial with item data fail, types or data is nil"));
    // Nothing of the content ever goes into a line.
    QVERIFY(!log.lines().join('\n').contains("garbage"));
}

void TstStore::updatePasteInf()
{
    TestHome home;
    PasteInfModel model = textItem("before", at(50));
    store().insertPasteInf(model);

    // A loaded model whose content was never read: metadata changes, content stays.
    PasteInfModel loaded = *store().fetchPasteInf(*model.uuid);
    loaded.displayType = PasteInfoDisplayType::PlainText;
    loaded.displayPasteBoardType = PasteboardType::string;
    loaded.categoryUUID = QStringLiteral("TEXT");
    loaded.date = at(1);
    loaded.headerBgColor = QColor(1, 2, 3);
    store().updatePasteInf(loaded);
    store().waitForQueued();
    PasteInfModel after = *store().fetchPasteInf(*model.uuid);
    QCOMPARE(after.displayType, PasteInfoDisplayType::PlainText);
    QCOMPARE(after.displayPasteBoardType, PasteboardType::string);
    QCOMPARE(after.categoryUUID, QStringLiteral("TEXT"));
    QCOMPARE(after.headerBgColor, QColor(1, 2, 3));
    QCOMPARE(after.pasteboardItems(), model.pasteboardItems());

    // New content replaces the old and its plain text.
    const PasteboardItem replaced({{PasteboardType::string, QByteArray("after")}});
    after.setPasteboardItems(PasteboardItems{replaced});
    store().updatePasteInf(after);
    store().waitForQueued();
    QCOMPARE(store().fetchPasteboardItems(*model.uuid),
             std::optional<PasteboardItems>(PasteboardItems{replaced}));
    QCOMPARE(store().fetchPlainText(*model.uuid), QStringLiteral("after"));

    Log::Capture log;
    store().updatePasteInf(std::nullopt);
    QVERIFY(log.contains("update paste inf fail, paste inf is nil"));
    store().updatePasteInf(PasteInfModel());
    QVERIFY(log.contains("update paste inf fail, paste inf uuid is nil"));
}

void TstStore::updateOfDeletedItemDoesNotReinsert()
{
    TestHome home;
    const PasteInfModel model = textItem("x", at(1));
    store().insertPasteInf(model);
    store().deletePasteInf(model);
    Log::Capture log;
    store().updatePasteInf(model);
    PasteCategoryInfModel missing("T", "missing clipboard", 1, 1);
    store().updateCategory(missing);
    store().waitForQueued();
    QCOMPARE(log.count("update paste in fail, fetch object is more than one"), 2);
    QCOMPARE(store().countPasteInfs(defaultCategory()), 0);
    QVERIFY(!store().fetchPasteInf(*model.uuid));
    QCOMPARE(store().fetchCategories().size(), 0);
}

void TstStore::updateDisplayTypeWritesOnlyClassification()
{
    TestHome home;
    const PasteInfModel model = textItem("https://example.org", at(1));
    store().insertPasteInf(model);
    {
        // Content the classification must not rewrite.
        RawDb raw(home.databasePath());
        QVERIFY(raw.setBlob(
            "UPDATE paste_inf_content SET item_data = ? WHERE id = (SELECT id FROM paste_inf WHERE uuid = ?)",
            QByteArray("sentinel"), *model.uuid));
    }
    store().updateDisplayType(*model.uuid, PasteInfoDisplayType::Link, PasteboardType::string);
    Log::Capture log;
    store().updateDisplayType("unknown uuid", PasteInfoDisplayType::Color, PasteboardType::string);
    store().waitForQueued();
    const PasteInfModel after = *store().fetchPasteInf(*model.uuid);
    QCOMPARE(after.displayType, PasteInfoDisplayType::Link);
    QCOMPARE(after.displayPasteBoardType, PasteboardType::string);
    RawDb raw(home.databasePath());
    QCOMPARE(raw.text("SELECT CAST(item_data AS TEXT) FROM paste_inf_content"), QStringLiteral("sentinel"));
    QVERIFY(log.contains("update paste in fail, fetch object is more than one"));
}

void TstStore::deletePasteInf()
{
    TestHome home;
    const PasteInfModel keep = textItem("keep", at(2));
    const PasteInfModel gone = textItem("gone", at(1));
    store().insertPasteInf(keep);
    store().insertPasteInf(gone);

    Log::Capture log;
    store().deletePasteInf(gone);
    QCOMPARE(uuids(store().fetchPasteInfs(defaultCategory())), QStringList{*keep.uuid});
    QVERIFY(log.contains("] delete: { uuid: " + *gone.uuid));
    QVERIFY(log.contains("delete success: { uuid: " + *gone.uuid));
    RawDb raw(home.databasePath());
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf_content"), 1);
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf_text"), 1);
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf_search"), 1);

    // Deleting what is not there changes nothing and claims nothing.
    log.clear();
    store().deletePasteInf(gone);
    QVERIFY(!log.contains("delete success"));
    store().deletePasteInf(PasteInfModel());
    QVERIFY(log.contains(QStringLiteral("delete error，uuid is nil. { uuid: ")));
    QCOMPARE(store().countPasteInfs(defaultCategory()), 1);
}

void TstStore::deletePasteInfsOfOneClipboard()
{
    TestHome home;
    for (int i = 0; i < 5; ++i)
        store().insertPasteInf(textItem(QString::number(i), at(i), "TEXT"));
    store().insertPasteInf(textItem("default", at(1)));
    Log::Capture log;
    store().deletePasteInfs(category("TEXT"));
    store().waitForQueued();
    QCOMPARE(store().countPasteInfs(category("TEXT")), 0);
    QCOMPARE(store().countPasteInfs(defaultCategory()), 1);
    QCOMPARE(log.count("] delete all: { uuid: "), 5);
    RawDb raw(home.databasePath());
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf_content"), 1);
    QCOMPARE(raw.integer("SELECT count(*) FROM paste_inf_text"), 1);
}

void TstStore::insertRefusesItemWithoutUuidOrDuplicate()
{
    TestHome home;
    Log::Capture log;
    store().insertPasteInf(PasteInfModel());
    const PasteInfModel model = textItem("x", at(1));
    store().insertPasteInf(model);
    QVERIFY(log.contains("insert success: { uuid: " + *model.uuid));
    store().insertPasteInf(model);
    QCOMPARE(store().countPasteInfs(defaultCategory()), 1);
    QCOMPARE(log.count("insert paste inf fail"), 2);
}

void TstStore::categories()
{
    TestHome home;
    PasteCategoryInfModel file("File", "F", 4, 4);
    PasteCategoryInfModel text("Text", "T", 1, 1);
    PasteCategoryInfModel link("Link", "L", 2, 2);
    Log::Capture log;
    for (const PasteCategoryInfModel& model : {file, text, link})
        store().insertCategory(model);
    store().ensureDefaultCategory();
    QVERIFY(log.contains("insert success: { uuid: F, title: File, orderNumber: 4"));

    QList<PasteCategoryInfModel> all = store().fetchCategories();
    QStringList titles;
    for (const auto& model : all)
        titles.append(*model.title);
    QCOMPARE(titles, (QStringList{"Clipboard History", "Text", "Link", "File"}));
    QCOMPARE(all.at(3).colorIndex, qint16(4));
    QCOMPARE(all.at(3).createDate->toMSecsSinceEpoch(), file.createDate->toMSecsSinceEpoch());
    QVERIFY(!all.at(3).recentSelectedDate);

    text.title = QStringLiteral("Snippets");
    text.recentSelectedDate = QDateTime::currentDateTimeUtc();
    store().updateCategory(text);
    store().waitForQueued();
    all = store().fetchCategories();
    QCOMPARE(all.at(1).title, QStringLiteral("Snippets"));
    QCOMPARE(all.at(1).recentSelectedDate->toMSecsSinceEpoch(), text.recentSelectedDate->toMSecsSinceEpoch());

    log.clear();
    store().updateCategory(std::nullopt);
    QVERIFY(log.contains("update paste inf fail, paste inf is nil"));
    store().updateCategory(PasteCategoryInfModel());
    QVERIFY(log.contains("update paste inf fail, paste inf uuid is nil"));
    store().deleteCategory(PasteCategoryInfModel());
    QVERIFY(log.contains(QStringLiteral("delete error，uuid is nil. ")));
}

void TstStore::ensureDefaultCategoryOnce()
{
    TestHome home;
    Log::Capture log;
    store().ensureDefaultCategory();
    store().ensureDefaultCategory();
    const QList<PasteCategoryInfModel> all = store().fetchCategories();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().uuid, kDefaultCategoryUUID);
    QCOMPARE(all.first().orderNumber, qint16(0));
    QCOMPARE(log.count("insert default paste category inf success"), 1);
}

void TstStore::deleteCategoryLeavesItems()
{
    TestHome home;
    const PasteCategoryInfModel text("Text", "T", 1, 1);
    store().insertCategory(text);
    store().insertPasteInf(textItem("a", at(1), "T"));
    store().insertPasteInf(textItem("b", at(2), "T"));
    Log::Capture log;
    store().deleteCategory(text);
    store().waitForQueued();
    QVERIFY(log.contains("delete success: { uuid: T, title: Text"));
    QVERIFY(store().fetchCategories().isEmpty());
    QCOMPARE(store().countPasteInfs(category("T")), 2);
}

void TstStore::queuedOperationsRunInOrder()
{
    TestHome home;
    PasteCategoryInfModel model("A", "Q", 1, 1);
    store().insertCategory(model);
    for (int i = 0; i < 20; ++i) {
        model.title = QString::number(i);
        store().updateCategory(model);
    }
    store().deleteCategory(model);
    store().insertCategory(PasteCategoryInfModel("after", "Q2", 2, 2));
    // The insert above ran synchronously, behind the queued blocks.
    const QList<PasteCategoryInfModel> all = store().fetchCategories();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().uuid, QStringLiteral("Q2"));

    PasteCategoryInfModel kept("B", "K", 3, 3);
    store().insertCategory(kept);
    for (int i = 0; i < 20; ++i) {
        kept.title = QString::number(i);
        store().updateCategory(kept);
    }
    store().waitForQueued();
    QCOMPARE(store().fetchCategories().last().title, QStringLiteral("19"));
}

void TstStore::ignoreRules()
{
    TestHome home;
    IgnoredAppInfModel newest = IgnoredAppInfModel::fromPath("/apps/c.desktop");
    newest.date = at(1);
    IgnoredAppInfModel oldest = IgnoredAppInfModel::fromPath("/apps/a.desktop");
    oldest.date = at(300);
    IgnoredAppInfModel middle = IgnoredAppInfModel::fromPath("/apps/b.desktop");
    middle.date = at(100);

    Log::Capture log;
    store().insertIgnoredApp(newest);
    store().insertIgnoredApps({oldest, middle});
    QVERIFY(log.contains("insert success: { uuid: " + *newest.uuid));
    QVERIFY(log.contains("insert success: [{ uuid: " + *oldest.uuid + ", name: a.desktop"));

    QList<IgnoredAppInfModel> all = store().fetchIgnoredApps();
    QStringList names;
    for (const auto& model : all)
        names.append(*model.name);
    QCOMPARE(names, (QStringList{"a.desktop", "b.desktop", "c.desktop"}));
    QCOMPARE(all.first().path, QStringLiteral("/apps/a.desktop"));

    log.clear();
    store().deleteIgnoredApps({middle, IgnoredAppInfModel()});
    QVERIFY(log.contains("delete success: { uuid: " + *middle.uuid));
    QVERIFY(log.contains(QStringLiteral("delete error，uuid is nil. ")));
    QCOMPARE(store().fetchIgnoredApps().size(), 2);
}

void TstStore::refusesForeignOrBrokenFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text file") << "text"
                               << "not a database";
    QTest::newRow("corrupt schema") << "corrupt"
                                    << "malformed";
    QTest::newRow("foreign sqlite") << "foreign"
                                    << "not a Brimble history database";
    QTest::newRow("newer schema") << "newer"
                                  << "newer Brimble";
}

void TstStore::refusesForeignOrBrokenFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestHome home;
    const QString path = home.path() + "/data/brimble/other.sqlite";
    if (kind == "text") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    } else if (kind == "foreign") {
        RawDb raw(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        QVERIFY(raw.exec("CREATE TABLE notes(body TEXT); INSERT INTO notes VALUES('mine')"));
    } else {
        QVERIFY(store().open(path));
        store().insertPasteInf(textItem("x", at(1)));
        store().close();
        if (kind == "newer") {
            RawDb raw(path);
            QVERIFY(raw.exec("PRAGMA user_version = 99"));
        } else {
            // Scribble over the schema's page, past the 100-byte header.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(100);
            file.write(QByteArray(200, '\x7f'));
        }
    }
    QVERIFY(store().open(home.databasePath()));
    const QByteArray before = fileHash(path);

    Log::Capture log;
    QString error;
    QVERIFY(!store().open(path, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(log.contains("[error]"));
    QCOMPARE(fileHash(path), before);
    QVERIFY(!store().openReadOnly(path, &error));
    QCOMPARE(fileHash(path), before);

    // The store that was open before is still the one in use.
    QCOMPARE(store().path(), home.databasePath());
    QVERIFY(store().isOpen() && !store().isReadOnly());
    store().ensureDefaultCategory();
    QCOMPARE(store().fetchCategories().size(), 1);

    // A store that is not open answers empty and says so.
    store().close();
    QVERIFY(store().fetchCategories().isEmpty());
    QVERIFY(log.contains("the history store is not open"));
}

void TstStore::reopenKeepsHistory()
{
    TestHome home;
    const PasteInfModel model = textItem("kept", at(1));
    store().insertPasteInf(model);
    store().ensureDefaultCategory();
    QVERIFY(store().save());
    store().close();
    QVERIFY(store().open(home.databasePath()));
    QCOMPARE(uuids(store().fetchPasteInfs(defaultCategory())), QStringList{*model.uuid});
    QCOMPARE(store().fetchCategories().size(), 1);

    // A zero-length file (left by an interrupted first start) is simply initialised.
    const QString empty = home.path() + "/data/brimble/empty.sqlite";
    QFile(empty).open(QIODevice::WriteOnly);
    QVERIFY(store().open(empty));
    QCOMPARE(store().countPasteInfs(defaultCategory()), 0);
}

void TstStore::unwritableStoreIsRefusedAtOpen()
{
    if (::geteuid() == 0)
        QSKIP("running as root, which writes through file modes: a chmod'ed store is writable to it");
    TestHome home;
    store().insertPasteInf(textItem("x", at(1)));
    store().close();
    const QString folder = QFileInfo(home.databasePath()).absolutePath();
    QString error;
    QVERIFY(::chmod(QFile::encodeName(home.databasePath()).constData(), 0400) == 0);
    QVERIFY(!store().open(home.databasePath(), &error));
    QCOMPARE(error, QStringLiteral("cannot open %1: permission denied").arg(home.databasePath()));

    QVERIFY(::chmod(QFile::encodeName(home.databasePath()).constData(), 0600) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0500) == 0);
    QVERIFY(!store().open(home.databasePath(), &error));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    QVERIFY2(error.endsWith(QStringLiteral("its folder %1 cannot be written: permission denied").arg(folder)),
             qPrintable(error));
}

void TstStore::damageFoundWhileRunningStopsWrites()
{
    TestHome home;
    store().performBatch([] {
        for (int i = 0; i < 300; ++i)
            store().insertPasteInf(textItem(QString::number(i).repeated(50), at(i)));
    });
    store().close();
    // Every page but the schema's: the file opens, and the first real read meets the damage.
    QVERIFY(damageAllButSchema(home.databasePath()));
    const QByteArray damaged = fileHash(home.databasePath());
    QStringList reports;
    QObject listener;
    QObject::connect(&store(), &CoreDataManager::damageFound, &listener,
                     [&](const QString& message) { reports.append(message); }, Qt::DirectConnection);
    QVERIFY(store().open(home.databasePath()));

    Log::Capture log;
    QVERIFY(store().fetchPasteInfs(defaultCategory()).isEmpty());
    QVERIFY(store().isDamaged());
    store().insertPasteInf(textItem("after", at(0)));
    store().ensureDefaultCategory();
    QVERIFY(store().fetchCategories().isEmpty());
    QVERIFY(store().save());
    store().close();

    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(home.databasePath()), qPrintable(reports.first()));
    QCOMPARE(log.count("not written: the history file is damaged"), 2);
    // Left exactly as found, nothing waiting in a journal to be moved into it.
    QCOMPARE(fileHash(home.databasePath()), damaged);
    QCOMPARE(QFileInfo(home.databasePath() + "-wal").size(), 0);
}

void TstStore::damageFoundBeforeAnyoneListensIsToldLater()
{
    TestHome home;
    for (int i = 0; i < 300; ++i)
        store().insertPasteInf(textItem(QString::number(i).repeated(50), at(i)));
    store().close();
    // Every page but the schema's: the file opens, and the first real read meets the damage.
    QVERIFY(damageAllButSchema(home.databasePath()));
    QVERIFY(store().open(home.databasePath()));
    // Start-up reads the history before the application listens.
    QVERIFY(store().fetchCategories().isEmpty());
    QVERIFY(store().isDamaged());
    // It is told as a step of the store's own after the read: to nobody, since nobody listens
    // yet. A listener that comes later reads it, and is not told again.
    store().waitForQueued();
    QStringList reports;
    QObject listener;
    QObject::connect(&store(), &CoreDataManager::damageFound, &listener,
                     [&](const QString& message) { reports.append(message); }, Qt::DirectConnection);
    store().fetchCategories();
    store().waitForQueued();
    QVERIFY(reports.isEmpty());
    QVERIFY(store().damageMessage().contains("brimble salvage"));
}

void TstStore::deletedTextLeavesNoTraceInTheFiles()
{
    TestHome home;
    const QByteArray secret = "hunter2-correct-horse-battery-staple";
    store().insertPasteInf(textItem("kept-copy-in-the-history", at(30)));
    const PasteInfModel copied = textItem(QString::fromLatin1(secret), at(20));
    store().insertPasteInf(copied);
    // Reading through the reader thread, as a shown list does, opens connections of its own.
    std::promise<qint64> counted;
    store().countPasteInfsPerCategory(
        [&](const QHash<QString, qint64>& counts) { counted.set_value(counts.value(kDefaultCategoryUUID)); });
    QCOMPARE(counted.get_future().get(), 2);

    store().deletePasteInf(copied);
    store().waitForQueued();
    const QString wal = home.databasePath() + "-wal";
    QVERIFY2(!fileBytes(wal).contains(secret), "the journal still holds the deleted text");

    QVERIFY(store().save());
    store().close();
    QVERIFY(!QFileInfo::exists(wal));
    QVERIFY(!QFileInfo::exists(home.databasePath() + "-shm"));
    const QByteArray file = fileBytes(home.databasePath());
    QVERIFY(file.contains("kept-copy-in-the-history"));
    QVERIFY2(!file.contains(secret), "the file still holds the deleted text");
}

void TstStore::fullDiskKeepsCopiesUntilThereIsRoom()
{
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.why()));
    TestHome home;
    auto closeFirst = qScopeGuard([] {
        store().close();
    });
    const QString path = disk.path() + "/Brimble.sqlite";
    QVERIFY(store().open(path));
    store().insertPasteInf(textItem("stored before the disk filled", at(100)));
    store().insertPasteInf(textItem("also stored before", at(99)));
    // An empty journal: the copies below must find room in the file system, not in it.
    QVERIFY(store().save());

    QList<CoreDataManager::SpaceReport> reports;
    QObject listener;
    QObject::connect(&store(), &CoreDataManager::spaceChanged, &listener,
                     [&](const CoreDataManager::SpaceReport& report) { reports.append(report); },
                     Qt::DirectConnection);
    QVERIFY(disk.fill());
    Log::Capture log;
    for (int i = 0; i < 8; ++i)
        store().insertPasteInf(textItem(QStringLiteral("copy %1 ").arg(i).repeated(2000), at(50 - i)));

    // Told once, with the cause, and the cause is what the log says.
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().full);
    QVERIFY2(reports.first().reason.contains("SQLITE_FULL"), qPrintable(reports.first().reason));
    QVERIFY(log.contains("SQLITE_FULL"));
    QVERIFY(!log.contains("no transaction is active"));
    QCOMPARE(store().waitingCopies(), 8);
    QVERIFY(store().isOutOfSpace());
    QCOMPARE(store().fetchPasteInfs(defaultCategory()).size(), 2);

    // Room again: the next copy takes the waiting ones with it, oldest first.
    QVERIFY(disk.makeRoom());
    store().insertPasteInf(textItem("after the room came back", at(1)));
    QCOMPARE(reports.size(), 2);
    QVERIFY(!reports.last().full);
    QCOMPARE(reports.last().written, 8);
    QCOMPARE(reports.last().lost, 0);
    QVERIFY(!store().isOutOfSpace());
    const QList<PasteInfModel> stored = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(stored.size(), 11);
    const auto textOf = [](const PasteInfModel& model) {
        return model.pasteboardItems()->first().plainString().value_or(QString());
    };
    QCOMPARE(textOf(stored.first()), QStringLiteral("after the room came back"));
    QVERIFY(textOf(stored.at(1)).startsWith("copy 7 "));
    QVERIFY(textOf(stored.at(8)).startsWith("copy 0 "));
    QCOMPARE(textOf(stored.last()), QStringLiteral("stored before the disk filled"));
}

void TstStore::readOnlyBesideWriter()
{
    TestHome home;
    const QString missing = home.path() + "/data/brimble/missing.sqlite";
    QString error;
    QVERIFY(!store().openReadOnly(missing, &error));
    QVERIFY(!QFileInfo::exists(missing));

    const PasteInfModel model = textItem("shared", at(1));
    store().insertPasteInf(model);
    store().close();
    // No Brimble running: nothing but the database file is there.
    QVERIFY(!QFileInfo::exists(home.databasePath() + "-wal"));
    QVERIFY2(store().openReadOnly(home.databasePath(), &error), qPrintable(error));
    QCOMPARE(store().countPasteInfs(defaultCategory()), 1);
    store().close();

    // Another Brimble holds the database open in WAL mode and keeps writing.
    RawDb writer(home.databasePath());
    QVERIFY(writer.exec("PRAGMA journal_mode = WAL"));
    QVERIFY(writer.exec("BEGIN; UPDATE paste_inf SET app_name = 'writer'; COMMIT"));

    QVERIFY2(store().openReadOnly(home.databasePath(), &error), qPrintable(error));
    QVERIFY(store().isReadOnly());
    const QList<PasteInfModel> fetched = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(uuids(fetched), QStringList{*model.uuid});
    QCOMPARE(fetched.first().appName, QStringLiteral("writer"));
    QCOMPARE(fetched.first().pasteboardItems(), model.pasteboardItems());

    // Nothing is written, nor queued to be: a read-only pass classifying items asks nothing.
    Log::Capture log;
    store().insertPasteInf(textItem("refused", at(1)));
    store().updateDisplayType(*model.uuid, PasteInfoDisplayType::Link, "x");
    store().waitForQueued();
    QCOMPARE(log.count("not written: the history is open for reading only"), 1);
    QCOMPARE(writer.integer("SELECT count(*) FROM paste_inf"), 1);
}

void TstStore::batchCommitsTogether()
{
    TestHome home;
    const bool ok = store().performBatch([] {
        for (int i = 0; i < 50; ++i)
            store().insertPasteInf(textItem(QString::number(i), at(i)));
        // A failing operation inside the batch undoes only itself.
        store().insertPasteInf(PasteInfModel());
        store().insertCategory(PasteCategoryInfModel("T", "T", 1, 1));
        store().insertCategory(PasteCategoryInfModel("T", "T", 1, 1));
    });
    QVERIFY(ok);
    QCOMPARE(store().countPasteInfs(defaultCategory()), 50);
    QCOMPARE(store().fetchCategories().size(), 1);
}

void TstStore::concurrentCallers()
{
    TestHome home;
    store().ensureDefaultCategory();
    constexpr int kThreads = 4;
    constexpr int kPerThread = 40;
    std::atomic<int> badCounts{0};
    std::vector<std::thread> threads;
    QList<QStringList> inserted(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &inserted, &badCounts] {
            for (int i = 0; i < kPerThread; ++i) {
                PasteInfModel model = textItem(QString("%1-%2").arg(t).arg(i), at(i));
                store().insertPasteInf(model);
                inserted[t].append(*model.uuid);
                model.displayType = PasteInfoDisplayType::PlainText;
                store().updatePasteInf(model);
                const int count = store().countPasteInfs(defaultCategory());
                if (count < i + 1 || count > kThreads * kPerThread)
                    ++badCounts;
                const QList<PasteInfModel> list = store().fetchPasteInfs(defaultCategory());
                if (!list.isEmpty())
                    list.first().pasteboardItems();
                store().ensureDefaultCategory();
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    store().waitForQueued();
    QCOMPARE(badCounts.load(), 0);
    const QList<PasteInfModel> all = store().fetchPasteInfs(defaultCategory());
    QCOMPARE(all.size(), kThreads * kPerThread);
    QSet<QString> expected;
    for (const QStringList& list : inserted)
        for (const QString& uuid : list)
            expected.insert(uuid);
    const QStringList fetched = uuids(all);
    QCOMPARE(QSet<QString>(fetched.begin(), fetched.end()), expected);
    for (const PasteInfModel& model : all)
        QCOMPARE(model.displayType, PasteInfoDisplayType::PlainText);
    QCOMPARE(store().fetchCategories().size(), 1);
}

QTEST_GUILESS_MAIN(TstStore)
void TstStore::storesSideBySideKeepToThemselves()
{
    // Two stores in one process, on two files: what one holds, the other does not see, and a
    // model loaded from one reads its content from that one, after the other has gone.
    TestHome home;
    QTemporaryDir otherDir;
    auto other = std::make_unique<CoreDataManager>();
    QVERIFY(other->open(otherDir.filePath("Brimble.sqlite")));
    const QDateTime fixed = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    other->setClock([fixed] { return fixed; });

    store().insertPasteInf(textItem("in the home", at(20)));
    other->insertPasteInf(textItem("in the other", at(10)));
    QCOMPARE(store().countPasteInfs(defaultCategory()), 1);
    QCOMPARE(other->countPasteInfs(defaultCategory()), 1);
    QList<PasteInfModel> mine = store().fetchPasteInfs(defaultCategory());
    QList<PasteInfModel> theirs = other->fetchPasteInfs(defaultCategory());
    QCOMPARE(theirs.first().pasteboardItems()->first().readableText(), QStringLiteral("in the other"));
    // The clock is the store's own.
    QCOMPARE(other->now(), fixed);
    QVERIFY(store().now() != fixed);

    other->close();
    other.reset();
    QCOMPARE(mine.first().pasteboardItems()->first().readableText(), QStringLiteral("in the home"));
}

void TstStore::queuedWorkFinishesBeforeTheStoreGoes()
{
    // Queued operations that have not run when the store is destroyed still run, against the
    // connection they were queued for; none is lost or runs on a closed one.
    TestHome home;
    const QString path = home.path() + "/data/other.sqlite";
    {
        CoreDataManager store;
        QVERIFY(store.open(path));
        store.ensureDefaultCategory();
        PasteInfModel model = textItem("queued", at(5));
        store.insertPasteInf(model);
        // Holds the queue, so that what follows is still waiting when the store goes.
        store.perform([] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
        model.displayType = PasteInfoDisplayType::Link;
        for (int i = 0; i < 50; ++i)
            store.updatePasteInf(model); // queued
        store.perform([&store] { store.close(); });
    }
    CoreDataManager reopened;
    QVERIFY(reopened.open(path));
    const QList<PasteInfModel> stored = reopened.fetchPasteInfs(defaultCategory());
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().displayType, std::optional(PasteInfoDisplayType::Link));
    reopened.close();
}

#include "tst_store.moc"
