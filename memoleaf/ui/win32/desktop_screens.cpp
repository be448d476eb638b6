#include "memoleaf/ui/win32/desktop_screens.h"

#include <shellscalingapi.h>

#include "runtime/process/system_libraries.h"
#include "runtime/win32/dpi.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

int MonitorDpi(HMONITOR monitor) {
    // Looked up, not imported: shcore.dll is missing before Windows 8.1, where
    // every screen has the system's figure.
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*);
    static const auto getDpiForMonitor = reinterpret_cast<GetDpiForMonitorFunction>(
        SystemLibraryFunction("shcore.dll", "GetDpiForMonitor"));
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiY > 0) {
        return static_cast<int>(dpiY);
    }
    return win32::WindowDpi(nullptr);
}

BOOL CALLBACK AddScreen(HMONITOR monitor, HDC, LPRECT, LPARAM screens) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    auto& desktop = *reinterpret_cast<DesktopScreens*>(screens);
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) desktop.primary = desktop.monitors.size();
    desktop.monitors.push_back({info.rcMonitor, MonitorDpi(monitor)});
    desktop.workAreas.push_back(info.rcWork);
    return TRUE;
}

}  // namespace

DesktopScreens CurrentScreens() {
    DesktopScreens desktop;
    EnumDisplayMonitors(nullptr, nullptr, &AddScreen, reinterpret_cast<LPARAM>(&desktop));
    // With no screen listed, twips are the system's pixels as before screens
    // were told apart, and no work area says where the note may not go.
    if (desktop.monitors.empty()) desktop.monitors.push_back({{}, win32::WindowDpi(nullptr)});
    return desktop;
}

}  // namespace vortalis::memoleaf::win32_ui
