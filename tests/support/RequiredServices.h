#pragma once

#include <QTest>

// scripts/test sets BRIMBLE_TEST_SERVICES_REQUIRED once it has started the X server, the window
// manager and sway, after scripts/setup installed every package: a test that then finds one of
// them (or a program it starts itself from those packages) missing fails instead of skipping.
#define BRIMBLE_SKIP_UNLESS_REQUIRED(reason)                                                                 \
    do {                                                                                                     \
        if (qEnvironmentVariableIsSet("BRIMBLE_TEST_SERVICES_REQUIRED"))                                     \
            QFAIL(reason);                                                                                   \
        QSKIP(reason);                                                                                       \
    } while (false)
