#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

#include "runtime/files/safe_file_writer.h"

namespace vortalis::sealbox {

// Writes chunks through a SafeFileWriter on a thread of its own, so that the
// caller reads and transforms the next chunk while the last one is written. Two
// buffers take turns; the memory held stays two chunks whatever the file's size.
// Only the writes leave the calling thread: the caller keeps its progress, its
// questions and its errors to itself. While it waits for a write, `keepAlive`
// (if any) is called every few milliseconds on its thread.
class BackgroundWriter {
  public:
    BackgroundWriter(SafeFileWriter& writer, std::size_t chunkBytes,
                     std::function<void()> keepAlive = {});
    // Finishes the write under way and drops the chunks still waiting.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // A buffer of one chunk, free to fill: waits until the write that last
    // held it is done.
    std::span<std::uint8_t> FreeBuffer();
    // Queues the first `count` bytes of the buffer FreeBuffer gave last. Returns
    // the first write error so far, after which nothing more is written.
    std::error_code Queue(std::size_t count);
    // Waits until every queued chunk is written; the first write error, if any.
    std::error_code Finish();

  private:
    void WriteQueued();

    SafeFileWriter& writer_;
    std::size_t chunkBytes_;
    std::function<void()> keepAlive_;
    std::vector<std::uint8_t> buffers_;
    std::size_t counts_[2] = {0, 0};
    // Chunks are numbered from 0 in file order; chunk k lies in buffer k % 2.
    std::uint64_t queued_ = 0;
    std::uint64_t written_ = 0;
    std::error_code error_;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

}  // namespace vortalis::sealbox
