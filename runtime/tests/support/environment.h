#pragma once

// Environment variables set and removed for a test, on either system.

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace vortalis::testing {

inline void SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void UnsetVariable(const std::string& name) {
#ifdef _WIN32
    _putenv_s(name.c_str(), "");  // an empty value removes it there
#else
    ::unsetenv(name.c_str());
#endif
}

// A variable set to `value`, or removed when there is none, for as long as
// this lives; then as it was.
class ScopedVariable {
  public:
    ScopedVariable(std::string name, const std::optional<std::string>& value)
        : name_(std::move(name)) {
        if (const char* previous = std::getenv(name_.c_str())) previous_ = previous;
        if (value) {
            SetVariable(name_, *value);
        } else {
            UnsetVariable(name_);
        }
    }
    ~ScopedVariable() {
        if (previous_) {
            SetVariable(name_, *previous_);
        } else {
            UnsetVariable(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace vortalis::testing
