#pragma once

#include <windows.h>

#include <string>

#include "runtime/win32/control.h"

namespace vortalis::sealbox::win32_ui {

// The kinds of system control Sealbox's window uses, each saying in its own
// words what it does, so that the window sends no message itself. Every one of
// them that takes the focus is a tab stop and a group of its own: the arrows
// never move the focus, only Tab does.

// A push button drawn by its window (WM_DRAWITEM), the only way a button shows a
// colour of its own; its "&" letter still clicks it with Alt.
class Button : public win32::Control {
  public:
    void Create(HWND parent, const std::string& caption, int id);
};

class EditBox : public win32::Control {
  public:
    void Create(HWND parent, int id);
    // A password box: every character shows as `mask`, nothing can be copied out.
    void CreateMasked(HWND parent, int id, wchar_t mask);
};

class Label : public win32::Control {
  public:
    void Create(HWND parent, const std::string& caption, int id);
};

// A control of no size that takes the focus and does nothing with the keys.
class FocusHolder : public win32::Control {
  public:
    void Create(HWND parent, int id);
};

// A list of texts, one chosen at most. Choosing one with the mouse or the keys
// notifies LBN_SELCHANGE; choosing from code notifies nothing.
class ListBox : public win32::Control {
  public:
    void Create(HWND parent, int id, DWORD extraStyle = 0);
    void Clear();
    void Add(const std::string& text);
    int Count() const;
    int Selected() const;  // -1 when none is
    void Select(int index);
    std::string ItemText(int index) const;
    void SetItemHeight(int pixels);
};

// A closed list that drops down to be chosen from (CBN_SELCHANGE on a user's
// choice only).
class DropDownList : public win32::Control {
  public:
    void Create(HWND parent, int id);
    void Clear();
    int Add(const std::string& text);
    int FindExact(const std::string& text) const;  // -1 when not listed
    int Selected() const;
    void Select(int index);
    std::string ItemText(int index) const;
    // The list that drops down: a window of its own, which asks for its colours.
    HWND DroppedList() const;
    // The closed list at `field`, with room below it for `rows` entries dropped.
    void PlaceWithDrop(const RECT& field, int rows);
};

class ProgressBar : public win32::Control {
  public:
    void Create(HWND parent, int id);
    void SetRange(int minimum, int maximum);
    // Drawn before this returns, for the caller may give the message loop no turn.
    void SetValue(int value);
    int Width() const;
};

}  // namespace vortalis::sealbox::win32_ui
