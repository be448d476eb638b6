#pragma once

#include <QMainWindow>
#include <QTimer>
#include <vector>

#include "memoleaf/core/memoleaf_frm.h"
#include "memoleaf/core/note_menu.h"
#include "memoleaf/core/note_window.h"

class QAction;
class QMenu;
class QTextEdit;

namespace vortalis::memoleaf::qt_ui {

// The note's window: the rich-text box and the menu, placed and named as the
// form knows them. Its events run the form's handlers, its closing included.
class MemoleafWindow : public QMainWindow, public NoteWindow {
    Q_OBJECT

  public:
    explicit MemoleafWindow(QWidget* parent = nullptr);

    // The form whose handlers the menu, the resizes and the closing run; none
    // run before.
    void ForwardEventsTo(Memoleaf_frm& form) { form_ = &form; }
    QTextEdit* TextArea() const { return AMSREdit1; }

    void SetCaption(const std::string& caption) override;
    DesktopRect OuterGeometry() const override;
    void SetOuterGeometry(const DesktopRect& geometry) override;
    std::vector<DesktopRect> AvailableScreenAreas() const override;
    DesktopRect PrimaryScreenArea() const override;
    TextAreaSize TextBoxSize() const override;
    void SetTextBoxSize(TextAreaSize size) override;
    void SetText(const std::string& text) override;
    std::string SelectedText() const override;
    FontChoice TextFont() const override;
    void SetTextFont(const FontChoice& font) override;
    std::array<std::int32_t, 2> TextColours() const override;
    void SetTextColours(std::int32_t background, std::int32_t text) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildDesign();
    void BuildMenu();
    void AddCommand(QMenu* menu, const NoteMenuEntry& entry);
    void FitFrameToPlacedGeometry();
    bool IsMenuShortcut(const QKeySequence& keys) const;

    Memoleaf_frm* form_ = nullptr;

    // The outer size asked for at start-up, given again once the window frame
    // is known: looked for every 50 ms for two seconds at most.
    static constexpr int kFrameLooks = 40;
    DesktopRect placedOuterGeometry_;
    QSize placedClientSize_;
    QTimer frameWatch_;
    int frameLooks_ = 0;
    bool frameFitted_ = false;

    // The note's rich-text box.
    QTextEdit* AMSREdit1 = nullptr;
    // The menu's commands, each named as the form's design names it (cop,
    // cou1, pol, ...), with their shortcuts.
    std::vector<QAction*> commands_;
};

}  // namespace vortalis::memoleaf::qt_ui
