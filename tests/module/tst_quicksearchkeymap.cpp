// The quick search window's key map: which key with which modifiers asks for which command.
#include "module/quickSearch/QuickSearchViewController.h"
#include "platform/KeyCombo.h"

#include <QTest>

Q_DECLARE_METATYPE(QuickSearchKeyCommand)

namespace {
using Command = QuickSearchKeyCommand;
constexpr quint32 ctrl = CarbonModifier::command;
constexpr quint32 shift = CarbonModifier::shift;
constexpr quint32 alt = CarbonModifier::option;
constexpr quint32 super = CarbonModifier::control;
} // namespace

class TestQuickSearchKeyMap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandForKey_data();
    void commandForKey();
};

void TestQuickSearchKeyMap::commandForKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("modifiers");
    QTest::addColumn<quint32>("quickPasteModifier");
    QTest::addColumn<bool>("plainTextPreference");
    QTest::addColumn<Command>("expected");

    const quint32 noScan = 0;
    QTest::newRow("up") << int(Qt::Key_Up) << noScan << 0u << ctrl << false << Command{Command::moveUp};
    QTest::newRow("shift down extends")
        << int(Qt::Key_Down) << noScan << shift << ctrl << false << Command{Command::moveDown, true};
    QTest::newRow("ctrl up is the first row")
        << int(Qt::Key_Up) << noScan << ctrl << ctrl << false << Command{Command::moveToFirst};
    QTest::newRow("ctrl shift down extends to the last")
        << int(Qt::Key_Down) << noScan << (ctrl | shift) << ctrl << false
        << Command{Command::moveToLast, true};
    QTest::newRow("end") << int(Qt::Key_End) << noScan << 0u << ctrl << false << Command{Command::moveToLast};
    QTest::newRow("alt up is not ours") << int(Qt::Key_Up) << noScan << alt << ctrl << false << Command{};

    QTest::newRow("return") << int(Qt::Key_Return) << noScan << 0u << ctrl << false
                            << Command{Command::paste};
    QTest::newRow("return, plain text preferred")
        << int(Qt::Key_Return) << noScan << 0u << ctrl << true << Command{Command::paste, false, true};
    QTest::newRow("shift enter is plain text")
        << int(Qt::Key_Enter) << noScan << shift << ctrl << false << Command{Command::paste, false, true};
    QTest::newRow("ctrl shift return pastes in sequence")
        << int(Qt::Key_Return) << noScan << (ctrl | shift) << ctrl << false
        << Command{Command::pasteInSequence};
    QTest::newRow("ctrl return is not ours")
        << int(Qt::Key_Return) << noScan << ctrl << ctrl << false << Command{};
    QTest::newRow("alt return is not ours")
        << int(Qt::Key_Return) << noScan << alt << ctrl << false << Command{};

    // The number row by position: scan code 10 is the key of 1, 19 the key of 0, whatever the
    // layout makes of it (on AZERTY the key of 1 gives "&" without Shift).
    QTest::newRow("ctrl 1 by scan code") << int(Qt::Key_Ampersand) << 10u << ctrl << ctrl << false
                                         << Command{Command::quickPaste, false, false, 0};
    QTest::newRow("ctrl 0 is the tenth row")
        << int(Qt::Key_0) << 19u << ctrl << ctrl << false << Command{Command::quickPaste, false, false, 9};
    QTest::newRow("ctrl shift 2 pastes plain text") << int(Qt::Key_At) << 11u << (ctrl | shift) << ctrl
                                                    << false << Command{Command::quickPaste, false, true, 1};
    QTest::newRow("keypad digit is not the number row")
        << int(Qt::Key_2) << 88u << ctrl << ctrl << false << Command{};
    QTest::newRow("digit without the scan code")
        << int(Qt::Key_3) << noScan << ctrl << ctrl << false << Command{Command::quickPaste, false, false, 2};
    QTest::newRow("quick paste on alt")
        << int(Qt::Key_4) << 13u << alt << alt << false << Command{Command::quickPaste, false, false, 3};
    QTest::newRow("ctrl digit when quick paste is on alt")
        << int(Qt::Key_4) << 13u << ctrl << alt << false << Command{};
    QTest::newRow("f2 edits") << int(Qt::Key_F2) << noScan << 0u << ctrl << false << Command{Command::edit};
    QTest::newRow("shift f2 is not ours") << int(Qt::Key_F2) << noScan << shift << ctrl << false << Command{};
    QTest::newRow("a plain digit is typed") << int(Qt::Key_1) << 10u << 0u << ctrl << false << Command{};

    QTest::newRow("ctrl c") << int(Qt::Key_C) << noScan << ctrl << ctrl << false << Command{Command::copy};
    QTest::newRow("ctrl shift c is not ours")
        << int(Qt::Key_C) << noScan << (ctrl | shift) << ctrl << false << Command{};
    QTest::newRow("ctrl x") << int(Qt::Key_X) << noScan << ctrl << ctrl << false << Command{Command::cut};
    // Keys pressed in the field to edit it never delete items.
    QTest::newRow("ctrl backspace empties the field")
        << int(Qt::Key_Backspace) << noScan << ctrl << ctrl << false << Command{Command::clearSearch};
    QTest::newRow("alt backspace deletes a word")
        << int(Qt::Key_Backspace) << noScan << alt << ctrl << false << Command{Command::deleteWord};
    QTest::newRow("ctrl delete is the field's")
        << int(Qt::Key_Delete) << noScan << ctrl << ctrl << false << Command{};
    QTest::newRow("delete in the field is the field's")
        << int(Qt::Key_Delete) << noScan << 0u << ctrl << false << Command{};
    QTest::newRow("backspace edits the field")
        << int(Qt::Key_Backspace) << noScan << 0u << ctrl << false << Command{};
    QTest::newRow("super delete deletes")
        << int(Qt::Key_Delete) << noScan << super << ctrl << false << Command{Command::deleteSelected};
    QTest::newRow("ctrl z undoes") << int(Qt::Key_Z) << noScan << ctrl << ctrl << false
                                   << Command{Command::undo};
    QTest::newRow("super f moves to the top")
        << int(Qt::Key_F) << noScan << super << ctrl << false << Command{Command::moveSelectedToTop};
    QTest::newRow("ctrl f focuses the field")
        << int(Qt::Key_F) << noScan << ctrl << ctrl << false << Command{Command::focusSearch};
    QTest::newRow("ctrl s saves") << int(Qt::Key_S) << noScan << ctrl << ctrl << false
                                  << Command{Command::save};
    // The switch chord shares Ctrl with the quick paste and the commands above; Tab is its own.
    QTest::newRow("ctrl tab switches clipboards")
        << int(Qt::Key_Tab) << noScan << ctrl << ctrl << false << Command{Command::switchClipboard};
    QTest::newRow("alt tab is the window manager's")
        << int(Qt::Key_Tab) << noScan << alt << ctrl << false << Command{};
    QTest::newRow("a letter is typed") << int(Qt::Key_K) << noScan << 0u << ctrl << false << Command{};
    // Space asks for a waiting link preview (the controller types it when none waits).
    QTest::newRow("space loads the preview")
        << int(Qt::Key_Space) << noScan << 0u << ctrl << false << Command{Command::loadPreview};
    QTest::newRow("shift space is typed")
        << int(Qt::Key_Space) << noScan << shift << ctrl << false << Command{};
}

void TestQuickSearchKeyMap::commandForKey()
{
    QFETCH(int, key);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, modifiers);
    QFETCH(quint32, quickPasteModifier);
    QFETCH(bool, plainTextPreference);
    QFETCH(Command, expected);
    const QuickSearchViewController::KeyPreferences preferences{quickPasteModifier, shift,
                                                                plainTextPreference, ctrl};
    const Command command = QuickSearchViewController::commandForKey(key, scanCode, modifiers, preferences);
    QCOMPARE(command.kind, expected.kind);
    // With the list focused, Delete deletes the selection and nothing else changes meaning.
    const Command inList =
        QuickSearchViewController::commandForKey(key, scanCode, modifiers, preferences, true);
    if (key == Qt::Key_Delete && modifiers == 0)
        QCOMPARE(inList.kind, Command::deleteSelected);
    else
        QCOMPARE(inList.kind, expected.kind);
    QCOMPARE(command.extendSelection, expected.extendSelection);
    QCOMPARE(command.plainText, expected.plainText);
    QCOMPARE(command.row, expected.row);
}

QTEST_GUILESS_MAIN(TestQuickSearchKeyMap)
#include "tst_quicksearchkeymap.moc"
