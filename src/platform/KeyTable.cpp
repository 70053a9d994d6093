#include "platform/KeyTable.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

struct Row
{
    quint32 carbonKeyCode;
    Qt::Key qtKey;
    bool keypad;
    quint32 keysym;
};

// Key codes of the US layout as the Mac numbers them; keysyms as X11 defines them (keysymdef.h),
// written out so that this file needs no X11 header.
constexpr Row kRows[] = {
    {0x00, Qt::Key_A, false, 0x0061},            // a
    {0x01, Qt::Key_S, false, 0x0073},            // s
    {0x02, Qt::Key_D, false, 0x0064},            // d
    {0x03, Qt::Key_F, false, 0x0066},            // f
    {0x04, Qt::Key_H, false, 0x0068},            // h
    {0x05, Qt::Key_G, false, 0x0067},            // g
    {0x06, Qt::Key_Z, false, 0x007a},            // z
    {0x07, Qt::Key_X, false, 0x0078},            // x
    {0x08, Qt::Key_C, false, 0x0063},            // c
    {0x09, Qt::Key_V, false, 0x0076},            // v
    {0x0B, Qt::Key_B, false, 0x0062},            // b
    {0x0C, Qt::Key_Q, false, 0x0071},            // q
    {0x0D, Qt::Key_W, false, 0x0077},            // w
    {0x0E, Qt::Key_E, false, 0x0065},            // e
    {0x0F, Qt::Key_R, false, 0x0072},            // r
    {0x10, Qt::Key_Y, false, 0x0079},            // y
    {0x11, Qt::Key_T, false, 0x0074},            // t
    {0x12, Qt::Key_1, false, 0x0031},            // 1
    {0x13, Qt::Key_2, false, 0x0032},            // 2
    {0x14, Qt::Key_3, false, 0x0033},            // 3
    {0x15, Qt::Key_4, false, 0x0034},            // 4
    {0x16, Qt::Key_6, false, 0x0036},            // 6
    {0x17, Qt::Key_5, false, 0x0035},            // 5
    {0x18, Qt::Key_Equal, false, 0x003d},        // equal
    {0x19, Qt::Key_9, false, 0x0039},            // 9
    {0x1A, Qt::Key_7, false, 0x0037},            // 7
    {0x1B, Qt::Key_Minus, false, 0x002d},        // minus
    {0x1C, Qt::Key_8, false, 0x0038},            // 8
    {0x1D, Qt::Key_0, false, 0x0030},            // 0
    {0x1E, Qt::Key_BracketRight, false, 0x005d}, // bracketright
    {0x1F, Qt::Key_O, false, 0x006f},            // o
    {0x20, Qt::Key_U, false, 0x0075},            // u
    {0x21, Qt::Key_BracketLeft, false, 0x005b},  // bracketleft
    {0x22, Qt::Key_I, false, 0x0069},            // i
    {0x23, Qt::Key_P, false, 0x0070},            // p
    {0x24, Qt::Key_Return, false, 0xff0d},       // Return
    {0x25, Qt::Key_L, false, 0x006c},            // l
    {0x26, Qt::Key_J, false, 0x006a},            // j
    {0x27, Qt::Key_Apostrophe, false, 0x0027},   // apostrophe
    {0x28, Qt::Key_K, false, 0x006b},            // k
    {0x29, Qt::Key_Semicolon, false, 0x003b},    // semicolon
    {0x2A, Qt::Key_Backslash, false, 0x005c},    // backslash
    {0x2B, Qt::Key_Comma, false, 0x002c},        // comma
    {0x2C, Qt::Key_Slash, false, 0x002f},        // slash
    {0x2D, Qt::Key_N, false, 0x006e},            // n
    {0x2E, Qt::Key_M, false, 0x006d},            // m
    {0x2F, Qt::Key_Period, false, 0x002e},       // period
    {0x30, Qt::Key_Tab, false, 0xff09},          // Tab
    {0x31, Qt::Key_Space, false, 0x0020},        // space
    {0x32, Qt::Key_QuoteLeft, false, 0x0060},    // grave
    {0x33, Qt::Key_Backspace, false, 0xff08},    // BackSpace
    {0x35, Qt::Key_Escape, false, 0xff1b},       // Escape
    {0x40, Qt::Key_F17, false, 0xffce},          // F17
    {0x41, Qt::Key_Period, true, 0xffae},        // KP_Decimal
    {0x43, Qt::Key_Asterisk, true, 0xffaa},      // KP_Multiply
    {0x45, Qt::Key_Plus, true, 0xffab},          // KP_Add
    {0x4B, Qt::Key_Slash, true, 0xffaf},         // KP_Divide
    {0x4C, Qt::Key_Enter, true, 0xff8d},         // KP_Enter
    {0x4E, Qt::Key_Minus, true, 0xffad},         // KP_Subtract
    {0x4F, Qt::Key_F18, false, 0xffcf},          // F18
    {0x50, Qt::Key_F19, false, 0xffd0},          // F19
    {0x51, Qt::Key_Equal, true, 0xffbd},         // KP_Equal
    {0x52, Qt::Key_0, true, 0xffb0},             // KP_0
    {0x53, Qt::Key_1, true, 0xffb1},             // KP_1
    {0x54, Qt::Key_2, true, 0xffb2},             // KP_2
    {0x55, Qt::Key_3, true, 0xffb3},             // KP_3
    {0x56, Qt::Key_4, true, 0xffb4},             // KP_4
    {0x57, Qt::Key_5, true, 0xffb5},             // KP_5
    {0x58, Qt::Key_6, true, 0xffb6},             // KP_6
    {0x59, Qt::Key_7, true, 0xffb7},             // KP_7
    {0x5A, Qt::Key_F20, false, 0xffd1},          // F20
    {0x5B, Qt::Key_8, true, 0xffb8},             // KP_8
    {0x5C, Qt::Key_9, true, 0xffb9},             // KP_9
    {0x60, Qt::Key_F5, false, 0xffc2},           // F5
    {0x61, Qt::Key_F6, false, 0xffc3},           // F6
    {0x62, Qt::Key_F7, false, 0xffc4},           // F7
    {0x63, Qt::Key_F3, false, 0xffc0},           // F3
    {0x64, Qt::Key_F8, false, 0xffc5},           // F8
    {0x65, Qt::Key_F9, false, 0xffc6},           // F9
    {0x67, Qt::Key_F11, false, 0xffc8},          // F11
    {0x69, Qt::Key_F13, false, 0xffca},          // F13
    {0x6A, Qt::Key_F16, false, 0xffcd},          // F16
    {0x6B, Qt::Key_F14, false, 0xffcb},          // F14
    {0x6D, Qt::Key_F10, false, 0xffc7},          // F10
    {0x6F, Qt::Key_F12, false, 0xffc9},          // F12
    {0x71, Qt::Key_F15, false, 0xffcc},          // F15
    {0x72, Qt::Key_Insert, false, 0xff63},       // Insert
    {0x73, Qt::Key_Home, false, 0xff50},         // Home
    {0x74, Qt::Key_PageUp, false, 0xff55},       // Prior
    {0x75, Qt::Key_Delete, false, 0xffff},       // Delete
    {0x76, Qt::Key_F4, false, 0xffc1},           // F4
    {0x77, Qt::Key_End, false, 0xff57},          // End
    {0x78, Qt::Key_F2, false, 0xffbf},           // F2
    {0x79, Qt::Key_PageDown, false, 0xff56},     // Next
    {0x7A, Qt::Key_F1, false, 0xffbe},           // F1
    {0x7B, Qt::Key_Left, false, 0xff51},         // Left
    {0x7C, Qt::Key_Right, false, 0xff53},        // Right
    {0x7D, Qt::Key_Down, false, 0xff54},         // Down
    {0x7E, Qt::Key_Up, false, 0xff52},           // Up
};

const Row* rowForCode(quint32 carbonKeyCode)
{
    const auto it = std::find_if(std::begin(kRows), std::end(kRows),
                                 [&](const Row& row) { return row.carbonKeyCode == carbonKeyCode; });
    return it == std::end(kRows) ? nullptr : it;
}

} // namespace

namespace KeyTable {

std::optional<QKeyCombination> qtKey(quint32 carbonKeyCode)
{
    const Row* row = rowForCode(carbonKeyCode);
    if (!row)
        return std::nullopt;
    return QKeyCombination(row->keypad ? Qt::KeypadModifier : Qt::NoModifier, row->qtKey);
}

std::optional<quint32> carbonKeyCode(QKeyCombination qtKey)
{
    const bool keypad = qtKey.keyboardModifiers().testFlag(Qt::KeypadModifier);
    for (const Row& row : kRows)
        if (row.qtKey == qtKey.key() && row.keypad == keypad)
            return row.carbonKeyCode;
    return std::nullopt;
}

quint32 keysym(quint32 carbonKeyCode)
{
    const Row* row = rowForCode(carbonKeyCode);
    return row ? row->keysym : 0;
}

std::optional<quint32> carbonKeyCodeForKeysym(quint32 keysym)
{
    if (keysym >= 'A' && keysym <= 'Z')
        keysym += 'a' - 'A';
    for (const Row& row : kRows)
        if (row.keysym == keysym)
            return row.carbonKeyCode;
    return std::nullopt;
}

Qt::KeyboardModifiers qtModifiers(quint32 carbonModifiers)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, carbonModifiers & CarbonModifier::command);
    modifiers.setFlag(Qt::AltModifier, carbonModifiers & CarbonModifier::option);
    modifiers.setFlag(Qt::MetaModifier, carbonModifiers & CarbonModifier::control);
    modifiers.setFlag(Qt::ShiftModifier, carbonModifiers & CarbonModifier::shift);
    return modifiers;
}

quint32 carbonModifiers(Qt::KeyboardModifiers modifiers)
{
    quint32 bits = 0;
    if (modifiers & Qt::ControlModifier)
        bits |= CarbonModifier::command;
    if (modifiers & Qt::AltModifier)
        bits |= CarbonModifier::option;
    if (modifiers & Qt::MetaModifier)
        bits |= CarbonModifier::control;
    if (modifiers & Qt::ShiftModifier)
        bits |= CarbonModifier::shift;
    return bits;
}

std::optional<QKeyCombination> qtKeyCombination(const KeyCombo& combo)
{
    const auto key = qtKey(combo.carbonKeyCode);
    if (!key)
        return std::nullopt;
    return QKeyCombination(key->keyboardModifiers() | qtModifiers(combo.carbonModifiers), key->key());
}

std::optional<KeyCombo> keyCombo(QKeyCombination combination)
{
    const auto code = carbonKeyCode(combination);
    if (!code)
        return std::nullopt;
    return KeyCombo{*code, carbonModifiers(combination.keyboardModifiers())};
}

bool isFunctionKey(quint32 carbonKeyCode)
{
    const Row* row = rowForCode(carbonKeyCode);
    return row && row->qtKey >= Qt::Key_F1 && row->qtKey <= Qt::Key_F20;
}

QString keyName(quint32 carbonKeyCode)
{
    const auto key = qtKey(carbonKeyCode);
    return key ? QKeySequence(*key).toString(QKeySequence::PortableText) : QString();
}

namespace {

constexpr quint32 kModifierOrder[] = {CarbonModifier::command, CarbonModifier::option, CarbonModifier::shift,
                                      CarbonModifier::control};

// Desktops call the logo key Super; Qt calls it Meta.
const char* modifierName(quint32 carbonModifier)
{
    switch (carbonModifier) {
    case CarbonModifier::command:
        return "Ctrl";
    case CarbonModifier::option:
        return "Alt";
    case CarbonModifier::shift:
        return "Shift";
    case CarbonModifier::control:
        return "Super";
    }
    return "";
}

QString joined(quint32 carbonModifiers, const QString& key, QString (*name)(quint32))
{
    QStringList parts;
    for (quint32 modifier : kModifierOrder)
        if (carbonModifiers & modifier)
            parts.append(name(modifier));
    if (!key.isEmpty())
        parts.append(key);
    return parts.join(QLatin1Char('+'));
}

QString portableModifierName(quint32 carbonModifier)
{
    return QLatin1String(modifierName(carbonModifier));
}

} // namespace

QString modifiersText(quint32 carbonModifiers)
{
    const QString text = joined(carbonModifiers, {}, portableModifierName);
    return text.isEmpty() ? text : text + QLatin1Char('+');
}

QString text(const KeyCombo& combo)
{
    return joined(combo.carbonModifiers, keyName(combo.carbonKeyCode), portableModifierName);
}

QString displayKeyName(quint32 carbonKeyCode)
{
    const auto key = qtKey(carbonKeyCode);
    return key ? QKeySequence(*key).toString(QKeySequence::NativeText) : QString();
}

QString displayModifierName(quint32 carbonModifier)
{
    // Qt's catalogues name the keys under this context; Super is no name of Qt's.
    if (carbonModifier == CarbonModifier::control)
        return portableModifierName(carbonModifier);
    return QCoreApplication::translate("QShortcut", modifierName(carbonModifier));
}

QString displayModifiersText(quint32 carbonModifiers)
{
    const QString text = joined(carbonModifiers, {}, displayModifierName);
    return text.isEmpty() ? text : text + QLatin1Char('+');
}

QString displayText(const KeyCombo& combo)
{
    return joined(combo.carbonModifiers, displayKeyName(combo.carbonKeyCode), displayModifierName);
}

} // namespace KeyTable
