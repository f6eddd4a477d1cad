// The host's UI thread. A desktop host's main thread commonly has a 1 MB stack, much less
// than a process's first thread here, so everything that calls into the add-on runs on a
// thread of that size: stack-hungry add-on code fails in tests, not at a user's desk.
#pragma once

#include <cstddef>
#include <functional>

namespace SimHost {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's red zones make every frame several times larger
constexpr std::size_t UiThreadStackBytes = std::size_t (4) << 20;
#else
constexpr std::size_t UiThreadStackBytes = std::size_t (1) << 20;
#endif

// Runs 'work' on a new thread with the UI thread's stack and waits for it; what it throws is
// thrown again here. Construct the Host inside 'work': the thread that makes it is its UI thread.
int RunOnUiThread (const std::function<int ()>& work);

}   // namespace SimHost
