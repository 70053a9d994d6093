#include "HistoryReader.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/ModelCoding.h"
#include "model/RetentionRule.h"
#include "model/SqliteDatabase.h"
#include "model/StoreFileAccess.h"
#include "model/StoreSchema.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <limits>

namespace {

const QString kTag = QStringLiteral("HistoryReader");
// What counts as blank at the start of a text (QString::trimmed's white space, as far as texts
// hold it).
const QString kBlanks = QStringLiteral(" \t\n\r\v\f\u00a0\u0085\u2028\u2029\u3000");

// Ids travel to SQL as one JSON array, so a page is one statement whatever its size; pages this
// long keep the array text and the statement's work small.
constexpr qsizetype kIdsPerStatement = 500;

// The last column is the start of the plain text, cut in SQL so that a long text is never copied
// out whole. It is cut as bytes: substr() on text stops at the first NUL. Four bytes hold any
// character, so 1200 bytes hold the preview's 300 (PasteInfRow::previewTextLength).
#define ROW_COLUMNS                                                                                          \
    "p.id, p.uuid, p.date, p.category_uuid, p.app_name, p.app_bundle_url, p.app_bundle_identifier, "         \
    "p.display_type, p.display_paste_board_type, p.type_data, p.header_bg_color, "                           \
    "substr(CAST(t.plain_text AS BLOB), 1, 1200), p.secret_kind, "                                          \
    "CASE WHEN p.secret_kind IS NOT NULL THEN length(t.plain_text) END, "                                   \
    "(SELECT substr(o.text, 1, 4000) FROM paste_inf_image_text o WHERE o.id = p.id)"

// The rule's bounds as parameters ?2 (1 when nothing expires in this clipboard), ?3 and ?4.
#define KEPT_BY_RULE "(?2 OR p.date IS NULL OR p.date BETWEEN ?3 AND ?4)"

void bindRule(SqliteStatement& statement, const RetentionRule& rule, bool appliesHere)
{
    statement.bind(2, qint64(appliesHere && !rule.keepsEverything() ? 0 : 1));
    statement.bind(3, rule.oldestKeptMs());
    statement.bind(4, rule.newestKeptMs());
}

PasteInfRow readRow(const SqliteStatement& row)
{
    PasteInfRow r;
    r.id = row.int64(0);
    r.uuid = row.text(1).value_or(QString());
    if (const auto ms = row.integer(2))
        r.date = QDateTime::fromMSecsSinceEpoch(*ms, Qt::UTC);
    r.categoryUUID = row.text(3).value_or(QString());
    r.appName = row.text(4);
    r.appBundleUrl = row.text(5);
    r.appBundleIdentifier = row.text(6);
    if (const auto raw = row.text(7))
        r.displayType = DisplayType::fromRawValue(*raw);
    r.displayPasteBoardType = row.text(8);
    if (!row.isNull(9))
        r.types = ModelCoding::decodeTypes(row.blobView(9)).value_or(QStringList());
    if (!row.isNull(10))
        r.headerBgColor = ModelCoding::decodeColor(row.blobView(10));
    if (!row.isNull(11)) {
        const QString start = QString::fromUtf8(row.blobView(11));
        // The first previewTextLength characters (code points, as SQL counts them).
        qsizetype end = 0;
        for (qsizetype count = 0; end < start.size() && count < PasteInfRow::previewTextLength; ++count)
            end += start.at(end).isHighSurrogate() && end + 1 < start.size() ? 2 : 1;
        r.previewText = start.left(end);
    }
    if (const auto kind = row.text(12)) {
        r.secretKind = SecretShape::fromRawValue(*kind);
        r.secretLength = row.integer(13).value_or(0);
    }
    r.imageText = row.text(14);
    return r;
}

} // namespace

struct HistoryReader::Impl
{
    explicit Impl(const CoreDataManager& store) : store(store) {}
    const CoreDataManager& store;
    QString path;
    SqliteDatabase db;
    QString damage;

    bool ready()
    {
        if (db.isOpen())
            return true;
        Log::error(kTag, QStringLiteral("the history is not open for reading"));
        return false;
    }

    void logFailure(const QString& what) { Log::error(kTag, what + db.errorMessage()); }

    // A preview that is all blank says nothing; such a text is read again from its first
    // non-blank character. Rare, so the cost of trimming a long text in SQL is paid only here.
    void skipBlankStarts(QList<PasteInfRow>& rows)
    {
        std::optional<SqliteStatement> start;
        for (PasteInfRow& row : rows) {
            if (!row.previewText || row.previewText->size() < PasteInfRow::previewTextLength ||
                !row.previewText->trimmed().isEmpty())
                continue;
            if (!start) {
                start.emplace(db.prepare("SELECT substr(ltrim(plain_text, ?1), 1, 300) FROM paste_inf_text "
                                         "WHERE id = ?2"));
                if (!start->isValid()) {
                    logFailure(QStringLiteral("read history rows fail, "));
                    return;
                }
            }
            start->reset();
            start->bind(1, std::optional<QString>(kBlanks));
            start->bind(2, row.id);
            if (start->step() == SQLITE_ROW) {
                row.previewText = start->text(0).value_or(QString());
                row.previewSkipsBlankStart = true;
            }
        }
    }
};

HistoryReader::HistoryReader(const CoreDataManager& store, const QString& databasePath)
    : d(std::make_unique<Impl>(store))
{
    d->path = databasePath;
    d->db.setCorruptionObserver([this](const QString& reason) {
        d->damage = reason;
        Log::error(kTag, QStringLiteral("the history file is damaged: ") + reason);
    });
}

QString HistoryReader::damage() const
{
    return d->damage;
}

HistoryReader::~HistoryReader() = default;

bool HistoryReader::open(QString* error)
{
    QString path = d->path;
    if (path.isEmpty())
        path = d->store.isOpen() ? d->store.path() : CoreDataManager::defaultPath();
    // The log keeps English; the caller gets the reason in the user's language.
    auto fail = [&](const QString& reason, const QString& said = QString()) {
        d->db.close();
        if (error)
            *error = said.isEmpty() ? reason : said;
        Log::error(kTag, QStringLiteral("cannot read %1: %2").arg(path, reason));
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("no history yet"), LocalizedHistory::noneYet());
    if (!info.isFile())
        return fail(QStringLiteral("not a regular file"), LocalizedHistory::notRegularFile());
    if (const auto reason = StoreFileAccess::whyNotReadable(path))
        return fail(*reason);

    QString reason;
    if (!d->db.open(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, &reason))
        return fail(reason);
    sqlite3_busy_timeout(d->db.handle(), 2000);
    StoreSchema::Inspection inspection;
    if (!StoreSchema::inspect(d->db, &inspection, &reason) || !StoreSchema::isUsable(inspection, &reason))
        return fail(reason);
    if (inspection.schemaObjects == 0)
        return fail(QStringLiteral("no history yet"), LocalizedHistory::noneYet());
    if (inspection.version != StoreSchema::currentVersion())
        return fail(QStringLiteral("its schema (version %1) needs Brimble to upgrade it first")
                        .arg(inspection.version),
                    LocalizedHistory::needsUpgrade(inspection.version));
    d->db.exec("PRAGMA query_only = 1");
    return true;
}

std::optional<QList<qint64>> HistoryReader::historyIds(const QString& categoryUuid, qsizetype limit)
{
    if (!d->ready())
        return std::nullopt;
    const RetentionRule rule = d->store.retentionRule();
    const bool ruleApplies = categoryUuid == kDefaultCategoryUUID;
    // Straight from the (category_uuid, date DESC) index, which holds the row id as well: the
    // table itself is never read. Two range walks, the kept dates and then the undated items,
    // which come last, so no row has a condition of its own to test: at a million items that
    // walk is what opening a clipboard costs.
    SqliteStatement dated =
        d->db.prepare("SELECT id FROM paste_inf WHERE category_uuid = ?1 AND date BETWEEN ?2 "
                      "AND ?3 ORDER BY date DESC LIMIT ?4");
    SqliteStatement undated =
        d->db.prepare("SELECT id FROM paste_inf WHERE category_uuid = ?1 AND date IS NULL LIMIT ?2");
    if (!dated.isValid() || !undated.isValid()) {
        d->logFailure(QStringLiteral("read history order fail, "));
        return std::nullopt;
    }
    dated.bind(1, std::optional<QString>(categoryUuid));
    dated.bind(2, ruleApplies ? rule.oldestKeptMs() : std::numeric_limits<qint64>::min());
    dated.bind(3, ruleApplies ? rule.newestKeptMs() : std::numeric_limits<qint64>::max());
    dated.bind(4, qint64(limit > 0 ? limit : -1));
    QList<qint64> result;
    if (limit > 0)
        result.reserve(limit);
    int rc;
    while ((rc = dated.step()) == SQLITE_ROW)
        result.append(dated.int64(0));
    if (rc == SQLITE_DONE && (limit <= 0 || result.size() < limit)) {
        undated.bind(1, std::optional<QString>(categoryUuid));
        undated.bind(2, qint64(limit > 0 ? limit - result.size() : -1));
        while ((rc = undated.step()) == SQLITE_ROW)
            result.append(undated.int64(0));
    }
    if (rc != SQLITE_DONE) {
        d->logFailure(QStringLiteral("read history order fail, "));
        return std::nullopt;
    }
    return result;
}

QList<PasteInfRow> HistoryReader::rows(const QList<qint64>& ids, bool* failed)
{
    QList<PasteInfRow> result;
    if (ids.isEmpty())
        return result;
    if (!d->ready()) {
        if (failed)
            *failed = true;
        return result;
    }
    result.reserve(ids.size());
    // The ids' own order is the array's (json_each's key), and the join reads no content.
    SqliteStatement rows = d->db.prepare("SELECT " ROW_COLUMNS " FROM json_each(?1) AS j "
                                         "CROSS JOIN paste_inf p ON p.id = j.value "
                                         "LEFT JOIN paste_inf_text t ON t.id = p.id ORDER BY j.key");
    if (!rows.isValid()) {
        d->logFailure(QStringLiteral("read history rows fail, "));
        if (failed)
            *failed = true;
        return result;
    }
    for (qsizetype from = 0; from < ids.size(); from += kIdsPerStatement) {
        QByteArray array = "[";
        const qsizetype end = std::min(ids.size(), from + kIdsPerStatement);
        for (qsizetype i = from; i < end; ++i) {
            if (i > from)
                array += ',';
            array += QByteArray::number(ids.at(i));
        }
        array += ']';
        rows.reset();
        rows.bind(1, std::optional<QString>(QString::fromLatin1(array)));
        int rc;
        while ((rc = rows.step()) == SQLITE_ROW)
            result.append(readRow(rows));
        if (rc != SQLITE_DONE) {
            d->logFailure(QStringLiteral("read history rows fail, "));
            if (failed)
                *failed = true;
            break;
        }
    }
    d->skipBlankStarts(result);
    return result;
}

std::optional<qint64> HistoryReader::contentBytes(const QList<qint64>& ids)
{
    if (ids.isEmpty())
        return 0;
    if (!d->ready())
        return std::nullopt;
    // length() of a blob reads its header, not its pages; it counts an item that has no
    // recorded size.
    SqliteStatement sum = d->db.prepare(
        "SELECT total(coalesce(p.content_size, length(c.item_data))) FROM json_each(?1) AS j "
        "CROSS JOIN paste_inf p ON p.id = j.value LEFT JOIN paste_inf_content c ON c.id = p.id");
    if (!sum.isValid()) {
        d->logFailure(QStringLiteral("read content size fail, "));
        return std::nullopt;
    }
    QByteArray array = "[";
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (i > 0)
            array += ',';
        array += QByteArray::number(ids.at(i));
    }
    array += ']';
    sum.bind(1, std::optional<QString>(QString::fromLatin1(array)));
    if (sum.step() != SQLITE_ROW) {
        d->logFailure(QStringLiteral("read content size fail, "));
        return std::nullopt;
    }
    return sum.int64(0);
}

std::optional<PasteInfRow> HistoryReader::rowForUuid(const QString& uuid)
{
    if (!d->ready())
        return std::nullopt;
    SqliteStatement find = d->db.prepare("SELECT " ROW_COLUMNS " FROM paste_inf p "
                                         "LEFT JOIN paste_inf_text t ON t.id = p.id WHERE p.uuid = ?");
    if (!find.isValid()) {
        d->logFailure(QStringLiteral("read history rows fail, "));
        return std::nullopt;
    }
    find.bind(1, std::optional<QString>(uuid));
    const int rc = find.step();
    if (rc == SQLITE_ROW) {
        QList<PasteInfRow> found{readRow(find)};
        d->skipBlankStarts(found);
        return found.first();
    }
    if (rc != SQLITE_DONE)
        d->logFailure(QStringLiteral("read history rows fail, "));
    return std::nullopt;
}

QHash<QString, qint64> HistoryReader::countsPerCategory()
{
    QHash<QString, qint64> counts;
    if (!d->ready())
        return counts;
    const RetentionRule rule = d->store.retentionRule();
    SqliteStatement count = d->db.prepare(
        "SELECT p.category_uuid, count(*) FROM paste_inf p WHERE p.category_uuid IS NOT NULL AND "
        "(p.category_uuid IS NOT ?1 OR " KEPT_BY_RULE ") GROUP BY p.category_uuid");
    if (!count.isValid()) {
        d->logFailure(QStringLiteral("count history fail, "));
        return counts;
    }
    count.bind(1, std::optional<QString>(kDefaultCategoryUUID));
    bindRule(count, rule, true);
    int rc;
    while ((rc = count.step()) == SQLITE_ROW)
        counts.insert(count.text(0).value_or(QString()), count.int64(1));
    if (rc != SQLITE_DONE) {
        d->logFailure(QStringLiteral("count history fail, "));
        counts.clear();
    }
    return counts;
}

QString PasteInfRow::previewOf(QStringView text)
{
    qsizetype start = 0;
    if (text.left(previewTextLength).trimmed().isEmpty())
        while (start < text.size() && kBlanks.contains(text.at(start)))
            ++start;
    qsizetype length = std::min(previewTextLength, text.size() - start);
    // Never half a surrogate pair at the end.
    if (start + length < text.size() && length > 0 && text.at(start + length - 1).isHighSurrogate())
        --length;
    return text.sliced(start, length).toString();
}

PasteInfModel PasteInfRow::toModel(const std::optional<PasteboardItems>& items) const
{
    PasteInfModel model;
    model.uuid = uuid;
    model.types = types;
    model.displayType = displayType;
    model.displayPasteBoardType = displayPasteBoardType;
    model.appBundleIdentifier = appBundleIdentifier;
    model.secretKind = secretKind;
    model.setPasteboardItems(items);
    return model;
}
