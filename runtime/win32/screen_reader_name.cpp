#include "runtime/win32/screen_reader_name.h"

// initguid.h first: the annotation service's identifiers are defined here.
#include <initguid.h>
#include <oleacc.h>

#include "runtime/text/wide_text.h"

namespace vortalis::win32 {

void NameForScreenReaders(HWND control, const std::string& name) {
    // The annotation outlives the service: it stays with the window.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* annotations = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&annotations)))) {
        annotations->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_NAME, Widen(name).c_str());
        annotations->Release();
    }
    if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace vortalis::win32
