// What the command line shows of a row without loading its content.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryQueries.h"
#include "model/HistoryReader.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "platform/PasteboardTypes.h"

#include <QTest>

#include <sqlite3.h>

using Reps = QList<PasteboardItem::Representation>;
Q_DECLARE_METATYPE(Reps)

class TestHistoryQueries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The reasons are texts of the catalogue, English here.
    void initTestCase() { Localized::install(); }
    void typeWithoutContentIsTheClassifiedType_data();
    void typeWithoutContentIsTheClassifiedType();
    void clipboardByTitleOrUuid();
    void rowsThatCannotBeReadAreAFailureNotAnEmptyList();
};

void TestHistoryQueries::typeWithoutContentIsTheClassifiedType_data()
{
    QTest::addColumn<Reps>("reps");
    QTest::addColumn<QString>("app");
    const QString text = PasteboardType::string;
    const QByteArray rtf = "{\\rtf1\\ansi Hello}";
    QTest::newRow("plain text") << Reps{{text, "hello there"}} << QString();
    QTest::newRow("link") << Reps{{text, "https://example.org/a"}} << QString();
    QTest::newRow("colour") << Reps{{text, "#a0b1c2"}} << QString();
    QTest::newRow("blank text, then an image") << Reps{{text, "  "}, {"image/png", "\x89PNG"}} << QString();
    QTest::newRow("rich text") << Reps{{"text/rtf", rtf}, {text, "Hello"}} << QString();
    QTest::newRow("rich text without text") << Reps{{"text/rtf", rtf}, {"image/png", "\x89PNG"}} << QString();
    QTest::newRow("office prefers its rtf")
        << Reps{{text, "Hello"}, {"text/rtf", rtf}} << "com.microsoft.Word";
    QTest::newRow("files") << Reps{{PasteboardType::fileURL, "file:///tmp/a"}} << QString();
    QTest::newRow("nothing known") << Reps{{"application/x-other", "x"}} << QString();
}

// The shown type is decided from the type list and the start of the text alone; it must be
// what classifying the whole content finds.
void TestHistoryQueries::typeWithoutContentIsTheClassifiedType()
{
    QFETCH(Reps, reps);
    QFETCH(QString, app);
    TestHome home;
    const PasteboardItem item(reps);
    PasteInfModel model;
    model.types = item.types();
    if (!app.isEmpty())
        model.appBundleIdentifier = app;
    model.setPasteboardItems(PasteboardItems{item});
    const auto classified = PasteBoardUtils::preferredContent(model, &home.store());

    PasteInfRow row;
    row.types = item.types();
    row.appBundleIdentifier = model.appBundleIdentifier;
    if (const auto plain = item.plainString())
        row.previewText = plain->left(300);
    QCOMPARE(PasteBoardUtils::displayTypeOf(row),
             classified ? classified->displayType : PasteInfoDisplayType::Unknown);
}

void TestHistoryQueries::clipboardByTitleOrUuid()
{
    TestHome home;
    for (const auto& [uuid, title] : {std::pair{"w-1", "Work"}, {"w-2", "Work"}, {"n-1", "Notes"}}) {
        PasteCategoryInfModel clipboard;
        clipboard.uuid = QString::fromLatin1(uuid);
        clipboard.title = QString::fromLatin1(title);
        store().insertCategory(clipboard);
    }
    store().waitForQueued();
    QString error;
    QCOMPARE(HistoryQueries::clipboardNamed(store(), QStringLiteral("notes"), &error)->uuid,
             QStringLiteral("n-1"));
    // Two of one title are never guessed between; the error names both, and either is reachable.
    QVERIFY(!HistoryQueries::clipboardNamed(store(), QStringLiteral("Work"), &error));
    QVERIFY2(error.contains(QLatin1String("w-1")) && error.contains(QLatin1String("w-2")), qPrintable(error));
    QCOMPARE(HistoryQueries::clipboardNamed(store(), QStringLiteral("W-2"), &error)->uuid,
             QStringLiteral("w-2"));
    QVERIFY(!HistoryQueries::clipboardNamed(store(), QStringLiteral("Nope"), &error));
    QCOMPARE(error, QStringLiteral("no clipboard named \"Nope\""));
}

// The ids are found but their rows cannot be read (here the text table is gone): the listing
// and the search say so, rather than showing an empty history.
void TestHistoryQueries::rowsThatCannotBeReadAreAFailureNotAnEmptyList()
{
    TestHome home;
    store().ensureDefaultCategory();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 3; ++i)
        store().insertPasteInf(textCapture(QStringLiteral("meeting %1").arg(i), now.addSecs(-i)));
    QVERIFY(store().save());
    const auto clipboard = HistoryQueries::clipboardNamed(store(), QString(), nullptr);
    QVERIFY(clipboard);

    HistoryReader reader(store(), home.databasePath());
    QVERIFY(reader.open());
    int shown = 0;
    const auto sink = [&shown](const PasteInfRow&) { ++shown; };
    QString error;
    QVERIFY2(HistoryQueries::list(reader, *clipboard, 0, sink, &error), qPrintable(error));
    QCOMPARE(shown, 3);

    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(home.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "ALTER TABLE paste_inf_text RENAME TO paste_inf_text_gone", nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);

    shown = 0;
    error.clear();
    QVERIFY(!HistoryQueries::list(reader, *clipboard, 0, sink, &error));
    QVERIFY2(error.contains(QLatin1String("could not be read")), qPrintable(error));
    QCOMPARE(shown, 0);
    error.clear();
    QVERIFY(!HistoryQueries::search(store(), reader, home.databasePath(), *clipboard, QStringLiteral("meeting"), 0,
                                    sink, &error));
    QVERIFY2(!error.isEmpty(), "a search that reads no rows reports it");
}

QTEST_GUILESS_MAIN(TestHistoryQueries)
#include "tst_historyqueries.moc"
