#include "pathwell/platform/qt/file_chooser_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

#include "pathwell/core/dialog_filter.h"
#include "pathwell/core/selection_string.h"
#include "runtime/qt/french_file_details.h"

namespace vortalis::pathwell {
namespace {

QStringList NameFilters(const std::string& filter) {
    QStringList filters;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        filters << QString::fromStdString(entry.description) + QStringLiteral(" (") +
                       QString::fromStdString(entry.pattern) + QStringLiteral(")");
    }
    return filters;
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

bool AskToCreate(QWidget* parent, const QString& path) {
    return QMessageBox::question(
               parent, QString(),
               path + QStringLiteral("\nCe fichier n'existe pas.\nVoulez-vous le créer ?")) ==
           QMessageBox::Yes;
}

FileChooserDialog::FileChooserDialog(const ChooserSettings& settings, QWidget* parent)
    : QFileDialog(parent),
      createPromptOn_((settings.flags & kOpenCreatePrompt) != 0),
      createPrompt_([this](const QString& path) { return AskToCreate(this, path); }) {
    // Qt's own dialog on every desktop: a native one would answer without
    // letting us offer a missing name for creation.
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new FrenchFileDetails(this));
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode((settings.flags & kOpenAllowMultiSelect) ? QFileDialog::ExistingFiles
                                                         : QFileDialog::ExistingFile);
    setWindowTitle(QString::fromStdString(settings.title));
    setNameFilters(NameFilters(settings.filter));
    if (!settings.initialFolder.empty()) {
        setDirectory(QFile::decodeName(QByteArray::fromStdString(settings.initialFolder)));
    }
    if (!settings.fileName.empty()) selectFile(QString::fromStdString(settings.fileName));
    setLabelText(QFileDialog::LookIn, QStringLiteral("Rechercher dans :"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Fichiers de type :"));
    setLabelText(QFileDialog::Accept, QStringLiteral("&Ouvrir"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    ShowDetailsInFull();
}

void FileChooserDialog::ShowDetailsInFull() {
    // Wide enough for a file's name, size, type and date side by side, each
    // column as wide as what it holds.
    setViewMode(QFileDialog::Detail);
    resize(kWidth, kHeight);
    for (QTreeView* details : findChildren<QTreeView*>()) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

void FileChooserDialog::accept() {
    const QStringList files = selectedFiles();
    switch (createPromptOn_ ? AskAboutMissingFiles(files) : MissingFiles::kLeftToTheDialog) {
        case MissingFiles::kTaken:
            chosen_ = files;
            QDialog::accept();
            return;
        case MissingFiles::kRefused:
            return;  // back to the dialog, as it was
        case MissingFiles::kLeftToTheDialog:
            QFileDialog::accept();
            if (result() == QDialog::Accepted) chosen_ = selectedFiles();
            return;
    }
}

// A missing name in an existing folder is put to the user; anything else
// (existing files, a folder to enter, a folder that does not exist) is the
// dialog's own business.
FileChooserDialog::MissingFiles FileChooserDialog::AskAboutMissingFiles(const QStringList& files) {
    QStringList missing;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (info.exists()) continue;
        if (!info.dir().exists()) return MissingFiles::kLeftToTheDialog;
        missing << file;
    }
    if (missing.isEmpty()) return MissingFiles::kLeftToTheDialog;
    for (const QString& file : missing) {
        if (!createPrompt_(QDir::toNativeSeparators(file))) return MissingFiles::kRefused;
    }
    return MissingFiles::kTaken;
}

std::string FileChooserDialog::SelectionString() const {
    if (chosen_.isEmpty()) return {};
    if (chosen_.size() == 1) return NativePath(chosen_.front());
    const QDir folder = directory();
    std::vector<std::string> names;
    for (const QString& file : chosen_) names.push_back(NativePath(folder.relativeFilePath(file)));
    return JoinSelection(NativePath(folder.absolutePath()), names);
}

}  // namespace vortalis::pathwell
