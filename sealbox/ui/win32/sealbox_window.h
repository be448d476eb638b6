#pragma once

#include <windows.h>

#include <array>

#include "runtime/win32/button.h"
#include "runtime/win32/control_colours.h"
#include "runtime/win32/drop_down_list.h"
#include "runtime/win32/edit_box.h"
#include "runtime/win32/label.h"
#include "runtime/win32/list_box.h"
#include "runtime/win32/progress_bar.h"
#include "runtime/win32/window.h"
#include "sealbox/core/sealbox_design.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/core/sealbox_view.h"
#include "sealbox/ui/win32/folder_list_box.h"

namespace vortalis::sealbox::win32_ui {

// The window's controls, named as the form logic knows them.
struct SealboxControls {
    win32::FocusHolder Picture1;  // of no size: it holds the focus at start
    win32::DropDownList Drive1;   // the drives
    FolderListBox Dir1;           // the folders, down to the open one
    win32::ListBox File1;         // the open folder's files
    win32::EditBox Text1;         // the file's path
    win32::EditBox Text2;         // the password
    std::array<win32::Button, Sealboxfrm::kButtonCount> Command1;  // encipher, decipher, quit
    win32::ProgressBar ProgressBar1;                               // how far the transform has gone
    win32::Label Label1;                                           // "Nom du fichier", over Text1
    win32::Label Label2;                                           // "Mot de Passe", over Text2
};

// Sealbox's one window on the system's own controls, made, named and placed
// from the design. It shows what the form logic sets and connects the
// controls' events to the form's handlers.
class SealboxWindow : public win32::Window, public SealboxView {
  public:
    SealboxWindow();
    ~SealboxWindow() override;

    // Creates the window and its controls, hidden; false when the system refuses.
    bool Open();
    void Show();
    // From now on the controls' events go to `form`.
    void ForwardEventsTo(Sealboxfrm& form);

    std::string Text1() const override;
    void SetText1(const std::string& path) override;
    std::string Text2() const override;
    void ListDrive1(const std::vector<std::string>& mountPoints) override;
    std::string Drive1() const override;
    void SetDrive1(const std::string& mountPoint) override;
    void ShowDir1(const FolderListing& listing) override;
    void ShowFile1(const std::vector<std::string>& names) override;
    std::string File1Selected() const override;
    int ProgressBar1Width() const override;
    void SetProgressBar1Range(int minimum, int maximum) override;
    void SetProgressBar1Value(int value) override;
    void ClearProgressBar1() override;
    void SetBackAndForeColor(SealboxControl control, std::int32_t back, std::int32_t fore) override;
    void SetCommand1BackColor(int index, std::int32_t colour) override;
    void GiveFocusTo(SealboxPart part) override;
    void ProcessNonInputEvents() override;
    void SetCaption(const std::string& caption) override;
    void HideWindow() override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void CreateControls();
    win32::Control* CreatePart(SealboxPart part);
    win32::Control& Part(SealboxPart part) const;
    void NameForScreenReaders();
    void UseDesignFont();
    void PlaceControls();
    void ResizeClient(SIZE client);
    // The window and every control drawn again, in their colours of now.
    void Repaint() const;

    void OnEraseBackground(HDC dc) const;
    void OnActivate(bool active);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnClose();
    void OnSystemColoursChanged();

    SealboxControls controls_;
    std::array<win32::Control*, kSealboxPartCount> parts_{};  // the same controls, by their part
    win32::ControlColours formColours_;                       // the window's own background

    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    int listRowHeight_ = 16;
    HWND focusBeforeLeaving_ = nullptr;
    Sealboxfrm* form_ = nullptr;
};

}  // namespace vortalis::sealbox::win32_ui
