#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>

#include "memoleaf/core/note_services.h"
#include "memoleaf/core/note_settings.h"
#include "memoleaf/core/screen_placement.h"
#include "memoleaf/core/settings_path.h"
#include "runtime/process/program_location.h"

class QAction;
class QMenu;
class QTextEdit;

namespace vortalis::memoleaf {

// The sticky note: a rich-text area that opens on the clipboard's text, in the
// place, size, font and colours kept in the settings file, and one menu.
class Memoleaf_frm : public QMainWindow {
    Q_OBJECT

  public:
    Memoleaf_frm(ProgramLocation program, const UserPlaces& places, NoteServices services,
                 QWidget* parent = nullptr);

    // Start-up, run once before the window is first shown.
    void Form_Load();

    // The menu entries.
    void cop_Click();
    void cou1_Click(int Index);
    void pol_Click();
    void qui_Click();
    void cou_Click();

    const NoteSettings& Settings() const { return settings_; }
    bool SettingsChanged() const { return settingsChanged_; }
    const std::filesystem::path& SettingsPath() const { return settingsPath_; }
    QTextEdit* TextArea() const { return AMSREdit1; }
    // The window's outer place and size (frame, caption and menu bar included).
    DesktopRect OuterGeometryInTwips() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildDesign();
    void BuildMenu();
    QAction* AddEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut);

    void Form_Resize();
    void ApplyLayout();
    void ApplyNoteFont();
    void ApplyNoteColours();
    void PlaceWindow();
    void SetOuterGeometryInTwips(const DesktopRect& twips);
    void FitFrameToPlacedGeometry();
    void PutBackInterruptedRewrites();
    QString FirstScreenFont() const;
    void PaintTextArea(std::int32_t background, std::int32_t text);
    std::int32_t TextAreaColour(QPalette::ColorRole role) const;
    bool IsMenuShortcut(const QKeySequence& keys) const;

    ProgramLocation program_;
    const UserPlaces& places_;
    NoteServices services_;

    std::filesystem::path settingsPath_;
    NoteSettings settings_;
    bool settingsChanged_ = false;
    // The outer size asked for at start-up, given again once the window frame
    // is known: looked for every 50 ms for two seconds at most.
    static constexpr int kFrameLooks = 40;
    DesktopRect placedOuterGeometry_;
    QSize placedClientSize_;
    QTimer frameWatch_;
    int frameLooks_ = 0;
    bool frameFitted_ = false;

    QTextEdit* AMSREdit1 = nullptr;
    QMenu* ord = nullptr;
    QAction* cop = nullptr;
    QMenu* coul = nullptr;
    std::array<QAction*, 2> cou1{};
    QAction* pol = nullptr;
    QAction* qui = nullptr;
    QAction* cou = nullptr;
};

}  // namespace vortalis::memoleaf
