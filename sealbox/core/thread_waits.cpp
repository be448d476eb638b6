#include "sealbox/core/thread_waits.h"

#include <new>
#include <system_error>
#include <utility>

namespace vortalis::sealbox {

std::thread StartThread(std::function<void()> body) {
    try {
        return std::thread(std::move(body));
    } catch (const std::system_error&) {
        throw std::bad_alloc();
    }
}

}  // namespace vortalis::sealbox
