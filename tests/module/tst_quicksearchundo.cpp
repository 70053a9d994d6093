// The quick search panel never loses an item by accident: keys typed in the search field edit
// the field, every delete, cut, clear or move can be undone, the questions before a clear or a
// clipboard's deletion default to Cancel, and a copy too large for the clipboard is refused.
#include "TestPanel.h"
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "platform/PasteboardTypes.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <sqlite3.h>

namespace {

const QString kNotes = QStringLiteral("notes-clipboard");

// The controller in the real panel, so that keys take the panel's way to it.
struct Panel : TestPanel
{
    using TestPanel::TestPanel;
    QList<qint64> ids() const
    {
        QList<qint64> shown;
        for (int row = 0; row < model()->rowCount(); ++row)
            shown.append(model()->idAt(row));
        return shown;
    }
    // The question or message the panel shows, once it is up.
    QMessageBox* messageBox() const
    {
        QMessageBox* box = nullptr;
        QTest::qWaitFor([&] {
            for (QMessageBox* candidate : window.findChildren<QMessageBox*>())
                if (candidate->isVisible())
                    box = candidate;
            return box != nullptr;
        });
        return box;
    }
};

PasteInfModel richCapture(const QDateTime& date)
{
    const PasteboardItem rich({{PasteboardType::string, QByteArray("rich text")},
                               {QStringLiteral("text/html"), QByteArray("<b>rich</b> text")},
                               {QStringLiteral("image/png"), pngOf(QSize(4, 3))}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{rich}, rich.types(), nullptr);
    model.date = date;
    model.categoryUUID = kDefaultCategoryUUID;
    return model;
}

// "pear", the rich copy and "apple pie", newest first.
void fillHistory()
{
    store().ensureDefaultCategory();
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("apple pie", now.addSecs(-30)));
    store().insertPasteInf(richCapture(now.addSecs(-20)));
    store().insertPasteInf(textCapture("pear", now.addSecs(-10)));
    store().waitForQueued();
}

int storedCount(const QString& clipboard = kDefaultCategoryUUID)
{
    store().waitForQueued();
    PasteCategoryInfModel category;
    category.uuid = clipboard;
    return store().countPasteInfs(category);
}

} // namespace

class TestQuickSearchUndo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void keysInTheFieldNeverDeleteItems();
    void aDeleteComesBackWithCtrlZ();
    void clearAndMoveComeBackAndAskWithCancelFirst();
    void aCopyPastTheItemLimitIsRefused();
};

void TestQuickSearchUndo::keysInTheFieldNeverDeleteItems()
{
    TestHome home;
    fillHistory();
    Panel panel(home);
    QVERIFY(QTest::qWaitForWindowActive(&panel.window));
    QTRY_COMPARE(panel.model()->rowCount(), 3);
    QTest::keyClicks(panel.field(), "apple");
    QTRY_COMPARE(panel.model()->rowCount(), 1);

    // Ctrl+Backspace empties the field; Delete and Ctrl+Delete edit it.
    QTest::keyClick(panel.field(), Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(panel.field()->text(), QString());
    QTest::keyClick(panel.field(), Qt::Key_Delete);
    QTest::keyClick(panel.field(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(storedCount(), 3);
    QTRY_COMPARE(panel.model()->rowCount(), 3);

    // With no change of the history to undo, Ctrl+Z is the field's own.
    QTest::keyClick(panel.field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(panel.field()->text(), QStringLiteral("apple"));
    panel.field()->end(false);
    QTest::keyClicks(panel.field(), " pie");
    QTest::keyClick(panel.field(), Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(panel.field()->text(), QStringLiteral("apple "));
    QCOMPARE(storedCount(), 3);
}

void TestQuickSearchUndo::aDeleteComesBackWithCtrlZ()
{
    TestHome home;
    fillHistory();
    Panel panel(home);
    QVERIFY(QTest::qWaitForWindowActive(&panel.window));
    QTRY_COMPARE(panel.model()->rowCount(), 3);
    const QList<qint64> before = panel.ids();
    PasteCategoryInfModel history;
    history.uuid = kDefaultCategoryUUID;
    const QString rich = store().fetchPasteInfs(history).at(1).uuid.value();
    const std::optional<PasteboardItems> richItems = store().fetchPasteboardItems(rich);
    QVERIFY(!panel.controller->undoAction()->isEnabled());

    // Delete deletes the selection when the list has the keyboard.
    panel.controller->perform({QuickSearchKeyCommand::moveDown});
    panel.list()->setFocus();
    QTest::keyClick(panel.list(), Qt::Key_Delete);
    QCOMPARE(storedCount(), 2);
    QTRY_COMPARE(panel.model()->rowCount(), 2);
    QCOMPARE(panel.controller->undoAction()->text(), LocalizedMenu::undoDelete());
    QVERIFY(panel.controller->undoAction()->isEnabled());

    // Typing in the list goes to the field; a field edit after the delete is undone first.
    QTest::keyClicks(panel.list(), "p");
    QTRY_COMPARE(panel.field()->text(), QStringLiteral("p"));
    QVERIFY(panel.field()->hasFocus());
    QTest::keyClick(panel.field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(panel.field()->text(), QString());
    QCOMPARE(storedCount(), 2);
    QTest::keyClick(panel.field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(storedCount(), 3);

    // Back in its place, with every representation as it was.
    QTRY_COMPARE(panel.ids(), before);
    QCOMPARE(store().fetchPasteboardItems(rich), richItems);
    QVERIFY(!panel.controller->undoAction()->isEnabled());
}

void TestQuickSearchUndo::clearAndMoveComeBackAndAskWithCancelFirst()
{
    TestHome home;
    fillHistory();
    PasteCategoryInfModel notes = PasteCategoryInfModel::successor(PasteCategoryInfModel::defaultCategory());
    notes.uuid = kNotes;
    notes.title = QStringLiteral("Notes <b>&</b> more");
    store().insertCategory(notes);
    Panel panel(home);
    QTRY_COMPARE(panel.controller->clipBoards().size(), 2);
    QTRY_COMPARE(panel.model()->rowCount(), 3);
    const QList<qint64> before = panel.ids();

    // A move to another clipboard, undone from the menu.
    panel.controller->perform({QuickSearchKeyCommand::moveToFirst});
    panel.controller->perform({QuickSearchKeyCommand::moveDown, true});
    panel.controller->moveSelectedItems(kNotes);
    QCOMPARE(storedCount(kNotes), 2);
    QCOMPARE(panel.controller->undoAction()->text(), LocalizedMenu::undoMove());
    panel.controller->undoAction()->trigger();
    QCOMPARE(storedCount(kNotes), 0);
    QTRY_COMPARE(panel.ids(), before);

    // Clear All History asks, naming the clipboard and its items; Return cancels.
    QString name;
    for (const PasteCategoryInfModel& clipboard : panel.controller->clipBoards())
        if (clipboard.uuid == kDefaultCategoryUUID)
            name = clipboard.title.value();
    panel.controller->clipboardHeader()->clearAction()->trigger();
    QPointer<QMessageBox> box = panel.messageBox();
    QVERIFY(box);
    QCOMPARE(box->defaultButton()->text(), LocalizedAlert::cancel());
    QVERIFY2(box->text().contains(name), qPrintable(box->text()));
    QVERIFY2(box->informativeText().contains(QLatin1String("3")), qPrintable(box->informativeText()));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(!box || !box->isVisible());
    QCOMPARE(storedCount(), 3);

    panel.controller->clipboardHeader()->clearAction()->trigger();
    box = panel.messageBox();
    QVERIFY(box);
    for (QAbstractButton* button : box->buttons())
        if (box->buttonRole(button) == QMessageBox::AcceptRole)
            button->click();
    QCOMPARE(storedCount(), 0);
    QTRY_COMPARE(panel.model()->rowCount(), 0);
    QCOMPARE(panel.controller->undoAction()->text(), LocalizedMenu::undoClearAllHistory());
    QTest::keyClick(panel.field(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(storedCount(), 3);
    QTRY_COMPARE(panel.ids(), before);

    // Deleting a clipboard names it as typed, and an undo brings it back with its items.
    panel.controller->perform({QuickSearchKeyCommand::moveToFirst});
    panel.controller->moveSelectedItems(kNotes);
    QCOMPARE(storedCount(kNotes), 1);
    panel.controller->selectClipboard(kNotes);
    panel.controller->clipboardHeader()->deleteAction()->trigger();
    QTRY_VERIFY(!box);
    box = panel.messageBox();
    QVERIFY(box);
    QVERIFY2(box->text().contains(notes.title.value()), qPrintable(box->text()));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    for (QAbstractButton* button : box->buttons())
        if (box->buttonRole(button) == QMessageBox::AcceptRole)
            button->click();
    QTRY_COMPARE(panel.controller->clipBoards().size(), 1);
    QCOMPARE(storedCount(kNotes), 0);
    QCOMPARE(panel.controller->undoAction()->text(), LocalizedMenu::undoDeleteClipboard());
    panel.controller->undoAction()->trigger();
    QTRY_COMPARE(panel.controller->clipBoards().size(), 2);
    QCOMPARE(panel.controller->clipBoards().last().title, notes.title);
    QCOMPARE(storedCount(kNotes), 1);
}

void TestQuickSearchUndo::aCopyPastTheItemLimitIsRefused()
{
    TestHome home;
    fillHistory();
    // Two items the store says hold 200 MB each; their real bytes are small, so a copy that
    // read them first would go through.
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(home.databasePath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 2000);
        QCOMPARE(sqlite3_exec(db,
                              "UPDATE paste_inf SET content_size = 200 * 1024 * 1024 WHERE id IN "
                              "(SELECT id FROM paste_inf ORDER BY date DESC LIMIT 2)",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close_v2(db);
    }
    Panel panel(home);
    QTRY_COMPARE(panel.model()->rowCount(), 3);

    // One of them is within the limit; both together are not.
    panel.controller->perform({QuickSearchKeyCommand::copy});
    QTest::qWait(200);
    QVERIFY(panel.window.findChildren<QMessageBox*>().isEmpty());
    panel.controller->perform({QuickSearchKeyCommand::moveDown, true});
    QCOMPARE(panel.controller->selectedRows().size(), 2);
    panel.controller->perform({QuickSearchKeyCommand::copy});
    QMessageBox* box = panel.messageBox();
    QVERIFY(box);
    QVERIFY2(box->informativeText().contains(QLatin1String("400 MB")), qPrintable(box->informativeText()));
    QCOMPARE(storedCount(), 3);
}

QTEST_MAIN(TestQuickSearchUndo)
#include "tst_quicksearchundo.moc"
