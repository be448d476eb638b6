#pragma once

#include <windows.h>

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// The system's message boxes, titled with the program's title and owned by its
// window once it is shown, so that the window takes no click while one is
// open. Before (the boxes of the start-up) they have no owner: owned by a
// hidden window, a box has no task-bar button and is lost behind others.
class WindowsDialogs : public SealboxDialogs {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }

    void Show(const std::string& text) override;
    bool ConfirmLoss(std::uint64_t lostBytes) override;
    void ReportError(const RunError& error) override;

  private:
    int Box(const std::string& text, UINT style) const;

    HWND owner_ = nullptr;
};

}  // namespace vortalis::sealbox
