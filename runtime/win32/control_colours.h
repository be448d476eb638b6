#pragma once

#include <windows.h>

#include <cstdint>

namespace vortalis::win32 {

// A control's background and text, kept as the stored colour values (a system
// colour follows the system's changes) with the brush its background paints with.
class ControlColours {
  public:
    ControlColours(std::int32_t back, std::int32_t fore) { Set(back, fore); }
    ~ControlColours();
    ControlColours(const ControlColours&) = delete;
    ControlColours& operator=(const ControlColours&) = delete;

    void Set(std::int32_t back, std::int32_t fore);
    // Takes the system's colours again, after they changed.
    void Refresh() { Set(back_, fore_); }

    std::int32_t StoredFore() const { return fore_; }
    COLORREF Back() const { return backPainted_; }
    COLORREF Fore() const { return forePainted_; }
    HBRUSH Brush() const { return brush_; }
    // Prepares a control's drawing (WM_CTLCOLOR...): its text, then the brush.
    HBRUSH Prepare(HDC dc) const;

  private:
    std::int32_t back_ = 0;
    std::int32_t fore_ = 0;
    COLORREF backPainted_ = 0;
    COLORREF forePainted_ = 0;
    HBRUSH brush_ = nullptr;
};

}  // namespace vortalis::win32
