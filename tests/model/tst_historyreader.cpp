#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"

#include <QFile>
#include <QTest>

namespace {

const QDateTime kNow = QDateTime(QDate(2024, 3, 10), QTime(12, 0), Qt::UTC);

qint64 idOf(HistoryReader& reader, const PasteInfModel& model)
{
    const auto row = reader.rowForUuid(*model.uuid);
    return row ? row->id : -1;
}

} // namespace

class TstHistoryReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reasons are texts of the catalogue, English here.
    void initTestCase() { Localized::install(); }
    void orderExpiryAndRows();
    void previewsGoPastNulsAndCountCharacters();
    void refusesWhatItCannotRead();
};

void TstHistoryReader::orderExpiryAndRows()
{
    TestHome home;
    preferences().setHistoryCapacity(0); // a day
    store().setClock([] { return kNow; });
    const QString longText = QString(QChar(0x00e9)).repeated(280) + QStringLiteral("x").repeated(100);
    const PasteInfModel newest = textCapture(longText, kNow.addSecs(-10));
    const PasteInfModel middle = textCapture(QStringLiteral("middle"), kNow.addSecs(-20));
    const PasteInfModel expired = textCapture(QStringLiteral("old"), kNow.addDays(-2));
    PasteInfModel undated = textCapture(QStringLiteral("undated"), kNow);
    undated.date.reset();
    const PasteInfModel elsewhere =
        textCapture(QStringLiteral("kept"), kNow.addDays(-400), QStringLiteral("WORK"));
    const PasteboardItem image({{PasteboardType::png, QByteArray(5000, 'p')}});
    PasteInfModel picture = PasteInfModel::capture(PasteboardItems{image}, image.types(), nullptr);
    picture.date = kNow.addSecs(-15);
    picture.categoryUUID = kDefaultCategoryUUID;
    for (const PasteInfModel& model : {expired, middle, undated, newest, picture, elsewhere})
        store().insertPasteInf(model);

    HistoryReader reader(store(), home.databasePath());
    QString error;
    QVERIFY2(reader.open(&error), qPrintable(error));
    const QList<qint64> expected = {idOf(reader, newest), idOf(reader, picture), idOf(reader, middle),
                                    idOf(reader, undated)};
    // Expired items are left out before any sweep has deleted them; undated ones come last.
    QCOMPARE(reader.historyIds(kDefaultCategoryUUID), std::optional<QList<qint64>>(expected));
    QCOMPARE(reader.historyIds(kDefaultCategoryUUID, 2), std::optional<QList<qint64>>(expected.first(2)));
    QCOMPARE(reader.historyIds(QStringLiteral("WORK"))->size(), 1);
    QCOMPARE(reader.countsPerCategory(),
             (QHash<QString, qint64>{{kDefaultCategoryUUID, 4}, {QStringLiteral("WORK"), 1}}));

    // Rows come in the order asked for; ids that are gone are skipped.
    const QList<PasteInfRow> rows = reader.rows({expected[2], 999999, expected[0], expected[1]});
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].uuid, *middle.uuid);
    QCOMPARE(rows[0].previewText, std::optional<QString>(QStringLiteral("middle")));
    QCOMPARE(rows[0].date, kNow.addSecs(-20));
    QCOMPARE(rows[0].categoryUUID, kDefaultCategoryUUID);
    QCOMPARE(rows[0].types, middle.types.value());
    // Cut at 300 characters, not bytes: the first 280 are two bytes each in UTF-8.
    QCOMPARE(rows[1].previewText, std::optional<QString>(longText.left(300)));
    QCOMPARE(rows[2].previewText, std::nullopt);
    QCOMPARE(rows[2].types, picture.types.value());

    // Another rule is seen at once, without reopening.
    preferences().setHistoryCapacity(100);
    QCOMPARE(reader.historyIds(kDefaultCategoryUUID)->size(), 5);
}

void TstHistoryReader::previewsGoPastNulsAndCountCharacters()
{
    TestHome home;
    const QString withNul = QStringLiteral("before") + QChar(0) + QStringLiteral("after");
    // Characters outside the BMP are one character each, two UTF-16 units.
    const QString emoji = QString::fromUcs4(U"\U0001F600").repeated(350);
    const PasteInfModel nul = textCapture(withNul, kNow.addSecs(-2));
    const PasteInfModel faces = textCapture(emoji, kNow.addSecs(-1));
    store().insertPasteInf(nul);
    store().insertPasteInf(faces);

    HistoryReader reader(store(), home.databasePath());
    QVERIFY(reader.open());
    const QList<PasteInfRow> rows = reader.rows({idOf(reader, nul), idOf(reader, faces)});
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].previewText, std::optional<QString>(withNul));
    QCOMPARE(rows[1].previewText, std::optional<QString>(emoji.left(600)));
}

void TstHistoryReader::refusesWhatItCannotRead()
{
    TestHome home;
    QString error;
    HistoryReader missing(store(), home.path() + QStringLiteral("/none.sqlite"));
    QVERIFY(!missing.open(&error));
    QCOMPARE(error, QStringLiteral("no history yet"));

    const QString foreign = home.path() + QStringLiteral("/foreign.sqlite");
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    HistoryReader notADatabase(store(), foreign);
    QVERIFY(!notADatabase.open(&error));
    QVERIFY2(error.contains(QStringLiteral("not a database")), qPrintable(error));
    QVERIFY(!notADatabase.historyIds(kDefaultCategoryUUID));
}

QTEST_GUILESS_MAIN(TstHistoryReader)
#include "tst_historyreader.moc"
