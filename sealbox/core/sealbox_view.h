#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sealbox/core/folder_listing.h"
#include "sealbox/core/sealbox_design.h"

namespace vortalis::sealbox {

// The controls the form colours (each button of Command1 has a call of its own).
enum class SealboxControl { Drive1, Dir1, File1, Text1, Text2, Form, Label1, Label2 };

// The design's part each control but the form is.
constexpr SealboxPart PartOf(SealboxControl control) {
    switch (control) {
        case SealboxControl::Drive1:
            return SealboxPart::Drive1;
        case SealboxControl::Dir1:
            return SealboxPart::Dir1;
        case SealboxControl::File1:
            return SealboxPart::File1;
        case SealboxControl::Text1:
            return SealboxPart::Text1;
        case SealboxControl::Text2:
            return SealboxPart::Text2;
        case SealboxControl::Label1:
            return SealboxPart::Label1;
        case SealboxControl::Label2:
            return SealboxPart::Label2;
        case SealboxControl::Form:
            break;
    }
    return SealboxPart::kCount;
}

// What Sealbox's form logic reads and writes on its window's controls. Texts are
// UTF-8. Nothing here raises an event: the form logic raises the change events
// of the lists it sets itself, as the controls would.
class SealboxView {
  public:
    virtual ~SealboxView() = default;

    // Text1 — the file's path, picked in the lists or typed.
    virtual std::string Text1() const = 0;
    virtual void SetText1(const std::string& path) = 0;
    // Text2 — the password, as typed.
    virtual std::string Text2() const = 0;

    // Drive1 — the drive list: the mounted volumes by their mount points, none
    // chosen at first.
    virtual void ListDrive1(const std::vector<std::string>& mountPoints) = 0;
    // The chosen drive, empty when none is.
    virtual std::string Drive1() const = 0;
    // Chooses a drive the form has listed.
    virtual void SetDrive1(const std::string& mountPoint) = 0;

    // Dir1 — the folder list: draws the listing as it is given. An entry opened
    // (double click, Enter) goes to the form as the folder it opens.
    virtual void ShowDir1(const FolderListing& listing) = 0;

    // File1 — the file list: the ordinary files of the open folder, none chosen.
    virtual void ShowFile1(const std::vector<std::string>& names) = 0;
    // The chosen file's name, empty when none is.
    virtual std::string File1Selected() const = 0;

    // ProgressBar1 — how far the transform has gone. A value set is drawn at
    // once: the transform gives the window a turn only now and then.
    virtual int ProgressBar1Width() const = 0;  // in pixels
    virtual void SetProgressBar1Range(int minimum, int maximum) = 0;
    virtual void SetProgressBar1Value(int value) = 0;
    // Empty again, once a transform has left the file as it was.
    virtual void ClearProgressBar1() = 0;

    // Colours are Windows colour values (a negative one refers to a system colour).
    // The background, then the text.
    virtual void SetBackAndForeColor(SealboxControl control, std::int32_t back,
                                     std::int32_t fore) = 0;
    // Command1 — the buttons: 0 enciphers, 1 deciphers, 2 quits.
    virtual void SetCommand1BackColor(int index, std::int32_t colour) = 0;

    // The focus to a control, as the form moves it where the user is to type.
    virtual void GiveFocusTo(SealboxPart part) = 0;
    // A turn for the window in the middle of a transform: it repaints and
    // answers the system (which would otherwise call it hung), but no click or
    // key runs; they wait for the event loop.
    virtual void ProcessNonInputEvents() = 0;

    virtual void SetCaption(const std::string& caption) = 0;
    // The window goes as the program ends, before the event loop stops.
    virtual void HideWindow() = 0;
};

}  // namespace vortalis::sealbox
