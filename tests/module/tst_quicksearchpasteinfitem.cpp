#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/QuickSearchThumbnailCache.h"
#include "platform/PasteboardTypes.h"
#include "view/base/ThemeColors.h"

#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTest>

namespace {

PasteInfModel item(const QList<PasteboardItem::Representation>& representations, int age)
{
    const PasteboardItem content(representations);
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{content}, content.types(), nullptr);
    model.date = QDateTime::currentDateTimeUtc().addSecs(-age);
    model.categoryUUID = kDefaultCategoryUUID;
    return model;
}

PasteInfModel textItem(const QString& text, int age, const QString& app = {}, const QColor& header = {})
{
    PasteInfModel model = item({{PasteboardType::string, text.toUtf8()}}, age);
    if (!app.isEmpty()) {
        model.appName = app;
        model.appBundleUrl = QStringLiteral("/usr/share/applications/%1.desktop").arg(app.toLower());
        model.headerBgColor = header;
    }
    return model;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(40, 40, 42));
    palette.setColor(QPalette::Base, QColor(30, 30, 32));
    palette.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Mid, QColor(90, 90, 95));
    palette.setColor(QPalette::Highlight, QColor(40, 110, 210));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

// Renders what the view shows at a device pixel ratio.
QImage render(QWidget& widget, qreal dpr)
{
    QImage image(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

bool isRed(const QColor& c)
{
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}

PasteInfRow textRow(const QString& text,
                    std::optional<PasteInfoDisplayType> type = PasteInfoDisplayType::PlainText)
{
    PasteInfRow row;
    row.id = 1;
    row.uuid = QStringLiteral("row-%1").arg(qHash(text));
    row.displayType = type;
    row.previewText = text;
    row.types = QStringList{PasteboardType::string};
    return row;
}

// One cell as the list paints it, at 1x.
QImage paintCell(QuickSearchPasteInfItem& delegate, const PasteInfRow& row)
{
    QStandardItemModel model;
    auto* item = new QStandardItem;
    item->setData(QVariant::fromValue(row), QuickSearchPasteInfListModel::PasteInfRowRole);
    model.appendRow(item);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, QuickSearchPasteInfItem::kCellWidth,
                        QuickSearchPasteInfItem::kCellHeight);
    option.palette = QApplication::palette();
    option.state = QStyle::State_Enabled;
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    return image;
}

bool hasColor(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

} // namespace

class TstQuickSearchPasteInfItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cellsAsAUserSeesThem_data();
    void cellsAsAUserSeesThem();
    void rowsShowWhatTheTextHolds_data();
    void rowsShowWhatTheTextHolds();
    void marksTheSearchedText();

private:
    std::unique_ptr<TestHome> home_;
};

void TstQuickSearchPasteInfItem::initTestCase()
{
    Localized::install();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    home_ = std::make_unique<TestHome>();
    CoreDataManager& store = ::store();
    // Newest first: rows 0 to 7.
    store.insertPasteInf(
        textItem(QStringLiteral("hello\nworld"), 1, QStringLiteral("Editor"), QColor(52, 101, 164)));
    store.insertPasteInf(
        textItem(QStringLiteral("hello world"), 2, QStringLiteral("Editor"), QColor(52, 101, 164)));
    store.insertPasteInf(
        textItem(QStringLiteral("ff0000"), 3, QStringLiteral("Paint"), QColor(250, 210, 60)));
    store.insertPasteInf(item({{PasteboardType::png, pngOf({400, 120}, QColor(220, 30, 30))}}, 4));
    store.insertPasteInf(
        item({{PasteboardType::fileURL, "file:///home/me/report.pdf\nfile:///home/me/notes.txt"}}, 5));
    store.insertPasteInf(textItem(QStringLiteral("https://example.org/a/rather/long/path?query=1"), 6,
                                  QStringLiteral("Browser with a very long application name indeed"),
                                  QColor(230, 90, 40)));
    store.insertPasteInf(
        textItem(QStringLiteral("  A longer note that wraps onto a second line and then goes on "
                                "well past it, so the end of it is cut off.  "),
                 7, QStringLiteral("Notes"), QColor(30, 150, 90)));
    store.insertPasteInf(item({{QStringLiteral("application/x-unheard-of"), "?"}}, 8));
}

void TstQuickSearchPasteInfItem::cellsAsAUserSeesThem_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<bool>("dark");
    QTest::newRow("light-1x") << 1.0 << false;
    QTest::newRow("light-2x") << 2.0 << false;
    QTest::newRow("dark-1x") << 1.0 << true;
    QTest::newRow("dark-2x") << 2.0 << true;
}

// A list of every kind of cell, rendered as the window would show it; the PNGs go to
// $BRIMBLE_SHOT_DIR when it is set, for a person to look at.
void TstQuickSearchPasteInfItem::cellsAsAUserSeesThem()
{
    QFETCH(qreal, dpr);
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());

    QuickSearchPasteInfListModel model(store());
    QSignalSpy loaded(&model, &QuickSearchPasteInfListModel::historyLoaded);
    model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    QCOMPARE(model.rowCount(), 8);

    QuickSearchThumbnailCache thumbnails(store());
    QuickSearchPasteInfItem delegate(&thumbnails);
    QImage appIcon(64, 64, QImage::Format_ARGB32);
    appIcon.fill(QColor(240, 240, 240));
    delegate.setIconLookup([&](const QString& path) { return path.contains("editor") ? appIcon : QImage(); });
    QListView view;
    view.setUniformItemSizes(true);
    view.setFrameShape(QFrame::NoFrame);
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    connect(&delegate, &QuickSearchPasteInfItem::repaintNeeded, view.viewport(),
            qOverload<>(&QWidget::update));
    const int h = QuickSearchPasteInfItem::kCellHeight;
    view.resize(QuickSearchPasteInfItem::kCellWidth, 8 * h);
    view.selectionModel()->select(model.index(2), QItemSelectionModel::Select);
    delegate.setQuickPasteBadgesShown(true);

    // Thumbnails and file names arrive from the worker; the first render asks for them.
    render(view, dpr);
    QSignalSpy previews(&thumbnails, &QuickSearchThumbnailCache::previewLoaded);
    int expected = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto type = model.rowAt(row).value().displayType;
        expected += !type || type == PasteInfoDisplayType::Image || type == PasteInfoDisplayType::File;
    }
    QTRY_COMPARE(previews.size(), expected);
    const QImage shot = render(view, dpr);
    QCOMPARE(shot.size(), view.size() * dpr);
    if (const QString dir = qEnvironmentVariable("BRIMBLE_SHOT_DIR"); !dir.isEmpty())
        shot.save(QStringLiteral("%1/list-%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag())));

    auto cell = [&](int row) { return shot.copy(QRect(0, row * h * dpr, shot.width(), h * dpr)); };
    auto pixel = [&](int x, int y) { return shot.pixelColor(int(x * dpr), int(y * dpr)); };
    // A line break shows as a space: "hello\nworld" looks exactly like "hello world" (rows 0 and
    // 1 differ only in their badge digit, so compare left of it).
    const QRect text(0, 0, 150 * dpr, h * dpr);
    QCOMPARE(cell(0).copy(text), cell(1).copy(text));
    // The colour swatch, and the image's thumbnail, are red; the first left of the text.
    QVERIFY(isRed(pixel(4 + 6 + 21, 2 * h + 3 + 20 + 23)));
    QVERIFY(isRed(pixel(4 + 6 + 30, 3 * h + 3 + 20 + 23)));
    // The selected cell is painted in the highlight colour.
    QCOMPARE(pixel(200, 2 * h + 3 + 20 + 4), QApplication::palette().color(QPalette::Highlight));
    // Badges while Ctrl is held, on the first ten rows only.
    const QImage withBadge = cell(4);
    delegate.setQuickPasteBadgesShown(false);
    QCOMPARE(render(view, dpr).copy(QRect(0, 4 * h * dpr, shot.width(), h * dpr)) == withBadge, false);
}

void TstQuickSearchPasteInfItem::rowsShowWhatTheTextHolds_data()
{
    QTest::addColumn<PasteInfRow>("row");
    QTest::addColumn<PasteInfRow>("looksLike");
    // Bidi controls act no more: "gnp.exe" behind U+202E must not read "exe.png".
    QTest::newRow("right-to-left override")
        << textRow(QStringLiteral("\u202Egnp.exe")) << textRow(QStringLiteral("\\u202egnp.exe"));
    QTest::newRow("isolates and marks")
        << textRow(QStringLiteral("a\u2067b\u200Fc")) << textRow(QStringLiteral("a\\u2067b\\u200fc"));
    QTest::newRow("escape sequence") << textRow(QStringLiteral("\x1b[31mred"))
                                     << textRow(QStringLiteral("\\x1b[31mred"));
    // A copy that only offers HTML is rich text: its row shows the text of the HTML.
    PasteInfRow html = textRow({}, std::nullopt);
    html.previewText.reset();
    html.types = QStringList{PasteboardType::html};
    QTest::newRow("html only") << html
                               << textRow(QStringLiteral("Hello world & co Second"),
                                          PasteInfoDisplayType::RichTextFormat);
}

void TstQuickSearchPasteInfItem::rowsShowWhatTheTextHolds()
{
    QFETCH(PasteInfRow, row);
    QFETCH(PasteInfRow, looksLike);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QuickSearchThumbnailCache thumbnails(store(), [](qint64, std::function<void(
                                                                 const std::optional<PasteboardItems>&)>
                                                                 done) {
        done(PasteboardItems{PasteboardItem(
            {{PasteboardType::html, "<p>Hello <b>world</b> &amp; co</p><img src=\"x.png\"><p>Second</p>"}})});
    });
    QuickSearchPasteInfItem delegate(&thumbnails);
    QSignalSpy previews(&thumbnails, &QuickSearchThumbnailCache::previewLoaded);
    if (!row.displayType) {
        paintCell(delegate, row);
        QVERIFY(previews.wait(5000));
    }
    QCOMPARE(paintCell(delegate, row), paintCell(delegate, looksLike));
}

void TstQuickSearchPasteInfItem::marksTheSearchedText()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
    QuickSearchPasteInfItem delegate(nullptr);
    const PasteInfRow row = textRow(QStringLiteral("hello W\u00D6RLD"));
    const QImage plain = paintCell(delegate, row);
    QVERIFY(!hasColor(plain, ThemeColors::matchBackground()));
    // Matched as the search matches: whatever the case.
    delegate.setHighlightText(QStringLiteral("w\u00F6rld"));
    QVERIFY(hasColor(paintCell(delegate, row), ThemeColors::matchBackground()));
    delegate.setHighlightText(QStringLiteral("nowhere"));
    QCOMPARE(paintCell(delegate, row), plain);
}

QTEST_MAIN(TstQuickSearchPasteInfItem)
#include "tst_quicksearchpasteinfitem.moc"
