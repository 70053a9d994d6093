// Text in copied images: read in the background, found by search, kept across a restart.
#include "TestSupport.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/ImageTextReader.h"
#include "model/SearchEngine.h"
#include "model/SearchHelper.h"
#include "platform/PasteboardTypes.h"
#include "platform/TextRecognizer.h"

#include <QBuffer>
#include <QPainter>
#include <QTest>

#include <future>

namespace {

// A screenshot-like picture of a few lines of text, large and dark on light.
QByteArray textPicture(const QStringList& lines, const QSize& size = QSize(900, 320))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 248));
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.setPen(QColor(20, 20, 30));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(40, 70 + i * 70, lines.at(i));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

quint32 crc32Of(const char* data, int length)
{
    quint32 crc = 0xffffffffu;
    for (int i = 0; i < length; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return ~crc;
}

// A valid PNG whose header claims a size; the pixels are never there.
QByteArray pngClaiming(const QSize& size)
{
    QByteArray png = pngOf(QSize(2, 2));
    const auto put = [&](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char(value >> (24 - 8 * i));
    };
    put(16, quint32(size.width()));
    put(20, quint32(size.height()));
    put(29, crc32Of(png.constData() + 12, 17));
    return png;
}

PasteInfModel imageCapture(const QByteArray& data, const QDateTime& date)
{
    const PasteboardItem item({{PasteboardType::png, data}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr);
    model.date = date;
    return model;
}

QList<qint64> search(const QString& words)
{
    const auto results = SearchEngine::searchNow(store(), store().path(), kDefaultCategoryUUID,
                                                 SearchHelper::parseQuery(words), 0);
    return results ? results->rowIds() : QList<qint64>();
}

} // namespace

class TstImageTextReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawnTextIsReadAndFound();
    void oversizedAndUndecodableAreSkippedOnce();
    void stoppingMidwayLosesNothing();
    void languagesAreNamedForPeople();
};

void TstImageTextReader::drawnTextIsReadAndFound()
{
    TestHome home;
    store().insertPasteInf(
        textCapture(QStringLiteral("no image here"), QDateTime::currentDateTimeUtc().addSecs(-5)));
    const PasteInfModel image =
        imageCapture(textPicture({"Invoice 2291", "Total due: 340 EUR", "Payable by March"}),
                     QDateTime::currentDateTimeUtc());
    store().insertPasteInf(image);
    ImageTextReader reader(store(), {});
    reader.start();
    QTRY_COMPARE_WITH_TIMEOUT(reader.readCount(), 1, 30000);
    reader.stop();
    QVERIFY(!store().nextImageToRead());

    const auto ids = search(QStringLiteral("invoice"));
    QCOMPARE(ids.size(), 1);
    HistoryReader rows(store(), home.databasePath());
    QVERIFY(rows.open());
    const auto row = rows.rowForUuid(*image.uuid);
    QCOMPARE(row->id, ids.first());
    QVERIFY2(row->imageText && row->imageText->contains(QStringLiteral("Total due")),
             qPrintable(row->imageText.value_or(QStringLiteral("(none)"))));
    QCOMPARE(search(QStringLiteral("payable by march")).size(), 1);
    QVERIFY(search(QStringLiteral("refund")).isEmpty());

    // A delete undone brings the text back with the image; it is not read again.
    store().deletePasteInfIds({row->id}, {}, true);
    std::promise<qint64> restored;
    store().undoLastChange([&](qint64 count) { restored.set_value(count); });
    QCOMPARE(restored.get_future().get(), 1);
    QCOMPARE(rows.rowForUuid(*image.uuid)->imageText, row->imageText);
    QVERIFY(!store().nextImageToRead());
}

void TstImageTextReader::oversizedAndUndecodableAreSkippedOnce()
{
    TestHome home;
    store().insertPasteInf(
        imageCapture(pngClaiming(QSize(8000, 6000)), QDateTime::currentDateTimeUtc().addSecs(-1)));
    store().insertPasteInf(
        imageCapture(QByteArray("\x89PNG\r\n\x1a\n not really", 20), QDateTime::currentDateTimeUtc()));
    Log::Capture log;
    ImageTextReader reader(store(), {});
    reader.start();
    QTRY_VERIFY_WITH_TIMEOUT(!store().nextImageToRead(), 10000);
    // Woken again, it finds nothing left: each is told once.
    reader.wake();
    QTest::qWait(200);
    reader.stop();
    QCOMPARE(reader.readCount(), 0);
    QCOMPARE(log.count("not read: 8000×6000 is over 40 megapixels"), 1);
    QCOMPARE(log.count("not read:"), 2);
}

void TstImageTextReader::stoppingMidwayLosesNothing()
{
    TestHome home;
    QStringList lines;
    for (int i = 0; i < 14; ++i)
        lines.append(QStringLiteral("Quarterly report line %1 with several words of text").arg(i));
    const PasteInfModel image =
        imageCapture(textPicture(lines, QSize(1920, 1080)), QDateTime::currentDateTimeUtc());
    store().insertPasteInf(image);
    {
        ImageTextReader reader(store(), {});
        reader.start();
        QTest::qWait(300);
        reader.stop();
        QCOMPARE(reader.readCount(), 0);
    }
    // Still waiting to be read, content whole; the next start reads it.
    const auto next = store().nextImageToRead();
    QVERIFY(next && next->uuid == *image.uuid);
    QCOMPARE(store().fetchPasteboardItems(*image.uuid)->first().dataForType(PasteboardType::png),
             image.pasteboardItems()->first().dataForType(PasteboardType::png));
    ImageTextReader again(store(), {});
    again.start();
    QTRY_COMPARE_WITH_TIMEOUT(again.readCount(), 1, 60000);
    again.stop();
    QCOMPARE(search(QStringLiteral("quarterly report")).size(), 1);
}

void TstImageTextReader::languagesAreNamedForPeople()
{
    // The preference shows names, and keeps Tesseract's codes for what it stores.
    QCOMPARE(TextRecognizer::languageNames(QStringLiteral("eng")), QStringLiteral("English"));
    QCOMPARE(TextRecognizer::languageNames(QStringLiteral("deu+fra")), QStringLiteral("German + French"));
    QCOMPARE(TextRecognizer::languageNames(QStringLiteral("chi_sim")), QStringLiteral("Chinese (Simplified)"));
    QCOMPARE(TextRecognizer::languageNames(QStringLiteral("deu_frak")), QStringLiteral("German (frak)"));
    QCOMPARE(TextRecognizer::languageNames(QStringLiteral("qqq")), QStringLiteral("qqq"));
    QCOMPARE(TextRecognizer::languageNames(QString()), QString());
}

QTEST_MAIN(TstImageTextReader)
#include "tst_imagetextreader.moc"
