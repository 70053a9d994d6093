// Saving items to files: what lands on disk for each kind of item, and that saving many into
// one folder never overwrites a file.
#include "TestSupport.h"

#include "model/Localized.h"
#include "module/quickSearch/PasteInfFileWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

PreferredContent text(PasteInfoDisplayType type, const QString& value)
{
    return PreferredContent{type, QStringLiteral("text/plain"), value};
}

PasteInfFileWriter::ItemSource listed(const QList<PreferredContent>& items)
{
    return [items](qsizetype index) { return std::optional(items.at(index)); };
}
} // namespace

class TestPasteInfFileWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void imagesAreEncodedToTheChosenType_data();
    void imagesAreEncodedToTheChosenType();
    void aFolderSaveNeverOverwrites();
    void aFolderSaveHoldsOneItemAtATime();
};

void TestPasteInfFileWriter::imagesAreEncodedToTheChosenType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("jpeg") << "shot.jpeg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("jpg") << "shot.JPG" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("png") << "shot.png" << QByteArray("\x89PNG");
    QTest::newRow("unknown extension gets png") << "shot.xyz" << QByteArray("\x89PNG");
}

void TestPasteInfFileWriter::imagesAreEncodedToTheChosenType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file the user chose to replace");
    old.close();

    const PreferredContent image{PasteInfoDisplayType::Image, QStringLiteral("image/png"), pngOf({8, 6})};
    QVERIFY(PasteInfFileWriter::writeItemFile(path, image, nullptr));
    const QByteArray written = fileBytes(path);
    QVERIFY2(written.startsWith(magic), written.left(8).toHex().constData());
    QCOMPARE(QImage::fromData(written).size(), QSize(8, 6));
}

void TestPasteInfFileWriter::aFolderSaveNeverOverwrites()
{
    QTemporaryDir dir;
    // Every item gets the same name, as items saved within the same tenth of a millisecond do.
    const auto sameTime = [](const QString& base) {
        return base + QStringLiteral(" 2026-05-01 14.03.07.1234");
    };
    QFile taken(dir.filePath("Plain Text 2026-05-01 14.03.07.1234.txt"));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.write("keep me");
    taken.close();

    const QList<PreferredContent> items = {
        text(PasteInfoDisplayType::PlainText, "first"),
        text(PasteInfoDisplayType::Color, "#FF8800"),
        text(PasteInfoDisplayType::Link, "https://example.org/"),
        PreferredContent{PasteInfoDisplayType::RichTextFormat, "text/rtf", QByteArray("{\\rtf1 rich}")},
        PreferredContent{PasteInfoDisplayType::File, "text/uri-list", QList<FileEntry>{}},
    };
    int failures = -1;
    const QStringList written =
        PasteInfFileWriter::writeIntoFolder(dir.path(), items.size(), listed(items), &failures, sameTime);
    QCOMPARE(failures, 1); // a file list is not something to save
    QCOMPARE(fileBytes(taken.fileName()), QByteArray("keep me"));
    QStringList names;
    for (const QString& path : written)
        names << QFileInfo(path).fileName();
    QCOMPARE(
        names,
        (QStringList{"Plain Text 2026-05-01 14.03.07.1234 2.txt", "Plain Text 2026-05-01 14.03.07.1234 3.txt",
                     "Link 2026-05-01 14.03.07.1234.txt", "Rich Text 2026-05-01 14.03.07.1234.rtf"}));
    QCOMPARE(fileBytes(written.at(0)), QByteArray("first"));
    QCOMPARE(fileBytes(written.at(2)), QByteArray("https://example.org/"));
    QCOMPARE(fileBytes(written.at(3)), QByteArray("{\\rtf1 rich}"));

    // The real names: a hundred at once stay a hundred files.
    QTemporaryDir many;
    const QList<PreferredContent> hundred(100, text(PasteInfoDisplayType::PlainText, "same"));
    QCOMPARE(
        PasteInfFileWriter::writeIntoFolder(many.path(), hundred.size(), listed(hundred), &failures).size(),
        100);
    QCOMPARE(QDir(many.path()).entryList(QDir::Files).size(), 100);
}

void TestPasteInfFileWriter::aFolderSaveHoldsOneItemAtATime()
{
    QTemporaryDir dir;
    // Each item is asked for only once the one before is on disk and let go: the writer holds
    // no reference to its bytes any more. A gone item is skipped, not a failure.
    QByteArray previous;
    int asked = 0;
    const auto itemAt = [&](qsizetype index) -> std::optional<PreferredContent> {
        ++asked;
        if (index > 0) {
            [&] {
                QVERIFY2(previous.isDetached(), "the item before is still held");
                QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), std::min<qsizetype>(index, 2));
            }();
        }
        if (index == 2)
            return std::nullopt;
        previous = QByteArray(1 << 20, char('a' + index));
        return PreferredContent{PasteInfoDisplayType::RichTextFormat, QStringLiteral("text/rtf"), previous};
    };
    int failures = -1;
    const QStringList written = PasteInfFileWriter::writeIntoFolder(dir.path(), 4, itemAt, &failures);
    QCOMPARE(asked, 4);
    QCOMPARE(failures, 0);
    QCOMPARE(written.size(), 3);
    QCOMPARE(fileBytes(written.last()), QByteArray(1 << 20, 'd'));
}

QTEST_GUILESS_MAIN(TestPasteInfFileWriter)
#include "tst_pasteinffilewriter.moc"
