#include "runtime/errors/event_policy.h"

namespace vortalis {

void EventPolicy::Run(const std::function<void()>& handler) {
    if (ended_ || held_) return;
    if (const std::optional<RunError> error = ErrorEscaping(handler)) {
        answers_.showErrorBox(*error);
        End(1);
    }
}

void EventPolicy::End(int exitCode) {
    if (ended_) return;
    ended_ = true;
    answers_.endProgram(exitCode);
}

}  // namespace vortalis
