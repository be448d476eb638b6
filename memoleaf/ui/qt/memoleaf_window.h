#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "memoleaf/core/memoleaf_frm.h"
#include "memoleaf/core/note_window.h"

class QAction;
class QMenu;
class QTextEdit;

namespace vortalis::memoleaf::qt_ui {

// The note's window: the rich-text box and the menu, placed and named as the
// form knows them. Its events run the form's handlers.
class MemoleafWindow : public QMainWindow, public NoteWindow {
    Q_OBJECT

  public:
    explicit MemoleafWindow(QWidget* parent = nullptr);

    // The form whose handlers the menu and the resizes run; none run before.
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
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildDesign();
    void BuildMenu();
    QAction* AddEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                      const std::function<void(Memoleaf_frm&)>& handler);
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
    // The one menu, "Ordres", and its entries: copy, the colour submenu with
    // background (index 0) and text (index 1), font, quit, and cut (which quits).
    QMenu* ord = nullptr;
    QAction* cop = nullptr;
    QMenu* coul = nullptr;
    std::array<QAction*, 2> cou1{};
    QAction* pol = nullptr;
    QAction* qui = nullptr;
    QAction* cou = nullptr;
};

}  // namespace vortalis::memoleaf::qt_ui
