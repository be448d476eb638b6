#pragma once

#include <windows.h>

#include <string>

#include "sealbox/core/folder_listing.h"
#include "sealbox/ui/win32/controls.h"

namespace vortalis::sealbox::win32_ui {

// The folder list: draws a folder listing, each entry with its folder open or
// closed and indented by its depth. Opening an entry, by a double click or
// Enter, notifies LBN_DBLCLK either way.
class FolderListBox : public ListBox {
  public:
    void Create(HWND parent, int id);

    void Show(const FolderListing& listing);
    // The folder an entry stands for.
    std::string PathAt(int index) const;

    // Draws one entry (WM_DRAWITEM) in these colours, at `dpi`.
    void Draw(const DRAWITEMSTRUCT& item, COLORREF back, COLORREF fore, int dpi) const;

  private:
    static LRESULT CALLBACK OpenWithEnter(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);

    FolderListing listing_;
};

}  // namespace vortalis::sealbox::win32_ui
