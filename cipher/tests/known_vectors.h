#pragma once

// Files enciphered by the product itself: what every implementation of the
// cipher, and every program built on it, must give byte for byte.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vortalis::testing {

inline std::vector<std::uint8_t> FromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

// Eight bytes 0, then "Bonjour".
inline std::vector<std::uint8_t> KnownVectorPlain() {
    std::vector<std::uint8_t> plain(8, 0);
    for (char c : std::string("Bonjour")) plain.push_back(static_cast<std::uint8_t>(c));
    return plain;
}

struct KnownVector {
    std::string_view password;  // Windows-1252 bytes
    std::string_view encipheredHex;
};

inline constexpr std::array<KnownVector, 3> kKnownVectors{{
    {"secret", "030405030202020042706e6c727a74"},
    {"cl\xE9", "0202000101010200446f6e6a707673"},
    {"Mot de Passe", "06020b09080905014a727872797f78"},
}};

}  // namespace vortalis::testing
