#include "platform/PasteboardTypes.h"
#include "platform/SelectionClipboard.h"

#include <QTest>

// How several items become the one offer a selection can carry.
class TestClipboardMerge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void singleItemKeepsItsBytesAndOrder();
    void latin1TextGainsAllPlainTextNames();
    void severalItemsJoinTextsAndUris();
    void otherTypesComeFromTheFirstItemThatHasThem();
    void metaTargetsAreNeverOffered();
    void nothingToOffer();
};

using Rep = PasteboardItem::Representation;

void TestClipboardMerge::singleItemKeepsItsBytesAndOrder()
{
    const QList<Rep> reps = {{"text/html", "<b>x</b>"},
                             {"text/plain;charset=utf-8", "x"},
                             {"UTF8_STRING", "x"},
                             {"text/plain", "x"},
                             {"image/png", QByteArray("\x89PNG\0\1", 6)},
                             {PasteboardType::marker, PasteboardType::marker.toUtf8()}};
    QList<Rep> expected = reps;
    expected.insert(4, Rep{"STRING", "x"});
    expected.insert(5, Rep{"TEXT", "x"});
    QCOMPARE(SelectionClipboard::mergeForWriting({PasteboardItem(reps)}).representations(), expected);
}

void TestClipboardMerge::latin1TextGainsAllPlainTextNames()
{
    // An old client's copy: Latin-1 under STRING only.
    const PasteboardItem item({{"STRING", "caf\xe9"}, {"application/x-thing", "t"}});
    const PasteboardItem merged = SelectionClipboard::mergeForWriting({item});
    QCOMPARE(merged.types(), PasteboardType::plainTextNames + QStringList{"application/x-thing"});
    for (const QString& name : PasteboardType::stringReadOrder)
        QCOMPARE(merged.dataForType(name), QByteArray("caf\xc3\xa9"));
    QCOMPARE(merged.dataForType("STRING"), QByteArray("caf\xe9"));
    QCOMPARE(merged.dataForType("TEXT"), QByteArray("caf\xc3\xa9"));
}

void TestClipboardMerge::severalItemsJoinTextsAndUris()
{
    const PasteboardItems items = {
        PasteboardItem(QList<PasteboardItem::Representation>{{"UTF8_STRING", "first"},
                                                             {"text/uri-list", "file:///a\r\n"}}),
        PasteboardItem(QList<PasteboardItem::Representation>{{"image/png", "png"}}),
        PasteboardItem(QList<PasteboardItem::Representation>{{"text/plain;charset=utf-8", "second"},
                                                             {"text/uri-list", "file:///b"}}),
        PasteboardItem(
            QList<PasteboardItem::Representation>{{"text/plain", "third"}, {"text/uri-list", "file:///c"}}),
    };
    const PasteboardItem merged = SelectionClipboard::mergeForWriting(items);
    for (const QString& name : PasteboardType::stringReadOrder)
        QCOMPARE(merged.dataForType(name), QByteArray("first\nsecond\nthird"));
    QCOMPARE(merged.dataForType("text/uri-list"), QByteArray("file:///a\r\nfile:///b\r\nfile:///c"));
    QCOMPARE(merged.dataForType("image/png"), QByteArray("png"));
}

void TestClipboardMerge::otherTypesComeFromTheFirstItemThatHasThem()
{
    const PasteboardItems items = {
        PasteboardItem(
            QList<PasteboardItem::Representation>{{"text/html", "one"}, {PasteboardType::marker, "m1"}}),
        PasteboardItem(QList<PasteboardItem::Representation>{
            {"text/html", "two"}, {"text/rtf", "rtf two"}, {PasteboardType::marker, "m2"}}),
    };
    const PasteboardItem merged = SelectionClipboard::mergeForWriting(items);
    QCOMPARE(merged.representations(),
             (QList<Rep>{{"text/html", "one"}, {PasteboardType::marker, "m1"}, {"text/rtf", "rtf two"}}));
}

void TestClipboardMerge::metaTargetsAreNeverOffered()
{
    const PasteboardItem item({{"TARGETS", "t"},
                               {"TIMESTAMP", "1"},
                               {"MULTIPLE", ""},
                               {"SAVE_TARGETS", ""},
                               {"INSERT_SELECTION", ""},
                               {"", "nameless"},
                               {"text/html", "kept"}});
    QCOMPARE(SelectionClipboard::mergeForWriting({item}).types(), QStringList{"text/html"});
}

void TestClipboardMerge::nothingToOffer()
{
    QVERIFY(SelectionClipboard::mergeForWriting({}).isEmpty());
    QVERIFY(SelectionClipboard::mergeForWriting({PasteboardItem()}).isEmpty());
}

QTEST_GUILESS_MAIN(TestClipboardMerge)
#include "tst_clipboardmerge.moc"
