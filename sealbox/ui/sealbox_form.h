#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "runtime/process/program_location.h"
#include "sealbox/core/colour_scheme.h"
#include "sealbox/core/sealbox_services.h"
#include "sealbox/core/transform_file.h"
#include "sealbox/ui/drive_list_box.h"
#include "sealbox/ui/file_list_box.h"
#include "sealbox/ui/folder_list_box.h"
#include "sealbox/ui/password_box.h"

namespace vortalis {

// What the program was started with.
struct SealboxStart {
    std::string commandLine;  // the colour file's path, or nothing
    ProgramLocation program;
};

// The window's controls, named as the handlers know them.
struct SealboxControls {
    QWidget* Picture1 = nullptr;
    DriveListBox* Drive1 = nullptr;
    FolderListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    PasswordBox* Text2 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

// Sealbox's one window: pick a file, type a password, encipher or decipher it.
class Sealboxfrm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kEncipherButton = 0;
    static constexpr int kDecipherButton = 1;
    static constexpr int kQuitButton = 2;

    Sealboxfrm(SealboxServices services, SealboxStart start, QWidget* parent = nullptr);

    // Form_Load as the program runs it, errors reported as from any other handler.
    void Load() {
        Handle([this] { Form_Load(); });
    }

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click(int index);

    const SealboxControls& Controls() const { return controls_; }
    bool Ended() const { return ended_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void UseDesignFont();
    void CreateControls();
    void PlaceControls();
    void ConnectHandlers();
    void PutBackInterruptedRewrites();
    ColourScheme LoadColourScheme();
    void ApplyColourScheme(const ColourScheme& scheme);
    void OpenListsOnStartFolder();
    void OpenFolder(const QString& folder);
    TransformResult RunTransform(const std::string& file, const std::string& password,
                                 CipherMode mode);
    // Runs a handler as the event loop would: an error it does not trap is reported
    // and ends the program; once the program has ended, nothing more runs.
    void Handle(const std::function<void()>& handler);
    void EndProgram(int exitCode);

    SealboxServices services_;
    SealboxStart start_;
    SealboxControls controls_;
    bool busy_ = false;
    bool ended_ = false;
};

}  // namespace vortalis
