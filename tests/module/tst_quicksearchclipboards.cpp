// The quick search controller over several clipboards: what a switch shows and searches, and
// what a rename leaves in the store.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
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
    void headerShowsAnyNameAsItIs();
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

    QuickSearchViewController controller(store(), preferences(), nullptr, nullptr);
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
    QuickSearchViewController controller(store(), preferences(), nullptr, nullptr);
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

void TestQuickSearchClipboards::headerShowsAnyNameAsItIs()
{
    TestHome home;
    store().ensureDefaultCategory();
    PasteCategoryInfModel links = PasteCategoryInfModel::successor(PasteCategoryInfModel::defaultCategory());
    links.title = QStringLiteral("Links & URLs");
    PasteCategoryInfModel wordy = PasteCategoryInfModel::successor(links);
    wordy.title = QStringLiteral("Receipts and invoices of the whole family for the tax return of this year");
    store().insertCategory(links);
    store().insertCategory(wordy);
    store().waitForQueued();

    QuickSearchViewController controller(store(), preferences(), nullptr, nullptr);
    controller.resize(600, 400);
    controller.show();
    QTRY_COMPARE(controller.clipBoards().size(), 3);
    QuickSearchClipboardHeader* header = controller.clipboardHeader();

    // "&" is part of the name, not a keyboard mnemonic, in the clipboard menu and the item menu.
    QStringList shown;
    for (QAction* action : header->menu()->actions())
        shown << action->iconText();
    QVERIFY2(shown.contains(links.title.value()), qPrintable(shown.join(" | ")));
    controller.itemMenu()->prepare(PasteInfoDisplayType::PlainText, controller.clipBoards(), 0);
    shown.clear();
    for (QAction* action : controller.itemMenu()->moveToMenu()->actions())
        shown << action->iconText();
    QVERIFY2(shown.contains(links.title.value()), qPrintable(shown.join(" | ")));

    // A long name is cut at its end, and the Type button stays where it was.
    const QRect typeButton = controller.typeButton()->geometry();
    controller.selectClipboard(wordy.uuid.value());
    QTRY_COMPARE(header->title(), wordy.title.value());
    QLineEdit* name = header->nameField();
    QVERIFY(name->text().endsWith(QChar(0x2026)));
    QVERIFY(wordy.title->startsWith(name->text().chopped(1)));
    QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) < name->width());
    QCoreApplication::processEvents();
    QCOMPARE(controller.typeButton()->geometry(), typeButton);
    // Renaming edits the whole name.
    header->beginRename();
    QCOMPARE(name->text(), wordy.title.value());
    QTest::keyClick(name, Qt::Key_Escape);

    // The name itself opens the clipboard menu.
    QTest::mouseClick(name, Qt::LeftButton);
    QTRY_VERIFY(header->menu()->isVisible());
    header->menu()->hide();
}

QTEST_MAIN(TestQuickSearchClipboards)
#include "tst_quicksearchclipboards.moc"
