#pragma once

#include <QString>

#include <optional>

class PasteBoard;

// What the end-to-end tests change in a running Brimble. The environment is read here alone,
// once at start-up, and each value is handed to the part it concerns; a user's session sets none
// of these variables, and no other code reads them.
struct TestSeams
{
    // BRIMBLE_NO_DIALOGS: nothing is shown that waits for an answer; questions take their
    // default and failures are only logged.
    bool noDialogs = false;
    // BRIMBLE_PANEL_ANSWER (with dialogs off): the path a save or folder dialog returns.
    std::optional<QString> panelAnswer;
    // BRIMBLE_TEST_SLOW_CONTENT_MS: each write-back waits this long before loading its content,
    // as the load of a large item would.
    int slowContentMs = 0;
    // BRIMBLE_TEST_PREVIEW_LOOPBACK: the link preview may load pages served on 127.0.0.0/8.
    bool previewLoopback = false;
    // BRIMBLE_TEST_HOLD_FIFO: a FIFO the instance channel's "hold" request blocks the GUI
    // thread on.
    QString holdFifo;

    static TestSeams fromEnvironment();
    // Hands the values to the dialogs and the link preview (process-wide, before any window).
    void applyToInterface() const;
    // Hands the write-back delay to the monitor.
    void applyTo(PasteBoard& board) const;
};
