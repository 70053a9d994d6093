#include "platform/HotKeys.h"

#include "platform/KeyTable.h"

HotKeys::Result HotKeys::check(const KeyCombo& combo)
{
    if (!KeyTable::qtKey(combo.carbonKeyCode))
        return Result::unknownKey;
    // A bare or Shift-only letter would be taken from every text field on the desktop.
    constexpr quint32 chordModifiers =
        CarbonModifier::command | CarbonModifier::option | CarbonModifier::control;
    if (combo.carbonModifiers & chordModifiers)
        return Result::registered;
    if (combo.carbonModifiers & CarbonModifier::shift && KeyTable::isFunctionKey(combo.carbonKeyCode))
        return Result::registered;
    return Result::needsModifier;
}

QString HotKeys::describe(Result result)
{
    switch (result) {
    case Result::registered:
        return QStringLiteral("registered");
    case Result::heldByAnotherClient:
        return QStringLiteral("held by another client");
    case Result::needsModifier:
        return QStringLiteral("needs Ctrl, Alt or Super");
    case Result::unknownKey:
        return QStringLiteral("no such key on this keyboard");
    case Result::unavailable:
        return QStringLiteral("no global hot keys on this desktop");
    }
    return {};
}
