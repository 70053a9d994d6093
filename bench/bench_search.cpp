// Search over a stored history of 100,000 and 1,000,000 mostly-text items.
//
// The databases are generated once (a few minutes for the large one) and kept in /tmp between
// runs: /tmp/brimble-bench-search-v4-<items>.sqlite. Delete them to regenerate; one of an older
// schema (a copy of a v3 file) is upgraded as the store would.
//
// Arguments: items, query, and whether another connection commits a change before each search
// (as a capture does), so that the engine cannot reuse what it read for the previous one.
//
//   /tmp/devbuild bench_search && build/bench/bench_search --benchmark_counters_tabular=true

#include "BenchSupport.h"

#include "model/SearchEngine.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>

#include <unistd.h>

namespace {

const QString kDefaultClipboard = QStringLiteral("default-pasteinf-catgory-coooool");

// Texts shaped like a clipboard's: half under 100 B, nine in ten under 1 KB, one in a hundred
// over 10 KB and one in a thousand between 100 KB and 1 MB (mean about 1.3 KB). Words come from
// a small vocabulary so that queries have predictable selectivity: "meeting" is in about a third
// of the items, "façade" in a few percent, "zqxjkw" in none.
struct Rng
{
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    quint32 below(quint32 n) { return quint32(unit() * n); }
};

const char* const kCommon[] = {"the",     "and",    "for",      "that",  "with",  "this",  "from",   "have",
                               "error",   "return", "function", "const", "value", "https", "user",   "data",
                               "file",    "name",   "time",     "list",  "void",  "query", "select", "update",
                               "meeting", "thanks", "please",   "today", "build", "test"};
const char* const kInternational[] = {"café",     "Straße", "naïve",    "日本語", "ÉTÉ",
                                      "Ελληνικά", "добрый", "İstanbul", "façade", "über"};

QByteArray syllableWord(Rng& rng)
{
    static const char* const syllables[] = {"ka",  "lo",  "mi", "ne", "ru", "ta", "si", "po", "ve", "zu",
                                            "qua", "str", "ex", "on", "ar", "ib", "ol", "um", "xy", "pre"};
    QByteArray word;
    for (quint32 i = 0, n = 1 + rng.below(3); i < n; ++i)
        word += syllables[rng.below(20)];
    return word;
}

int textSize(Rng& rng)
{
    const double u = rng.unit();
    auto logUniform = [&](double lo, double hi) {
        return int(std::exp(std::log(lo) + rng.unit() * (std::log(hi) - std::log(lo))));
    };
    if (u < 0.5)
        return logUniform(10, 100);
    if (u < 0.9)
        return logUniform(100, 1000);
    if (u < 0.99)
        return logUniform(1000, 10000);
    if (u < 0.999)
        return logUniform(10000, 100000);
    return logUniform(100000, 1000000);
}

QByteArray benchText(quint32 seed, int index)
{
    Rng rng{(quint64(seed) << 32) ^ quint64(index) * 0x2545F4914F6CDD1Dull};
    const int size = textSize(rng);
    QByteArray text;
    text.reserve(size + 32);
    while (text.size() < size) {
        const double u = rng.unit();
        QByteArray word;
        if (u < 0.35)
            word = kCommon[rng.below(30)];
        else if (u < 0.37)
            word = kInternational[rng.below(10)];
        else if (u < 0.38)
            word = "https://example.org/" + syllableWord(rng);
        else
            word = syllableWord(rng);
        if (rng.below(8) == 0)
            word[0] = char(std::toupper(uchar(word[0])));
        text += word;
        text += rng.below(12) == 0 ? "\n" : " ";
    }
    return text;
}

bool exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "bench_search: %s: %s\n", sql, error);
    sqlite3_free(error);
    return false;
}

// The store's schema, filled in one transaction: 97% of the items in the default clipboard,
// one in fifty moved to the top (a newer date than its row id suggests), 1% images without text.
bool generate(const QString& path, int items)
{
    QFile::remove(path);
    {
        SqliteDatabase store;
        QString error;
        if (!store.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &error) ||
            !StoreSchema::migrate(store, 0, &error)) {
            std::fprintf(stderr, "bench_search: %s\n", qPrintable(error));
            return false;
        }
    }
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    // One view takes a text with its folded form and fills both tables.
    bool ok =
        exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF; CREATE TEMP VIEW texts(id, plain_text, "
                 "folded_text) AS SELECT 0, NULL, NULL; CREATE TEMP TRIGGER texts_insert INSTEAD OF INSERT "
                 "ON texts BEGIN INSERT INTO paste_inf_text(id, plain_text) VALUES(NEW.id, NEW.plain_text); "
                 "INSERT INTO paste_inf_search(id, folded_text) VALUES(NEW.id, NEW.folded_text); END; BEGIN");
    sqlite3_stmt *meta = nullptr, *content = nullptr, *text = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO paste_inf(id, uuid, date, category_uuid, app_name, app_bundle_url, "
        "app_bundle_identifier, display_type, display_paste_board_type, type_data, content_size) "
        "VALUES(?1, ?2, ?3, ?4, 'Editor', '/usr/share/applications/org.example.Editor.desktop', "
        "'org.example.Editor', ?5, 'text/plain;charset=utf-8', x'8178', ?6)",
        -1, &meta, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO paste_inf_content(id, item_data) VALUES(?1, ?2)", -1, &content,
                       nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO texts(id, plain_text, folded_text) VALUES(?1, ?2, ?3)", -1, &text,
                       nullptr);
    const qint64 base = 1700000000000;
    for (int i = 0; ok && i < items; ++i) {
        Rng rng{quint64(i) * 7919 + 1};
        qint64 date = base + qint64(i) * 1000;
        if (rng.below(50) == 0)
            date = base + qint64(items) * 1000 + rng.below(100000) * 10;
        const bool otherClipboard = rng.below(33) == 0;
        const quint32 kind = rng.below(1000);
        QByteArray plain;
        QByteArray data;
        const char* type = "plain-text";
        if (kind < 10) {
            type = "image";
            data = QByteArray(20000, 'i');
        } else {
            plain = benchText(42, i);
            type = kind < 40    ? "file"
                   : kind < 90  ? "link"
                   : kind < 100 ? "color"
                   : kind < 130 ? "rich-text-format"
                                : type;
            data = plain;
        }
        const QByteArray uuid =
            QUuid::createUuidV5(QUuid(), QByteArray::number(i)).toByteArray(QUuid::WithoutBraces);
        const QByteArray category =
            otherClipboard ? QByteArray("bench-other-clipboard") : kDefaultClipboard.toUtf8();
        sqlite3_bind_int64(meta, 1, i + 1);
        sqlite3_bind_text(meta, 2, uuid.constData(), int(uuid.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(meta, 3, date);
        sqlite3_bind_text(meta, 4, category.constData(), int(category.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(meta, 5, type, -1, SQLITE_STATIC);
        sqlite3_bind_int64(meta, 6, data.size());
        ok = sqlite3_step(meta) == SQLITE_DONE && ok;
        sqlite3_reset(meta);
        sqlite3_bind_int64(content, 1, i + 1);
        sqlite3_bind_blob(content, 2, data.constData(), int(data.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(content) == SQLITE_DONE && ok;
        sqlite3_reset(content);
        if (!plain.isNull()) {
            const QByteArray folded = QString::fromUtf8(plain).toLower().toUtf8();
            sqlite3_bind_int64(text, 1, i + 1);
            sqlite3_bind_text(text, 2, plain.constData(), int(plain.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(text, 3, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
            ok = sqlite3_step(text) == SQLITE_DONE && ok;
            sqlite3_reset(text);
        }
    }
    sqlite3_finalize(meta);
    sqlite3_finalize(content);
    sqlite3_finalize(text);
    ok = ok && exec(db, "COMMIT") && exec(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    sqlite3_close(db);
    if (!ok)
        QFile::remove(path);
    return ok;
}

// A history of an older schema is brought up to date the way the store does it when it opens.
bool upgrade(const QString& path)
{
    SqliteDatabase db;
    QString error;
    StoreSchema::Inspection inspection;
    if (!db.open(path, SQLITE_OPEN_READWRITE, &error) || !StoreSchema::inspect(db, &inspection, &error) ||
        !StoreSchema::migrate(db, inspection.version, &error) || !StoreSchema::restoreDerived(db, &error)) {
        std::fprintf(stderr, "bench_search: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

QString database(int items)
{
    const QString path = BenchSupport::searchHistoryPath(items);
    if (!QFile::exists(path)) {
        std::fprintf(stderr, "bench_search: generating %s ...\n", qPrintable(path));
        if (!generate(path, items))
            return {};
    }
    return upgrade(path) ? path : QString();
}

const char* const kQueries[] = {"meeting", "façade", "zqxjkw", "type:link", "type:link https"};

// CPU time of the whole process, all threads: the work a search costs, which unlike its wall time
// does not depend on what else the machine is running.
double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Timing
{
    double cpuMs = 0;
    double firstMs = -1;
    double completeMs = -1;
    qsizetype matches = 0;
    qint64 rowsExamined = 0;
};

Timing timedSearch(SearchEngine& engine, const QString& query)
{
    Timing timing;
    QEventLoop loop;
    QElapsedTimer clock;
    quint64 generation = 0;
    auto first =
        QObject::connect(&engine, &SearchEngine::firstResults, &loop, [&](quint64 g, const SearchResults&) {
            if (g == generation)
                timing.firstMs = clock.nsecsElapsed() / 1e6;
        });
    auto done =
        QObject::connect(&engine, &SearchEngine::finished, &loop, [&](quint64 g, const SearchResults& r) {
            if (g != generation)
                return;
            timing.completeMs = clock.nsecsElapsed() / 1e6;
            timing.matches = r.size();
        });
    auto ended =
        QObject::connect(&engine, &SearchEngine::passEnded, &loop, [&](quint64 g, qint64 rows, bool) {
            if (g != generation)
                return;
            timing.rowsExamined = rows;
            loop.quit();
        });
    const double cpuStart = processCpuMs();
    clock.start();
    generation = engine.search(kDefaultClipboard, query);
    loop.exec();
    timing.cpuMs = processCpuMs() - cpuStart;
    QObject::disconnect(first);
    QObject::disconnect(done);
    QObject::disconnect(ended);
    if (timing.firstMs < 0) // fewer than a screenful: the complete list is the first screen
        timing.firstMs = timing.completeMs;
    return timing;
}

void BM_Search(benchmark::State& state)
{
    const int items = int(state.range(0));
    const QString query = QString::fromUtf8(kQueries[state.range(1)]);
    const QString path = database(items);
    if (path.isEmpty()) {
        state.SkipWithError("cannot generate the database");
        return;
    }
    const bool changeBefore = state.range(2) != 0;
    sqlite3* writer = nullptr;
    sqlite3_stmt* touch = nullptr;
    if (changeBefore) {
        // Rewrites one row with its own values: a commit that leaves the results as they were.
        sqlite3_open(QFile::encodeName(path).constData(), &writer);
        sqlite3_busy_timeout(writer, 5000);
        sqlite3_prepare_v2(writer, "UPDATE paste_inf SET content_size = content_size WHERE id = 1", -1,
                           &touch, nullptr);
    }
    SearchEngine engine(BenchSupport::store());
    engine.setDatabasePath(path);
    engine.setHoldsTexts(state.range(3) != 0);
    // Opens the connections and maps the file; then the texts are read into memory.
    timedSearch(engine, query);
    if (state.range(3) != 0 && !engine.heldTexts()) {
        QEventLoop loop;
        QObject::connect(&engine, &SearchEngine::textsLoaded, &loop, &QEventLoop::quit);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        QElapsedTimer loading;
        loading.start();
        loop.exec();
        state.counters["texts_load_ms"] = double(loading.elapsed());
    }
    double first = 0, firstWorst = 0, cpu = 0;
    Timing timing;
    for (auto _ : state) {
        if (touch && (sqlite3_step(touch) != SQLITE_DONE || sqlite3_reset(touch) != SQLITE_OK)) {
            state.SkipWithError("cannot change the database");
            break;
        }
        timing = timedSearch(engine, query);
        state.SetIterationTime(timing.completeMs / 1000.0);
        first += timing.firstMs;
        cpu += timing.cpuMs;
        firstWorst = std::max(firstWorst, timing.firstMs);
    }
    sqlite3_finalize(touch);
    sqlite3_close(writer);
    state.SetLabel(query.toStdString() + (changeBefore ? " (after a change)" : "") +
                   (state.range(3) != 0 ? "" : " (table scan)"));
    if (const auto held = engine.heldTexts()) {
        state.counters["texts_MB"] = double(held->textBytes) / 1e6;
        state.counters["entry_B_per_item"] = double(held->entryBytes) / items;
    }
    state.counters["first_ms"] = first / double(state.iterations());
    state.counters["cpu_ms"] = cpu / double(state.iterations());
    state.counters["first_worst_ms"] = firstWorst;
    state.counters["matches"] = double(timing.matches);
    state.counters["rows_examined"] = double(timing.rowsExamined);
    state.counters["anon_MB"] = BenchSupport::anonymousMegabytes();
}

void searchArguments(benchmark::internal::Benchmark* bench)
{
    for (int items : {100000, 1000000}) {
        for (int query = 0; query < int(std::size(kQueries)); ++query)
            bench->Args({items, query, 0, 1});
        for (int query : {0, 2, 3})
            bench->Args({items, query, 1, 1});
        for (int query : {0, 2})
            bench->Args({items, query, 0, 0});
    }
}

BENCHMARK(BM_Search)->Apply(searchArguments)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The texts file a run of Brimble leaves for the next, for the history at `path`, written once
// (timed: it is what quitting costs) and kept beside the history. Empty when it cannot be made.
QString keptTexts(const QString& path, benchmark::State& state)
{
    const QString master = path + QStringLiteral(".texts");
    if (QFile::exists(master))
        return master;
    {
        // As Brimble's store does on every open: the change log covers the history order too.
        SqliteDatabase db;
        QString error;
        if (!db.open(path, SQLITE_OPEN_READWRITE, &error) || !StoreSchema::restoreDerived(db, &error))
            return {};
    }
    auto engine = std::make_unique<SearchEngine>(BenchSupport::store());
    engine->setDatabasePath(path);
    engine->setTextsFile(master);
    timedSearch(*engine, QStringLiteral("meeting"));
    QEventLoop loop;
    QObject::connect(engine.get(), &SearchEngine::textsLoaded, &loop, &QEventLoop::quit);
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    if (!engine->heldTexts())
        loop.exec();
    timedSearch(*engine, QStringLiteral("meeting"));
    QElapsedTimer saving;
    saving.start();
    engine.reset();
    state.counters["save_ms"] = double(saving.elapsed());
    return QFile::exists(master) ? master : QString();
}

// The first search after launch: a new engine over the history. With the fourth argument 1 none
// of it is in memory, the page cache dropped before each run (skipped without root). With the
// third argument 1 the texts file the last run left is there, as after quitting Brimble and
// starting it again.
void BM_SearchCold(benchmark::State& state)
{
    const int items = int(state.range(0));
    const QString query = QString::fromUtf8(kQueries[state.range(1)]);
    const bool kept = state.range(2) != 0;
    const bool cold = state.range(3) != 0;
    const QString path = database(items);
    if (path.isEmpty()) {
        state.SkipWithError("cannot generate the database");
        return;
    }
    const QString master = kept ? keptTexts(path, state) : QString();
    if (kept && master.isEmpty()) {
        state.SkipWithError("cannot keep the texts");
        return;
    }
    const QString file = path + QStringLiteral(".texts-run");
    double first = 0;
    Timing timing;
    bool mapped = true;
    int ordersTaken = 0;
    for (auto _ : state) {
        // A link: the engine removes the file it reads, the master stays.
        QFile::remove(file);
        if (kept && ::link(QFile::encodeName(master).constData(), QFile::encodeName(file).constData()) != 0) {
            state.SkipWithError("cannot place the texts file");
            return;
        }
        if (cold && !BenchSupport::dropPageCache()) {
            state.SkipWithError("cannot drop the page cache (needs root)");
            return;
        }
        SearchEngine engine(BenchSupport::store());
        engine.setDatabasePath(path);
        if (kept)
            engine.setTextsFile(file);
        timing = timedSearch(engine, query);
        state.SetIterationTime(timing.completeMs / 1000.0);
        first += timing.firstMs;
        mapped = mapped && (!kept || engine.heldTexts().has_value());
        ordersTaken += engine.keptOrdersTaken();
        // Not kept again by this engine.
        engine.setTextsFile(QString());
    }
    if (!mapped)
        state.SkipWithError("the texts file was not used");
    state.SetLabel(query.toStdString() + (cold ? " (cold" : " (warm") + (kept ? ", texts kept)" : ")"));
    state.counters["first_ms"] = first / double(state.iterations());
    state.counters["matches"] = double(timing.matches);
    if (kept)
        state.counters["orders_taken"] = ordersTaken;
}
BENCHMARK(BM_SearchCold)
    ->ArgsProduct({{100000, 1000000}, {0, 2}, {0, 1}, {1, 0}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return BenchSupport::runBenchmarks(argc, argv);
}
