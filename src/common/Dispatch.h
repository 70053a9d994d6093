#pragma once

#include <functional>

// Hands blocks to the main (GUI) thread or to Brimble's pool for blocking work
// (Threads::blockingPool(); common/Threads.h lists every thread).
namespace Dispatch {

// Runs the block on the main thread's event loop, after the caller returns.
void main(std::function<void()> block);

// Runs the block on the main thread; in place when already there, else waits for it.
void mainSync(const std::function<void()>& block);

// Runs the block on a thread of the blocking pool, for work that may wait on the store, the
// disk or a server.
void global(std::function<void()> block);

bool isMainThread();

} // namespace Dispatch
