#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "sealbox/ui/win32/controls.h"

namespace vortalis::sealbox::win32_ui {

// A folder list in the classic manner: the path from the root down, each folder
// one step further in and drawn open, then the subfolders of the open one.
// Opening an entry, by a double click or Enter, notifies LBN_DBLCLK either way.
class FolderListBox : public ListBox {
  public:
    void Create(HWND parent, int id);

    // Shows `path` (a normal folder path) open, with its subfolders below it.
    void Show(const std::string& path, const std::vector<std::string>& subfolders);
    // The folder an entry stands for.
    std::string PathAt(int index) const;

    // Draws one entry (WM_DRAWITEM) in these colours, at `dpi`.
    void Draw(const DRAWITEMSTRUCT& item, COLORREF back, COLORREF fore, int dpi) const;

  private:
    struct Entry {
        std::string path;
        int depth;
        bool open;
    };
    void AddEntry(const std::string& name, const std::string& path, int depth, bool open);
    static LRESULT CALLBACK OpenWithEnter(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);

    std::vector<Entry> entries_;
};

}  // namespace vortalis::sealbox::win32_ui
