// Whom Sealbox's boxes are owned by, read from the real box while it is up:
// Wine shows no task bar, so the window tree is what tells a box that Windows
// would leave without a button (owned by a hidden window) from one it shows.

#include "sealbox/platform/windows/windows_dialogs.h"

#include <gtest/gtest.h>

#include <optional>

namespace vortalis::sealbox {
namespace {

std::optional<HWND> seenOwner;

// Run by the box's own loop: the owner of the box up (the dialog class), then OK.
void CALLBACK ReadOwnerAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Sealbox");
    if (box == nullptr) return;
    seenOwner = GetWindow(box, GW_OWNER);
    KillTimer(nullptr, timer);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::optional<HWND> OwnerOfShownBox(WindowsDialogs& dialogs) {
    seenOwner.reset();
    SetTimer(nullptr, 0, 50, &ReadOwnerAndClose);
    dialogs.Show("Le fichier des couleurs est endommagé.");
    return seenOwner;
}

class SealboxBoxes : public ::testing::Test {
  protected:
    HWND window = CreateWindowExW(0, L"STATIC", L"Sealbox", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    WindowsDialogs dialogs;

    void SetUp() override {
        ASSERT_NE(window, nullptr);
        dialogs.SetOwner(window);
    }
    void TearDown() override { DestroyWindow(window); }
};

TEST_F(SealboxBoxes, BeforeTheWindowIsShownHaveNoOwnerThatWouldHideThem) {
    const std::optional<HWND> owner = OwnerOfShownBox(dialogs);
    ASSERT_TRUE(owner) << "no box came up";
    EXPECT_EQ(*owner, nullptr);
}

TEST_F(SealboxBoxes, OnceTheWindowIsShownAreOwnedByIt) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const std::optional<HWND> owner = OwnerOfShownBox(dialogs);
    ASSERT_TRUE(owner) << "no box came up";
    EXPECT_EQ(*owner, window);
}

}  // namespace
}  // namespace vortalis::sealbox
