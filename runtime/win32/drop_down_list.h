#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A closed list that drops down to be chosen from. Its dropped list takes the
// colours given to the control.
class DropDownList : public Control {
  public:
    void Create(Window& parent);
    void Clear();
    int Add(const std::string& text);
    int FindExact(const std::string& text) const;  // -1 when not listed
    int Selected() const;                          // -1 when none is
    // Chosen from code: no event.
    void Select(int index);
    std::string ItemText(int index) const;
    // The closed list at `field`, with room below it for `rows` entries dropped.
    void PlaceWithDrop(const RECT& field, int rows);

    // An entry chosen by the user.
    std::function<void()> onSelectionChanged;

  protected:
    bool OnCommand(int notification) override;
};

}  // namespace vortalis::win32
