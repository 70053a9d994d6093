#pragma once

#include "model/PasteInfModel.h"
#include "pasteboard/PasteOutcome.h"
#include "platform/RunningApplication.h"

#include <QList>

#include <functional>

class Workspace;

// What the panel asks of the application that shows it: where a paste goes, the paste itself
// and the desktop's workspace. The composition root implements it and hands it to the
// controller; a panel without one (a test's) writes nothing and opens nothing. Called on the
// GUI thread.
class QuickSearchHost
{
public:
    virtual ~QuickSearchHost() = default;

    // The application that was in front before the panel: the target of a paste.
    virtual RunningApplicationRef pasteTarget() const = 0;
    // Writes the items to the clipboard; with paste, sends them into `target`. `done` gets the
    // outcome on the GUI thread.
    virtual void pasteItems(const QList<PasteInfModel>& models, bool asPlainText, bool paste,
                            RunningApplicationRef target, std::function<void(const PasteOutcome&)> done) = 0;
    // Starts a paste queue of the items, in order, the first pasted into `target`.
    virtual void pasteInSequence(const QList<PasteInfModel>& models, bool asPlainText,
                                 RunningApplicationRef target) = 0;
    virtual Workspace* workspace() const = 0;
};
