#include <cwchar>

#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/text/line_ends.h"
#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf {
namespace {

// Another program may hold the clipboard for a moment: a few tries, then none.
bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

// The text held, read no further than the memory's end even when another
// program left out the terminating zero.
std::wstring HeldText(HANDLE data) {
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) return {};
    const std::wstring held(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
    GlobalUnlock(data);
    return held;
}

}  // namespace

std::string WindowsNoteClipboard::Text() const {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardFor(note_)) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring text = data != nullptr ? HeldText(data) : std::wstring();
    CloseClipboard();
    return ShownLines(Narrow(text));
}

void WindowsNoteClipboard::SetText(const std::string& text) {
    // Windows programs read the clipboard's lines as CR LF.
    const std::wstring wide = Widen(WindowsLines(text));
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    if (auto* copy = static_cast<wchar_t*>(GlobalLock(memory))) {
        wmemcpy(copy, wide.c_str(), wide.size() + 1);
        GlobalUnlock(memory);
    }
    if (!OpenClipboardFor(note_)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // Once the clipboard has it, the memory is the system's.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

}  // namespace vortalis::memoleaf
