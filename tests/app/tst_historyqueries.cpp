// What the command line shows of a row without loading its content.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryQueries.h"
#include "model/PasteBoardUtils.h"
#include "platform/PasteboardTypes.h"

#include <QTest>

using Reps = QList<PasteboardItem::Representation>;
Q_DECLARE_METATYPE(Reps)

class TestHistoryQueries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typeWithoutContentIsTheClassifiedType_data();
    void typeWithoutContentIsTheClassifiedType();
    void clipboardByTitleOrUuid();
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

QTEST_GUILESS_MAIN(TestHistoryQueries)
#include "tst_historyqueries.moc"
