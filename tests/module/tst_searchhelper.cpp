#include "TestSupport.h"

#include "model/PasteInfModel.h"
#include "model/SearchHelper.h"
#include "platform/PasteboardTypes.h"

#include <QTest>

using T = PasteInfoDisplayType;

namespace {

QStringList raw(const QList<PasteInfoDisplayType>& types)
{
    QStringList list;
    for (PasteInfoDisplayType type : types)
        list.append(DisplayType::rawValue(type));
    return list;
}

PasteInfModel textItem(const QString& text, std::optional<PasteInfoDisplayType> type)
{
    PasteInfModel model;
    model.uuid = QStringLiteral("item-%1").arg(qHash(text));
    model.types = QStringList{PasteboardType::string};
    model.setPasteboardItems(PasteboardItems{PasteboardItem({{PasteboardType::string, text.toUtf8()}})});
    model.displayType = type;
    return model;
}

PasteInfModel itemOf(const QString& type, const QByteArray& data,
                     std::optional<PasteInfoDisplayType> displayType)
{
    PasteInfModel model;
    model.uuid = QStringLiteral("item-%1").arg(type);
    model.types = QStringList{type};
    model.setPasteboardItems(PasteboardItems{PasteboardItem({{type, data}})});
    model.displayType = displayType;
    return model;
}

} // namespace

class TestSearchHelper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseQuery_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("types");

        const QStringList none;
        const QStringList image{"image"};
        QTest::newRow("plain text is trimmed") << "  hello world \n"
                                               << "hello world" << none;
        QTest::newRow("type only") << "type:image"
                                   << "" << image;
        QTest::newRow("text keyword expands")
            << "type:text"
            << "" << QStringList{"plain-text", "rich-text-format", "rich-text-format-document"};
        QTest::newRow("rich_text") << "type:rich_text"
                                   << "" << QStringList{"rich-text-format", "rich-text-format-document"};
        QTest::newRow("comma and space continue") << "type:image, link"
                                                  << "" << QStringList{"image", "link"};
        QTest::newRow("comma continues") << "type:image,link"
                                         << "" << QStringList{"image", "link"};
        QTest::newRow("space before comma ends") << "type:image ,link"
                                                 << ",link" << image;
        QTest::newRow("space alone ends") << "type:image link"
                                          << "link" << image;
        QTest::newRow("two commas end") << "type:image,,link"
                                        << ",link" << image;
        QTest::newRow("line break ends") << "type:link\nhello"
                                         << "hello" << QStringList{"link"};
        QTest::newRow("word after comma joins the clause") << "type:image, hello"
                                                           << "" << image;
        QTest::newRow("unknown keyword dropped") << "type:image,foo"
                                                 << "" << image;
        QTest::newRow("unknown clause stays as text") << "type:foo bar"
                                                      << "type:foo bar" << none;
        QTest::newRow("capital Type") << "Type:image"
                                      << "Type:image" << none;
        QTest::newRow("capital keyword") << "type:Image"
                                         << "type:Image" << none;
        QTest::newRow("bare prefix") << "type:"
                                     << "type:" << none;
        QTest::newRow("clause in the middle keeps both spaces") << "abc type:image def"
                                                                << "abc  def" << image;
        QTest::newRow("two clauses") << "type:image type:link"
                                     << "" << QStringList{"image", "link"};
        QTest::newRow("repeated type kept once") << "type:image type:image"
                                                 << "" << image;
        QTest::newRow("every occurrence removed") << "type:image x type:image"
                                                  << "x" << image;
        QTest::newRow("unknown and known clauses") << "type:foo type:image"
                                                   << "type:foo" << image;
        // Unicode word characters continue the keyword, which then is unknown.
        QTest::newRow("accented letter") << "type:imageé"
                                         << "type:imageé" << none;
        QTest::newRow("CJK letters") << "type:image日本"
                                     << "type:image日本" << none;
        QTest::newRow("combining mark") << QString("type:image\u0301") << QString("type:image\u0301") << none;
        QTest::newRow("connector punctuation")
            << QString("type:image\u203Fx") << QString("type:image\u203Fx") << none;
        // Other numbers are no word characters: the clause ends before them.
        QTest::newRow("superscript digit") << QString("type:image\u00B2") << QString("\u00B2") << image;
        QTest::newRow("digit joins") << "type:image2"
                                     << "type:image2" << none;
        QTest::newRow("text around unknown clause") << "hello type:imagex"
                                                    << "hello type:imagex" << none;
    }

    void parseQuery()
    {
        QFETCH(QString, query);
        QFETCH(QString, text);
        QFETCH(QStringList, types);
        const ParsedQuery parsed = SearchHelper::parseQuery(query);
        QCOMPARE(parsed.text, text);
        QCOMPARE(raw(parsed.displayTypes), types);
    }

    // A clause whose words name no type finds nothing; the field says why instead.
    void badTypeClauses_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("bad");
        QTest::newRow("unknown word") << "type:bogus"
                                      << "type:bogus";
        QTest::newRow("bare prefix") << "type:"
                                     << "type:";
        QTest::newRow("bare prefix before text") << "hello type: world"
                                                 << "type:";
        QTest::newRow("prefix before punctuation") << "type:-x"
                                                   << "type:-x";
        QTest::newRow("one unknown among known") << "type:image,bogus"
                                                 << "type:image,bogus";
        QTest::newRow("first bad clause named") << "type:link type:foo type:bar"
                                                << "type:foo";
        QTest::newRow("known words") << "type:image, link x"
                                     << "";
        QTest::newRow("plain text") << "hello"
                                    << "";
        // Inside a word it is text someone searches for ("Content-type: json").
        QTest::newRow("inside a word") << "content-type: json"
                                       << "";
        QTest::newRow("inside a word, unknown") << "xtype:foo"
                                                << "";
    }

    void badTypeClauses()
    {
        QFETCH(QString, query);
        QFETCH(QString, bad);
        QCOMPARE(SearchHelper::parseQuery(query).badTypeClause.value_or(QString()), bad);
    }

    void keywords()
    {
        QCOMPARE(raw(SearchHelper::displayTypesForKeyword(" image\n")), QStringList{"image"});
        QVERIFY(SearchHelper::displayTypesForKeyword("Image").isEmpty());
        QVERIFY(SearchHelper::displayTypesForKeyword("").isEmpty());
        QCOMPARE(raw(SearchHelper::displayTypesForKeyword("plain_text")), QStringList{"plain-text"});
        QCOMPARE(raw(SearchHelper::displayTypesForKeyword("unknown")), QStringList{"unknown"});
        QVERIFY(SearchHelper::displayTypesForKeyword("plain-text").isEmpty());

        QCOMPARE(raw(SearchHelper::filterTypes()),
                 (QStringList{"text", "rich-text-format", "plain-text", "image", "file", "link", "color",
                              "unknown"}));
        QStringList written;
        for (PasteInfoDisplayType type : DisplayType::all())
            written.append(SearchHelper::keywordForDisplayType(type).value_or("-"));
        QCOMPARE(written, (QStringList{"text", "rich_text", "-", "plain_text", "image", "file", "link",
                                       "color", "unknown"}));
    }

    void composeTypeClause_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("composed");

        QTest::newRow("adds a clause before the text") << "hello" << 3 << "type:image hello";
        QTest::newRow("extends the clause") << "type:image hello" << 5 << "type:image,link hello";
        QTest::newRow("same type again changes nothing") << "type:image hello" << 3 << "type:image hello";
        QTest::newRow("text on an empty field") << "" << 0 << "type:text ";
        QTest::newRow("text expands when recomposed")
            << "type:text " << 3 << "type:plain_text,rich_text,image ";
        QTest::newRow("document type is left out") << "type:rich_text" << 1 << "type:rich_text ";
        QTest::newRow("clauses merge, text keeps its spaces")
            << "abc type:link def" << 6 << "type:link,color abc  def";
        QTest::newRow("unknown clause stays text") << "type:foo bar" << 7 << "type:unknown type:foo bar";
    }

    void composeTypeClause()
    {
        QFETCH(QString, field);
        QFETCH(int, index);
        QFETCH(QString, composed);
        QCOMPARE(SearchHelper::composeTypeClause(field, index), std::optional<QString>(composed));
        // What was composed parses back to the same free text.
        QCOMPARE(SearchHelper::parseQuery(composed).text, SearchHelper::parseQuery(field).text);
    }

    void composeOutOfRange()
    {
        QCOMPARE(SearchHelper::composeTypeClause("hello", -1), std::nullopt);
        QCOMPARE(SearchHelper::composeTypeClause("hello", SearchHelper::filterTypes().size()), std::nullopt);
    }

    void matchesText()
    {
        auto matches = [](const QString& query, PasteInfModel item) {
            return SearchHelper::matches(SearchHelper::parseQuery(query), item, nullptr);
        };
        QVERIFY(matches("ABC", textItem("xabcx", T::PlainText)));
        QVERIFY(matches("abc", textItem("XABCX", T::PlainText)));
        QVERIFY(matches("ÉTÉ", textItem("un été chaud", T::PlainText)));
        QVERIFY(!matches("abc  def", textItem("abc def", T::PlainText)));
        QVERIFY(matches("abc  def", textItem("xx abc  def", T::PlainText)));
        // An item without a plain string never matches a text part, whatever its type.
        QVERIFY(!matches("png", itemOf("image/png", "png", T::Image)));
        QVERIFY(matches("type:image", itemOf("image/png", "png", T::Image)));
        PasteInfModel empty;
        empty.displayType = T::PlainText;
        QVERIFY(!matches("a", empty));
        QVERIFY(matches("type:plain_text", empty));
    }

    void matchesTypes()
    {
        const ParsedQuery text = SearchHelper::parseQuery("type:text");
        PasteInfModel plain = textItem("hello", T::PlainText);
        PasteInfModel generic = textItem("hello", T::Text);
        QVERIFY(SearchHelper::matches(text, plain, nullptr));
        QVERIFY(!SearchHelper::matches(text, generic, nullptr));
        QVERIFY(SearchHelper::typeMatches(SearchHelper::parseQuery("type:unknown"), std::nullopt));
        QVERIFY(SearchHelper::typeMatches(SearchHelper::parseQuery("hello"), T::Image));
    }

    void unclassifiedItemsAreClassified()
    {
        TestHome home;
        PasteInfModel link = textItem("https://example.org/page", std::nullopt);
        QVERIFY(SearchHelper::matches(SearchHelper::parseQuery("type:link example"), link, nullptr));
        QCOMPARE(link.displayType, std::optional(T::Link));

        PasteInfModel plain = textItem("just words", std::nullopt);
        QVERIFY(!SearchHelper::matches(SearchHelper::parseQuery("type:link"), plain, nullptr));
        QCOMPARE(plain.displayType, std::optional(T::PlainText));

        // Nothing to classify: the item counts as unknown.
        PasteInfModel opaque = itemOf("application/x-private", "bytes", std::nullopt);
        QVERIFY(SearchHelper::matches(SearchHelper::parseQuery("type:unknown"), opaque, nullptr));
        QVERIFY(!SearchHelper::matches(SearchHelper::parseQuery("type:image"), opaque, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestSearchHelper)
#include "tst_searchhelper.moc"
