#include "runtime/win32/rich_edit.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <cwchar>

#include "runtime/process/system_libraries.h"
#include "runtime/text/line_ends.h"
#include "runtime/text/wide_text.h"

namespace vortalis::win32 {
namespace {

// RichEdit sizes characters in twips.
constexpr double kTwipsPerPoint = 20.0;

struct TextSource {
    const std::wstring& text;
    std::size_t bytesGiven = 0;
};

DWORD CALLBACK GiveText(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto& source = *reinterpret_cast<TextSource*>(cookie);
    const std::size_t total = source.text.size() * sizeof(wchar_t);
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(wanted), total - source.bytesGiven);
    std::memcpy(buffer, reinterpret_cast<const BYTE*>(source.text.data()) + source.bytesGiven,
                count);
    source.bytesGiven += count;
    *given = static_cast<LONG>(count);
    return 0;
}

CHARFORMAT2W FontFormat(const RichEdit::Font& font) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC;
    format.yHeight = static_cast<LONG>(std::lround(font.points * kTwipsPerPoint));
    format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0);
    const std::wstring face = Widen(font.face);
    wcsncpy(format.szFaceName, face.c_str(), LF_FACESIZE - 1);
    return format;
}

CHARFORMAT2W ColourFormat(COLORREF colour) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;  // CFE_AUTOCOLOR left clear: the colour given
    format.crTextColor = colour;
    return format;
}

}  // namespace

bool RichEdit::LoadModule() {
    static const void* const module = LoadSystemLibrary("msftedit.dll");
    return module != nullptr;
}

void RichEdit::Create(Window& parent) {
    Control::Create(parent, MSFTEDIT_CLASS, "",
                    WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE);
    // The box's own limit (32,767 characters) would cut a long clipboard text.
    Send(EM_EXLIMITTEXT, 0, INT_MAX);
}

void RichEdit::SetPlainText(const std::string& text) {
    const std::wstring wide = Widen(WindowsLines(text));
    TextSource source{wide};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &GiveText;
    Send(EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    // The new text wears the note's look, not whatever the box had before.
    ApplyCharacters(FontFormat(font_));
    ApplyCharacters(ColourFormat(textColour_));
}

std::string RichEdit::SelectedText() const {
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (range.cpMax <= range.cpMin) return {};
    // Each character may come back as two (CR as CR LF), plus the terminator.
    std::wstring text(2 * static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = GT_SELECTION | GT_USECRLF;
    request.codepage = 1200;  // UTF-16
    const LRESULT length = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::clamp<std::size_t>(static_cast<std::size_t>(std::max<LRESULT>(0, length)), 0,
                                        text.size()));
    return ShownLines(Narrow(text));
}

void RichEdit::SetTextFont(const Font& font) {
    font_ = font;
    ApplyCharacters(FontFormat(font));
}

RichEdit::Font RichEdit::TextFont() const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return {Narrow(format.szFaceName), format.yHeight / kTwipsPerPoint,
            (format.dwEffects & CFE_BOLD) != 0, (format.dwEffects & CFE_ITALIC) != 0};
}

void RichEdit::SetTextColour(COLORREF colour) {
    textColour_ = colour;
    ApplyCharacters(ColourFormat(colour));
}

void RichEdit::SetBackground(COLORREF colour) {
    background_ = colour;
    Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour));
}

void RichEdit::ApplyCharacters(const CHARFORMAT2W& format) const {
    Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

}  // namespace vortalis::win32
