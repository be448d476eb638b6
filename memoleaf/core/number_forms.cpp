#include "memoleaf/core/number_forms.h"

namespace vortalis::memoleaf {

std::string PlainForm(std::int64_t number) { return std::to_string(number); }

std::string PrintForm(std::int64_t number) {
    std::string text = std::to_string(number);
    if (number >= 0) text.insert(text.begin(), ' ');
    return text + ' ';
}

}  // namespace vortalis::memoleaf
