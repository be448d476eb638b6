#pragma once

#include <random>
#include <string>

namespace vortalis::testing {

// A password of any Windows-1252 bytes but 0.
inline std::string RandomPassword(std::size_t length, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string password(length, '\0');
    for (auto& character : password) character = static_cast<char>(byte(random));
    return password;
}

}  // namespace vortalis::testing
