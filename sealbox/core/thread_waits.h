#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vortalis::sealbox {

// How often a transform waiting on the disk gives its caller a turn: a small
// part of the pump's interval, so that the window's turn comes about on time.
inline constexpr std::chrono::milliseconds kKeepAliveSlice{10};

// Waits on `changed` until `ready` holds, calling `keepAlive` every slice
// meanwhile, with the lock let go; without one, simply waits.
template <class Ready>
void WaitKeepingAlive(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                      Ready ready, const std::function<void()>& keepAlive) {
    if (!keepAlive) {
        changed.wait(lock, ready);
        return;
    }
    while (!changed.wait_for(lock, kKeepAliveSlice, ready)) {
        lock.unlock();
        keepAlive();
        lock.lock();
    }
}

// A thread of the transform's. Throws std::bad_alloc when the system has none
// to spare: as short of memory as a buffer that could not be had, and reported
// as such.
std::thread StartThread(std::function<void()> body);

}  // namespace vortalis::sealbox
