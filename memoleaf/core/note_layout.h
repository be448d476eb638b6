#pragma once

namespace vortalis::memoleaf {

// The text area's size in twips, single precision as the layout computes it.
struct TextAreaSize {
    float height = 0;
    float width = 0;

    bool operator==(const TextAreaSize&) const = default;
};

// The text area for a window of the given outer size (frame, caption and menu
// bar included), in twips. A window 800 twips high or lower, or 400 wide or
// narrower, keeps the text area's `current` height or width.
TextAreaSize LayoutTextArea(float outerHeight, float outerWidth, TextAreaSize current);

}  // namespace vortalis::memoleaf
