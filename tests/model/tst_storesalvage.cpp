// Salvaging a history file whose pages were partly overwritten.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/StoreSalvage.h"
#include "platform/PasteboardTypes.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTest>

class TestStoreSalvage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readableItemsSurviveDamagedPages();
    void refusesWhatIsNotAHistory();
};

void TestStoreSalvage::readableItemsSurviveDamagedPages()
{
    TestHome home;
    CoreDataManager& store = ::store();
    store.ensureDefaultCategory();
    // Texts of a few kilobytes, so that most pages of the file hold item content.
    QHash<QString, QString> texts;
    const int total = 400;
    for (int i = 0; i < total; ++i) {
        const QString text = QStringLiteral("item %1 ").arg(i) + QString(3000, QChar('a' + i % 26));
        const PasteboardItem item({{PasteboardType::string, text.toUtf8()}});
        PasteInfModel model = PasteInfModel::capture(PasteboardItems{item}, item.types(), nullptr);
        // Half of them in a clipboard whose row is missing, as if its page had been lost.
        model.categoryUUID = i % 2 ? kDefaultCategoryUUID : QStringLiteral("lost-clipboard");
        store.insertPasteInf(model);
        texts.insert(*model.uuid, text);
    }
    store.waitForQueued();
    store.close();

    // Three pages in the middle of the file overwritten, as a failing disk or a stray write
    // leaves them.
    const QString path = home.databasePath();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    const qint64 pages = file.size() / pageSize;
    QVERIFY(pages > 100);
    file.seek(pages / 2 * pageSize);
    file.write(QByteArray(3 * pageSize, '\x5a'));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray damagedBytes = file.readAll();
    file.close();

    StoreSalvage::Report report;
    QString error;
    QVERIFY2(StoreSalvage::salvage(path, &report, &error), qPrintable(error));
    QVERIFY(report.unreadableStretches > 0);
    // A damaged page costs its own rows only: the scan goes on past it.
    QVERIFY(report.itemsKept >= total - 10);
    QVERIFY(report.itemsKept < total);
    QCOMPARE(report.clipboardsKept, 1);
    QCOMPARE(report.clipboardsRecreated, 1);

    QFile kept(report.keptPath);
    QVERIFY(QFileInfo(report.keptPath).fileName().startsWith("Brimble.sqlite.damaged-"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damagedBytes);

    // The fresh file opens as a history, and what it holds is what was copied, content and
    // searchable text included.
    QVERIFY(store.open(path, &error));
    const QList<PasteCategoryInfModel> clipboards = store.fetchCategories();
    QCOMPARE(clipboards.size(), 2);
    QCOMPARE(clipboards.last().title, std::optional<QString>("Recovered clipboard 1"));
    QList<PasteInfModel> items =
        store.fetchPasteInfs(clipboards.first()) + store.fetchPasteInfs(clipboards.last());
    QCOMPARE(items.size(), report.itemsKept);
    for (PasteInfModel& model : items) {
        QVERIFY(texts.contains(*model.uuid));
        const auto content = model.pasteboardItems();
        QVERIFY(content && !content->isEmpty());
        QCOMPARE(content->first().plainString(), texts.value(*model.uuid));
        QCOMPARE(store.fetchPlainText(*model.uuid), std::optional<QString>(texts.value(*model.uuid)));
    }
    store.close();
}

void TestStoreSalvage::refusesWhatIsNotAHistory()
{
    TestHome home;
    store().close();
    const QString path = home.databasePath();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray garbage(8192, 'x');
    file.write(garbage);
    file.close();

    StoreSalvage::Report report;
    QString error;
    QVERIFY(!StoreSalvage::salvage(path, &report, &error));
    QVERIFY(error.contains(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{"Brimble.sqlite"});
}

QTEST_GUILESS_MAIN(TestStoreSalvage)
#include "tst_storesalvage.moc"
