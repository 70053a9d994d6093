#include "model/ColorHandle.h"
#include "model/ImageColorHandle.h"
#include "model/RtfTextHandle.h"

#include <QTest>

#include <optional>

namespace {

// Colours compared as 8-bit ARGB; none is an invalid QColor.
QColor orNone(const std::optional<QColor>& color)
{
    return color.value_or(QColor());
}

const char* rtfHeader = "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2580\n{\\fonttbl\\f0\\fswiss Helvetica;}\n";

QString rtf(const QString& colorTable, const QString& body)
{
    return QString::fromLatin1(rtfHeader) + colorTable + "\n" + body + "}";
}

const QString whiteThenBlack =
    QStringLiteral("{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue0;}");

QString tableOf(int entries)
{
    QString table = QStringLiteral("{\\colortbl;");
    for (int i = 1; i <= entries; ++i)
        table += QStringLiteral("\\red%1\\green%2\\blue%3;\n").arg(i).arg(i * 2).arg(i * 3);
    return table + "}";
}

} // namespace

class TestColorHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rtfBackgroundColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("expected");
        const QColor none;

        QTest::newRow("index 2 is black") << rtf(whiteThenBlack, "\\cb2 text") << QColor(0, 0, 0);
        QTest::newRow("index 1 is white") << rtf(whiteThenBlack, "\\cb1 text") << QColor(255, 255, 255);
        QTest::newRow("index 3 past the table") << rtf(whiteThenBlack, "\\cb3 text") << none;
        QTest::newRow("index 0 is the default entry") << rtf(whiteThenBlack, "\\cb0 text") << none;
        QTest::newRow("first \\cb wins") << rtf(whiteThenBlack, "\\cb2 a \\cb1 b") << QColor(0, 0, 0);
        QTest::newRow("no \\cb") << rtf(whiteThenBlack, "\\cf2 text") << none;
        QTest::newRow("no colour table") << rtf(QString(), "\\cb1 text") << none;
        QTest::newRow("empty colour table") << rtf("{\\colortbl;}", "\\cb1 text") << none;
        QTest::newRow("entry with extra control words")
            << rtf("{\\colortbl;\\red255\\green255\\blue255;\\csgray\\c0;}", "\\cb1 text") << none;
        QTest::newRow("entries on separate lines")
            << rtf("{\\colortbl;\n\\red10\\green20\\blue30;\n\\red40\\green50\\blue60;\n}", "\\cb2")
            << QColor(40, 50, 60);
        QTest::newRow("index 12 of 12") << rtf(tableOf(12), "\\cb12 text") << QColor(12, 24, 36);
        QTest::newRow("index 12 of 14") << rtf(tableOf(14), "\\cb12 text") << QColor(12, 24, 36);
        QTest::newRow("index 12 of 11") << rtf(tableOf(11), "\\cb12 text") << none;
        QTest::newRow("index too large for any integer")
            << rtf(whiteThenBlack, "\\cb99999999999999999999999 text") << none;
        QTest::newRow("component above 255") << rtf("{\\colortbl;\\red300\\green0\\blue0;}", "\\cb1") << none;
        QTest::newRow("not rtf at all") << QStringLiteral("just some words") << none;
        QTest::newRow("empty") << QString() << none;
    }

    void rtfBackgroundColor()
    {
        QFETCH(QString, text);
        QFETCH(QColor, expected);
        QCOMPARE(orNone(RtfTextHandle::rtfBackgroundColor(text)), expected);
    }

    void rtfWithoutTextGivesNone() { QVERIFY(!RtfTextHandle::rtfBackgroundColor(std::nullopt)); }

    void colorFromHex_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QColor>("expected");
        const QColor none;

        QTest::newRow("#FFF") << "#FFF" << QColor(255, 255, 255);
        QTest::newRow("FFF") << "FFF" << QColor(255, 255, 255);
        QTest::newRow("#abc lower case") << "#abc" << QColor(0xAA, 0xBB, 0xCC);
        QTest::newRow("#0F0F alpha first") << "#0F0F" << QColor(255, 0, 255, 0);
        QTest::newRow("#000000") << "#000000" << QColor(0, 0, 0);
        QTest::newRow("#FF8800") << "#FF8800" << QColor(0xFF, 0x88, 0x00);
        QTest::newRow("#80FF0000 alpha first") << "#80FF0000" << QColor(255, 0, 0, 0x80);
        QTest::newRow("12345 five digits") << "12345" << QColor(0x01, 0x23, 0x45);
        QTest::newRow("seven digits") << "1234567" << QColor(0x23, 0x45, 0x67);
        QTest::newRow("sixteen digits in range") << "7FFFFFFFFFABCDEF" << QColor(0xAB, 0xCD, 0xEF);
        QTest::newRow("beyond signed 64 bits") << "FFFFFFFFFFFFFFFF" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("lone #") << "#" << none;
        QTest::newRow("#GG0000") << "#GG0000" << none;
        QTest::newRow("two #") << "##FFF" << none;
        QTest::newRow("0x prefix") << "0xFFF" << none;
        QTest::newRow("sign") << "-FFF" << none;
        QTest::newRow("blank around") << " FFF" << none;
        QTest::newRow("fullwidth digits")
            << QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93") << none;
    }

    void colorFromHex()
    {
        QFETCH(QString, code);
        QFETCH(QColor, expected);
        const QColor color = orNone(ColorHandle::colorFromHex(code));
        QCOMPARE(color, expected);
        if (expected.isValid())
            QCOMPARE(color.alpha(), expected.alpha());
    }

    void normalizedColorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "ff8800"
                               << "#FF8800";
        QTest::newRow("already prefixed") << "#abc"
                                          << "#ABC";
        QTest::newRow("white space and line breaks") << " \t#0f0f\r\n"
                                                     << "#0F0F";
        QTest::newRow("# inside keeps its place") << "ab#c"
                                                  << "AB#C";
        QTest::newRow("empty") << ""
                               << "#";
    }

    void normalizedColorText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ColorHandle::normalizedColorText(text), expected);
    }

    void dominantColor_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QColor>("expected");
        const auto black = QColor::fromRgbF(0, 0, 0, 0.9f);

        QImage grey(64, 64, QImage::Format_ARGB32);
        grey.fill(QColor(128, 128, 128));
        QTest::newRow("grey icon") << grey << black;

        QImage small(20, 20, QImage::Format_ARGB32);
        small.fill(Qt::white);
        small.setPixelColor(10, 5, QColor(255, 0, 0));
        QTest::newRow("small: on a sample point") << small << QColor::fromRgbF(1, 0, 0, 0.9f);

        QImage between = small.copy();
        between.fill(Qt::white);
        between.setPixelColor(7, 7, QColor(255, 0, 0));
        QTest::newRow("small: between sample points") << between << black;

        // 200 pixels wide: samples every 20 pixels in both directions.
        QImage large(200, 200, QImage::Format_RGB32);
        large.fill(Qt::black);
        large.setPixelColor(45, 60, QColor(0, 0, 255));
        large.setPixelColor(30, 30, QColor(0, 255, 0));
        QTest::newRow("large: between sample points") << large << black;
        large.setPixelColor(60, 20, QColor(255, 255, 0));
        QTest::newRow("large: on a sample point") << large.copy() << QColor::fromRgbF(1, 1, 0, 0.9f);
        large.setPixelColor(40, 60, QColor(0, 255, 255));
        // Yellow and cyan score the same; the earlier column wins.
        QTest::newRow("large: tie keeps the first column") << large.copy() << QColor::fromRgbF(0, 1, 1, 0.9f);

        QImage stronger(200, 200, QImage::Format_RGB32);
        stronger.fill(Qt::black);
        stronger.setPixelColor(0, 0, QColor(200, 100, 100));
        stronger.setPixelColor(180, 180, QColor(255, 0, 0));
        QTest::newRow("most saturated wins") << stronger << QColor::fromRgbF(1, 0, 0, 0.9f);
    }

    void dominantColor()
    {
        QFETCH(QImage, image);
        QFETCH(QColor, expected);
        const auto color = ImageColorHandle::dominantColor(image);
        QVERIFY(color);
        QCOMPARE(color->rgba(), expected.rgba());
    }

    void dominantColorWithoutImage()
    {
        QVERIFY(!ImageColorHandle::dominantColor(std::nullopt));
        QVERIFY(!ImageColorHandle::dominantColor(QImage()));
    }
};

QTEST_GUILESS_MAIN(TestColorHelpers)
#include "tst_colorhelpers.moc"
