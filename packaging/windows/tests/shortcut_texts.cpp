// Prints, in UTF-8, what a shortcut holds as the shell reads it: its target,
// its description and its icon, one a line. For the setup program's test.
//   shortcut_texts FILE.lnk

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/text/wide_text.h"

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        std::fprintf(stderr, "usage: shortcut_texts FILE.lnk\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    int status = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(arguments[1], STGM_READ))) {
        wchar_t target[MAX_PATH] = {};
        wchar_t description[INFOTIPSIZE] = {};
        wchar_t icon[MAX_PATH] = {};
        int iconIndex = 0;
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetDescription(description, INFOTIPSIZE);
        link->GetIconLocation(icon, MAX_PATH, &iconIndex);
        std::printf("%s\n%s\n%s,%d\n", vortalis::Narrow(target).c_str(),
                    vortalis::Narrow(description).c_str(), vortalis::Narrow(icon).c_str(),
                    iconIndex);
        status = 0;
    }
    if (file != nullptr) file->Release();
    if (link != nullptr) link->Release();
    CoUninitialize();
    return status;
}
