#pragma once

#include <functional>

class QThreadPool;

// Every thread and queue Brimble runs. A SerialQueue is one thread that runs its blocks in
// order; its label is the thread's name (first 15 bytes) in `top -H` and in a debugger.
// Add a row here when you add one.
//
// Thread                     Runs                            Owner                         Lives
// -------------------------  ------------------------------  ----------------------------  ----------------
// GUI (main)                 widgets, timers, Qt signals,    QApplication                  the whole run
//                            D-Bus and portal calls,
//                            Dispatch::main blocks
// brimble-block (pool)       long blocking one-off work:     Threads::blockingPool()       started on
//                            store reads and writes handed   (this file)                   demand, ended
//                            off the GUI                                                   after 30 s idle;
//                            (Dispatch::global), pastes                                    waited for at
//                            waiting for their window, file                                quit
//                            icons, crash reports,                                         (AppDelegate)
//                            clipboard lists                                               and when the
//                                                                                          application
//                                                                                          object goes
// store                      every write to the history      CoreDataManager               the whole run
//                            database                        (process-wide)
// store.reader               reads of the history on a       CoreDataManager               the whole run
//                            connection of its own
//                            (content, pages)
// pasteboard                 reads a copy and records it     PasteBoard (Brimble)          with Brimble
// write-back                 writes items back and sends     PasteBoard (Brimble)          with Brimble
//                            the paste key stroke, one
//                            paste at a time
// x11-clipboard              the X clipboard engine:         X11Clipboard (Platform)       with the
//                            selection events, transfers,                                  platform
//                            owning
// x11-workspace              active window and client list   X11Workspace (Platform)       with the
//                            changes                                                       platform
// wl-clipboard               the Wayland data-control        WaylandClipboard (Platform)   with the
//                            engine                                                        platform
// image-text                 text recognition of stored      ImageTextReader (Brimble)     while reading
//                            images, at the lowest priority                                text in images
//                                                                                          is on
// InstanceChannel (QThread)  the local socket a second       InstanceChannel               listen() to
//                            start and the command line      (AppDelegate)                 destruction
//                            talk to
// icons                      application and file icons      IconCache (Platform)          with the
//                            read from disk                                                platform
// file-thumbnails            thumbnails of the files in a    FileThumbnailLoader (files    with the files
//                            file list                       view)                         view
// thumbnails                 thumbnails of stored images     QuickSearchThumbnailCache     with the panel
//                                                            (panel controller)            controller
// quick_search_list          pages of the panel's history    QuickSearchPasteInfListModel  with the panel
//                            list, on a reader of its own    (panel controller)            controller
// paste_search,              a search pass, and the thread   SearchEngine (panel           with the panel
// paste_search.scan          that scans texts beside it      controller)                   controller
// paste_search.texts         reads the searchable texts      SearchEngine                  with the panel
//                            into memory after the first                                   controller
//                            search, at a low priority
// brimble.quicksearch.match  matches new copies against the  QuickSearchViewController     with the panel
//                            query, on the engine's matcher                                controller
//                            connection
// window_frame               saves the panel's frame to      WindowFrameStore (panel       with the panel
//                            disk                            window)                       window
// preferences                writes preferences changed in   PreferencesWindow (Brimble)   with the
//                            the preferences window                                        preferences
//                                                                                          window
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
