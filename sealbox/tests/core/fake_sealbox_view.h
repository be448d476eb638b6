#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "sealbox/core/sealbox_view.h"

namespace vortalis::testing {

// A window that keeps what the form logic shows on it and answers what it
// reads from the fields a test sets.
class FakeSealboxView : public sealbox::SealboxView {
  public:
    std::string text1;
    std::string text2;
    std::vector<std::string> drives;
    std::string drive;
    std::string dir1;                     // the open folder
    std::vector<std::string> subfolders;  // its subfolders' names
    std::vector<std::string> files;
    std::string selectedFile;
    int progressWidth = 365;
    int progressMinimum = 0;
    int progressMaximum = 100;
    int progressValue = 0;
    int progressValuesSet = 0;
    bool progressCleared = false;
    std::function<void()> onProgress;  // called as each value is drawn
    std::vector<std::string> painted;  // "Text1.BackColor=255", in order
    std::string caption;
    bool hidden = false;
    std::vector<sealbox::SealboxPart> focused;  // where the form moved the focus, in order
    std::atomic<int> nonInputTurns = 0;         // read by a test's file system, on its thread

    std::string Text1() const override { return text1; }
    void SetText1(const std::string& path) override { text1 = path; }
    std::string Text2() const override { return text2; }
    void ListDrive1(const std::vector<std::string>& mountPoints) override {
        drives = mountPoints;
        drive.clear();
    }
    std::string Drive1() const override { return drive; }
    void SetDrive1(const std::string& mountPoint) override { drive = mountPoint; }
    void ShowDir1(const sealbox::FolderListing& listing) override {
        dir1 = listing.PathAt(listing.selected);
        subfolders.clear();
        for (const sealbox::FolderEntry& entry : listing.entries)
            if (!entry.open) subfolders.push_back(entry.name);
    }
    void ShowFile1(const std::vector<std::string>& names) override {
        files = names;
        selectedFile.clear();
    }
    std::string File1Selected() const override { return selectedFile; }
    int ProgressBar1Width() const override { return progressWidth; }
    void SetProgressBar1Range(int minimum, int maximum) override {
        progressMinimum = minimum;
        progressMaximum = maximum;
    }
    void SetProgressBar1Value(int value) override {
        progressValue = value;
        ++progressValuesSet;
        if (onProgress) onProgress();
    }
    void ClearProgressBar1() override { progressCleared = true; }
    void SetBackAndForeColor(sealbox::SealboxControl control, std::int32_t back,
                             std::int32_t fore) override {
        painted.push_back(Name(control) + ".BackColor=" + std::to_string(back));
        painted.push_back(Name(control) + ".ForeColor=" + std::to_string(fore));
    }
    void SetCommand1BackColor(int index, std::int32_t colour) override {
        painted.push_back("Command1(" + std::to_string(index) +
                          ").BackColor=" + std::to_string(colour));
    }
    void GiveFocusTo(sealbox::SealboxPart part) override { focused.push_back(part); }
    void ProcessNonInputEvents() override { ++nonInputTurns; }
    void SetCaption(const std::string& text) override { caption = text; }
    void HideWindow() override { hidden = true; }

    static std::string Name(sealbox::SealboxControl control) {
        // In the order SealboxControl names them.
        constexpr const char* kNames[] = {"Drive1", "Dir1", "File1",  "Text1",
                                          "Text2",  "Form", "Label1", "Label2"};
        return kNames[static_cast<std::size_t>(control)];
    }
};

}  // namespace vortalis::testing
