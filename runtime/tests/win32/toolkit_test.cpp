#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/win32/button.h"
#include "runtime/win32/drop_down_list.h"
#include "runtime/win32/edit_box.h"
#include "runtime/win32/list_box.h"
#include "runtime/win32/menu_bar.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/window.h"

namespace vortalis::win32 {
namespace {

// A window of each kind of control, as a program's window makes them; the
// tests act as the system does when a user clicks, types or chooses.
class ToolkitWindow : public Window {
  public:
    ToolkitWindow() {
        if (!Create(L"VortalisToolkitTest", 0, WS_OVERLAPPEDWINDOW)) return;
        button.Create(*this, "&Crypter");
        list.Create(*this);
        drives.Create(*this);
        box.Create(*this);
        UseMenuBar(menu);
    }

    Button button;
    ListBox list;
    DropDownList drives;
    EditBox box;
    MenuBar menu;
};

void Press(HWND control, WPARAM key) { SendMessageW(control, WM_KEYDOWN, key, 0); }

TEST(Toolkit, EachControlRaisesItsOwnEventsFromWhatTheSystemSends) {
    ToolkitWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    std::vector<std::string> events;
    window.button.onClick = [&] { events.push_back("clic"); };
    window.list.onSelectionChanged = [&] {
        events.push_back("choix " + window.list.ItemText(window.list.Selected()));
    };
    window.list.onOpen = [&](int row) { events.push_back("ouvre " + std::to_string(row)); };
    window.box.onTextChanged = [&] { events.push_back("texte " + window.box.Text()); };
    window.list.Add("C:\\");
    window.list.Add("Dossier");

    // What a click on the button sends its window.
    HWND button = window.button.Handle();
    SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    Press(window.list.Handle(), VK_DOWN);
    Press(window.list.Handle(), VK_RETURN);
    window.box.SetText("clef");

    EXPECT_EQ(events, (std::vector<std::string>{"clic", "choix C:\\", "ouvre 0", "texte clef"}));
}

TEST(Toolkit, MenuEntriesRunTheirHandlersAndShowTheirShortcuts) {
    ToolkitWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    std::vector<std::string> chosen;
    MenuBar::Menu& orders = window.menu.AddMenu("&Ordres");
    orders.AddEntry("&Copier", 'C', [&] { chosen.push_back("copier"); });
    orders.AddMenu("c&Ouleur").AddEntry("du &Fond", 'F', [&] { chosen.push_back("fond"); });
    ASSERT_NE(window.menu.Accelerators(), nullptr);

    HMENU ordres = GetSubMenu(window.menu.Handle(), 0);
    wchar_t caption[32] = {};
    GetMenuStringW(ordres, 0, caption, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(caption), L"&Copier\tCtrl+C");
    for (HMENU menu : {ordres, GetSubMenu(ordres, 1)}) {
        SendMessageW(window.Handle(), WM_COMMAND, GetMenuItemID(menu, 0), 0);
    }
    // Enter with no default button comes as IDOK from no control: no entry.
    SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);

    EXPECT_EQ(chosen, (std::vector<std::string>{"copier", "fond"}));
}

TEST(Toolkit, AControlGivenColoursPaintsInThemAndItsDroppedListToo) {
    ToolkitWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    window.box.SetColours(0x00FFFF, 0x0000FF);
    window.drives.SetColours(0x00FF00, 0);
    HDC dc = GetDC(window.Handle());
    const auto brushFor = [&](UINT message, HWND control) {
        return reinterpret_cast<HBRUSH>(SendMessageW(window.Handle(), message,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(control)));
    };
    EXPECT_EQ(brushFor(WM_CTLCOLOREDIT, window.box.Handle()), window.box.Colours()->Brush());
    EXPECT_EQ(GetTextColor(dc), 0x0000FFU);
    COMBOBOXINFO drop{};
    drop.cbSize = sizeof drop;
    ASSERT_TRUE(GetComboBoxInfo(window.drives.Handle(), &drop));
    EXPECT_EQ(brushFor(WM_CTLCOLORLISTBOX, drop.hwndList), window.drives.Colours()->Brush());
    ReleaseDC(window.Handle(), dc);
}

TEST(Toolkit, ATurnInTheMiddleOfWorkPaintsAndTakesPostsButLeavesTheUsersKeysQueued) {
    ToolkitWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    window.box.Place({0, 40, 200, 60});
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(window.Handle());
    window.box.Focus();
    INPUT keys[2] = {{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
    keys[0].ki.wVk = keys[1].ki.wVk = 'A';
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
    PostMessageW(window.button.Handle(), BM_SETSTATE, TRUE, 0);
    InvalidateRect(window.Handle(), nullptr, TRUE);

    ProcessNonInputMessages();

    EXPECT_TRUE(SendMessageW(window.button.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_FALSE(GetUpdateRect(window.Handle(), nullptr, FALSE));
    EXPECT_EQ(window.box.Text(), "");
    MSG message;  // the event loop's turn, once the work is done
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    EXPECT_EQ(window.box.Text(), "a");
}

}  // namespace
}  // namespace vortalis::win32
