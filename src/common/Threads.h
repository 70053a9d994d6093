#pragma once

#include <functional>

class QThreadPool;

// Every thread and queue Brimble runs. A SerialQueue is one thread that runs its blocks in
// order; its label is the thread's name (first 15 bytes) in `top -H` and in a debugger.
// Add a row here when you add one.
//
// Name (thread)          Runs                                     Owner                    Lives
// ---------------------  ---------------------------------------  -----------------------  ---------------------------------
// GUI (main)             widgets, timers, Qt signals, D-Bus and   QApplication             the whole run
//                        portal calls, Dispatch::main blocks
// brimble-block (pool)   long blocking one-off work: store reads  Threads::blockingPool()  threads start on demand, end
//                        and writes handed off the GUI (Dispatch  (this file)              after 30 s idle; AppDelegate
//                        ::global), pastes waiting for their                               waits for them at quit, and
//                        window, icons of files, crash reports,                            QCoreApplication's destructor too
//                        clipboard lists
// store                  every write to the history database     CoreDataManager          open() to close()/destruction
// store.reader           reads of the history on its own          CoreDataManager          as "store"
//                        connection (loadContent, pages)
// pasteboard             reads a copy and records it              PasteBoard (Brimble)     with Brimble
// write-back             writes items back and sends the paste    PasteBoard (Brimble)     with Brimble
//                        key stroke, one paste at a time
// x11-clipboard          the X clipboard engine: selection        X11Clipboard (Platform)  with the platform
//                        events, INCR transfers, owning
// x11-workspace          active window and client list changes    X11Workspace (Platform)  with the platform
// wl-clipboard           the Wayland data-control engine          WaylandClipboard         with the platform
//                                                                 (Platform)
// image-text             text recognition of stored images, at    ImageTextReader          while reading text in images
//                        the lowest priority                      (Brimble)                is on (start()/stop())
// InstanceChannel        the local socket a second start-up and   InstanceChannel          listen() to destruction
// (QThread)              the command line talk to                 (AppDelegate)
// icons                  application and file icons read from     IconCache (Platform)     with the platform
//                        disk
// file-thumbnails        thumbnails of files in a file list       FileThumbnailLoader      with the files view
//                                                                 (detail view)
// thumbnails             thumbnails of stored images              QuickSearchThumbnail-    with the panel's controller
//                                                                 Cache (controller)
// quick_search_list      pages of the panel's history list on     QuickSearchPasteInf-     with the panel's controller
//                        its own reader                           ListModel (controller)
// paste_search,          a search pass, and the second thread     SearchEngine             with the panel's controller
// paste_search.scan      that scans texts with it                 (controller)
// brimble.quicksearch.   matches new copies against the query     QuickSearchView-         with the panel's controller
// match                  (the engine's own matcher connection)    Controller
// window_frame           saves the panel's frame to disk          WindowFrameStore (panel  with the panel window
//                                                                 window)
// preferences            writes preferences changed in the        PreferencesWindow        with the preferences window
//                        preferences window                       (Brimble)
// event_bus              handlers of posted events, off the GUI   EventBus (process-wide)  never stopped; the event bus is
//                                                                                          going away with its queue
//
// Threads others start for us: Qt's own (the D-Bus connection, QFileSystemWatcher, the web
// engine's) and any the OCR library starts inside a read. The log writes synchronously and
// has none. Qt's global QThreadPool is left to Qt: nothing of ours runs there.
//
// Kept apart on purpose: the two store queues (a long read must never hold up a write, nor a
// write a read), the pasteboard's two (a slow write-back must not delay recording the next
// copy), the three thumbnail/icon queues (each keeps its own cache and order; one slow disk
// must not stall the others) and the search queues (each owns a SQLite connection that only
// its thread may use).
namespace Threads {

// Most threads the blocking pool runs at once: its work waits on disks and servers rather than
// the processor, so it may exceed the number of cores, but not without bound.
int blockingPoolMaxThreads();

// The pool for long blocking work (see the table). Created on first use.
QThreadPool& blockingPool();

// Runs `block` on the blocking pool, on a thread named "brimble-block" with the crash catcher
// prepared.
void runBlocking(std::function<void()> block);

// Waits until every block started on the blocking pool has finished; true unless `msecs`
// (-1: no limit) ran out first.
bool waitForBlocking(int msecs = -1);

// Names the calling thread for `top -H` and debuggers; only the first 15 bytes are kept.
void nameCurrent(const char* name);

} // namespace Threads
