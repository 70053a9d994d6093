// The item menu: which entries an item of each kind offers, and the clipboards to move it to.
#include "model/Localized.h"
#include "module/quickSearch/view/QuickSearchPasteInfItemMenu.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<PasteInfoDisplayType>)

using Command = QuickSearchPasteInfItemMenu::Command;

class TestQuickSearchItemMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void entriesByType_data();
    void entriesByType();
    void moveToListsEveryClipboard();
};

void TestQuickSearchItemMenu::entriesByType_data()
{
    QTest::addColumn<std::optional<PasteInfoDisplayType>>("type");
    QTest::addColumn<bool>("opensInBrowser");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("edits");
    using T = PasteInfoDisplayType;
    QTest::newRow("link") << std::optional(T::Link) << true << true << true;
    QTest::newRow("plain text") << std::optional(T::PlainText) << false << true << true;
    QTest::newRow("rich text") << std::optional(T::RichTextFormat) << false << true << true;
    QTest::newRow("image") << std::optional(T::Image) << false << true << false;
    QTest::newRow("colour") << std::optional(T::Color) << false << true << true;
    QTest::newRow("file") << std::optional(T::File) << false << false << false;
    QTest::newRow("unknown") << std::optional(T::Unknown) << false << false << false;
    QTest::newRow("not classified") << std::optional<T>() << false << false << false;
}

void TestQuickSearchItemMenu::entriesByType()
{
    QFETCH(std::optional<PasteInfoDisplayType>, type);
    QFETCH(bool, opensInBrowser);
    QFETCH(bool, saves);
    QFETCH(bool, edits);
    QuickSearchPasteInfItemMenu menu;
    // A link first, then something else: the menu is reused and must not keep the link's entry.
    menu.prepare(PasteInfoDisplayType::Link, {}, 0);
    menu.prepare(type, {}, 0x0200);
    QCOMPARE(menu.action(Command::openInBrowser)->isVisible(), opensInBrowser);
    QCOMPARE(menu.action(Command::saveToFile)->isEnabled(), saves);
    // Edit: text of any kind, never a secret's; off, it says why.
    QCOMPARE(menu.action(Command::edit)->isEnabled(), edits);
    QCOMPARE(menu.action(Command::edit)->toolTip() == LocalizedEditor::notEditable(), !edits);
    QCOMPARE(menu.action(Command::edit)->shortcut(), QKeySequence(Qt::Key_F2));
    menu.prepare(type, {}, 0x0200, true);
    QVERIFY(!menu.action(Command::edit)->isEnabled());
    menu.prepare(type, {}, 0x0200);
    for (Command always : {Command::paste, Command::pasteAsPlainText, Command::pasteInSequence, Command::copy,
                           Command::cut, Command::moveToFirst, Command::deleteItems})
        QVERIFY(menu.action(always)->isEnabled() && menu.action(always)->isVisible());
    QCOMPARE(menu.action(Command::pasteAsPlainText)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Return));
    QCOMPARE(menu.action(Command::pasteInSequence)->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return));
    // Choosing an entry reports its command.
    QSignalSpy chosen(&menu, &QuickSearchPasteInfItemMenu::commandChosen);
    menu.action(Command::cut)->trigger();
    QCOMPARE(chosen.value(0).value(0).value<Command>(), Command::cut);
}

void TestQuickSearchItemMenu::moveToListsEveryClipboard()
{
    PasteCategoryInfModel untitled = PasteCategoryInfModel::defaultCategory();
    untitled.title.reset();
    const PasteCategoryInfModel work = PasteCategoryInfModel::successor(untitled);
    QuickSearchPasteInfItemMenu menu;
    menu.prepare(PasteInfoDisplayType::PlainText, {untitled, work}, 0);
    menu.prepare(PasteInfoDisplayType::PlainText, {untitled, work}, 0); // rebuilt, not appended to
    QStringList titles;
    for (QAction* action : menu.moveToMenu()->actions())
        titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(titles, (QStringList{"-", "default", work.title.value(), "-", "Add New Clipboard"}));

    QSignalSpy moved(&menu, &QuickSearchPasteInfItemMenu::moveToClipboardChosen);
    menu.moveToMenu()->actions().at(2)->trigger();
    QCOMPARE(moved.value(0).value(0).toString(), work.uuid.value());
}

QTEST_MAIN(TestQuickSearchItemMenu)
#include "tst_quicksearchitemmenu.moc"
