// Whom Sealbox's boxes are owned by, read from the real box while it is up:
// Wine shows no task bar, so the window tree is what tells a box that Windows
// would leave without a button (owned by a hidden window) from one it shows.

#include "sealbox/platform/windows/windows_dialogs.h"

#include <gtest/gtest.h>

#include <optional>

namespace vortalis::sealbox {
namespace {

// What the box showed as its owner, read when it is up, then closed with OK.
std::optional<HWND> seenOwner;

BOOL CALLBACK ReadAndCloseBox(HWND window, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring_view(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    seenOwner = GetWindow(window, GW_OWNER);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &ReadAndCloseBox, 0);
    if (seenOwner) KillTimer(nullptr, timer);
}

// The owner of the box `dialogs` shows, as the box's own loop runs the timer.
std::optional<HWND> OwnerOfShownBox(WindowsDialogs& dialogs) {
    seenOwner.reset();
    SetTimer(nullptr, 0, 50, &LookForBox);
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
