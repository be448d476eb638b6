#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

namespace vortalis::sealbox {

// Runs a transform's long file calls (a chunk's read, the replacement's making,
// flushing and renaming) on a thread of its own while the calling thread, which
// holds the window, waits and keeps it alive: a slow disk or share makes the
// call slow, never the window hung. One call at a time, each waited for: the
// calls keep their order, only the thread they run on changes.
class FileCallThread {
  public:
    // `keepAlive` is called on the calling thread every few milliseconds while
    // a call runs.
    explicit FileCallThread(std::function<void()> keepAlive);
    ~FileCallThread();
    FileCallThread(const FileCallThread&) = delete;
    FileCallThread& operator=(const FileCallThread&) = delete;

    // What `call` returns, once it has returned; what it throws is thrown here.
    template <class Call>
    std::invoke_result_t<Call&> Run(Call call) {
        std::optional<std::invoke_result_t<Call&>> result;
        RunThere([&] { result.emplace(call()); });
        return std::move(*result);
    }

  private:
    void RunThere(const std::function<void()>& call);
    void Serve();

    std::function<void()> keepAlive_;
    const std::function<void()>* call_ = nullptr;  // the call under way
    std::exception_ptr thrown_;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

}  // namespace vortalis::sealbox
