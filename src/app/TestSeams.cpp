#include "app/TestSeams.h"

#include "module/quickSearch/view/subViews/LinkPreviewPolicy.h"
#include "pasteboard/PasteBoard.h"
#include "view/base/Alert.h"
#include "view/base/SystemPanel.h"

#include <chrono>
#include <thread>

TestSeams TestSeams::fromEnvironment()
{
    TestSeams seams;
    seams.noDialogs = qEnvironmentVariableIsSet("BRIMBLE_NO_DIALOGS");
    if (qEnvironmentVariableIsSet("BRIMBLE_PANEL_ANSWER"))
        seams.panelAnswer = qEnvironmentVariable("BRIMBLE_PANEL_ANSWER");
    seams.slowContentMs = qEnvironmentVariableIntValue("BRIMBLE_TEST_SLOW_CONTENT_MS");
    seams.previewLoopback = qEnvironmentVariableIsSet("BRIMBLE_TEST_PREVIEW_LOOPBACK");
    seams.holdFifo = qEnvironmentVariable("BRIMBLE_TEST_HOLD_FIFO");
    return seams;
}

void TestSeams::applyToInterface() const
{
    if (noDialogs) {
        Alert::setDialogsShown(false);
        SystemPanel::answerWithoutDialog(panelAnswer.value_or(QString()));
    }
    if (previewLoopback)
        LinkPreviewPolicy::setLoopbackAllowed(true);
}

void TestSeams::applyTo(PasteBoard& board) const
{
    if (slowContentMs > 0)
        board.setBeforeContentLoad(
            [ms = slowContentMs] { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
}
