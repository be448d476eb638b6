#pragma once

#include <functional>

#include "runtime/errors/run_error.h"

namespace vortalis {

// How every program's form runs its events: the one place that decides which
// events pass and how an error that a handler does not trap is answered. Each
// form's handlers go through it themselves, so that a window only hands over
// its events.
// - Once the program has ended, no event runs.
// - While a handler holds the events (a transform that lets the window repaint
//   itself), no other event runs.
// - An error escaping a handler is shown in the program's error box, then the
//   program ends with status 1, as the forms' runtime has always done.
class EventPolicy {
  public:
    struct Answers {
        std::function<void(const RunError&)> showErrorBox;
        std::function<void(int exitCode)> endProgram;
    };

    explicit EventPolicy(Answers answers) : answers_(std::move(answers)) {}

    // Runs `handler` under the policy. A handler may raise another control's
    // event (setting a list raises its change): that one runs under it too.
    void Run(const std::function<void()>& handler);

    // Ends the program: `endProgram` is answered once, and no event runs after.
    void End(int exitCode);
    bool Ended() const { return ended_; }

    // No event runs while the hold lives, however the handler is left.
    class Hold {
      public:
        explicit Hold(bool& held) : held_(held) { held_ = true; }
        ~Hold() { held_ = false; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        bool& held_;
    };
    [[nodiscard]] Hold HoldEvents() { return Hold(held_); }
    bool Held() const { return held_; }

  private:
    Answers answers_;
    bool ended_ = false;
    bool held_ = false;
};

}  // namespace vortalis
