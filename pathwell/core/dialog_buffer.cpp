#include "pathwell/core/dialog_buffer.h"

namespace vortalis::pathwell {

std::string TextBeforeNul(std::string_view buffer) {
    return std::string(buffer.substr(0, buffer.find('\0')));
}

std::string PathFromBlankBuffer(std::string_view buffer) {
    if (buffer.find_first_not_of(' ') == std::string_view::npos) return {};
    return TextBeforeNul(buffer);
}

std::string SelectionFromDialogBuffer(std::string_view buffer) {
    const std::size_t end = buffer.find(std::string_view("\0\0", 2));
    return std::string(end == std::string_view::npos ? TextBeforeNul(buffer)
                                                     : buffer.substr(0, end));
}

}  // namespace vortalis::pathwell
