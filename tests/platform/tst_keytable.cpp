#include "platform/HotKeys.h"
#include "platform/KeyTable.h"

#include <QTest>

Q_DECLARE_METATYPE(KeyCombo)
Q_DECLARE_METATYPE(HotKeys::Result)

// Stored key codes reach Qt keys, X11 keysyms and the texts users read, and come back unchanged.
class TestKeyTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKnownKeyRoundTrips();
    void texts_data();
    void texts();
    void globalCombinationsNeedAChordModifier_data();
    void globalCombinationsNeedAChordModifier();
};

void TestKeyTable::everyKnownKeyRoundTrips()
{
    int known = 0;
    for (quint32 code = 0; code < 0x80; ++code) {
        const auto qtKey = KeyTable::qtKey(code);
        if (!qtKey)
            continue;
        ++known;
        QCOMPARE(KeyTable::carbonKeyCode(*qtKey), code);
        QVERIFY(KeyTable::keysym(code) != 0);
        QCOMPARE(KeyTable::carbonKeyCodeForKeysym(KeyTable::keysym(code)), code);
        for (quint32 modifiers = 0; modifiers < 16; ++modifiers) {
            const KeyCombo combo{code, (modifiers & 1 ? CarbonModifier::command : 0u) |
                                           (modifiers & 2 ? CarbonModifier::shift : 0u) |
                                           (modifiers & 4 ? CarbonModifier::option : 0u) |
                                           (modifiers & 8 ? CarbonModifier::control : 0u)};
            QCOMPARE(KeyTable::keyCombo(*KeyTable::qtKeyCombination(combo)), combo);
        }
    }
    // Letters, digits, punctuation, editing and arrow keys, F1-F20 and the keypad.
    QCOMPARE(known, 99);
    // X11 reports an upper-case keysym for V with Shift; it is still the V key.
    QCOMPARE(KeyTable::carbonKeyCodeForKeysym('V'), 9u);
}

void TestKeyTable::texts_data()
{
    QTest::addColumn<KeyCombo>("combo");
    QTest::addColumn<QString>("text");
    QTest::newRow("default hot key") << KeyCombo{9, 0x0900} << "Ctrl+Alt+V";
    QTest::newRow("quick paste badge") << KeyCombo{18, 0x0100} << "Ctrl+1";
    QTest::newRow("all four, in order") << KeyCombo{49, 0x1B00} << "Ctrl+Alt+Shift+Super+Space";
    QTest::newRow("function key") << KeyCombo{0x60, 0x0200} << "Shift+F5";
    QTest::newRow("keypad digit") << KeyCombo{0x52, 0x0100} << "Ctrl+Num+0";
    QTest::newRow("top-row digit") << KeyCombo{29, 0} << "0";
    QTest::newRow("unknown key") << KeyCombo{0x0A, 0x0100} << "Ctrl";
}

void TestKeyTable::texts()
{
    QFETCH(KeyCombo, combo);
    QFETCH(QString, text);
    QCOMPARE(KeyTable::text(combo), text);
    // Without a catalogue, what a person reads is the same.
    QCOMPARE(KeyTable::displayText(combo), text);
}

void TestKeyTable::globalCombinationsNeedAChordModifier_data()
{
    QTest::addColumn<KeyCombo>("combo");
    QTest::addColumn<HotKeys::Result>("result");
    QTest::newRow("Ctrl+Alt+V") << KeyCombo{9, 0x0900} << HotKeys::Result::registered;
    QTest::newRow("Super+V") << KeyCombo{9, 0x1000} << HotKeys::Result::registered;
    QTest::newRow("V") << KeyCombo{9, 0} << HotKeys::Result::needsModifier;
    QTest::newRow("Shift+V") << KeyCombo{9, 0x0200} << HotKeys::Result::needsModifier;
    QTest::newRow("Shift+F5") << KeyCombo{0x60, 0x0200} << HotKeys::Result::registered;
    QTest::newRow("F5") << KeyCombo{0x60, 0} << HotKeys::Result::needsModifier;
    QTest::newRow("no such key") << KeyCombo{0x0A, 0x0900} << HotKeys::Result::unknownKey;
}

void TestKeyTable::globalCombinationsNeedAChordModifier()
{
    QFETCH(KeyCombo, combo);
    QFETCH(HotKeys::Result, result);
    QCOMPARE(HotKeys::check(combo), result);
}

QTEST_GUILESS_MAIN(TestKeyTable)
#include "tst_keytable.moc"
