#include "platform/fake/FakeHotKeys.h"

#include <algorithm>

HotKeys::Result FakeHotKeys::registerHotKey(const KeyCombo& combo, Handler handler)
{
    if (const Result allowed = check(combo); allowed != Result::registered)
        return allowed;
    for (auto& [registeredCombo, registeredHandler] : registered_) {
        if (registeredCombo == combo) {
            registeredHandler = std::move(handler);
            return Result::registered;
        }
    }
    if (heldElsewhere_.contains(combo))
        return Result::heldByAnotherClient;
    registered_.append({combo, std::move(handler)});
    return Result::registered;
}

void FakeHotKeys::unregisterHotKey(const KeyCombo& combo)
{
    registered_.removeIf([&](const auto& entry) { return entry.first == combo; });
}

bool FakeHotKeys::press(const KeyCombo& combo)
{
    for (const auto& [registeredCombo, handler] : std::as_const(registered_)) {
        if (registeredCombo == combo) {
            // A copy: the handler may unregister its own combination.
            const Handler call = handler;
            if (call)
                call();
            return true;
        }
    }
    return false;
}

bool FakeHotKeys::isRegistered(const KeyCombo& combo) const
{
    return std::any_of(registered_.begin(), registered_.end(),
                       [&](const auto& entry) { return entry.first == combo; });
}

void FakeHotKeys::setHeldElsewhere(const KeyCombo& combo, bool held)
{
    heldElsewhere_.removeAll(combo);
    if (held)
        heldElsewhere_.append(combo);
}
