#include "common/Log.h"
#include "model/IgnoredAppInfModel.h"
#include "model/Localized.h"
#include "model/ModelCoding.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"
#include "platform/PasteboardTypes.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

PasteDataTypeGroups sampleGroups()
{
    QByteArray binary(256, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i);
    return {
        {{QStringLiteral("text/plain;charset=utf-8"), QByteArray("héllo")},
         {QStringLiteral("image/png"), binary},
         {QStringLiteral("application/x-empty"), QByteArray()}},
        {},
        {{QStringLiteral("text/uri-list"), QByteArray("file:///tmp/a\r\n")}},
    };
}

RunningApplicationRef app(const QString& identifier, const QImage& icon = QImage())
{
    auto record = std::make_shared<RunningApplication>();
    record->localizedName = QStringLiteral("Editor");
    record->bundlePath = QStringLiteral("/usr/share/applications/") + identifier + QStringLiteral(".desktop");
    record->bundleIdentifier = identifier;
    record->icon = icon;
    return record;
}

PasteboardItem fileItem()
{
    return PasteboardItem({
        {QStringLiteral("x-special/gnome-copied-files"), QByteArray("copy\nfile:///tmp/a%20b")},
        {PasteboardType::fileURL,
         QByteArray("file:///tmp/a%20b\r\n# a comment\r\nfile:///home/u/%C3%A9t%C3%A9.txt\r\n")},
        {PasteboardType::string, QByteArray("/tmp/a b")},
    });
}

} // namespace

class TstModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void itemDataRoundTrip();
    void typesAndColorRoundTrip();
    void recordWithoutTypeOrData();
    void undecodableBlobs_data();
    void undecodableBlobs();
    void truncatedAndMutatedBlobsNeverCrash();
    void pasteboardItemsFromRecords();

    void captureWithAbsentArgumentsIsEmpty();
    void captureCopiesContentAndSourceApplication();
    void captureDropsWordDynTypes();
    void captureWithoutApplication();
    void pasteDataTypeGroupsAddsOneBookmark();
    void pasteDataTypeGroupsFailures();
    void lazyContentIsSharedByCopies();
    void lazyContentConcurrentFirstUse();
    void appIconLoadsOnFirstRead();
    void equalityIsByUuid();
    void pasteInfDescription();

    void categoryInitialisers();
    void categoryDescription();
    void ignoredAppFromPath_data();
    void ignoredAppFromPath();
    void ignoredAppDesktopFileIdentifier();
};

void TstModels::itemDataRoundTrip()
{
    const PasteDataTypeGroups groups = sampleGroups();
    QCOMPARE(ModelCoding::decodeItemData(ModelCoding::encodeItemData(groups)), groups);
    QCOMPARE(ModelCoding::decodeItemData(ModelCoding::encodeItemData({})), PasteDataTypeGroups());

    // The stored shape is the documented one, so other readers can rely on it.
    const QCborValue value = QCborValue::fromCbor(ModelCoding::encodeItemData(groups));
    QVERIFY(value.isArray());
    const QCborMap first = value.toArray().at(0).toArray().at(0).toMap();
    QCOMPARE(first.value(QStringLiteral("type")).toString(), QStringLiteral("text/plain;charset=utf-8"));
    QCOMPARE(first.value(QStringLiteral("data")).toByteArray(), QByteArray("héllo"));
}

void TstModels::typesAndColorRoundTrip()
{
    const QStringList types = {QStringLiteral("text/plain"), QStringLiteral("image/png"), QString()};
    QCOMPARE(ModelCoding::decodeTypes(ModelCoding::encodeTypes(types)), std::optional<QStringList>(types));
    // An empty list is not the same as no list.
    QCOMPARE(ModelCoding::decodeTypes(ModelCoding::encodeTypes(QStringList())),
             std::optional<QStringList>(QStringList()));
    QCOMPARE(ModelCoding::decodeTypes(ModelCoding::encodeTypes(std::nullopt)), std::nullopt);
    QVERIFY(ModelCoding::isNull(ModelCoding::encodeTypes(std::nullopt)));

    for (const QColor& color :
         {QColor(12, 200, 99), QColor(0, 0, 0, 0), QColor::fromRgbF(0.25f, 0.5f, 1.0f, 0.3f)})
        QCOMPARE(ModelCoding::decodeColor(ModelCoding::encodeColor(color)), std::optional<QColor>(color));
    QCOMPARE(ModelCoding::decodeColor(ModelCoding::encodeColor(std::nullopt)), std::nullopt);
    QVERIFY(ModelCoding::isNull(ModelCoding::encodeColor(std::nullopt)));
}

void TstModels::recordWithoutTypeOrData()
{
    // A record whose type is not text keeps the type absent; the rest decodes.
    QCborMap odd;
    odd.insert(QStringLiteral("type"), 42);
    odd.insert(QStringLiteral("data"), QByteArray("x"));
    QCborMap noData;
    noData.insert(QStringLiteral("type"), QStringLiteral("text/plain"));
    const QByteArray blob = QCborValue(QCborArray{QCborArray{odd, noData}}).toCbor();
    const auto groups = ModelCoding::decodeItemData(blob);
    QVERIFY(groups);
    QCOMPARE(groups->size(), 1);
    QCOMPARE(groups->at(0).at(0), (PasteDataType{std::nullopt, QByteArray("x")}));
    QCOMPARE(groups->at(0).at(1), (PasteDataType{QStringLiteral("text/plain"), std::nullopt}));
}

void TstModels::undecodableBlobs_data()
{
    QTest::addColumn<QByteArray>("blob");
    const QByteArray valid = ModelCoding::encodeItemData(sampleGroups());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not cbor") << QByteArray("\xff\xff\xff garbage", 12);
    QTest::newRow("text") << QByteArray("bplist00");
    QTest::newRow("null") << QCborValue(QCborValue::Null).toCbor();
    QTest::newRow("map at top")
        << QCborValue(QCborMap{{QStringLiteral("type"), QStringLiteral("x")}}).toCbor();
    QTest::newRow("array of numbers") << QCborValue(QCborArray{1, 2, 3}).toCbor();
    QTest::newRow("inner not a map") << QCborValue(QCborArray{QCborArray{QStringLiteral("x")}}).toCbor();
    QTest::newRow("truncated") << valid.left(valid.size() / 2);
    QTest::newRow("trailing bytes") << valid + QByteArray("\x00", 1);
    QTest::newRow("deep nesting") << QByteArray(100000, '\x81');
    QTest::newRow("huge declared length") << QByteArray("\x9b\xff\xff\xff\xff\xff\xff\xff\xff", 9);
}

void TstModels::undecodableBlobs()
{
    QFETCH(QByteArray, blob);
    QCOMPARE(ModelCoding::decodeItemData(blob), std::nullopt);
    QCOMPARE(ModelCoding::decodeTypes(blob), std::nullopt);
    QCOMPARE(ModelCoding::decodeColor(blob), std::nullopt);
}

void TstModels::truncatedAndMutatedBlobsNeverCrash()
{
    const QByteArray valid = ModelCoding::encodeItemData(sampleGroups());
    for (int length = 0; length < valid.size(); ++length)
        QCOMPARE(ModelCoding::decodeItemData(valid.left(length)), std::nullopt);

    QRandomGenerator random(7);
    const QList<QByteArray> seeds = {valid, ModelCoding::encodeTypes(QStringList{"a", "b"}),
                                     ModelCoding::encodeColor(QColor(1, 2, 3))};
    for (int round = 0; round < 3000; ++round) {
        QByteArray blob = seeds.at(round % seeds.size());
        for (int flips = 1 + random.bounded(4); flips > 0; --flips)
            blob[random.bounded(int(blob.size()))] = char(random.bounded(256));
        // Any answer is fine as long as it is a well-formed one.
        if (const auto groups = ModelCoding::decodeItemData(blob))
            PasteInfModel::pasteboardItemsFrom(groups);
        ModelCoding::decodeTypes(blob);
        if (const auto color = ModelCoding::decodeColor(blob))
            QVERIFY(color->isValid());
    }
}

void TstModels::pasteboardItemsFromRecords()
{
    Log::Capture log;
    QCOMPARE(PasteInfModel::pasteboardItemsFrom(std::nullopt), std::nullopt);
    QVERIFY(log.contains("[error]"));
    QVERIFY(log.contains("PasteInfModel: initial with item data fail, types or data is nil"));

    log.clear();
    const PasteDataTypeGroups groups = {
        {{QStringLiteral("b/second"), QByteArray("2")},
         {std::nullopt, QByteArray("lost")},
         {QStringLiteral("a/first"), QByteArray("1")}},
        {{QStringLiteral("c/only-type"), std::nullopt}},
    };
    const auto items = PasteInfModel::pasteboardItemsFrom(groups);
    QVERIFY(items);
    QCOMPARE(items->size(), 2);
    // Order kept, incomplete records skipped, an item with nothing left still counts.
    QCOMPARE(items->at(0).types(), (QStringList{"b/second", "a/first"}));
    QVERIFY(items->at(1).isEmpty());
    QCOMPARE(log.count("set data fail: data or type is nil"), 2);
}

void TstModels::captureWithAbsentArgumentsIsEmpty()
{
    const PasteboardItems items = {PasteboardItem({{QStringLiteral("text/plain"), QByteArray("x")}})};
    for (const PasteInfModel& model :
         {PasteInfModel::capture(std::nullopt, QStringList{"text/plain"}, app("a")),
          PasteInfModel::capture(items, std::nullopt, app("a"))}) {
        QVERIFY(!model.uuid && !model.date && !model.categoryUUID && !model.types && !model.appName);
        QVERIFY(!model.appBundleUrl && !model.appBundleIdentifier && !model.headerBgColor &&
                !model.firstPlainText);
        QVERIFY(!model.pasteboardItems());
        QVERIFY(!model.displayType && !model.displayPasteBoardType);
    }
}

void TstModels::captureCopiesContentAndSourceApplication()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor(200, 30, 30));
    const PasteboardItems items = {
        PasteboardItem({{QStringLiteral("UTF8_STRING"), QByteArray("first")},
                        {QStringLiteral("text/html"), QByteArray("<b>first</b>")}}),
        PasteboardItem({{QStringLiteral("text/plain"), QByteArray("second")}})};
    const QStringList types = {QStringLiteral("UTF8_STRING"), QStringLiteral("text/html")};
    const PasteInfModel model =
        PasteInfModel::capture(items, types, app(QStringLiteral("org.gnome.TextEditor"), icon));

    QVERIFY(model.uuid);
    QVERIFY(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$")
                .match(*model.uuid)
                .hasMatch());
    QVERIFY(model.date && qAbs(model.date->secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(model.categoryUUID, kDefaultCategoryUUID);
    QCOMPARE(model.appName, QStringLiteral("Editor"));
    QCOMPARE(model.appBundleUrl, QStringLiteral("/usr/share/applications/org.gnome.TextEditor.desktop"));
    QCOMPARE(model.appBundleIdentifier, QStringLiteral("org.gnome.TextEditor"));
    QVERIFY(model.headerBgColor);
    QVERIFY(model.appIconImage());
    QCOMPARE(model.types, types);
    QCOMPARE(model.pasteboardItems(), std::optional<PasteboardItems>(items));
    QCOMPARE(model.firstPlainText, QStringLiteral("first"));
    QVERIFY(!model.displayType && !model.displayPasteBoardType);
    QVERIFY(model.isContentLoaded());
}

void TstModels::captureDropsWordDynTypes()
{
    const PasteboardItems items = {PasteboardItem({{QStringLiteral("dyn.ah62d4rv4gu8y"), QByteArray("a")},
                                                   {QStringLiteral("text/rtf"), QByteArray("{\\rtf1}")},
                                                   {QStringLiteral("dyn.other"), QByteArray("b")}})};
    const QStringList types = items.first().types();

    const PasteInfModel word =
        PasteInfModel::capture(items, types, app(QStringLiteral("com.microsoft.Word")));
    QCOMPARE(word.pasteboardItems()->first().types(), QStringList{"text/rtf"});
    QCOMPARE(word.types, types);

    // Only that exact identifier.
    const PasteInfModel other =
        PasteInfModel::capture(items, types, app(QStringLiteral("com.microsoft.word")));
    QCOMPARE(other.pasteboardItems()->first().types(), types);
}

void TstModels::captureWithoutApplication()
{
    const PasteboardItems items = {PasteboardItem({{QStringLiteral("image/png"), QByteArray("png")}})};
    const PasteInfModel model = PasteInfModel::capture(items, QStringList{"image/png"}, nullptr);
    QVERIFY(model.uuid);
    QVERIFY(!model.appName && !model.appBundleUrl && !model.appBundleIdentifier && !model.headerBgColor);
    QVERIFY(!model.firstPlainText);
    QVERIFY(!model.appIconImage());
}

void TstModels::pasteDataTypeGroupsAddsOneBookmark()
{
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{fileItem()}, fileItem().types(), nullptr);
    const QByteArray paths = QStringLiteral("/tmp/a b\n/home/u/été.txt").toUtf8();
    const QList<PasteDataType> expected = {
        {QStringLiteral("x-special/gnome-copied-files"), QByteArray("copy\nfile:///tmp/a%20b")},
        {PasteboardType::fileURL, fileItem().dataForType(PasteboardType::fileURL)},
        {PasteboardType::bookmark, paths},
        {PasteboardType::string, QByteArray("/tmp/a b")},
    };
    const PasteDataTypeGroups first = model.pasteDataTypeGroups();
    QCOMPARE(first, PasteDataTypeGroups{expected});
    // The model's own item now carries the bookmark too.
    QCOMPARE(model.pasteboardItems()->first().dataForType(PasteboardType::bookmark),
             std::optional<QByteArray>(paths));

    // Asked again: the stored bookmark is not repeated, a fresh one takes its place.
    QCOMPARE(model.pasteDataTypeGroups(), PasteDataTypeGroups{expected});
}

void TstModels::pasteDataTypeGroupsFailures()
{
    Log::Capture log;
    PasteInfModel empty;
    QCOMPARE(empty.pasteDataTypeGroups(), PasteDataTypeGroups());
    QVERIFY(log.contains("[error]"));
    QVERIFY(log.contains("PasteInfModel: paste items is nil"));

    log.clear();
    const PasteboardItem commentsOnly({{PasteboardType::fileURL, QByteArray("# nothing\r\n\r\n")}});
    PasteInfModel model =
        PasteInfModel::capture(PasteboardItems{commentsOnly}, commentsOnly.types(), nullptr);
    const PasteDataTypeGroups groups = model.pasteDataTypeGroups();
    QCOMPARE(groups, (PasteDataTypeGroups{{{PasteboardType::fileURL, QByteArray("# nothing\r\n\r\n")}}}));
    QVERIFY(log.contains("PasteInfModel: get path error"));
    QVERIFY(!model.pasteboardItems()->first().hasType(PasteboardType::bookmark));
}

void TstModels::lazyContentIsSharedByCopies()
{
    const PasteboardItems stored = {PasteboardItem({{QStringLiteral("text/plain"), QByteArray("stored")}})};
    std::atomic<int> loads{0};
    PasteInfModel model;
    model.uuid = QStringLiteral("U");
    model.setContentLoader([&] {
        ++loads;
        return std::optional<PasteboardItems>(stored);
    });
    const PasteInfModel copy = model;
    QVERIFY(!model.isContentLoaded());
    QCOMPARE(loads.load(), 0);

    QCOMPARE(copy.pasteboardItems(), std::optional<PasteboardItems>(stored));
    QVERIFY(model.isContentLoaded());
    QCOMPARE(model.pasteboardItems(), std::optional<PasteboardItems>(stored));
    QCOMPARE(loads.load(), 1);

    // A new value belongs to that model alone.
    model.setPasteboardItems(PasteboardItems{});
    QCOMPARE(copy.pasteboardItems(), std::optional<PasteboardItems>(stored));
    QCOMPARE(model.pasteboardItems(), std::optional<PasteboardItems>(PasteboardItems{}));
}

void TstModels::lazyContentConcurrentFirstUse()
{
    const PasteboardItems stored = {PasteboardItem({{QStringLiteral("image/png"), QByteArray(100000, 'x')}})};
    for (int round = 0; round < 20; ++round) {
        PasteInfModel model;
        model.setContentLoader([&] { return std::optional<PasteboardItems>(stored); });
        std::vector<PasteInfModel> copies(8, model);
        std::atomic<int> matches{0};
        std::vector<std::thread> threads;
        for (const PasteInfModel& copy : copies)
            threads.emplace_back([&copy, &matches, &stored] {
                if (copy.pasteboardItems() == std::optional<PasteboardItems>(stored))
                    ++matches;
            });
        for (auto& thread : threads)
            thread.join();
        QCOMPARE(matches.load(), 8);
        // Everyone reads the same published value.
        QCOMPARE(&copies.front().pasteboardItems(), &copies.back().pasteboardItems());
    }
}

void TstModels::appIconLoadsOnFirstRead()
{
    int calls = 0;
    PasteInfModel::setIconProvider([&](const QString& path) {
        ++calls;
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(path.contains("blue") ? Qt::blue : Qt::red);
        return image;
    });
    PasteInfModel model;
    QVERIFY(!model.appIconImage());
    QCOMPARE(calls, 0);

    model.appBundleUrl = QStringLiteral("/apps/blue.desktop");
    QVERIFY(model.appIconImage());
    QVERIFY(model.appIconImage());
    QCOMPARE(calls, 1);
    QVERIFY(!model.headerBgColor);
    model.refreshAppIcon();
    QVERIFY(model.headerBgColor);
    PasteInfModel::setIconProvider({});
}

void TstModels::equalityIsByUuid()
{
    PasteInfModel a;
    PasteInfModel b;
    QVERIFY(a == b);
    a.uuid = QStringLiteral("X");
    QVERIFY(!(a == b));
    b.uuid = QStringLiteral("X");
    b.appName = QStringLiteral("other");
    b.date = QDateTime::currentDateTimeUtc();
    QVERIFY(a == b);
    b.uuid = QStringLiteral("x");
    QVERIFY(!(a == b));

    PasteCategoryInfModel c("A", "U", 1, 1);
    PasteCategoryInfModel d("B", "U", 2, 2);
    QVERIFY(c == d);
}

void TstModels::pasteInfDescription()
{
    PasteInfModel model;
    QCOMPARE(
        model.description(),
        QStringLiteral("{ uuid: , date: , appBundleUrl: , appBundleIdentifier: , appName: , categoryUUID: , "
                       "types:  }"));
    model.uuid = QStringLiteral("U");
    // Late December belongs to the next ISO week-year; the description shows the calendar year.
    model.date = QDateTime(QDate(2024, 12, 30), QTime(8, 5, 9), Qt::LocalTime);
    model.appBundleUrl = QStringLiteral("/p");
    model.appBundleIdentifier = QStringLiteral("id");
    model.appName = QStringLiteral("N");
    model.categoryUUID = QStringLiteral("C");
    model.types = QStringList{"a", "b"};
    model.setPasteboardItems(
        PasteboardItems{PasteboardItem({{QStringLiteral("text/plain"), QByteArray("secret")}})});
    QCOMPARE(model.description(), QStringLiteral("{ uuid: U, date: 2024-12-30 08:05:09, appBundleUrl: /p, "
                                                 "appBundleIdentifier: id, appName: N, categoryUUID: C, "
                                                 "types: [\"a\", \"b\"] }"));
}

void TstModels::categoryInitialisers()
{
    const PasteCategoryInfModel explicitModel(QStringLiteral("Text"), QStringLiteral("U"), 3, 9);
    QCOMPARE(explicitModel.colorIndex, qint16(2));
    QCOMPARE(explicitModel.orderNumber, qint16(3));
    QCOMPARE(explicitModel.title, QStringLiteral("Text"));
    QVERIFY(explicitModel.createDate);
    QVERIFY(!explicitModel.recentSelectedDate);
    QCOMPARE(PasteCategoryInfModel("T", "U", 0, -1).colorIndex, qint16(6));

    const PasteCategoryInfModel first = PasteCategoryInfModel::successor(std::nullopt);
    QCOMPARE(first.orderNumber, qint16(0));
    QCOMPARE(first.colorIndex, qint16(0));
    QCOMPARE(first.title, QStringLiteral("UnNamed"));
    QCOMPARE(first.uuid->size(), 36);
    QVERIFY(first.createDate && !first.recentSelectedDate);

    const PasteCategoryInfModel wrap =
        PasteCategoryInfModel::successor(PasteCategoryInfModel("L", "L", 8, 6));
    QCOMPARE(wrap.colorIndex, qint16(0));
    QCOMPARE(wrap.orderNumber, qint16(9));
    // After the five start-up clipboards (orders and colours 0 to 4).
    const PasteCategoryInfModel sixth =
        PasteCategoryInfModel::successor(PasteCategoryInfModel("F", "F", 4, 4));
    QCOMPARE(sixth.orderNumber, qint16(5));
    QCOMPARE(sixth.colorIndex, qint16(5));
    QVERIFY(sixth.uuid != PasteCategoryInfModel::successor(PasteCategoryInfModel("F", "F", 4, 4)).uuid);

    const PasteCategoryInfModel defaults = PasteCategoryInfModel::defaultCategory();
    QCOMPARE(defaults.uuid, QStringLiteral("default-pasteinf-catgory-coooool"));
    QCOMPARE(defaults.title, QStringLiteral("Clipboard History"));
    QCOMPARE(defaults.orderNumber, qint16(0));
    QCOMPARE(defaults.colorIndex, qint16(0));
}

void TstModels::categoryDescription()
{
    PasteCategoryInfModel model("Links", "U", 2, 3);
    model.createDate = QDateTime(QDate(2023, 1, 2), QTime(3, 4, 5), Qt::LocalTime);
    QCOMPARE(
        model.description(),
        QStringLiteral(
            "{ uuid: U, title: Links, orderNumber: 2, createDate: 2023-01-02 03:04:05, colorIndex: 3 }"));

    IgnoredAppInfModel rule;
    rule.uuid = QStringLiteral("R");
    rule.name = QStringLiteral("n.desktop");
    rule.path = QStringLiteral("/a/n.desktop");
    QCOMPARE(rule.description(),
             QStringLiteral("{ uuid: R, name: n.desktop, path: /a/n.desktop, bundleIdentifier: , date:  }"));
}

void TstModels::ignoredAppFromPath_data()
{
    QTest::addColumn<std::optional<QString>>("path");
    QTest::addColumn<std::optional<QString>>("name");
    QTest::newRow("bundle") << std::optional<QString>("/System/Applications/Utilities/Keychain Access.app")
                            << std::optional<QString>("Keychain Access.app");
    QTest::newRow("trailing slash") << std::optional<QString>("/usr/share//applications/")
                                    << std::optional<QString>("applications");
    QTest::newRow("root") << std::optional<QString>("/") << std::optional<QString>();
    QTest::newRow("empty") << std::optional<QString>("") << std::optional<QString>();
    QTest::newRow("absent") << std::optional<QString>() << std::optional<QString>();
}

void TstModels::ignoredAppFromPath()
{
    QFETCH(std::optional<QString>, path);
    QFETCH(std::optional<QString>, name);
    const IgnoredAppInfModel model = IgnoredAppInfModel::fromPath(path);
    QCOMPARE(model.uuid->size(), 36);
    QCOMPARE(model.path, path);
    QCOMPARE(model.name, name);
    QVERIFY(model.date);
    QVERIFY(!model.bundleIdentifier);
}

void TstModels::ignoredAppDesktopFileIdentifier()
{
    QTemporaryDir dir;
    const QString desktop = dir.filePath("org.gnome.seahorse.Application.desktop");
    QFile file(desktop);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nName=Passwords and Keys\n");
    file.close();
    QCOMPARE(IgnoredAppInfModel::fromPath(desktop).bundleIdentifier,
             QStringLiteral("org.gnome.seahorse.Application"));
    QCOMPARE(IgnoredAppInfModel::fromPath(desktop).name,
             QStringLiteral("org.gnome.seahorse.Application.desktop"));

    // Missing or not a desktop file: no identifier.
    QVERIFY(!IgnoredAppInfModel::fromPath(dir.filePath("missing.desktop")).bundleIdentifier);
    QVERIFY(!IgnoredAppInfModel::fromPath(dir.path()).bundleIdentifier);
}

QTEST_GUILESS_MAIN(TstModels)
#include "tst_models.moc"
