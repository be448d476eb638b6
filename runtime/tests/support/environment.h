#pragma once

// Environment variables set and removed for a test, on either system.

#include <cstdlib>
#include <string>

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

}  // namespace vortalis::testing
