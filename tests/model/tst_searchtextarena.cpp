#include "TestSupport.h"
#include "model/SearchTextArena.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"

#include <QFile>
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
    void remove(qint64 id) { exec("DELETE FROM paste_inf_search WHERE id = " + QByteArray::number(id)); }
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

// Whether two arenas hold the same text for every id up to `maxId`.
bool sameTexts(const SearchTextArena& a, const SearchTextArena& b, qint64 maxId)
{
    if (a.liveCount() != b.liveCount())
        return false;
    for (qint64 id = 0; id <= maxId; ++id) {
        if (a.find(id).isNull() != b.find(id).isNull() || a.find(id) != b.find(id)) {
            qWarning("texts of %lld differ", id);
            return false;
        }
    }
    return true;
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The history's texts, read, caught up with a few changes and an undone deletion (an id back
// below the newest), in groups small enough that there are many.
std::unique_ptr<SearchTextArena> heldTexts(History& history)
{
    SearchTextArena::setGroupTextBytes(256);
    history.exec("BEGIN");
    for (int id = 1; id <= 300; ++id)
        history.setText(id, "text number " + QByteArray::number(id) + (id % 7 ? "" : " seventh"));
    history.exec("COMMIT");
    QString error;
    auto arena = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
    history.remove(40);
    history.setText(301, "a later text");
    history.setText(40, "back again");
    history.setText(12, "changed twelve");
    history.remove(13);
    if (arena && arena->catchUp(history.reader(), &error) != SearchTextArena::CatchUp::Current)
        arena.reset();
    SearchTextArena::setGroupTextBytes(64 * 1024);
    return arena;
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

    // The texts kept in a file for the next run come back as they were, brought up to date with
    // what changed in between; the file is read once and readable by its owner alone.
    void fileKeepsTextsForTheNextRun()
    {
        History history;
        QTemporaryDir dir;
        const QString file = dir.filePath("search-texts");
        auto arena = heldTexts(history);
        QVERIFY(arena);
        QString error;
        QVERIFY2(arena->save(file, history.path(), {}, &error), qPrintable(error));
        QCOMPARE(QFile::permissions(file) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                               QFile::WriteUser),
                 QFile::Permissions());
        QVERIFY(!QFile::exists(file + ".part"));

        history.setText(302, "written while it was away");
        history.setText(7, "seven changed");
        history.remove(8);
        auto opened = SearchTextArena::open(file, history.path(), history.reader(), nullptr, &error);
        QVERIFY2(opened, qPrintable(error));
        QVERIFY(!QFile::exists(file));
        QVERIFY(opened->mappedTextBytes() > 0);
        auto fresh = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        QVERIFY(sameTexts(*opened, *fresh, 310));
        QVERIFY(groupsCoverEntries(*opened));
        QCOMPARE(opened->minId(), 1);
        QCOMPARE(opened->maxId(), 302);
        // The bitmaps came along: a group may hold what its texts hold, and few hold a rare run.
        qsizetype seventh = 0;
        for (qsizetype g = 0; g < opened->groupCount(); ++g) {
            const auto [first, end] = opened->groupEntries(g);
            for (qsizetype i = first; i < end; ++i)
                if (!opened->text(i).isNull())
                    QVERIFY(opened->groupMayHold(g, SearchTextArena::runsOf(opened->text(i).toByteArray())));
            seventh += opened->groupMayHold(g, SearchTextArena::runsOf("seventh")) ? 1 : 0;
            QVERIFY(opened->groupIntact(g));
        }
        QVERIFY(seventh < opened->groupCount());
        QVERIFY(!opened->damaged());

        // Kept again, with its own changes; the next read still agrees.
        history.setText(303, "one more");
        QCOMPARE(opened->catchUp(history.reader(), &error), SearchTextArena::CatchUp::Current);
        QVERIFY2(opened->save(file, history.path(), "what the caller keeps", &error), qPrintable(error));
        QByteArray attachment;
        auto again = SearchTextArena::open(file, history.path(), history.reader(), &attachment, &error);
        QVERIFY2(again, qPrintable(error));
        QCOMPARE(attachment, QByteArray("what the caller keeps"));
        fresh = SearchTextArena::load(history.reader(), {}, qint64(1) << 30, &error);
        QVERIFY(sameTexts(*again, *fresh, 310));
        QVERIFY(!SearchTextArena::open(file, history.path(), history.reader(), nullptr, &error));
        QVERIFY(error.isEmpty());
    }

    // A file that is cut short, altered or of something else is refused (and removed); one of
    // another history, or of a state the history's change log no longer leads from, too. A text
    // altered in the file is caught when its group is first looked at.
    void damagedOrForeignFilesAreRefused()
    {
        History history;
        QTemporaryDir dir;
        const QString file = dir.filePath("search-texts");
        auto arena = heldTexts(history);
        QVERIFY(arena);
        QString error;
        QVERIFY(arena->save(file, history.path(), {}, &error));
        const QByteArray good = fileBytes(file);
        const qsizetype headerSize = 120;
        const qsizetype textStart = headerSize, textEnd = good.indexOf("a later text") + 12;
        QVERIFY(textEnd > textStart);

        auto refused = [&](const QByteArray& bytes, const char* expected) {
            writeAll(file, bytes);
            QString why;
            const bool opened = SearchTextArena::open(file, history.path(), history.reader(), nullptr, &why) != nullptr;
            if (opened || !why.contains(QLatin1String(expected)) || QFile::exists(file)) {
                qWarning("%s: %s", expected, qPrintable(why));
                return false;
            }
            return true;
        };
        QVERIFY(refused(QByteArray(), "not a texts file"));
        QVERIFY(refused(good.left(50), "not a texts file"));
        QVERIFY(refused(good.left(good.size() - 1), "damaged"));
        QVERIFY(refused(good + "x", "damaged"));
        QByteArray changed = good;
        changed[0] = 'X';
        QVERIFY(refused(changed, "not a texts file of this version"));
        changed = good;
        changed[40] = char(changed[40] ^ 1); // the last change's number
        QVERIFY(refused(changed, "damaged (header)"));
        changed = good;
        changed[textEnd + 8] = char(changed[textEnd + 8] ^ 0x10); // an entry's offset
        QVERIFY(refused(changed, "damaged (checksum)"));
        QByteArray noise(good.size(), 0);
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = char(i * 131 + 7);
        QVERIFY(refused(noise, "not a texts file"));

        // Of another history, even one with the same texts.
        History other;
        auto otherArena = heldTexts(other);
        writeAll(file, good);
        QVERIFY(!SearchTextArena::open(file, other.path(), other.reader(), nullptr, &error));
        QVERIFY(error.contains("another history file"));

        // The log's entry at the file's last change names another item: not the state it was
        // saved from (a history put back from a copy, say).
        history.exec("UPDATE paste_inf_search_change SET id = id + 1000 WHERE seq = "
                     "(SELECT max(seq) FROM paste_inf_search_change)");
        writeAll(file, good);
        QVERIFY(!SearchTextArena::open(file, history.path(), history.reader(), nullptr, &error));
        QVERIFY(error.contains("change log"));
        history.exec("UPDATE paste_inf_search_change SET id = id - 1000 WHERE seq = "
                     "(SELECT max(seq) FROM paste_inf_search_change)");
        writeAll(file, good);
        QVERIFY2(SearchTextArena::open(file, history.path(), history.reader(), nullptr, &error), qPrintable(error));

        // The log went on beyond what it keeps.
        history.exec("BEGIN");
        for (int i = 0; i < 10001; ++i)
            history.exec("UPDATE paste_inf_search SET folded_text = folded_text WHERE id = 1");
        history.exec("COMMIT");
        writeAll(file, good);
        QVERIFY(!SearchTextArena::open(file, history.path(), history.reader(), nullptr, &error));
        QVERIFY(error.contains("change log"));

        // A text altered in the file: only its group is found damaged, when looked at.
        History fresh;
        auto freshArena = heldTexts(fresh);
        QVERIFY(freshArena->save(file, fresh.path(), {}, &error));
        QByteArray bytes = fileBytes(file);
        const qsizetype at = bytes.indexOf("text number 150");
        QVERIFY(at > 0);
        bytes[at] = 'T';
        writeAll(file, bytes);
        auto opened = SearchTextArena::open(file, fresh.path(), fresh.reader(), nullptr, &error);
        QVERIFY2(opened, qPrintable(error));
        QVERIFY(!opened->damaged());
        QVERIFY(opened->find(150).isNull());
        QVERIFY(opened->damaged());
        QCOMPARE(opened->find(250), QByteArrayView("text number 250"));
        qsizetype damagedGroups = 0;
        for (qsizetype g = 0; g < opened->groupCount(); ++g)
            damagedGroups += opened->groupIntact(g) ? 0 : 1;
        QCOMPARE(damagedGroups, 1);
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
