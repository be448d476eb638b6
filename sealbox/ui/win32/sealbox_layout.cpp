#include "sealbox/ui/win32/sealbox_layout.h"

#include "runtime/win32/dpi.h"

namespace vortalis {
namespace {

constexpr int kClientWidthTwips = 5910;
constexpr int kClientHeightTwips = 5475;

struct DesignPlace {
    SealboxPart part;
    int left, top, width, height;  // in twips
};

constexpr DesignPlace kDesign[] = {
    {SealboxPart::Label2, 210, 105, 1170, 195},
    {SealboxPart::Text2, 210, 315, 5475, 285},
    {SealboxPart::Drive1, 210, 735, 2535, 315},
    {SealboxPart::Dir1, 2940, 735, 2745, 1890},
    {SealboxPart::Command1_0, 210, 1155, 1170, 645},
    {SealboxPart::Command1_1, 1575, 1155, 1170, 645},
    {SealboxPart::Command1_2, 210, 1890, 1170, 645},
    {SealboxPart::File1, 210, 2730, 5475, 1455},
    {SealboxPart::Label1, 315, 4305, 1245, 195},
    {SealboxPart::Text1, 210, 4515, 5475, 285},
    {SealboxPart::ProgressBar1, 210, 4935, 5475, 330},
    {SealboxPart::Picture1, 0, 0, 0, 0},
};
static_assert(std::size(kDesign) == kSealboxPartCount, "every control has its place");

}  // namespace

SealboxLayout SealboxLayoutAt(int dpi) {
    SealboxLayout layout;
    for (const DesignPlace& place : kDesign) {
        layout.places[static_cast<std::size_t>(place.part)] =
            win32::TwipsRect(place.left, place.top, place.width, place.height, dpi);
    }
    layout.client = {win32::TwipsToPixels(kClientWidthTwips, dpi),
                     win32::TwipsToPixels(kClientHeightTwips, dpi)};
    return layout;
}

}  // namespace vortalis
