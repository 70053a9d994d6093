#pragma once

#include "platform/KeyCombo.h"

#include <QKeyCombination>
#include <QString>

#include <optional>

// The one table between Brimble's key numbering (macOS virtual key codes and Carbon modifier
// bits, what is stored and compared) and the keys of this desktop: Qt keys, X11 keysyms and
// the shortcut texts users read ("Ctrl+Alt+V").
namespace KeyTable {

// The Qt key of a key code, with Qt::KeypadModifier for keypad keys; none for a code the
// table does not know.
std::optional<QKeyCombination> qtKey(quint32 carbonKeyCode);
// The key code of a Qt key (Qt::KeypadModifier picks the keypad key); other modifiers are
// ignored.
std::optional<quint32> carbonKeyCode(QKeyCombination qtKey);

// The X11 keysym of a key code (the unshifted symbol, "v" for V), or 0.
quint32 keysym(quint32 carbonKeyCode);
// The key code of a keysym; upper-case letters give their key.
std::optional<quint32> carbonKeyCodeForKeysym(quint32 keysym);

// Command = Ctrl, Option = Alt, Control = Super (Meta), Shift = Shift; other bits are dropped.
Qt::KeyboardModifiers qtModifiers(quint32 carbonModifiers);
quint32 carbonModifiers(Qt::KeyboardModifiers modifiers);

// A combination as a Qt key with its modifiers, and back; none when the key is not in the table.
std::optional<QKeyCombination> qtKeyCombination(const KeyCombo& combo);
std::optional<KeyCombo> keyCombo(QKeyCombination combination);

// F1 to F20: keys that may be global hot keys with Shift alone.
bool isFunctionKey(quint32 carbonKeyCode);

// "V", "Space", "F5", "Num+0"; empty for a code the table does not know.
QString keyName(quint32 carbonKeyCode);
// "Ctrl+Alt+Shift+Super+", in that order; empty without modifiers.
QString modifiersText(quint32 carbonModifiers);
// "Ctrl+Alt+V"; the modifiers alone when the key is unknown.
QString text(const KeyCombo& combo);

// The same texts in the user's language, named as Qt names keys in its menus ("Strg+Umschalt+V"
// in German): for what a person reads. The ones above are for logs and desktop settings.
QString displayKeyName(quint32 carbonKeyCode);
// One modifier bit's name: "Ctrl", "Alt", "Shift" or "Super".
QString displayModifierName(quint32 carbonModifier);
QString displayModifiersText(quint32 carbonModifiers);
QString displayText(const KeyCombo& combo);

} // namespace KeyTable
