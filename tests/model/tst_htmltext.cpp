// The text of HTML copies: what a reader of the page saw, and nothing it only refers to.
#include "common/HtmlText.h"

#include <QStringEncoder>
#include <QTest>

class TestHtmlText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plainText_data();
    void plainText();
    void utf16();
};

void TestHtmlText::plainText_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("text");

    QTest::newRow("browser fragment")
        << QByteArray("<meta charset='utf-8'><span style=\"color: red\">Hello</span>  <b>world</b>")
        << u"Hello world"_qs;
    QTest::newRow("blocks and breaks")
        << QByteArray("<div>one</div><div>two<br>three</div><p>four</p>") << u"one\ntwo\nthree\nfour"_qs;
    QTest::newRow("white space collapses") << QByteArray("<p>\n  a\n\tb   c \n</p>") << u"a b c"_qs;
    QTest::newRow("pre keeps it") << QByteArray("<pre>a\n  b</pre>c") << u"a\n  b\nc"_qs;
    QTest::newRow("entities") << QByteArray("&lt;tag&gt; &amp; &quot;q&quot; caf&#233; &#x1F600; &nbsp;x")
                              << u"<tag> & \"q\" café 😀  x"_qs;
    QTest::newRow("unknown entity and bare ampersand")
        << QByteArray("&bogus; & &#0; &#xD800;") << u"&bogus; & \uFFFD \uFFFD"_qs;
    QTest::newRow("hidden content")
        << QByteArray("<head><title>T</title><style>p{}</style><script>if (a<b) x()</script></head>"
                      "<body>shown<!-- not <p>this</p> --></body>")
        << u"shown"_qs;
    QTest::newRow("a quoted > in an attribute")
        << QByteArray("<a title=\"a > b\" href='x'>link</a>") << u"link"_qs;
    QTest::newRow("a lone <") << QByteArray("1 < 2 and <3") << u"1 < 2 and <3"_qs;
    QTest::newRow("table cells") << QByteArray(
                                        "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>")
                                 << u"a\tb\nc"_qs;
    QTest::newRow("script never closed") << QByteArray("text<script>x") << u"text"_qs;
    QTest::newRow("nothing") << QByteArray() << QString();
}

void TestHtmlText::plainText()
{
    QFETCH(QByteArray, html);
    QFETCH(QString, text);
    QCOMPARE(HtmlText::plainText(html), text);
}

// Some browsers put their fragments on the clipboard as UTF-16, with or without a mark.
void TestHtmlText::utf16()
{
    const QString html = u"<p>Grüße</p>"_qs;
    QStringEncoder little(QStringEncoder::Utf16LE), big(QStringEncoder::Utf16BE);
    const QByteArray le = little.encode(html), be = big.encode(html);
    QCOMPARE(HtmlText::plainText(QByteArray("\xFF\xFE") + le), u"Grüße"_qs);
    QCOMPARE(HtmlText::plainText(QByteArray("\xFE\xFF") + be), u"Grüße"_qs);
    QCOMPARE(HtmlText::plainText(le), u"Grüße"_qs);
    QCOMPARE(HtmlText::plainText(be), u"Grüße"_qs);
}

QTEST_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
