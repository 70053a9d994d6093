#include "TestSupport.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Preferences.h"
#include "model/SearchEngine.h"
#include "model/SearchTextArena.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"
#include "platform/PasteboardTypes.h"

#include <QEventLoop>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <functional>

using namespace std::chrono_literals;

namespace {

const QString kClipboard = QStringLiteral("default-pasteinf-catgory-coooool");

struct Row
{
    qint64 id;
    QString uuid;
    qint64 date;
    QString category;
    QString displayType;
    std::optional<QString> plain;
};

// A history written straight into the store's schema. Dates are all different, and some items
// moved to the top carry a date newer than their row id suggests.
class GeneratedHistory
{
public:
    GeneratedHistory(int items, int textScale, quint32 seed) : path_(dir_.filePath("history.sqlite"))
    {
        {
            SqliteDatabase db;
            QString error;
            if (!db.open(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &error) ||
                !StoreSchema::migrate(db, 0, &error) || !StoreSchema::restoreDerived(db, &error))
                qFatal("cannot create the test database: %s", qPrintable(error));
        }
        static const QStringList words = {
            "meeting", "Report", "café", "ÉTÉ", "abc", "def", "https://example.org",
            "Straße",  "日本語", "zeta", "  ",  "ab",  "cd",  "MIXED Case",
            "x"};
        static const QStringList types = {"plain-text", "plain-text", "link", "rich-text-format", "image",
                                          "file",       "color",      "text", "unknown"};
        QRandomGenerator random(seed);
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path_).constData(), &db);
        // One view takes a text with its folded form and fills both tables.
        sqlite3_exec(db,
                     "CREATE TEMP VIEW texts(id, plain_text, folded_text) AS SELECT 0, NULL, NULL; CREATE "
                     "TEMP TRIGGER texts_insert INSTEAD OF INSERT ON texts BEGIN INSERT INTO "
                     "paste_inf_text(id, plain_text) VALUES(NEW.id, NEW.plain_text); INSERT INTO "
                     "paste_inf_search(id, folded_text) VALUES(NEW.id, NEW.folded_text); END; BEGIN",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt *meta = nullptr, *text = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO paste_inf(id, uuid, date, category_uuid, display_type) VALUES(?1, ?2, ?3, ?4, ?5)",
            -1, &meta, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO texts(id, plain_text, folded_text) VALUES(?1, ?2, ?3)", -1, &text,
                           nullptr);
        for (int i = 0; i < items; ++i) {
            Row row;
            row.id = i + 1;
            row.uuid = QStringLiteral("uuid-%1").arg(i, 6, 10, QLatin1Char('0'));
            row.date = random.bounded(20) == 0 ? 10'000'000 + i * 3 + 1 : i * 3;
            row.category = random.bounded(10) == 0 ? QStringLiteral("other") : kClipboard;
            row.displayType = types.at(random.bounded(types.size()));
            if (row.displayType != "image" || random.bounded(2)) {
                QString plain;
                const int count = 1 + random.bounded(6 * textScale);
                for (int w = 0; w < count; ++w)
                    plain += words.at(random.bounded(words.size())) + (random.bounded(3) ? " " : "");
                row.plain = plain;
            }
            const QByteArray uuid = row.uuid.toUtf8(), category = row.category.toUtf8(),
                             type = row.displayType.toUtf8();
            sqlite3_bind_int64(meta, 1, row.id);
            sqlite3_bind_text(meta, 2, uuid.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(meta, 3, row.date);
            sqlite3_bind_text(meta, 4, category.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(meta, 5, type.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(meta);
            sqlite3_reset(meta);
            if (row.plain) {
                const QByteArray plain = row.plain->toUtf8(), folded = row.plain->toLower().toUtf8();
                sqlite3_bind_int64(text, 1, row.id);
                sqlite3_bind_text(text, 2, plain.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(text, 3, folded.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_step(text);
                sqlite3_reset(text);
            }
            rows_.append(row);
        }
        sqlite3_finalize(meta);
        sqlite3_finalize(text);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.date > b.date; });
    }

    QString path() const { return path_; }

    // Changes to the stored history, committed through a connection of their own as the store's
    // would be.
    void insert(const Row& row)
    {
        const QByteArray uuid = row.uuid.toUtf8(), category = row.category.toUtf8(),
                         type = row.displayType.toUtf8(), plain = row.plain.value_or(QString()).toUtf8(),
                         folded = row.plain.value_or(QString()).toLower().toUtf8();
        change(
            "INSERT INTO paste_inf(id, uuid, date, category_uuid, display_type) VALUES(?1, ?2, ?3, ?4, ?5)",
            [&](sqlite3_stmt* stmt) {
                sqlite3_bind_int64(stmt, 1, row.id);
                sqlite3_bind_text(stmt, 2, uuid.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(stmt, 3, row.date);
                sqlite3_bind_text(stmt, 4, category.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(stmt, 5, type.constData(), -1, SQLITE_TRANSIENT);
            });
        if (row.plain)
            change("INSERT INTO paste_inf_search(id, folded_text) VALUES(?1, ?2)", [&](sqlite3_stmt* stmt) {
                sqlite3_bind_int64(stmt, 1, row.id);
                sqlite3_bind_text(stmt, 2, folded.constData(), -1, SQLITE_TRANSIENT);
            });
        rows_.append(row);
        std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.date > b.date; });
    }
    void remove(const QString& uuid)
    {
        const QByteArray raw = uuid.toUtf8();
        change(
            "DELETE FROM paste_inf_search WHERE id = (SELECT id FROM paste_inf WHERE uuid = ?1)",
            [&](sqlite3_stmt* stmt) { sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT); });
        change("DELETE FROM paste_inf WHERE uuid = ?1", [&](sqlite3_stmt* stmt) {
            sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
        });
        rows_.removeIf([&](const Row& row) { return row.uuid == uuid; });
    }
    void setDisplayType(const QString& uuid, const QString& displayType)
    {
        const QByteArray raw = uuid.toUtf8(), type = displayType.toUtf8();
        change("UPDATE paste_inf SET display_type = ?2 WHERE uuid = ?1", [&](sqlite3_stmt* stmt) {
            sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 2, type.constData(), -1, SQLITE_TRANSIENT);
        });
        for (Row& row : rows_)
            if (row.uuid == uuid)
                row.displayType = displayType;
    }

    // The item moved in time and maybe to another clipboard, as a move to the top does.
    void move(const QString& uuid, qint64 date, const QString& category)
    {
        const QByteArray raw = uuid.toUtf8(), to = category.toUtf8();
        change("UPDATE paste_inf SET date = ?2, category_uuid = ?3 WHERE uuid = ?1", [&](sqlite3_stmt* stmt) {
            sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(stmt, 2, date);
            sqlite3_bind_text(stmt, 3, to.constData(), -1, SQLITE_TRANSIENT);
        });
        for (Row& row : rows_) {
            if (row.uuid == uuid) {
                row.date = date;
                row.category = category;
            }
        }
        std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.date > b.date; });
    }

    // A new text for an item (none: the item loses its text), as an image's recognised text
    // would change it.
    void setText(const QString& uuid, const std::optional<QString>& plain)
    {
        const QByteArray raw = uuid.toUtf8(), folded = plain.value_or(QString()).toLower().toUtf8();
        if (plain)
            change(
                "INSERT INTO paste_inf_search(id, folded_text) SELECT id, ?2 FROM paste_inf WHERE uuid = ?1 "
                "ON CONFLICT(id) DO UPDATE SET folded_text = excluded.folded_text",
                [&](sqlite3_stmt* stmt) {
                    sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
                    sqlite3_bind_text(stmt, 2, folded.constData(), -1, SQLITE_TRANSIENT);
                });
        else
            change("DELETE FROM paste_inf_search WHERE id = (SELECT id FROM paste_inf WHERE uuid = ?1)",
                   [&](sqlite3_stmt* stmt) {
                       sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
                   });
        for (Row& row : rows_)
            if (row.uuid == uuid)
                row.plain = plain;
    }
    // Any statement, for changes no store makes (damage).
    void exec(const char* sql)
    {
        change(sql, [](sqlite3_stmt*) {});
    }
    const QList<Row>& rows() const { return rows_; }

    int textRows() const
    {
        return int(
            std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.plain.has_value(); }));
    }

    // The matches by brute force, straight from the rules: newest first, the plain text and the
    // query's text both lower-cased, the type in the set.
    QStringList reference(const QString& category, const QString& queryText) const
    {
        const ParsedQuery query = SearchHelper::parseQuery(queryText);
        QStringList uuids;
        for (const Row& row : rows_) {
            if (row.category != category)
                continue;
            if (!query.text.isEmpty() && !(row.plain && row.plain->toLower().contains(query.text.toLower())))
                continue;
            if (!query.displayTypes.isEmpty() && !query.hasType(*DisplayType::fromRawValue(row.displayType)))
                continue;
            uuids.append(row.uuid);
        }
        return uuids;
    }

private:
    void change(const char* sql, const std::function<void(sqlite3_stmt*)>& bind)
    {
        sqlite3* db = nullptr;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_open(QFile::encodeName(path_).constData(), &db);
        // The engine may be reading the texts into memory on its own connection meanwhile.
        sqlite3_busy_timeout(db, 10000);
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("cannot change the test database: %s", sqlite3_errmsg(db));
        bind(stmt);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            qFatal("cannot change the test database: %s", sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    QTemporaryDir dir_;
    QString path_;
    QList<Row> rows_;
};

struct Outcome
{
    std::optional<SearchResults> first;
    std::optional<SearchResults> complete;
    bool failed = false;
    qint64 rowsExamined = -1;
    bool ranToEnd = false;
};

// Collects what the engine delivers for one generation until its pass has ended.
class Recorder : public QObject
{
public:
    explicit Recorder(SearchEngine& engine) : engine_(&engine)
    {
        connect(&engine, &SearchEngine::firstResults, this,
                [this](quint64 g, const SearchResults& r) { outcomes[g].first = r; });
        connect(&engine, &SearchEngine::finished, this,
                [this](quint64 g, const SearchResults& r) { outcomes[g].complete = r; });
        connect(&engine, &SearchEngine::failed, this, [this](quint64 g) { outcomes[g].failed = true; });
        connect(&engine, &SearchEngine::passEnded, this, [this](quint64 g, qint64 rows, bool completed) {
            outcomes[g].rowsExamined = rows;
            outcomes[g].ranToEnd = completed;
            ended.insert(g);
        });
    }
    bool waitForEnd(quint64 generation)
    {
        if (ended.contains(generation))
            return true;
        // An event loop of its own rather than polling: thousands of searches run back to back.
        QEventLoop loop;
        auto quit = connect(engine_, &SearchEngine::passEnded, &loop, [&](quint64 g) {
            if (g == generation)
                loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        disconnect(quit);
        return ended.contains(generation);
    }
    // The complete results of one search, in order; {"failed"} when none came.
    QStringList completeUuids(SearchEngine& engine, const QString& clipboard, const QString& query)
    {
        const quint64 g = engine.search(clipboard, query);
        return waitForEnd(g) && outcomes.value(g).complete ? outcomes.value(g).complete->uuids()
                                                           : QStringList{"failed"};
    }

    QHash<quint64, Outcome> outcomes;
    QSet<quint64> ended;

private:
    SearchEngine* engine_;
};

// A query of the search language from pieces that hit and miss the generated texts: case and
// diacritics variants, characters that lower-case to more than one, type clauses good and bad.
QString randomQuery(QRandomGenerator& random)
{
    static const QStringList fragments = {"meet", "MEETING", "ing",         "é",       "É",        "été",
                                          "caf",  "CAFÉ",    "straße",      "STRASSE", "ß",        "日本",
                                          "本語", "https:",  "example.org", "abc def", "abc  def", "ab",
                                          "b c",  "x",       "zz",          "mixed c", "MiXeD",    "report",
                                          "rep",  "t",       "zeta",        "İ",       "e ",       "/"};
    static const QStringList clauses = {
        "type:link",  "type:text", "type:image",   "type:plain_text",  "type:rich_text",
        "type:color", "type:file", "type:unknown", "type:link, image", "type:text,link",
        "type:bogus", "type:",     "type:Link"};
    QString query;
    for (int i = 0, n = 1 + random.bounded(3); i < n; ++i) {
        if (i > 0 && random.bounded(4) != 0)
            query += QLatin1Char(' ');
        query += random.bounded(10) < 7 ? fragments.at(random.bounded(fragments.size()))
                                        : clauses.at(random.bounded(clauses.size()));
    }
    return query;
}

qint64 scalar(const QString& path, const char* sql, const QString& argument = {})
{
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const QByteArray raw = argument.toUtf8();
    if (!argument.isNull())
        sqlite3_bind_text(stmt, 1, raw.constData(), -1, SQLITE_TRANSIENT);
    const qint64 value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

// Some words of the generated texts and some that are nowhere else.
QString randomText(QRandomGenerator& random)
{
    static const QStringList words = {"Meeting",  "zeta",    "ÉTÉ", "caf",
                                      "İstanbul", "STRASSE", "abc", "fresh-word",
                                      "report",   "日本語",  "x",   "https://example.org/new"};
    QString text;
    for (int i = 0, n = 1 + random.bounded(8); i < n; ++i)
        text += words.at(random.bounded(words.size())) + (random.bounded(3) ? " " : "");
    return text;
}

} // namespace

class TestSearchEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { history_ = std::make_unique<GeneratedHistory>(4000, 1, 7); }

    void matchesReference_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("budgetMs");
        const QStringList queries = {"meeting",
                                     "MEETING",
                                     "é",
                                     "ÉTÉ",
                                     "straße",
                                     "日本",
                                     "abc  def",
                                     "type:link",
                                     "type:text",
                                     "type:image",
                                     "type:link https",
                                     "type:unknown report",
                                     "nothing-like-this",
                                     "type:foo x",
                                     "a"};
        for (int budget : {0, 8, 60000})
            for (const QString& query : queries)
                QTest::addRow("%s budget %d", qPrintable(query), budget) << kClipboard << query << budget;
        QTest::newRow("other clipboard") << "other"
                                         << "meeting" << 0;
        QTest::newRow("unknown clipboard") << "no-such-clipboard"
                                           << "meeting" << 0;
    }

    // The engine, each way a pass can go (scan at once, stream then scan, stream to the end), and
    // the synchronous search all give exactly the brute-force matches in history order.
    void matchesReference()
    {
        QFETCH(QString, category);
        QFETCH(QString, query);
        QFETCH(int, budgetMs);
        const QStringList expected = history_->reference(category, query);

        SearchEngine engine(unopened_);
        engine.setDatabasePath(history_->path());
        engine.setStreamBudget(std::chrono::milliseconds(budgetMs));
        Recorder recorder(engine);
        const quint64 generation = engine.search(category, query);
        QVERIFY(recorder.waitForEnd(generation));
        const Outcome outcome = recorder.outcomes.value(generation);
        QVERIFY(outcome.complete);
        QVERIFY(outcome.ranToEnd);
        QCOMPARE(outcome.complete->uuids(), expected);
        if (outcome.first) {
            QVERIFY(!outcome.first->isEmpty());
            QVERIFY(outcome.first->size() <= SearchEngine::kFirstScreen);
            QCOMPARE(outcome.first->uuids(), expected.first(outcome.first->size()));
        } else {
            QVERIFY(expected.size() < SearchEngine::kFirstScreen);
        }

        const auto all =
            SearchEngine::searchNow(unopened_, history_->path(), category, SearchHelper::parseQuery(query));
        QVERIFY(all);
        QCOMPARE(all->uuids(), expected);
        const auto limited = SearchEngine::searchNow(unopened_, history_->path(), category,
                                                     SearchHelper::parseQuery(query), 7);
        QVERIFY(limited);
        QCOMPARE(limited->uuids(), expected.first(std::min<qsizetype>(7, expected.size())));
    }

    // A newer search supersedes the ones before it: whatever they had found by then, they deliver
    // nothing once it has started, and only its own results arrive. (How soon a superseded pass
    // stops is a matter of speed, measured in bench_search.)
    void newerSearchSupersedes()
    {
        SearchEngine engine(unopened_);
        engine.setDatabasePath(history_->path());
        Recorder recorder(engine);

        // Searches started back to back: the earlier ones deliver nothing at all.
        const quint64 a = engine.search(kClipboard, "meeting");
        const quint64 b = engine.search(kClipboard, "report");
        const quint64 c = engine.search(kClipboard, "zeta");
        QVERIFY(recorder.waitForEnd(c));
        QVERIFY(recorder.waitForEnd(a) && recorder.waitForEnd(b));
        for (quint64 g : {a, b}) {
            QVERIFY(!recorder.outcomes.value(g).first);
            QVERIFY(!recorder.outcomes.value(g).complete);
        }
        QCOMPARE(recorder.outcomes.value(c).complete->uuids(), history_->reference(kClipboard, "zeta"));

        // cancel() alone: the pass ends without delivering.
        const quint64 cancelled = engine.search(kClipboard, "meeting");
        engine.cancel();
        QVERIFY(recorder.waitForEnd(cancelled));
        QVERIFY(!recorder.outcomes.value(cancelled).first);
        QVERIFY(!recorder.outcomes.value(cancelled).complete);
    }

    // Expired items are left out of every kind of pass, before any sweep deletes them, and as
    // soon as the rule changes; one item is matched alone by the query's own test.
    void followsRetentionAndMatchesOneItem()
    {
        TestHome home;
        const QDateTime now = QDateTime(QDate(2024, 3, 10), QTime(12, 0), Qt::UTC);
        store().setClock([now] { return now; });
        preferences().setHistoryCapacity(0); // a day
        auto add = [&](const QString& uuid, const QDateTime& date, const QByteArray& text) {
            PasteInfModel model;
            model.uuid = uuid;
            model.date = date;
            model.categoryUUID = kClipboard;
            model.types = QStringList{PasteboardType::string};
            model.displayType = PasteInfoDisplayType::PlainText;
            model.setPasteboardItems(PasteboardItems{PasteboardItem({{PasteboardType::string, text}})});
            store().insertPasteInf(model);
        };
        add("fresh", now.addSecs(-60), "Meeting today");
        add("stale", now.addDays(-2), "meeting last week");
        add("other", now.addSecs(-30), "lunch");
        HistoryReader reader(store(), home.databasePath());
        QVERIFY(reader.open());
        QHash<QString, qint64> ids;
        for (const PasteInfRow& row : reader.rows({1, 2, 3}))
            ids.insert(row.uuid, row.id);

        SearchEngine engine(store());
        Recorder recorder(engine);
        auto search = [&](const QString& query) { return recorder.completeUuids(engine, kClipboard, query); };
        for (auto budget : {0ms, 1000ms}) { // scanned, then streamed
            engine.setStreamBudget(budget);
            QCOMPARE(search("meeting"), QStringList{"fresh"});
        }
        QCOMPARE(search(""), (QStringList{"other", "fresh"}));
        QCOMPARE(SearchEngine::searchNow(store(), home.databasePath(), kClipboard,
                                         SearchHelper::parseQuery("meeting"))
                     ->uuids(),
                 QStringList{"fresh"});
        const ParsedQuery meeting = SearchHelper::parseQuery("type:text meeting");
        QCOMPARE(engine.matches(kClipboard, meeting, ids["fresh"]), std::optional(true));
        QCOMPARE(engine.matches(kClipboard, meeting, ids["stale"]), std::optional(false));
        QCOMPARE(engine.matches(kClipboard, meeting, ids["other"]), std::optional(false));
        QCOMPARE(engine.matches(kClipboard, SearchHelper::parseQuery("type:image"), ids["fresh"]),
                 std::optional(false));
        QCOMPARE(engine.matches("elsewhere", meeting, ids["fresh"]), std::optional(false));
        QCOMPARE(engine.matches(kClipboard, meeting, 999), std::nullopt);

        // Nothing in the file changed, yet the longer retention brings the item back at once.
        preferences().setHistoryCapacity(100);
        QCOMPARE(search(""), (QStringList{"other", "fresh", "stale"}));
        QCOMPARE(engine.matches(kClipboard, meeting, ids["stale"]), std::optional(true));
        store().setClock({});
    }

    // One engine searching again and again sees every change committed in between: a capture on
    // top, a deletion, a new classification, and a switch of clipboard. Captured uuids come in
    // both cases and in forms of their own.
    void followsChanges()
    {
        GeneratedHistory history(3000, 1, 5);
        SearchEngine engine(unopened_);
        engine.setDatabasePath(history.path());
        Recorder recorder(engine);
        const QStringList queries = {"meeting", "type:link", "type:link https", "type:text, link ab"};
        auto check = [&](const QString& category, const QString& query) {
            const QStringList expected = history.reference(category, query);
            const quint64 g = engine.search(category, query);
            QVERIFY(recorder.waitForEnd(g));
            const Outcome outcome = recorder.outcomes.value(g);
            QVERIFY(outcome.complete);
            QCOMPARE(outcome.complete->uuids(), expected);
            if (outcome.first)
                QCOMPARE(outcome.first->uuids(), expected.first(outcome.first->size()));
        };
        // Each query twice: the second one reuses what the first one read.
        for (const QString& query : queries) {
            check(kClipboard, query);
            check(kClipboard, query);
        }

        history.insert({100001, "0F8FAD5B-D9CB-469F-A165-70867728950E", 20'000'000, kClipboard, "link",
                        "Meeting at https://example.org"});
        history.insert({100002, "7c9e6679-7425-40de-944b-e07fc1f90ae7", 20'000'001, kClipboard, "plain-text",
                        "meeting notes ab"});
        history.insert({100003, "7C9E6679-7425-40de-944b-e07fc1f90ae7", 20'000'002, kClipboard, "link",
                        "https://example.org/meeting"});
        history.insert({100004, "not-a-uuid-but-unique", 20'000'003, kClipboard, "text", "ab meeting"});
        history.insert(
            {100005, "1B4E28BA-2FA1-11D2-883F-0016D3CCA427", 20'000'004, kClipboard, "image", std::nullopt});
        const QStringList meetings = history.reference(kClipboard, "meeting");
        history.remove(meetings.at(5));
        history.remove(meetings.last());
        const QStringList texts = history.reference(kClipboard, "type:text ab");
        history.setDisplayType(texts.at(3), "link");
        for (const QString& query : queries) {
            check(kClipboard, query);
            check(kClipboard, query);
        }
        check(kClipboard, "");
        check("other", "meeting");
        check("other", "type:link");
        check(kClipboard, "type:link");
        check(kClipboard, "type:image");
    }

    // Items nobody has classified yet are classified through the store when a query asks for
    // types, and the classification is recorded.
    void classifiesStoredItems()
    {
        TestHome home;
        auto item = [](const QString& uuid, qint64 ms, const QString& type, const QByteArray& data) {
            PasteInfModel model;
            model.uuid = uuid;
            model.date = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
            model.categoryUUID = kClipboard;
            model.types = QStringList{type};
            model.setPasteboardItems(PasteboardItems{PasteboardItem({{type, data}})});
            model.firstPlainText = model.pasteboardItems()->first().plainString();
            store().insertPasteInf(model);
        };
        item("words", 1000, PasteboardType::string, "Hello plain words");
        item("link", 2000, PasteboardType::string, "https://example.org/hello");
        item("opaque", 3000, "application/x-private", "hello bytes");
        item("picture", 4000, PasteboardType::png, "\x89PNG");
        store().waitForQueued();

        SearchEngine engine(store());
        Recorder recorder(engine);
        auto search = [&](const QString& query) { return recorder.completeUuids(engine, kClipboard, query); };
        QCOMPARE(search("hello"), (QStringList{"link", "words"}));
        QCOMPARE(search("type:link"), QStringList{"link"});
        QCOMPARE(search("type:unknown"), QStringList{"opaque"});
        QCOMPARE(search("type:image, plain_text"), (QStringList{"picture", "words"}));
        store().waitForQueued();
        QCOMPARE(store().fetchPasteInf("link")->displayType, std::optional(PasteInfoDisplayType::Link));
    }

    // Texts held in memory give exactly what the table scan and the brute-force reference give,
    // for random queries, while the history keeps changing underneath: captures (some with the
    // ids of deleted items, as an undo brings them back), deletions, new and lost texts, new
    // classifications. The texts are caught up from the change log, never read again.
    void heldTextsMatchTableScan()
    {
        GeneratedHistory history(1500, 3, 11);
        // Groups of a few texts each, so that most are passed over by their bitmaps.
        SearchTextArena::setGroupTextBytes(600);
        auto restore = qScopeGuard([] { SearchTextArena::setGroupTextBytes(64 * 1024); });
        // Now and then the held engine goes and a new one takes up the texts and the history
        // order it kept, as a restart of Brimble does.
        QTemporaryDir dir;
        auto held = std::make_unique<SearchEngine>(unopened_);
        held->setDatabasePath(history.path());
        held->setTextsFile(dir.filePath("search-texts"));
        SearchEngine scanned(unopened_);
        scanned.setDatabasePath(history.path());
        scanned.setHoldsTexts(false);
        auto heldRecorder = std::make_unique<Recorder>(*held);
        Recorder scannedRecorder(scanned);
        QSignalSpy loaded(held.get(), &SearchEngine::textsLoaded);
        QCOMPARE(heldRecorder->completeUuids(*held, kClipboard, "meeting"),
                 history.reference(kClipboard, "meeting"));
        QVERIFY(!loaded.isEmpty() || loaded.wait(30000));
        QCOMPARE(held->heldTexts()->items, history.textRows());
        QVERIFY(held->heldTexts()->entryBytes <= 64 * history.textRows());
        int restarts = 0, ordersTaken = 0;

        QRandomGenerator random(2024);
        qint64 nextId = 200000, nextDate = 30'000'000;
        QList<qint64> freedIds;
        auto mutate = [&] {
            const QList<Row>& rows = history.rows();
            const Row& some = rows.at(random.bounded(rows.size()));
            switch (random.bounded(6)) {
            case 0:
            case 1: {
                // Mostly new ids on top; now and then one a deletion freed.
                const qint64 id =
                    !freedIds.isEmpty() && random.bounded(3) == 0 ? freedIds.takeLast() : nextId++;
                history.insert({id, QStringLiteral("new-%1").arg(id), nextDate += 7,
                                random.bounded(8) ? kClipboard : QStringLiteral("other"),
                                random.bounded(4) ? QStringLiteral("plain-text") : QStringLiteral("link"),
                                random.bounded(6) ? std::optional(randomText(random)) : std::nullopt});
                break;
            }
            case 2:
                freedIds.append(some.id);
                history.remove(some.uuid);
                break;
            case 3:
                history.setText(some.uuid,
                                random.bounded(5) ? std::optional(randomText(random)) : std::nullopt);
                break;
            case 4:
                history.setDisplayType(some.uuid, random.bounded(2) ? "link" : "plain-text");
                break;
            default:
                history.move(some.uuid, nextDate += 7, random.bounded(8) ? kClipboard : QStringLiteral("other"));
                break;
            }
        };

        for (int i = 0; i < 2000; ++i) {
            if (i % 150 == 149) {
                ordersTaken += held->keptOrdersTaken();
                heldRecorder.reset();
                held = std::make_unique<SearchEngine>(unopened_);
                held->setDatabasePath(history.path());
                held->setTextsFile(dir.filePath("search-texts"));
                heldRecorder = std::make_unique<Recorder>(*held);
                ++restarts;
            }
            if (random.bounded(10) == 0)
                for (int k = 0, n = 1 + random.bounded(4); k < n; ++k)
                    mutate();
            const QString category = random.bounded(10) == 0 ? QStringLiteral("other") : kClipboard;
            const QString query = randomQuery(random);
            held->setStreamBudget(random.bounded(3) == 0 ? 8ms : 0ms);
            const QStringList expected = history.reference(category, query);
            const QStringList viaTexts = heldRecorder->completeUuids(*held, category, query);
            if (viaTexts != expected)
                QFAIL(qPrintable(QStringLiteral("query %1 \"%2\": %3 matches held, %4 expected")
                                     .arg(i)
                                     .arg(query)
                                     .arg(viaTexts.size())
                                     .arg(expected.size())));
            if (i % 4 == 0)
                QCOMPARE(scannedRecorder.completeUuids(scanned, category, query), expected);
        }
        QVERIFY(held->heldTexts());
        QCOMPARE(held->heldTexts()->items, history.textRows());
        // Read from the history once; after that, taken up from the file at every restart.
        QCOMPARE(loaded.size(), 1);
        ordersTaken += held->keptOrdersTaken();
        QCOMPARE(restarts, 13);
        // A run whose last search was in the other clipboard kept that one's order.
        QVERIFY2(ordersTaken > restarts / 2, qPrintable(QString::number(ordersTaken)));
    }

    // The texts held in memory are derived data: when their change log is damaged or gone,
    // searches still answer exactly (from the table), and the texts are read again once the
    // log can be trusted.
    void damagedChangeLogStillAnswers()
    {
        GeneratedHistory history(800, 2, 13);
        const QStringList queries = {"meeting", "zeta", "type:link ab", "café", "fresh"};
        auto expectAll = [&](SearchEngine& engine, Recorder& recorder) {
            for (const QString& query : queries)
                QCOMPARE(recorder.completeUuids(engine, kClipboard, query),
                         history.reference(kClipboard, query));
        };
        auto waitHeld = [](SearchEngine& engine) {
            return QTest::qWaitFor([&] { return engine.heldTexts().has_value(); }, 30000);
        };
        const QStringList meetings = history.reference(kClipboard, "meeting");
        {
            SearchEngine engine(unopened_);
            engine.setDatabasePath(history.path());
            Recorder recorder(engine);
            expectAll(engine, recorder);
            QVERIFY(waitHeld(engine));

            // The log lost an entry the texts had not seen: what changed cannot be told, so
            // they are read again.
            history.setText(meetings.at(0), "fresh text");
            history.exec("DELETE FROM paste_inf_search_change");
            history.setText(meetings.at(6), "fresh too");
            expectAll(engine, recorder);
            QVERIFY(waitHeld(engine));
            expectAll(engine, recorder);

            // More changes than the log keeps.
            for (int i = 0; i < 15; ++i)
                history.exec("UPDATE paste_inf_search SET folded_text = folded_text");
            history.setText(meetings.at(1), "fresh again");
            expectAll(engine, recorder);
            QVERIFY(waitHeld(engine));
            expectAll(engine, recorder);

            // A trigger is gone, so changes are no longer logged: nothing can be held.
            history.exec("DROP TRIGGER paste_inf_search_updated");
            history.setText(meetings.at(2), "fresh once more");
            expectAll(engine, recorder);
            QVERIFY(!engine.heldTexts());
            expectAll(engine, recorder);
            QVERIFY(!engine.heldTexts());
        }

        // Opening the store puts the log back; the texts are held again and kept current.
        {
            SqliteDatabase db;
            QString error;
            QVERIFY(db.open(history.path(), SQLITE_OPEN_READWRITE, &error));
            QVERIFY2(StoreSchema::restoreDerived(db, &error), qPrintable(error));
        }
        {
            SearchEngine engine(unopened_);
            engine.setDatabasePath(history.path());
            Recorder recorder(engine);
            expectAll(engine, recorder);
            QVERIFY(waitHeld(engine));
            history.setText(meetings.at(3), "fresh at last");
            expectAll(engine, recorder);
            QVERIFY(engine.heldTexts());

            // The whole log removed.
            for (const char* sql :
                 {"DROP TRIGGER paste_inf_search_inserted", "DROP TRIGGER paste_inf_search_updated",
                  "DROP TRIGGER paste_inf_search_deleted", "DROP TRIGGER paste_inf_order_inserted",
                  "DROP TRIGGER paste_inf_order_updated", "DROP TRIGGER paste_inf_order_deleted",
                  "DROP TABLE paste_inf_search_change"})
                history.exec(sql);
            history.setText(meetings.at(4), "fresh in the end");
            history.remove(meetings.at(5));
            expectAll(engine, recorder);
            QVERIFY(!engine.heldTexts());
        }
    }

    // The texts wait in a file between runs: the next engine's first search maps them, catches
    // up with what changed meanwhile and answers as the table does, and the file is gone once
    // read. Texts damaged in the file still give exact answers, from the table.
    void textsFileServesTheNextRun()
    {
        GeneratedHistory history(800, 2, 17);
        QTemporaryDir dir;
        const QString file = dir.filePath("cache/brimble/search-texts");
        const QStringList queries = {"meeting", "zeta", "type:link ab", "café", "fresh"};
        const QStringList meetings = history.reference(kClipboard, "meeting");
        auto run = [&](const std::function<void(SearchEngine&, Recorder&)>& body) {
            SearchEngine engine(unopened_);
            engine.setDatabasePath(history.path());
            engine.setTextsFile(file);
            Recorder recorder(engine);
            body(engine, recorder);
        };
        auto expectAll = [&](SearchEngine& engine, Recorder& recorder) {
            for (const QString& query : queries)
                QCOMPARE(recorder.completeUuids(engine, kClipboard, query), history.reference(kClipboard, query));
        };
        run([&](SearchEngine& engine, Recorder& recorder) {
            expectAll(engine, recorder);
            QVERIFY(QTest::qWaitFor([&] { return engine.heldTexts().has_value(); }, 30000));
        });
        QVERIFY(QFile::exists(file));
        // The folder it made is the user's alone; one that was there is left as it was.
        const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                           QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFile::permissions(QFileInfo(file).absolutePath()), owner);
        QCOMPARE(QFile::permissions(file) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
                 QFile::Permissions());
        {
            const QString shared = dir.filePath("shared");
            QVERIFY(QDir().mkpath(shared));
            const auto open = owner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
            QVERIFY(QFile::setPermissions(shared, open));
            auto engine = std::make_unique<SearchEngine>(unopened_);
            engine->setDatabasePath(history.path());
            engine->setTextsFile(shared + "/search-texts");
            {
                Recorder recorder(*engine);
                recorder.completeUuids(*engine, kClipboard, "zeta");
            }
            QVERIFY(QTest::qWaitFor([&] { return engine->heldTexts().has_value(); }, 30000));
            engine.reset();
            QVERIFY(QFile::exists(shared + "/search-texts"));
            QCOMPARE(QFile::permissions(shared), open);
        }

        // What a run in between does: a text changed, items gone, come, moved to the top and to
        // another clipboard.
        history.setText(meetings.at(0), QStringLiteral("fresh text"));
        history.remove(meetings.at(1));
        history.insert({100001, QStringLiteral("uuid-new"), 50'000'000, kClipboard, QStringLiteral("plain-text"),
                        QStringLiteral("a fresh meeting")});
        history.move(meetings.at(20), 40'000'000, kClipboard);
        history.move(meetings.at(21), 40'000'001, QStringLiteral("other"));
        history.move(history.reference(QStringLiteral("other"), "zeta").value(0), 1, kClipboard);
        run([&](SearchEngine& engine, Recorder& recorder) {
            recorder.completeUuids(engine, kClipboard, "fresh");
            // Held from the first search on, with no read of the history's texts, and the
            // history order taken up from the last run.
            QVERIFY(engine.heldTexts());
            QCOMPARE(engine.keptOrdersTaken(), 1);
            QVERIFY(!QFile::exists(file));
            expectAll(engine, recorder);
        });


        QByteArray bytes;
        {
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            bytes = kept.readAll();
        }
        const qsizetype at = bytes.indexOf("fresh text");
        QVERIFY(at > 0);
        bytes[at] = 'F';
        {
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
            kept.write(bytes);
        }
        run([&](SearchEngine& engine, Recorder& recorder) {
            expectAll(engine, recorder);
            QVERIFY(QTest::qWaitFor([&] { return engine.heldTexts().has_value(); }, 30000));
            expectAll(engine, recorder);
        });
    }

    // Every way the store changes the history reaches the texts held in memory, by the time the
    // change has committed: a capture, a text read in an image, a deletion, an undo that puts
    // items back with their ids, a move to the top and a retention sweep.
    void heldTextsFollowStoreChanges()
    {
        TestHome home;
        CoreDataManager& store = home.store();
        const QDateTime now = QDateTime(QDate(2024, 3, 10), QTime(12, 0), Qt::UTC);
        store.setClock([now] { return now; });
        home.preferences().setHistoryCapacity(100);
        int serial = 0;
        auto add = [&](const QDateTime& date, const QByteArray& text,
                       const QString& type = PasteboardType::string) {
            PasteInfModel model;
            model.uuid = QStringLiteral("item-%1").arg(++serial);
            model.date = date;
            model.categoryUUID = kClipboard;
            model.types = QStringList{type};
            model.setPasteboardItems(PasteboardItems{PasteboardItem({{type, text}})});
            store.insertPasteInf(model);
            store.waitForQueued();
            return *store.fetchPasteInf(*model.uuid);
        };
        for (int i = 0; i < 40; ++i)
            add(now.addSecs(-3600 - i), i % 3 ? "Meeting notes" : "lunch plans");
        const PasteInfModel old = add(now.addDays(-20), "meeting long ago");
        const PasteInfModel picture = add(now.addSecs(-10), "\x89PNG", PasteboardType::png);

        SearchEngine held(store), scanned(store);
        scanned.setHoldsTexts(false);
        Recorder heldRecorder(held), scannedRecorder(scanned);
        auto same = [&](const QString& query) {
            store.waitForQueued();
            const QStringList expected = scannedRecorder.completeUuids(scanned, kClipboard, query);
            QCOMPARE(heldRecorder.completeUuids(held, kClipboard, query), expected);
            QVERIFY(held.heldTexts());
        };
        heldRecorder.completeUuids(held, kClipboard, "meeting");
        QVERIFY(QTest::qWaitFor([&] { return held.heldTexts().has_value(); }, 30000));

        add(now.addSecs(-1), "A new meeting, captured");
        same("new meeting");
        QVERIFY(store.recordImageText(
            scalar(home.databasePath(), "SELECT id FROM paste_inf WHERE uuid = ?1", *picture.uuid),
            CoreDataManager::ImageTextState::Read, QStringLiteral("Whiteboard: MEETING at noon")));
        same("whiteboard: meeting");
        store.deletePasteInf(*store.fetchPasteInf(QStringLiteral("item-4")));
        same("meeting");
        same("lunch");
        QList<qint64> ids;
        for (int i = 6; i < 13; ++i)
            ids.append(scalar(home.databasePath(), "SELECT id FROM paste_inf WHERE uuid = ?1",
                              QStringLiteral("item-%1").arg(i)));
        store.deletePasteInfIds(ids, {}, true);
        same("meeting");
        store.undoLastChange();
        same("meeting");
        store.movePasteInfsToTop({ids.first()});
        same("meeting");
        home.preferences().setHistoryCapacity(0); // a day: the old item expires
        store.sweepExpired();
        same("meeting long ago");
        same("meeting");
        QCOMPARE(held.heldTexts()->items,
                 scalar(home.databasePath(), "SELECT count(*) FROM paste_inf_search"));
        store.setClock({});
    }

    void unreadableDatabaseFails()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath("empty.sqlite");
        {
            SqliteDatabase db;
            QVERIFY(db.open(empty, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr));
            QVERIFY(db.exec("CREATE TABLE unrelated(x)"));
        }
        Log::Capture log;
        SearchEngine engine(unopened_);
        Recorder recorder(engine);
        for (const QString& path : {dir.filePath("missing.sqlite"), empty}) {
            engine.setDatabasePath(path);
            for (const QString& query : {QStringLiteral("secret words"), QStringLiteral("type:image")}) {
                const quint64 g = engine.search(kClipboard, query);
                QVERIFY(recorder.waitForEnd(g));
                QVERIFY(recorder.outcomes.value(g).failed);
                QVERIFY(!recorder.outcomes.value(g).complete);
            }
        }
        QVERIFY(log.contains("cannot open history database"));
        QVERIFY(log.contains("cannot search history") || log.contains("cannot read texts"));
        QVERIFY(!log.contains("secret"));
        QVERIFY(!SearchEngine::searchNow(unopened_, dir.filePath("missing.sqlite"), kClipboard,
                                         SearchHelper::parseQuery("x")));
        QVERIFY(!QFile::exists(dir.filePath("missing.sqlite")));
    }

private:
    std::unique_ptr<GeneratedHistory> history_;
    // The store of searches over a history of their own: not open, so nothing is classified
    // through it.
    CoreDataManager unopened_;
};

QTEST_GUILESS_MAIN(TestSearchEngine)
#include "tst_searchengine.moc"
