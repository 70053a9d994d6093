#include "model/SearchTextArena.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"

#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

// A history in the store's schema with a read connection of its own, as the search has.
class History
{
public:
    History()
    {
        SqliteDatabase db;
        QString error;
        if (!db.open(path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &error) ||
            !StoreSchema::migrate(db, 0, &error))
            qFatal("cannot create the test database: %s", qPrintable(error));
        sqlite3_open_v2(QFile::encodeName(path()).constData(), &reader_, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open(QFile::encodeName(path()).constData(), &writer_);
    }
    ~History()
    {
        sqlite3_close(reader_);
        sqlite3_close(writer_);
    }
    QString path() const { return dir_.filePath("history.sqlite"); }
    sqlite3* reader() const { return reader_; }

    void exec(const QByteArray& sql)
    {
        char* message = nullptr;
        if (sqlite3_exec(writer_, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK)
            qFatal("%s: %s", sql.constData(), message);
    }
    void setText(qint64 id, const QByteArray& text)
    {
        exec("INSERT INTO paste_inf_search(id, folded_text) VALUES(" + QByteArray::number(id) + ", '" + text +
             "') ON CONFLICT(id) DO UPDATE SET folded_text = excluded.folded_text");
    }

private:
    QTemporaryDir dir_;
    sqlite3* reader_ = nullptr;
    sqlite3* writer_ = nullptr;
};

// Whether every entry is in exactly one group, in order.
bool groupsCoverEntries(const SearchTextArena& arena)
{
    qsizetype next = 0;
    for (qsizetype g = 0; g < arena.groupCount(); ++g) {
        const auto [first, end] = arena.groupEntries(g);
        if (first != next || end <= first)
            return false;
        next = end;
    }
    return next == arena.size();
}

} // namespace

class TestSearchTextArena : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Read once, then caught up with inserts, changed and lost texts, and ids that come back
    // below the newest (an undo); too many of those, or a log that lost entries, asks for a
    // new read.
    void catchesUpWithTheLog()
    {
        History history;
        history.exec("BEGIN");
        for (int id = 1; id <= 300; ++id)
            history.setText(id, "text number " + QByteArray::number(id) + (id % 7 ? "" : " seventh"));
        history.exec("COMMIT");
        QString error;
        auto arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        QVERIFY2(arena, qPrintable(error));
        QCOMPARE(arena->liveCount(), 300);
        QCOMPARE(arena->find(43).toByteArray(), QByteArray("text number 43"));
        QCOMPARE(arena->find(42).toByteArray(), QByteArray("text number 42 seventh"));
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);

        history.setText(301, "a new one");
        history.setText(5, "changed");
        history.exec("DELETE FROM paste_inf_search WHERE id IN (6, 300)");
        history.setText(300, "back with its old id");
        history.exec("DELETE FROM paste_inf_search WHERE id = 10");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);
        QCOMPARE(arena->find(301).toByteArray(), QByteArray("a new one"));
        QCOMPARE(arena->find(5).toByteArray(), QByteArray("changed"));
        QVERIFY(arena->find(6).isNull());
        QCOMPARE(arena->find(300).toByteArray(), QByteArray("back with its old id"));
        QVERIFY(arena->find(10).isNull());
        QCOMPARE(arena->liveCount(), 299);
        history.setText(10, "ten again");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);
        QCOMPARE(arena->find(10).toByteArray(), QByteArray("ten again"));
        QVERIFY(groupsCoverEntries(*arena));

        // Ids put back below the newest beyond the short unsorted tail.
        history.exec("DELETE FROM paste_inf_search WHERE id < 300");
        arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        history.exec("BEGIN");
        for (int id = 1; id <= 4200; ++id)
            history.setText(id, "undone");
        history.exec("COMMIT");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Stale);

        // The log lost what came after this copy was read.
        arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        history.exec("DELETE FROM paste_inf_search_change");
        // Only entries it had seen are gone: it still knows what changed.
        history.setText(2, "seen");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);
        QCOMPARE(arena->find(2).toByteArray(), QByteArray("seen"));
        history.setText(3, "unseen");
        history.exec("DELETE FROM paste_inf_search_change");
        history.setText(1, "unseen");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Stale);
        arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        QCOMPARE(arena->find(1).toByteArray(), QByteArray("unseen"));

        // A history with no log cannot be held at all.
        history.exec("DROP TRIGGER paste_inf_search_deleted");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Unsupported);
        QVERIFY(!SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error));
        QVERIFY(error.contains("change log"));
    }

    // A group's bitmap holds the runs of its texts: a needle with a run none of them has is
    // ruled out, one they hold is not, and a short needle never is.
    void groupsRuleOutAbsentRuns()
    {
        History history;
        SearchTextArena::setGroupTextBytes(64);
        history.exec("BEGIN");
        for (int id = 1; id <= 200; ++id)
            history.setText(id, id == 150 ? "the needle is here" : "plain filler words, nothing else");
        history.setText(201, QByteArray(200000, 'x') + "tail");
        history.exec("COMMIT");
        QString error;
        auto arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        SearchTextArena::setGroupTextBytes(64 * 1024);
        QVERIFY(arena);
        QVERIFY(arena->groupCount() > 50);
        QVERIFY(groupsCoverEntries(*arena));
        const auto needle = SearchTextArena::runsOf("needle");
        const auto filler = SearchTextArena::runsOf("filler");
        qsizetype holding = 0;
        for (qsizetype g = 0; g < arena->groupCount(); ++g) {
            const auto [first, end] = arena->groupEntries(g);
            QVERIFY(arena->groupMayHold(g, SearchTextArena::runsOf("ne")));
            bool hasNeedle = false, hasFiller = false;
            for (qsizetype i = first; i < end; ++i) {
                hasNeedle = hasNeedle || arena->text(i).contains("needle");
                hasFiller = hasFiller || arena->text(i).contains("filler");
            }
            if (hasNeedle || hasFiller)
                QVERIFY(arena->groupMayHold(g, hasNeedle ? needle : filler));
            holding += arena->groupMayHold(g, needle) ? 1 : 0;
        }
        QVERIFY(holding < 4);
        // The large text has a group of its own, and a text changed later is found in it.
        history.setText(201, "now the needle");
        QCOMPARE(arena->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);
        const auto [first, end] = arena->groupEntries(arena->groupCount() - 1);
        QCOMPARE(end - first, 1);
        QVERIFY(arena->groupMayHold(arena->groupCount() - 1, needle));
    }

    // Texts beyond the memory they may take are not held; a stop request ends the read.
    void stopsAtItsLimits()
    {
        History history;
        history.exec("BEGIN");
        for (int id = 1; id <= 20000; ++id)
            history.setText(id, QByteArray(1000, 'a'));
        history.exec("COMMIT");
        QString error;
        QVERIFY(!SearchTextArena::load(history.reader(), {}, 8 << 20, &error));
        QVERIFY(error.contains("more than 8 MB"));
        QVERIFY(!SearchTextArena::load(
            history.reader(), [] { return true; }, qint64(1) << 30, &error));
        QVERIFY(SearchTextArena::load(
            history.reader(), [] { return false; }, 64 << 20, &error));
    }
};

QTEST_GUILESS_MAIN(TestSearchTextArena)
#include "tst_searchtextarena.moc"
