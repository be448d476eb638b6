#include "sealbox/core/background_writer.h"

#include <utility>

#include "sealbox/core/thread_waits.h"

namespace vortalis::sealbox {

BackgroundWriter::BackgroundWriter(SafeFileWriter& writer, std::size_t chunkBytes,
                                   std::function<void()> keepAlive)
    : writer_(writer),
      chunkBytes_(chunkBytes),
      keepAlive_(std::move(keepAlive)),
      buffers_(2 * chunkBytes),
      thread_(StartThread([this] { WriteQueued(); })) {}

BackgroundWriter::~BackgroundWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::span<std::uint8_t> BackgroundWriter::FreeBuffer() {
    std::unique_lock lock(mutex_);
    // The other buffer may still be written; this one must be done.
    WaitKeepingAlive(
        lock, changed_, [this] { return queued_ - written_ < 2 || error_; }, keepAlive_);
    return std::span(buffers_).subspan(queued_ % 2 * chunkBytes_, chunkBytes_);
}

std::error_code BackgroundWriter::Queue(std::size_t count) {
    {
        std::lock_guard lock(mutex_);
        if (error_) return error_;
        counts_[queued_ % 2] = count;
        ++queued_;
    }
    changed_.notify_all();
    return {};
}

std::error_code BackgroundWriter::Finish() {
    std::unique_lock lock(mutex_);
    WaitKeepingAlive(
        lock, changed_, [this] { return written_ == queued_ || error_; }, keepAlive_);
    return error_;
}

void BackgroundWriter::WriteQueued() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return written_ < queued_ || stopping_; });
        if (stopping_) return;
        const auto chunk =
            std::span(buffers_).subspan(written_ % 2 * chunkBytes_, counts_[written_ % 2]);
        lock.unlock();
        const std::error_code error = writer_.Write(chunk);
        lock.lock();
        if (error) {
            // What follows would leave a gap: the caller hears of it and stops.
            error_ = error;
            changed_.notify_all();
            return;
        }
        ++written_;
        changed_.notify_all();
    }
}

}  // namespace vortalis::sealbox
