#pragma once

#include "sealbox/core/sealbox_messages.h"
#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// The program's boxes, titled with its title.
class MessageBoxDialogs : public SealboxDialogs {
  public:
    void Show(const std::string& text) override;
    bool ConfirmLoss(std::uint64_t lostBytes) override;
    void ReportError(const RunError& error) override;
};

}  // namespace vortalis::sealbox
