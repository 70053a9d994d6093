// Undo in the store: what a kept delete, clear or move changed comes back exactly as it was
// stored, and only the last kept change does.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "platform/PasteboardTypes.h"

#include <QSet>
#include <QTest>

#include <sqlite3.h>

#include <future>
#include <mutex>

namespace {

const QString kNotes = QStringLiteral("notes-clipboard");

// Every stored byte of every item, row by row in id order: the item, its content, its text and
// its search text, each column with its SQLite type.
QStringList storedRows(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT p.*, c.item_data, t.plain_text, s.folded_text FROM paste_inf p "
                       "LEFT JOIN paste_inf_content c USING(id) LEFT JOIN paste_inf_text t USING(id) "
                       "LEFT JOIN paste_inf_search s USING(id) ORDER BY p.id",
                       -1, &stmt, nullptr);
    QStringList rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QString row;
        for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            row += QString::number(sqlite3_column_type(stmt, column)) + QLatin1Char(':') +
                   QString::fromLatin1(QByteArray(bytes, sqlite3_column_bytes(stmt, column)).toHex()) +
                   QLatin1Char('|');
        }
        rows.append(row);
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return rows;
}

QList<qint64> idsOf(const QString& path, const QString& where = QStringLiteral("1"))
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = "SELECT id FROM paste_inf WHERE " + where.toUtf8() + " ORDER BY date DESC";
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    QList<qint64> ids;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        ids.append(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return ids;
}

qint64 undo()
{
    std::promise<qint64> restored;
    store().undoLastChange([&](qint64 count) { restored.set_value(count); });
    return restored.get_future().get();
}

PasteCategoryInfModel clipboard(const QString& uuid)
{
    PasteCategoryInfModel model;
    model.uuid = uuid;
    model.title = uuid;
    return model;
}

// Four items: a rich copy with text, HTML and an image, two texts in the history and one in a
// second clipboard, each a second apart.
void fillHistory()
{
    store().ensureDefaultCategory();
    store().insertCategory(clipboard(kNotes));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const PasteboardItem rich({{PasteboardType::string, QByteArray("rich text")},
                               {QStringLiteral("text/html"), QByteArray("<b>rich</b> text")},
                               {QStringLiteral("image/png"), pngOf(QSize(4, 3))}});
    PasteInfModel richModel = PasteInfModel::capture(PasteboardItems{rich}, rich.types(), nullptr);
    richModel.date = now.addSecs(-40);
    richModel.categoryUUID = kDefaultCategoryUUID;
    store().insertPasteInf(richModel);
    store().insertPasteInf(textCapture("second", now.addSecs(-30)));
    store().insertPasteInf(textCapture("in the notes", now.addSecs(-20), kNotes));
    store().insertPasteInf(textCapture("newest", now.addSecs(-10)));
    store().waitForQueued();
}

} // namespace

class TestStoreUndo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void deleteClearAndMoveComeBackAsStored();
    void anItemWhoseIdWasTakenComesBackUnderANewOne();
    void onlyTheLastKeptChangeComesBack();
    void aReplacedItemComesBackInPlaceOfItsReplacement();
};

void TestStoreUndo::deleteClearAndMoveComeBackAsStored()
{
    TestHome home;
    fillHistory();
    const QString path = home.databasePath();
    const QStringList before = storedRows(path);
    QCOMPARE(before.size(), 4);
    const QList<qint64> history =
        idsOf(path, QStringLiteral("category_uuid = '%1'").arg(kDefaultCategoryUUID));
    QCOMPARE(history.size(), 3);

    QList<HistoryChange> changes;
    std::mutex mutex;
    const int observer = store().addChangeObserver([&](const HistoryChange& change) {
        std::lock_guard lock(mutex);
        changes.append(change);
    });

    // A delete of the rich copy and the newest text.
    const QList<qint64> deleted{history.first(), history.last()};
    store().deletePasteInfIds(deleted, {}, true);
    store().waitForQueued();
    QCOMPARE(storedRows(path).size(), 2);
    QCOMPARE(undo(), 2);
    QCOMPARE(storedRows(path), before);
    {
        std::lock_guard lock(mutex);
        QCOMPARE(changes.last().kind, HistoryChange::Kind::Reset);
        QCOMPARE(QSet<qint64>(changes.last().ids.cbegin(), changes.last().ids.cend()),
                 QSet<qint64>(deleted.cbegin(), deleted.cend()));
    }
    // The content a list reads is the stored one again, every representation of it.
    const QList<PasteInfModel> listed = store().fetchPasteInfs(clipboard(kDefaultCategoryUUID));
    QCOMPARE(listed.size(), 3);
    const std::optional<PasteboardItems> items = store().fetchPasteboardItems(listed.last().uuid.value());
    QVERIFY(items && items->size() == 1);
    QCOMPARE(items->first().dataForType(QStringLiteral("text/html")),
             std::optional(QByteArray("<b>rich</b> text")));
    QCOMPARE(items->first().dataForType(QStringLiteral("image/png")), std::optional(pngOf(QSize(4, 3))));

    // A clear of the history leaves the other clipboard alone and comes back whole.
    store().deletePasteInfs(clipboard(kDefaultCategoryUUID), true);
    store().waitForQueued();
    QCOMPARE(storedRows(path).size(), 1);
    QCOMPARE(undo(), 3);
    QCOMPARE(storedRows(path), before);

    // A move to the notes comes back to its old date in the history, below the newest.
    std::promise<bool> moved;
    store().movePasteInfsToTop(
        {history.at(1)}, kNotes, [&](bool ok) { moved.set_value(ok); }, true);
    QVERIFY(moved.get_future().get());
    QCOMPARE(idsOf(path, QStringLiteral("category_uuid = '%1'").arg(kNotes)).size(), 2);
    QCOMPARE(undo(), 1);
    QCOMPARE(storedRows(path), before);
    QCOMPARE(idsOf(path, QStringLiteral("category_uuid = '%1'").arg(kDefaultCategoryUUID)), history);

    store().removeChangeObserver(observer);
}

void TestStoreUndo::anItemWhoseIdWasTakenComesBackUnderANewOne()
{
    TestHome home;
    fillHistory();
    const QString path = home.databasePath();
    const QList<PasteInfModel> before = store().fetchPasteInfs(clipboard(kDefaultCategoryUUID));
    const qint64 newest = idsOf(path).first();

    // SQLite hands the freed largest id to the next insert.
    store().deletePasteInfIds({newest}, {}, true);
    store().insertPasteInf(textCapture("copied after the delete", QDateTime::currentDateTimeUtc()));
    store().waitForQueued();
    QCOMPARE(idsOf(path).first(), newest);

    QCOMPARE(undo(), 1);
    const QList<PasteInfModel> after = store().fetchPasteInfs(clipboard(kDefaultCategoryUUID));
    QCOMPARE(after.size(), 4);
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after.at(i + 1).uuid, before.at(i).uuid);
        QCOMPARE(after.at(i + 1).date, before.at(i).date);
    }
    QCOMPARE(store().fetchPlainText(before.first().uuid.value()), QStringLiteral("newest"));
    QCOMPARE(store().fetchPlainText(after.first().uuid.value()), QStringLiteral("copied after the delete"));
}

void TestStoreUndo::onlyTheLastKeptChangeComesBack()
{
    TestHome home;
    fillHistory();
    const QString path = home.databasePath();
    const QList<qint64> ids = idsOf(path);

    // Nothing kept yet; a delete made without keeping is not undone either.
    QCOMPARE(undo(), 0);
    store().deletePasteInfIds({ids.at(0)});
    store().waitForQueued();
    QCOMPARE(undo(), 0);

    store().deletePasteInfIds({ids.at(3)}, {}, true);
    store().deletePasteInfIds({ids.at(2)}, {}, true);
    store().waitForQueued();
    QCOMPARE(undo(), 1);
    QCOMPARE(idsOf(path), (QList<qint64>{ids.at(1), ids.at(2)}));
    // Undone once, the record is empty.
    QCOMPARE(undo(), 0);

    // A clipboard deleted since takes its items' way back with it.
    store().deletePasteInfs(clipboard(kNotes), true);
    store().deleteCategory(clipboard(kNotes));
    store().waitForQueued();
    QCOMPARE(undo(), 0);
    store().insertCategory(clipboard(kNotes));
    QCOMPARE(idsOf(path, QStringLiteral("category_uuid = '%1'").arg(kNotes)), QList<qint64>());
}

void TestStoreUndo::aReplacedItemComesBackInPlaceOfItsReplacement()
{
    TestHome home;
    fillHistory();
    const QString path = home.databasePath();
    const QStringList before = storedRows(path);
    const QList<PasteInfModel> history = store().fetchPasteInfs(clipboard(kDefaultCategoryUUID));
    const PasteInfModel second = history.at(1);
    QCOMPARE(store().fetchPlainText(second.uuid.value()), QStringLiteral("second"));

    // Whatever date and clipboard the replacement says, it takes the item's.
    const auto replace = [](const QString& uuid, const PasteInfModel& model) {
        std::promise<CoreDataManager::ReplaceResult> result;
        store().replacePasteInf(
            uuid, model, [&](CoreDataManager::ReplaceResult r) { result.set_value(r); }, true);
        return result.get_future().get();
    };
    const PasteInfModel edited = textCapture("second, edited", QDateTime::currentDateTimeUtc(), kNotes);
    QCOMPARE(replace(second.uuid.value(), edited), CoreDataManager::ReplaceResult::replaced);
    const QList<PasteInfModel> replaced = store().fetchPasteInfs(clipboard(kDefaultCategoryUUID));
    QCOMPARE(replaced.size(), history.size());
    QCOMPARE(replaced.at(1).uuid, edited.uuid);
    QCOMPARE(replaced.at(1).date, second.date);
    QCOMPARE(store().fetchPlainText(edited.uuid.value()), QStringLiteral("second, edited"));
    QVERIFY(!store().fetchPasteInf(second.uuid.value()));

    // Undo: the item as it was stored, to the byte, and the replacement gone.
    QCOMPARE(undo(), 1);
    QCOMPARE(storedRows(path), before);
    QVERIFY(!store().fetchPasteInf(edited.uuid.value()));

    // An item gone meanwhile is not replaced, and nothing is written.
    QCOMPARE(replace(edited.uuid.value(), textCapture("late", QDateTime::currentDateTimeUtc())),
             CoreDataManager::ReplaceResult::originalGone);
    QCOMPARE(storedRows(path), before);

    // A replacement whose item cannot come back (its clipboard was deleted) stays.
    const PasteInfModel notes = store().fetchPasteInfs(clipboard(kNotes)).value(0);
    const PasteInfModel notesEdited = textCapture("notes, edited", QDateTime::currentDateTimeUtc());
    QCOMPARE(replace(notes.uuid.value(), notesEdited), CoreDataManager::ReplaceResult::replaced);
    store().deleteCategory(clipboard(kNotes));
    store().waitForQueued();
    QCOMPARE(undo(), 0);
    QVERIFY(store().fetchPasteInf(notesEdited.uuid.value()));
}

QTEST_GUILESS_MAIN(TestStoreUndo)
#include "tst_storeundo.moc"
