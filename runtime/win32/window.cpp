#include "runtime/win32/window.h"

#include <algorithm>

#include "runtime/win32/control.h"
#include "runtime/win32/menu_bar.h"

namespace vortalis::win32 {

Window::~Window() {
    if (handle_ != nullptr) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

bool Window::Create(const wchar_t* className, int iconId, DWORD style) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        if (iconId != 0) {
            windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
            windowClass.hIconSm = static_cast<HICON>(
                LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        }
        if (RegisterClassExW(&windowClass) == 0) return false;
    }
    return CreateWindowExW(0, className, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, this) != nullptr;
}

void Window::UseMenuBar(MenuBar& menu) {
    menu_ = &menu;
    menu.shown_ = SetMenu(handle_, menu.Handle()) != FALSE;
}

void Window::CentreOnWorkArea() {
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    if (!GetMonitorInfoW(MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST), &screen)) return;
    RECT window;
    GetWindowRect(handle_, &window);
    const RECT& work = screen.rcWork;
    const LONG spareWidth = (work.right - work.left) - (window.right - window.left);
    const LONG spareHeight = (work.bottom - work.top) - (window.bottom - window.top);
    // A window larger than the area keeps its top-left corner on it.
    const LONG left = work.left + std::max(0L, spareWidth / 2);
    const LONG top = work.top + std::max(0L, spareHeight / 2);
    SetWindowPos(handle_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::Adopt(Control& control) {
    const int id = nextControlId_++;
    controlsById_[id] = &control;
    return id;
}

void Window::Adopted(Control& control, HWND part) {
    if (part != nullptr) controlsByHandle_[part] = &control;
}

Control* Window::ControlOf(HWND part) const {
    const auto found = controlsByHandle_.find(part);
    return found == controlsByHandle_.end() ? nullptr : found->second;
}

LRESULT CALLBACK Window::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->handle_ = handle;
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(handle, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        window->handle_ = nullptr;
    }
    if (const std::optional<LRESULT> answer = window->HandBack(message, wParam, lParam))
        return *answer;
    return window->OnMessage(message, wParam, lParam);
}

std::optional<LRESULT> Window::HandBack(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            // From a menu or its keys there is no control (lParam 0).
            if (lParam == 0) {
                if (menu_ != nullptr && menu_->Choose(LOWORD(wParam))) return 0;
                return std::nullopt;
            }
            Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
            if (control != nullptr && control->OnCommand(HIWORD(wParam))) return 0;
            return std::nullopt;
        }
        case WM_NOTIFY: {
            const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
            if (Control* control = ControlOf(notice.hwndFrom)) return control->OnNotify(notice);
            return std::nullopt;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
            if (control == nullptr) return std::nullopt;
            if (HBRUSH brush = control->OnColour(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
            return std::nullopt;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = ControlOf(item.hwndItem);
            if (control != nullptr && control->OnDrawItem(item)) return TRUE;
            return std::nullopt;
        }
        case WM_MEASUREITEM: {
            // Asked while the control is being made, before its handle is known.
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            const auto found = controlsById_.find(static_cast<int>(item.CtlID));
            if (found != controlsById_.end() && found->second->OnMeasureItem(item)) return TRUE;
            return std::nullopt;
        }
        case WM_SYSCOLORCHANGE:
            // A system colour a control was given follows the system's change.
            for (const auto& [id, control] : controlsById_) {
                if (control->colours_ != nullptr) control->colours_->Refresh();
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

void Window::SetCaption(const std::string& utf8) { SetTextOf(handle_, utf8); }

std::string Window::Caption() const { return TextOf(handle_); }

}  // namespace vortalis::win32
