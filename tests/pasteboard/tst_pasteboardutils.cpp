#include "TestSupport.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteCategoryInfModel.h"
#include "platform/PasteboardTypes.h"

#include <QTest>
#include <QUuid>

using T = PasteInfoDisplayType;
using Reps = QList<PasteboardItem::Representation>;

Q_DECLARE_METATYPE(Reps)
Q_DECLARE_METATYPE(PasteInfoDisplayType)

namespace {

const QByteArray kRtf = QByteArrayLiteral("{\\rtf1\\ansi Hello}");
const QByteArray kPdf = QByteArrayLiteral("%PDF-1.4 ...");
const QByteArray kPng = QByteArrayLiteral("\x89PNG\r\n\x1a\n...");

// A stored-looking item with one clipboard item holding `reps`, types in the same order.
PasteInfModel makeItem(const Reps& reps, const std::optional<QString>& bundleIdentifier = std::nullopt)
{
    PasteInfModel item;
    item.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    item.date = QDateTime::currentDateTime();
    item.categoryUUID = kDefaultCategoryUUID;
    QStringList types;
    for (const auto& rep : reps)
        types.append(rep.type);
    item.types = types;
    item.appBundleIdentifier = bundleIdentifier;
    item.setPasteboardItems(PasteboardItems{PasteboardItem(reps)});
    return item;
}

QString textOf(const PreferredContent& content)
{
    return std::get<QString>(content.value);
}

} // namespace

class TestPasteBoardUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void stringAliases_data();
    void stringAliases();
    void richText_data();
    void richText();
    void officeRule_data();
    void officeRule();
    void images();
    void files();
    void nothingToClassify();
    void recordsNewClassification();
    void reclassifiesWhenRecordedTypeLostData();
    void recordedClassificationIsTrusted();
};

void TestPasteBoardUtils::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PasteInfoDisplayType>("type");

    QTest::newRow("#colour") << u"#FF8800"_qs << T::Color;
    QTest::newRow("colour with spaces and line break") << u"  FF8800\n"_qs << T::Color;
    QTest::newRow("8 digits, 9 bytes") << u"#FF8800AA"_qs << T::Color;
    QTest::newRow("9 digits, 10 bytes") << u"#FF8800AA0"_qs << T::PlainText;
    QTest::newRow("4 digits") << u"#0F0F"_qs << T::Color;
    QTest::newRow("hex word") << u"cafe"_qs << T::Color;
    QTest::newRow("number") << u"123"_qs << T::Color;
    QTest::newRow("5 digits") << u"12345"_qs << T::PlainText;
    QTest::newRow("not hex") << u"#GG0000"_qs << T::PlainText;
    QTest::newRow("two hashes") << u"##FFF"_qs << T::PlainText;
    QTest::newRow("http") << u"http://example.com/a?b=c&d=%20"_qs << T::Link;
    QTest::newRow("https") << u"https://example.org/"_qs << T::Link;
    QTest::newRow("ftp") << u"ftp://files.example.net/pub/x.tar.gz"_qs << T::Link;
    QTest::newRow("file") << u"file:///tmp/a.txt"_qs << T::Link;
    QTest::newRow("link with trailing space") << u"https://example.org/x "_qs << T::Link;
    QTest::newRow("word before link") << u"see http://example.com"_qs << T::PlainText;
    QTest::newRow("space inside link") << u"http://example.com/a b"_qs << T::PlainText;
    QTest::newRow("other scheme") << u"mailto:someone@example.com"_qs << T::PlainText;
    QTest::newRow("link ending in a dot") << u"http://example.com."_qs << T::PlainText;
    QTest::newRow("two lines of links") << u"http://a.com\nhttp://b.com"_qs << T::PlainText;
    QTest::newRow("parentheses in the path")
        << u"https://en.wikipedia.org/wiki/Clipboard_(computing)"_qs << T::Link;
    QTest::newRow("parentheses inside") << u"https://example.org/a_(b)_(c)/d?e=(f)"_qs << T::Link;
    QTest::newRow("closing parenthesis of the prose") << u"https://example.org/a)"_qs << T::PlainText;
    QTest::newRow("link in parentheses") << u"(https://example.org/a)"_qs << T::PlainText;
    QTest::newRow("parenthesis left open") << u"https://example.org/a(b"_qs << T::PlainText;
    QTest::newRow("prose") << u"Hello, world"_qs << T::PlainText;
}

void TestPasteBoardUtils::text()
{
    QFETCH(QString, text);
    QFETCH(PasteInfoDisplayType, type);
    const PasteboardItems items{PasteboardItem({{PasteboardType::string, text.toUtf8()}})};
    const auto content = PasteBoardUtils::classify(std::nullopt, PasteboardType::string, items);
    QVERIFY(content);
    QCOMPARE(content->displayType, type);
    QCOMPARE(content->pasteboardType, PasteboardType::string);
    // Links, colours and plain text all carry the text exactly as copied, untrimmed.
    QCOMPARE(textOf(*content), text);
}

void TestPasteBoardUtils::stringAliases_data()
{
    QTest::addColumn<Reps>("reps");
    QTest::addColumn<QString>("expectedType");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("UTF8_STRING only") << Reps{{u"UTF8_STRING"_qs, "one"}} << u"UTF8_STRING"_qs << u"one"_qs;
    QTest::newRow("text/plain only") << Reps{{u"text/plain"_qs, "two"}} << u"text/plain"_qs << u"two"_qs;
    // Old clients offer Latin-1 only.
    QTest::newRow("STRING only") << Reps{{u"STRING"_qs, "caf\xe9"}} << u"STRING"_qs << u"café"_qs;
    // The item's text is read from the first present name in the preferred order.
    QTest::newRow("all three, owner order")
        << Reps{{u"text/plain"_qs, "plain"}, {u"UTF8_STRING"_qs, "utf8"}, {PasteboardType::string, "mime"}}
        << u"text/plain"_qs << u"mime"_qs;
    QTest::newRow("private type first")
        << Reps{{u"application/x-private"_qs, "x"}, {u"UTF8_STRING"_qs, "three"}} << u"UTF8_STRING"_qs
        << u"three"_qs;
}

void TestPasteBoardUtils::stringAliases()
{
    QFETCH(Reps, reps);
    QFETCH(QString, expectedType);
    QFETCH(QString, expectedText);
    PasteInfModel item = makeItem(reps);
    item.uuid.reset(); // no store here
    const auto content = PasteBoardUtils::preferredContent(item, nullptr);
    QVERIFY(content);
    QCOMPARE(content->displayType, T::PlainText);
    QCOMPARE(content->pasteboardType, expectedType);
    QCOMPARE(textOf(*content), expectedText);
    QCOMPARE(item.displayPasteBoardType, std::optional<QString>(expectedType));
    QCOMPARE(item.displayType, std::optional<T>(T::PlainText));
}

void TestPasteBoardUtils::richText_data()
{
    QTest::addColumn<Reps>("reps");
    QTest::addColumn<PasteInfoDisplayType>("type");
    QTest::addColumn<QString>("pasteboardType");
    QTest::addColumn<QString>("logged");

    QTest::newRow("rtf") << Reps{{u"text/rtf"_qs, kRtf}, {PasteboardType::string, "Hello"}}
                         << T::RichTextFormat << u"text/rtf"_qs << QString();
    QTest::newRow("application/rtf") << Reps{{u"application/rtf"_qs, kRtf}, {u"text/plain"_qs, "Hello"}}
                                     << T::RichTextFormat << u"application/rtf"_qs << QString();
    QTest::newRow("rtfd") << Reps{{PasteboardType::rtfd, "rtfd"}, {PasteboardType::string, "Hello"}}
                          << T::RichTextFormatDocument << PasteboardType::rtfd << QString();
    QTest::newRow("rtf whose text is a link")
        << Reps{{u"text/rtf"_qs, kRtf}, {PasteboardType::string, "https://example.org"}} << T::Link
        << u"text/rtf"_qs << QString();
    QTest::newRow("rtf whose text is a colour")
        << Reps{{u"text/rtf"_qs, kRtf}, {PasteboardType::string, "#abc"}} << T::Color << u"text/rtf"_qs
        << QString();
    // Blank text makes the rich text and the text unusable: the image behind them wins.
    QTest::newRow("rtf with blank text")
        << Reps{{u"text/rtf"_qs, kRtf}, {PasteboardType::string, " \n\t"}, {u"image/png"_qs, kPng}}
        << T::Image << u"image/png"_qs << u"text/rtf: rich text data is nil"_qs;
    QTest::newRow("rtf without text") << Reps{{u"text/rtf"_qs, kRtf}, {u"image/png"_qs, kPng}} << T::Image
                                      << u"image/png"_qs << u"text/rtf: rich text data is nil"_qs;
    // HTML is the text of last resort: alone it is rich text, beside text or an image it yields.
    QTest::newRow("html only") << Reps{{PasteboardType::html, "<p>Hello <b>you</b></p>"}} << T::RichTextFormat
                               << PasteboardType::html << QString();
    QTest::newRow("html whose text is a link")
        << Reps{{PasteboardType::html, "<a href=\"https://example.org/\">https://example.org/</a>"}}
        << T::Link << PasteboardType::html << QString();
    QTest::newRow("html, then text") << Reps{{PasteboardType::html, "<b>Hi</b>"},
                                             {PasteboardType::string, "Hi"}}
                                     << T::PlainText << PasteboardType::string << QString();
    QTest::newRow("html of an image, then the image")
        << Reps{{PasteboardType::html, "<img src=\"a.png\">"}, {u"image/png"_qs, kPng}} << T::Image
        << u"image/png"_qs << QString();
    QTest::newRow("blank text, then a file list")
        << Reps{{PasteboardType::string, "  "}, {u"text/uri-list"_qs, "file:///tmp/x\r\n"}} << T::File
        << u"text/uri-list"_qs << PasteboardType::string + u": string data is nil"_qs;
}

void TestPasteBoardUtils::richText()
{
    QFETCH(Reps, reps);
    QFETCH(PasteInfoDisplayType, type);
    QFETCH(QString, pasteboardType);
    QFETCH(QString, logged);
    Log::Capture log;
    PasteInfModel item = makeItem(reps);
    item.uuid.reset();
    const auto content = PasteBoardUtils::preferredContent(item, nullptr);
    QVERIFY(content);
    QCOMPARE(content->displayType, type);
    QCOMPARE(content->pasteboardType, pasteboardType);
    if (type == T::RichTextFormat || type == T::RichTextFormatDocument || type == T::Image) {
        const auto data = item.pasteboardItems()->first().dataForType(pasteboardType);
        QCOMPARE(std::get<QByteArray>(content->value), *data);
    }
    if (!logged.isEmpty())
        QVERIFY2(log.contains(u"[warn] "_qs) && log.contains(logged), qPrintable(log.lines().join('\n')));
    else
        QCOMPARE(log.count(u"[warn]"_qs), 0);
}

void TestPasteBoardUtils::officeRule_data()
{
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<PasteInfoDisplayType>("type");
    QTest::addColumn<QString>("pasteboardType");

    QTest::newRow("Word") << u"com.microsoft.Word"_qs << QByteArray("Report") << T::RichTextFormat
                          << u"text/rtf"_qs;
    QTest::newRow("Excel") << u"com.microsoft.Excel"_qs << QByteArray("1\t2") << T::RichTextFormat
                           << u"text/rtf"_qs;
    QTest::newRow("Word, text is a link")
        << u"com.microsoft.Word"_qs << QByteArray("http://example.com") << T::Link << u"text/rtf"_qs;
    QTest::newRow("Word, blank text")
        << u"com.microsoft.Word"_qs << QByteArray(" \n") << T::Image << u"application/pdf"_qs;
    QTest::newRow("another application")
        << u"org.gnome.TextEditor"_qs << QByteArray("Report") << T::Image << u"application/pdf"_qs;
    QTest::newRow("identifier compared exactly")
        << u"com.microsoft.word"_qs << QByteArray("Report") << T::Image << u"application/pdf"_qs;
}

void TestPasteBoardUtils::officeRule()
{
    QFETCH(QString, bundleIdentifier);
    QFETCH(QByteArray, text);
    QFETCH(PasteInfoDisplayType, type);
    QFETCH(QString, pasteboardType);
    PasteInfModel item =
        makeItem({{u"application/pdf"_qs, kPdf}, {u"text/rtf"_qs, kRtf}, {PasteboardType::string, text}},
                 bundleIdentifier);
    item.uuid.reset();
    const auto content = PasteBoardUtils::preferredContent(item, nullptr);
    QVERIFY(content);
    QCOMPARE(content->displayType, type);
    QCOMPARE(content->pasteboardType, pasteboardType);
    QCOMPARE(item.displayPasteBoardType, std::optional<QString>(pasteboardType));
}

void TestPasteBoardUtils::images()
{
    Log::Capture log;
    // Every image/* type is an image; a listed type without data is passed over with a log line.
    PasteInfModel item = makeItem({{u"image/jpeg"_qs, "jpeg"}});
    item.types = QStringList{u"image/png"_qs, u"image/jpeg"_qs};
    item.uuid.reset();
    const auto content = PasteBoardUtils::preferredContent(item, nullptr);
    QVERIFY(content);
    QCOMPARE(content->displayType, T::Image);
    QCOMPARE(content->pasteboardType, u"image/jpeg"_qs);
    QCOMPARE(std::get<QByteArray>(content->value), QByteArray("jpeg"));
    QVERIFY(log.contains(u"image/png: image data is nil"_qs));
}

void TestPasteBoardUtils::files()
{
    Log::Capture log;
    const PasteboardItems items{
        PasteboardItem({{u"text/uri-list"_qs, "# comment\r\nfile:///tmp/a%20b.txt\r\n\r\nfile:///tmp/%FF\r\n"
                                              "relative/path\r\nfile:///home/u/%C3%A9.png"},
                        // One line per local file of the list.
                        {PasteboardType::bookmark, "mark-a\nmark-e"}}),
        PasteboardItem({{PasteboardType::string, "no list here"}}),
        PasteboardItem({{u"text/uri-list"_qs, "file:///srv/c\r\nfile://localhost/srv/d"}}),
    };
    const auto content = PasteBoardUtils::classify(std::nullopt, u"text/uri-list"_qs, items);
    QVERIFY(content);
    QCOMPARE(content->displayType, T::File);
    const QList<FileEntry> expected{
        {u"/tmp/a b.txt"_qs, QByteArray("mark-a")},
        {u"/home/u/é.png"_qs, QByteArray("mark-e")},
        // No bookmark stored: the plain path stands in.
        {u"/srv/c"_qs, QByteArray("/srv/c")},
        {u"/srv/d"_qs, QByteArray("/srv/d")},
    };
    QCOMPARE(std::get<QList<FileEntry>>(content->value), expected);
    // The undecodable line, the relative one and the item without a list.
    QCOMPARE(log.count(u"text/uri-list: file path is nil"_qs), 3);

    // A list in which nothing decodes is still a file list, an empty one.
    const auto empty = PasteBoardUtils::classify(std::nullopt, u"text/uri-list"_qs,
                                                 {PasteboardItem({{u"text/uri-list"_qs, "file://\r\n"}})});
    QVERIFY(empty);
    QCOMPARE(empty->displayType, T::File);
    QVERIFY(std::get<QList<FileEntry>>(empty->value).isEmpty());
}

void TestPasteBoardUtils::nothingToClassify()
{
    PasteInfModel privateOnly =
        makeItem({{u"application/x-private"_qs, "x"}, {u"chromium/x-source-url"_qs, "y"}});
    privateOnly.uuid.reset();
    QCOMPARE(PasteBoardUtils::preferredContent(privateOnly, nullptr).has_value(), false);
    QCOMPARE(privateOnly.displayType, std::nullopt);
    QCOMPARE(privateOnly.displayPasteBoardType, std::nullopt);

    PasteInfModel noTypes = makeItem({{PasteboardType::string, "text"}});
    noTypes.types = QStringList();
    QCOMPARE(PasteBoardUtils::preferredContent(noTypes, nullptr).has_value(), false);

    PasteInfModel noContent;
    noContent.types = QStringList{PasteboardType::string};
    QCOMPARE(PasteBoardUtils::preferredContent(noContent, nullptr).has_value(), false);
    noContent.setPasteboardItems(PasteboardItems{});
    QCOMPARE(PasteBoardUtils::preferredContent(noContent, nullptr).has_value(), false);
}

void TestPasteBoardUtils::recordsNewClassification()
{
    TestHome home;
    const PasteInfModel stored =
        makeItem({{u"x-special/private"_qs, "p"}, {PasteboardType::string, "#FF8800"}});
    store().insertPasteInf(stored);

    // Cold: loaded from the store, content read on first use.
    std::optional<PasteInfModel> item = store().fetchPasteInf(*stored.uuid);
    QVERIFY(item);
    QCOMPARE(item->displayType, std::nullopt);
    const auto content = PasteBoardUtils::preferredContent(*item, &store());
    QVERIFY(content);
    QCOMPARE(content->displayType, T::Color);
    QCOMPARE(item->displayType, std::optional<T>(T::Color));

    store().waitForQueued();
    const std::optional<PasteInfModel> reloaded = store().fetchPasteInf(*stored.uuid);
    QVERIFY(reloaded);
    QCOMPARE(reloaded->displayType, std::optional<T>(T::Color));
    QCOMPARE(reloaded->displayPasteBoardType, std::optional<QString>(PasteboardType::string));
    // Only the classification changed; the content is as it was.
    QCOMPARE(reloaded->pasteboardItems(), stored.pasteboardItems());
}

void TestPasteBoardUtils::reclassifiesWhenRecordedTypeLostData()
{
    TestHome home;
    PasteInfModel stored = makeItem({{PasteboardType::string, "plain words"}});
    stored.displayType = T::Image;
    stored.displayPasteBoardType = u"image/png"_qs;
    store().insertPasteInf(stored);

    Log::Capture log;
    std::optional<PasteInfModel> item = store().fetchPasteInf(*stored.uuid);
    QVERIFY(item);
    QCOMPARE(item->displayPasteBoardType, std::optional<QString>(u"image/png"_qs));
    const auto content = PasteBoardUtils::preferredContent(*item, &store());
    QVERIFY(content);
    QCOMPARE(content->displayType, T::PlainText);
    QVERIFY(log.contains(u"image/png: image data is nil"_qs));

    store().waitForQueued();
    const std::optional<PasteInfModel> reloaded = store().fetchPasteInf(*stored.uuid);
    QVERIFY(reloaded);
    QCOMPARE(reloaded->displayType, std::optional<T>(T::PlainText));
    QCOMPARE(reloaded->displayPasteBoardType, std::optional<QString>(PasteboardType::string));
}

void TestPasteBoardUtils::recordedClassificationIsTrusted()
{
    // A recorded link stays a link although its text would no longer pass the link test: the
    // recorded answer is used as long as its type still has data.
    PasteInfModel item = makeItem({{PasteboardType::string, "not a link"}});
    item.uuid.reset();
    item.displayType = T::Link;
    item.displayPasteBoardType = PasteboardType::string;
    const auto content = PasteBoardUtils::preferredContent(item, nullptr);
    QVERIFY(content);
    QCOMPARE(content->displayType, T::Link);
    QCOMPARE(textOf(*content), u"not a link"_qs);
}

QTEST_GUILESS_MAIN(TestPasteBoardUtils)
#include "tst_pasteboardutils.moc"
