#include "runtime/errors/error_report.h"

#include <cstdio>

#include "runtime/text/line_ends.h"

namespace vortalis {

// Implemented per platform beside this file; false when no box could be shown.
bool ShowPlatformMessageBox(std::string_view title, std::string_view text, MessageIcon icon);

namespace {

void WriteToStandardError(std::string_view title, std::string_view text) {
    const std::string line = std::string(title) + " : " + ShownLines(text) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) {
    if (DisplayAvailable() && ShowPlatformMessageBox(title, text, icon)) return;
    WriteToStandardError(title, text);
}

std::string ErrorBoxText(const RunError& error) {
    return "Erreur : " + std::to_string(error.Number()) + "\r\n" + std::string(9, ' ') +
           error.Description();
}

void ReportError(std::string_view title, const RunError& error) {
    ShowMessage(title, ErrorBoxText(error), MessageIcon::Critical);
}

}  // namespace vortalis
