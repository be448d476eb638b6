#include "pathwell/platform/qt/qt_path_dialogs.h"

#include <QFile>

#include "pathwell/platform/qt/file_chooser_dialog.h"
#include "pathwell/platform/qt/folder_browser_dialog.h"
#include "runtime/errors/error_report.h"
#include "runtime/process/program_location.h"

namespace vortalis::pathwell {

std::optional<std::string> QtPathDialogs::BrowseForItem(const BrowseSettings& settings) {
    FolderBrowserDialog dialog(settings.title);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return QFile::encodeName(dialog.PickedPath()).toStdString();
}

std::string QtPathDialogs::ShowOpen(const ChooserSettings& settings) {
    FileChooserDialog dialog(settings);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.SelectionString();
}

void QtPathDialogs::ReportError(const RunError& error) {
    vortalis::ReportError(CurrentProgram().stem, error);
}

}  // namespace vortalis::pathwell
