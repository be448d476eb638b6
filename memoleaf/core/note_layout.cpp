#include "memoleaf/core/note_layout.h"

namespace vortalis::memoleaf {
namespace {

// Leave a strip of the window's own background below and to the right.
constexpr float kSmallestHeight = 800;
constexpr float kHeightMargin = 750;
constexpr float kSmallestWidth = 400;
constexpr float kWidthMargin = 350;

}  // namespace

TextAreaSize LayoutTextArea(float outerHeight, float outerWidth, TextAreaSize current) {
    TextAreaSize size = current;
    if (outerHeight > kSmallestHeight) size.height = outerHeight - kHeightMargin;
    if (outerWidth > kSmallestWidth) size.width = outerWidth - kWidthMargin;
    return size;
}

}  // namespace vortalis::memoleaf
