#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "pathwell/core/form_window.h"
#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell::testing {

// Dialogs that give the answers a test queued, in order, and keep the settings
// they were shown with. An exhausted script cancels, so a loop always ends.
class ScriptedDialogs : public PathDialogs {
  public:
    std::deque<std::optional<std::string>> browserAnswers;
    std::deque<std::string> chooserAnswers;
    std::vector<BrowseSettings> browsed;
    std::vector<ChooserSettings> chosen;
    std::vector<int> reportedErrors;

    std::optional<std::string> BrowseForItem(const BrowseSettings& settings) override {
        browsed.push_back(settings);
        if (browserAnswers.empty()) return std::nullopt;
        auto answer = browserAnswers.front();
        browserAnswers.pop_front();
        return answer;
    }
    std::string ShowOpen(const ChooserSettings& settings) override {
        chosen.push_back(settings);
        if (chooserAnswers.empty()) return {};
        auto answer = chooserAnswers.front();
        chooserAnswers.pop_front();
        return answer;
    }
    void ReportError(const RunError& error) override { reportedErrors.push_back(error.Number()); }
};

class FakeFormWindow : public FormWindow {
  public:
    WindowHandle handle = 0x1234;
    std::string caption = "Form1";

    WindowHandle Handle() override { return handle; }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
};

}  // namespace vortalis::pathwell::testing
