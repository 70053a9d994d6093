#pragma once

#include <functional>

// Hands blocks to the main (GUI) thread or to the shared pool of background threads.
namespace Dispatch {

// Runs the block on the main thread's event loop, after the caller returns.
void main(std::function<void()> block);

// Runs the block on the main thread; in place when already there, else waits for it.
void mainSync(const std::function<void()>& block);

// Runs the block on a background thread of default priority.
void global(std::function<void()> block);

bool isMainThread();

} // namespace Dispatch
