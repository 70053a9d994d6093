#pragma once

#include "common/SerialQueue.h"

#include <QRect>
#include <QString>

#include <optional>

// Where a window last stood: its frame and the screen it stood on, so the frame can be put
// back after a restart, also when that screen has gone since.
struct SavedFrame
{
    QRect frame;
    QString screenName;
    QRect screenArea; // the screen's available area when the frame was saved
    bool operator==(const SavedFrame&) const = default;
};

// Keeps one window's frame in a small JSON file, written atomically off the GUI thread.
class WindowFrameStore
{
public:
    explicit WindowFrameStore(QString path);

    // $XDG_STATE_HOME/brimble/<name>.json
    static QString defaultPath(const QString& name);

    const QString& path() const { return path_; }

    // The frame last saved; none when there is no file or it cannot be read (logged).
    std::optional<SavedFrame> load() const;
    // Writes on the store's own queue; the newest frame wins.
    void save(const SavedFrame& frame);
    // Waits until every save queued so far is on disk.
    void flush() { queue_.drain(); }

private:
    QString path_;
    SerialQueue queue_;
};
