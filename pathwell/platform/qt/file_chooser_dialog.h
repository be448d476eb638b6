#pragma once

#include <QFileDialog>
#include <QStringList>
#include <functional>
#include <string>

#include "pathwell/core/path_dialogs.h"

namespace vortalis::pathwell {

// The open-file dialog: several files at once; a typed name that does not
// exist is offered for creation (the dialog only asks: nothing is created).
class FileChooserDialog : public QFileDialog {
    Q_OBJECT

  public:
    // Asked with the missing file's path; true to take it anyway.
    using CreatePrompt = std::function<bool(const QString& path)>;

    explicit FileChooserDialog(const ChooserSettings& settings, QWidget* parent = nullptr);

    void SetCreatePrompt(CreatePrompt prompt) { createPrompt_ = std::move(prompt); }

    // The chosen files as a selection string: one full path, or the folder and
    // the names separated by NUL characters; empty when nothing was chosen.
    std::string SelectionString() const;

    void accept() override;

  private:
    enum class MissingFiles { kLeftToTheDialog, kTaken, kRefused };
    MissingFiles AskAboutMissingFiles(const QStringList& files);
    void ShowDetailsInFull();

    // Pixels: the details in full on a 1280 by 1024 screen.
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 600;

    bool createPromptOn_;
    CreatePrompt createPrompt_;
    QStringList chosen_;
};

// The question OK asks about a name that does not exist, in a message box.
bool AskToCreate(QWidget* parent, const QString& path);

}  // namespace vortalis::pathwell
