#pragma once

#include <future>
#include <type_traits>
#include <utility>

namespace platform {

// Lowers the calling thread, and it alone, to the least favoured ordinary priority.
void lowerThisThreadPriority();

// Starts the work on a worker thread at the least favoured ordinary priority: for work nobody
// waits to see, so that it never takes the processor from the window that answers the child.
// It still runs when the processor is busy, only slower, so whatever waits for it is never stuck.
template <class Work>
std::future<std::invoke_result_t<Work>> runInBackground(Work work)
{
    return std::async(std::launch::async, [work = std::move(work)]() mutable {
        lowerThisThreadPriority();
        return work();
    });
}

}  // namespace platform
