#include "memoleaf/core/window_platform.h"

#include <gtest/gtest.h>

namespace vortalis::memoleaf {
namespace {

TEST(NeedsX11, OnlyOnAWaylandDesktopThatOffersX11AndWhereNoPlatformIsNamed) {
    EXPECT_TRUE(NeedsX11(nullptr, "wayland-0", ":0"));
    EXPECT_TRUE(NeedsX11("", "wayland-0", ":0"));
    EXPECT_FALSE(NeedsX11("wayland", "wayland-0", ":0")) << "the user's choice stands";
    EXPECT_FALSE(NeedsX11(nullptr, "wayland-0", nullptr)) << "no XWayland to go to";
    EXPECT_FALSE(NeedsX11(nullptr, nullptr, ":0")) << "X11 already";
    EXPECT_FALSE(NeedsX11(nullptr, "", ":0"));
}

}  // namespace
}  // namespace vortalis::memoleaf
