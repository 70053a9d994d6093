#include "common/Log.h"
#include "model/RtfReader.h"

#include <QRandomGenerator>
#include <QTest>

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainText_data();
    void plainText();
    void attributes();
    void colorTable();
    void pageBackground();
    void notRtf();
    void hostile_data();
    void hostile();
    void randomBytes();
};

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray(R"({\rtf1 Hello})") << u"Hello"_qs;
    QTest::newRow("word delimiter eats one space")
        << QByteArray(R"({\rtf1\b Hello\b0  world})") << u"Hello world"_qs;
    QTest::newRow("breaks") << QByteArray(R"({\rtf1 a\par b\line c\tab d\cell e\row f})")
                            << u"a\nb\nc\td\te\nf"_qs;
    QTest::newRow("backslash newline is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << u"a\nb"_qs;
    QTest::newRow("line ends in the source are not text") << QByteArray("{\\rtf1 a\r\nb}") << u"ab"_qs;
    QTest::newRow("hex escapes in 1252") << QByteArray(R"({\rtf1\ansi caf\'e9 \'80\'96})") << u"café €–"_qs;
    QTest::newRow("raw upper half bytes") << QByteArray("{\\rtf1\\ansi caf\xe9}") << u"café"_qs;
    QTest::newRow("symbol words") << QByteArray(
                                         R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})")
                                  << u"—–•‘’“”"_qs;
    QTest::newRow("control symbols") << QByteArray(R"({\rtf1 \\ \{ \} \~a\-b\_c})")
                                     << u"\\ { } \u00A0ab\u2011c"_qs;
    QTest::newRow("unicode with fallback") << QByteArray(R"({\rtf1\uc1\u8364?x})") << u"€x"_qs;
    QTest::newRow("negative unicode, surrogate pair")
        << QByteArray(R"({\rtf1\u-10179?\u-8704?})") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("uc0") << QByteArray(R"({\rtf1\uc0\u233 x})") << u"éx"_qs;
    QTest::newRow("uc2 skips two hex escapes") << QByteArray(R"({\rtf1\uc2\u20320\'c4\'e3x})") << u"你x"_qs;
    QTest::newRow("fallback skip ends with the group") << QByteArray(R"({\rtf1{\uc3\u233 a}b})") << u"éb"_qs;
    QTest::newRow("uc is scoped to its group") << QByteArray(R"({\rtf1{\uc0 }\u233 ?x})") << u"éx"_qs;
    QTest::newRow("lone surrogate is replaced")
        << QByteArray(R"({\rtf1\u-10179?x\u-8704?})") << u"\uFFFDx\uFFFD"_qs;
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Helvetica;}}{\\colortbl;\\red1\\green2\\blue3;}"
                      "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator G;}"
                      "{\\*\\unknowndestination z}{\\header h}{\\footer f}{\\pict\\pngblip 89504e47}"
                      "{\\object{\\*\\objdata 01}}{\\pn\\pnlvlblt{\\pntxtb\\'b7}}visible}")
        << u"visible"_qs;
    QTest::newRow("field shows its result")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "http://a"}{\fldrslt link}}})") << u"link"_qs;
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v hidden\par}b})") << u"ab"_qs;
    QTest::newRow("upr reads the unicode part")
        << QByteArray(R"({\rtf1{\upr{ansi}{\*\ud{uni}}}})") << u"uni"_qs;
    QTest::newRow("bin data is not text") << QByteArray("{\\rtf1 a\\bin3 }{xb}") << u"ab"_qs;
    QTest::newRow("ansicpg 1251") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})") << u"При"_qs;
    QTest::newRow("font charset wins over the document code page")
        << QByteArray(R"({\rtf1\ansi{\fonttbl{\f1\fcharset128 Gothic;}}\f1\'82\'a0\f0\'e9})") << u"あé"_qs;
    QTest::newRow("utf-8 code page") << QByteArray(R"({\rtf1\ansicpg65001 \'e2\'82\'ac})") << u"€"_qs;
    QTest::newRow("after the closing brace") << QByteArray("{\\rtf1 a}junk\0", 15) << u"a"_qs;
    QTest::newRow("leading white space") << QByteArray("\r\n {\\rtf1 a}") << u"a"_qs;
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    Log::Capture log;
    const auto document = RtfReader::read(rtf);
    QVERIFY(document);
    QCOMPARE(document->plainText, text);
    QVERIFY(document->wellFormed);
    QCOMPARE(log.count(QStringLiteral("RtfReader")), 0);
}

void TestRtfReader::attributes()
{
    const QByteArray rtf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                           "\\fs24 a {\\b b}{\\i\\fs36 c}{\\ul d\\ulnone e}\\par"
                           "{\\cf1\\cb2 f}{\\cf2\\highlight1 g}{\\chcbpat2\\b h\\plain i}\\line j}";
    const auto document = RtfReader::read(rtf);
    QVERIFY(document);
    QCOMPARE(document->plainText, u"a bcde\nfghi\nj"_qs);
    QCOMPARE(document->paragraphs.size(), 2);

    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    auto run = [](const QString& text, bool b, bool i, bool u, double size, std::optional<QColor> fg = {},
                  std::optional<QColor> bg = {}) { return RtfRun{text, b, i, u, size, fg, bg}; };
    const QList<RtfRun> first{run(u"a "_qs, false, false, false, 12), run(u"b"_qs, true, false, false, 12),
                              run(u"c"_qs, false, true, false, 18), run(u"d"_qs, false, false, true, 12),
                              run(u"e"_qs, false, false, false, 12)};
    QCOMPARE(document->paragraphs[0].runs, first);
    const QList<RtfRun> second{
        run(u"f"_qs, false, false, false, 12, red, blue), run(u"g"_qs, false, false, false, 12, blue, red),
        run(u"h"_qs, true, false, false, 12, {}, blue), run(u"i\u2028j"_qs, false, false, false, 12)};
    QCOMPARE(document->paragraphs[1].runs, second);
}

void TestRtfReader::colorTable()
{
    // Components are clamped, a missing component is 0, an empty entry is the automatic colour.
    const auto document = RtfReader::read(
        R"({\rtf1{\colortbl;\red300\green-1\blue128;;\red1;}\cf1 a\cf2 b\cf3 c\cf4 d\cf99 e\cb-1 f})");
    QVERIFY(document);
    const QList<std::optional<QColor>> table{std::nullopt, QColor(255, 0, 128), std::nullopt,
                                             QColor(1, 0, 0)};
    QCOMPARE(document->colorTable, table);
    const QList<RtfRun>& runs = document->paragraphs.value(0).runs;
    QCOMPARE(runs.size(), 5);
    QCOMPARE(runs[0].foreground, std::optional<QColor>(QColor(255, 0, 128)));
    QCOMPARE(runs[1].foreground, std::nullopt);
    QCOMPARE(runs[2].foreground, std::optional<QColor>(QColor(1, 0, 0)));
    // Indices outside the table are the automatic colour; a negative one is index 0.
    QCOMPARE(runs[3].foreground, std::nullopt);
    QCOMPARE(runs[4].text, u"ef"_qs);
    QCOMPARE(runs[4].foreground, std::nullopt);
    QCOMPARE(runs[4].background, std::nullopt);
}

void TestRtfReader::pageBackground()
{
    const auto declared = RtfReader::read(
        R"({\rtf1{\*\background{\shp{\*\shpinst\shpleft0{\sp{\sn fillColor}{\sv 15921906}}}}}\viewbksp1 text})");
    QVERIFY(declared);
    QCOMPARE(declared->plainText, u"text"_qs);
    QCOMPARE(declared->pageBackground, std::optional<QColor>(QColor(0xF2, 0xF2, 0xF2)));

    const auto otherProperty =
        RtfReader::read(R"({\rtf1{\*\background{\shp{\sp{\sn fillBackColor}{\sv 255}}}}text})");
    QVERIFY(otherProperty);
    QCOMPARE(otherProperty->pageBackground, std::nullopt);

    const auto none = RtfReader::read(R"({\rtf1{\colortbl;\red0\green0\blue0;}\cb1 text})");
    QVERIFY(none);
    QCOMPARE(none->pageBackground, std::nullopt);
}

void TestRtfReader::notRtf()
{
    Log::Capture log;
    QCOMPARE(RtfReader::read(QByteArray()), std::nullopt);
    QCOMPARE(RtfReader::read("plain text"), std::nullopt);
    QCOMPARE(RtfReader::read("{\\rt"), std::nullopt);
    QCOMPARE(log.count(QStringLiteral("not rtf data")), 3);

    QByteArray huge(RtfReader::maxInputSize + 1, 'a');
    huge.replace(0, 6, "{\\rtf1");
    QCOMPARE(RtfReader::read(huge), std::nullopt);
    QVERIFY(log.contains(QStringLiteral("rtf data too large")));
}

void TestRtfReader::hostile_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    const int braces = 100000;
    QTest::newRow("100k nested groups")
        << "{\\rtf1 " + QByteArray(braces, '{') + "x" + QByteArray(braces, '}') << u"x"_qs;
    QTest::newRow("100k unclosed groups") << "{\\rtf1 " + QByteArray(braces, '{') + "x" << u"x"_qs;
    QTest::newRow("truncated document") << QByteArray(R"({\rtf1{\b bold)") << u"bold"_qs;
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 zq\\") << u"zq"_qs;
    QTest::newRow("cut-off hex escape") << QByteArray("{\\rtf1 zq\\'4") << u"zq"_qs;
    QTest::newRow("bin longer than the input") << QByteArray("{\\rtf1 zq\\bin99999999999 bc}") << u"zq"_qs;
    QTest::newRow("huge parameters")
        << QByteArray("{\\rtf1\\fs99999999999999999999\\cf-99999999999\\uc99999999999 a\\u99999999999 ?b")
        << u"a\uFFFD"_qs;
    QTest::newRow("long control word") << "{\\rtf1\\" + QByteArray(1 << 20, 'a') + " x" << u"x"_qs;
}

void TestRtfReader::hostile()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    Log::Capture log;
    const auto document = RtfReader::read(rtf);
    QVERIFY(document);
    QCOMPARE(document->plainText, text);
    QVERIFY(!document->wellFormed);
    const QStringList lines = log.lines();
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains(QStringLiteral("RtfReader")));
    QVERIFY(!text.isEmpty() && !lines.first().contains(text));
}

void TestRtfReader::randomBytes()
{
    // Arbitrary bytes behind a valid header: whatever comes out must be sane and bounded.
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QByteArray data = "{\\rtf1";
        const int size = int(random.bounded(4096));
        for (int i = 0; i < size; ++i) {
            // Bias towards RTF syntax so that the interesting paths run.
            static const char syntax[] = "{}\\'u0123456789-abcfinlpr*; ";
            data.append(random.bounded(2) ? syntax[random.bounded(int(sizeof syntax - 1))]
                                          : char(random.bounded(256)));
        }
        const auto document = RtfReader::read(data);
        QVERIFY(document);
        QVERIFY(document->plainText.size() <= 2 * data.size());
        QVERIFY(document->colorTable.size() <= RtfReader::maxColors);
    }
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
