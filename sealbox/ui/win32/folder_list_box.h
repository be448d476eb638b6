#pragma once

#include <windows.h>

#include <string>

#include "runtime/win32/list_box.h"
#include "sealbox/core/folder_listing.h"

namespace vortalis::sealbox::win32_ui {

// The folder list: draws a folder listing, each entry with a folder glyph open
// or closed and indented by its depth. Opening an entry, by a double click or
// Enter, raises the list's onOpen with its row.
class FolderListBox : public win32::ListBox {
  public:
    // Rows `rowHeight` pixels high, as high as the window's text.
    void Create(win32::Window& parent, int rowHeight);

    void Show(const FolderListing& listing);
    // The folder the entry at `row` opens, empty for no entry.
    std::string PathAt(int row) const { return listing_.PathAt(row); }

  protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;

  private:
    FolderListing listing_;
    int rowHeight_ = 16;
};

}  // namespace vortalis::sealbox::win32_ui
