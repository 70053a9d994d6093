// The quick search controller over several clipboards: what a switch shows and searches, and
// what a rename leaves in the store.
#include "TestSupport.h"

#include "app/Localized.h"
#include "model/CoreDataManager.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
std::optional<QString> storedTitle(const QString& uuid)
{
    for (const PasteCategoryInfModel& clipboard : store().fetchCategories())
        if (clipboard.uuid == uuid)
            return clipboard.title;
    return std::nullopt;
}

QStringList shownTexts(QuickSearchPasteInfListModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->rowAt(row).value_or(PasteInfRow{}).previewText.value_or(QStringLiteral("?"));
    return texts;
}
} // namespace

class TestQuickSearchClipboards : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void switchingShowsAndSearchesTheOtherClipboard();
    void aTypeClauseThatNamesNoTypeShowsAHint();
};

void TestQuickSearchClipboards::switchingShowsAndSearchesTheOtherClipboard()
{
    TestHome home;
    store().ensureDefaultCategory();
    const PasteCategoryInfModel notes =
        PasteCategoryInfModel::successor(PasteCategoryInfModel::defaultCategory());
    store().insertCategory(notes);
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("apple in the history", now.addSecs(-30)));
    store().insertPasteInf(textCapture("apple in the notes", now.addSecs(-20), notes.uuid.value()));
    store().insertPasteInf(textCapture("pear in the notes", now.addSecs(-10), notes.uuid.value()));
    store().waitForQueued();

    QuickSearchViewController controller(nullptr, nullptr);
    controller.resize(600, 400);
    QuickSearchPasteInfListModel* model = controller.model();
    QTRY_COMPARE(controller.clipBoards().size(), 2);
    QTRY_COMPARE(shownTexts(model), QStringList{"apple in the history"});

    controller.selectClipboard(notes.uuid.value());
    QTRY_COMPARE(shownTexts(model), (QStringList{"pear in the notes", "apple in the notes"}));
    controller.searchField()->setText("apple");
    QTRY_COMPARE(shownTexts(model), QStringList{"apple in the notes"});
    controller.searchField()->clear();
    QTRY_COMPARE(model->rowCount(), 2);

    // Renaming to blanks keeps the name; a new name is stored.
    QuickSearchClipboardHeader* header = controller.clipboardHeader();
    const QString title = notes.title.value();
    for (const QString& typed : {QStringLiteral("   "), QStringLiteral("Groceries")}) {
        header->beginRename();
        QVERIFY(header->isRenaming());
        header->nameField()->setText(typed);
        QTest::keyClick(header->nameField(), Qt::Key_Return);
        QVERIFY(!header->isRenaming());
        store().waitForQueued();
        QCOMPARE(storedTitle(notes.uuid.value()), typed.trimmed().isEmpty() ? title : typed);
        QCOMPARE(header->nameField()->text(), storedTitle(notes.uuid.value()).value());
    }
}

void TestQuickSearchClipboards::aTypeClauseThatNamesNoTypeShowsAHint()
{
    TestHome home;
    store().ensureDefaultCategory();
    QuickSearchViewController controller(nullptr, nullptr);
    controller.show();
    QVERIFY(!controller.typeHint()->isVisible());
    controller.searchField()->setText("type:bogus hello");
    QVERIFY(controller.typeHint()->isVisible());
    QVERIFY(controller.typeHint()->text().contains("\"type:bogus\""));
    QVERIFY(controller.typeHint()->text().contains("plain_text"));
    controller.searchField()->setText("type:image hello");
    QVERIFY(!controller.typeHint()->isVisible());
    controller.searchField()->setText("type:");
    QVERIFY(controller.typeHint()->isVisible());
    controller.searchField()->clear();
    QVERIFY(!controller.typeHint()->isVisible());
}

QTEST_MAIN(TestQuickSearchClipboards)
#include "tst_quicksearchclipboards.moc"
