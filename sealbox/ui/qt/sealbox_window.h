#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "sealbox/core/sealbox_design.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/core/sealbox_view.h"
#include "sealbox/ui/qt/drive_list_box.h"
#include "sealbox/ui/qt/file_list_box.h"
#include "sealbox/ui/qt/folder_list_box.h"
#include "sealbox/ui/qt/password_box.h"

namespace vortalis::sealbox::qt_ui {

// The window's controls, named as the form logic knows them.
struct SealboxControls {
    QWidget* Picture1 = nullptr;     // empty, of no size: it holds the focus at start
    DriveListBox* Drive1 = nullptr;  // the drives
    FolderListBox* Dir1 = nullptr;   // the folders, down to the open one
    FileListBox* File1 = nullptr;    // the open folder's files
    QLineEdit* Text1 = nullptr;      // the file's path
    PasswordBox* Text2 = nullptr;    // the password
    std::array<QPushButton*, Sealboxfrm::kButtonCount> Command1{};  // encipher, decipher, quit
    QProgressBar* ProgressBar1 = nullptr;  // how far the transform has gone
    QLabel* Label1 = nullptr;              // "Nom du fichier", over Text1
    QLabel* Label2 = nullptr;              // "Mot de Passe", over Text2
};

// Sealbox's one window: its controls placed and named as designed. It shows
// what the form logic sets and hands it the controls' events.
class SealboxWindow : public QWidget, public SealboxView {
    Q_OBJECT
  public:
    explicit SealboxWindow(QWidget* parent = nullptr);

    // From now on the controls' events go to `form`.
    void ForwardEventsTo(Sealboxfrm& form);

    const SealboxControls& Controls() const { return controls_; }

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
    void closeEvent(QCloseEvent* event) override;

  private:
    void UseDesignFont();
    void CreateControls();
    QWidget* CreatePart(SealboxPart part);
    QWidget* Part(SealboxPart part) const;
    void NameForScreenReaders();
    void PlaceControls();

    SealboxControls controls_;
    std::array<QWidget*, kSealboxPartCount> parts_{};  // the same controls, by their part
    Sealboxfrm* form_ = nullptr;
};

}  // namespace vortalis::sealbox::qt_ui
