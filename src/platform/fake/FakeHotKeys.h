#pragma once

#include "platform/HotKeys.h"

#include <QList>

#include <utility>

// In-process hot keys for unit tests: the test presses registered combinations and can make
// a combination held by "another program".
class FakeHotKeys : public HotKeys
{
public:
    Result registerHotKey(const KeyCombo& combo, Handler handler) override;
    void unregisterHotKey(const KeyCombo& combo) override;

    // Calls the combination's handler; false when it is not registered.
    bool press(const KeyCombo& combo);
    bool isRegistered(const KeyCombo& combo) const;
    void setHeldElsewhere(const KeyCombo& combo, bool held);

private:
    QList<std::pair<KeyCombo, Handler>> registered_;
    QList<KeyCombo> heldElsewhere_;
};
