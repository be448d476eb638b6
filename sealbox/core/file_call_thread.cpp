#include "sealbox/core/file_call_thread.h"

#include <utility>

#include "sealbox/core/thread_waits.h"

namespace vortalis::sealbox {

FileCallThread::FileCallThread(std::function<void()> keepAlive)
    : keepAlive_(std::move(keepAlive)), thread_(StartThread([this] { Serve(); })) {}

FileCallThread::~FileCallThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void FileCallThread::RunThere(const std::function<void()>& call) {
    std::unique_lock lock(mutex_);
    call_ = &call;
    changed_.notify_all();
    const auto done = [this] { return call_ == nullptr; };
    try {
        WaitKeepingAlive(lock, changed_, done, keepAlive_);
    } catch (...) {
        // The call uses the caller's things: it must be over before they go.
        if (!lock.owns_lock()) lock.lock();
        changed_.wait(lock, done);
        throw;
    }
    if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
}

void FileCallThread::Serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return call_ != nullptr || stopping_; });
        if (stopping_) return;
        const std::function<void()>& call = *call_;
        lock.unlock();
        std::exception_ptr thrown;
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        thrown_ = thrown;
        call_ = nullptr;
        changed_.notify_all();
    }
}

}  // namespace vortalis::sealbox
