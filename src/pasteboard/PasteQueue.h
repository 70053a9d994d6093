#pragma once

#include "model/PasteInfModel.h"
#include "pasteboard/PasteOutcome.h"
#include "platform/RunningApplication.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class Clipboard;
class PasteBoard;

// Items pasted one after another: the clipboard holds the first, and each time an application
// has read it (a paste) the next takes its place, until the last has been pasted.
//
// A paste is seen as a read of the clipboard's content (not of its list of types). Some
// applications read the content twice, or under several types, for one paste, so the next
// item follows only once no read has come for settleMs; a second paste within that time gets
// the same item again. Another copy (or any other write) takes the clipboard and ends the queue.
//
// GUI thread only. The clipboard's reads are reported on its own thread and queued here.
class PasteQueue : public QObject
{
    Q_OBJECT
public:
    // A GTK 3 entry and xterm read the content once per paste (after the list of types); a
    // program that reads every type on offer does so within milliseconds. A user's next
    // paste, a key stroke later, takes longer than this.
    static constexpr int defaultSettleMs = 300;
    // How often an active queue looks whether the clipboard is still its own.
    static constexpr int watchIntervalMs = 200;

    enum class State
    {
        Empty,       // no queue
        Starting,    // the first item is being written
        Active,      // the clipboard holds entries[next]
        Finished,    // every item was pasted
        Interrupted, // another copy took the clipboard
        Cleared,     // the user ended it
        Failed,      // an item could not be written (message says why)
    };

    struct Entry
    {
        QString uuid;
        // The first line of its text; empty when it has none (an image, say).
        QString label;
        std::optional<PasteInfoDisplayType> displayType;
    };

    struct Status
    {
        State state = State::Empty;
        QList<Entry> entries;
        // The entry the next paste receives (while Starting or Active); entries before it were
        // pasted.
        int next = 0;
        QString message;

        bool isRunning() const { return state == State::Starting || state == State::Active; }
    };

    PasteQueue(PasteBoard& pasteBoard, Clipboard& clipboard, QObject* parent = nullptr);
    ~PasteQueue() override;

    // Replaces any queue by one of the models, in this order, and writes the first. With
    // simulatePaste the first goes into `target` at once (that paste counts as its read).
    // `done` gets the first write's outcome.
    void start(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
               RunningApplicationRef target = {}, std::function<void(const PasteOutcome&)> done = {});
    // Ends a running queue; the clipboard keeps the item it holds.
    void clear();
    // The notice of an ended queue has been seen: back to Empty.
    void dismiss();

    const Status& status() const { return status_; }
    void setSettleMs(int ms) { settle_.setInterval(ms); }

    // The first line of an item's text, cut to `maxLength` characters, control characters
    // escaped; empty without text.
    static QString labelFor(const PasteInfModel& model, int maxLength = 80);

Q_SIGNALS:
    void changed();

private:
    void onContentRead(bool primary);
    void advance();
    void write(bool simulatePaste, const RunningApplicationRef& target,
               std::function<void(const PasteOutcome&)> done);
    void end(State state, const QString& message = {});
    // The clipboard changed since our last write: someone else holds it now.
    bool lostClipboard() const;

    PasteBoard& pasteBoard_;
    Clipboard& clipboard_;
    Status status_;
    QList<PasteInfModel> models_;
    bool asPlainText_ = false;
    // Moves on every start, clear and write: reads and outcomes of an earlier one are dropped.
    quint64 generation_ = 0;
    bool writing_ = false;
    bool readDuringWrite_ = false;
    // The clipboard's change count after our last write.
    qint64 ownCount_ = -1;
    // The first item went out by a simulated paste, which a terminal takes from PRIMARY.
    bool primaryCounts_ = false;
    QTimer settle_;
    QTimer watch_;
};
