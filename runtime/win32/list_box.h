#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A list of texts, one chosen at most.
class ListBox : public Control {
  public:
    // `extraStyle`: LBS_OWNERDRAWFIXED for a list that draws its own rows
    // (OnDrawItem, OnMeasureItem).
    void Create(Window& parent, DWORD extraStyle = 0);
    void Clear();
    void Add(const std::string& text);
    int Count() const;
    int Selected() const;  // -1 when none is
    // Chosen from code: no event.
    void Select(int index);
    std::string ItemText(int index) const;
    void SetItemHeight(int pixels);

    // A row chosen with the mouse or the keys.
    std::function<void()> onSelectionChanged;
    // A row opened with a double click, or with Enter once this is set;
    // nothing opens while no row is chosen.
    std::function<void(int index)> onOpen;

  protected:
    bool OnCommand(int notification) override;

  private:
    void Open() const;
    static LRESULT CALLBACK OpenWithEnter(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
};

}  // namespace vortalis::win32
