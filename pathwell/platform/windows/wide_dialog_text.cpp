#include "pathwell/platform/windows/wide_dialog_text.h"

#include "pathwell/core/dialog_buffer.h"
#include "pathwell/core/dialog_filter.h"
#include "runtime/text/wide_text.h"

namespace vortalis::pathwell {

std::wstring WideFilterText(const std::string& filter) {
    std::wstring text;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        text += Widen(entry.description) + L'\0' + Widen(entry.pattern) + L'\0';
    }
    return text + L'\0';
}

std::string PathFromWideBlankBuffer(std::wstring_view buffer) {
    return PathFromBlankBuffer(Narrow(buffer));
}

std::string SelectionFromWideDialogBuffer(std::wstring_view buffer) {
    return SelectionFromDialogBuffer(Narrow(buffer));
}

std::string WideTextBeforeNul(std::wstring_view buffer) { return TextBeforeNul(Narrow(buffer)); }

}  // namespace vortalis::pathwell
