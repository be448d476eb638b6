#include "memoleaf/ui/qt/memoleaf_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_design.h"
#include "memoleaf/ui/qt/note_icon.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"

namespace vortalis::memoleaf::qt_ui {
namespace {

DesktopRect ToTwips(const QRect& pixels, double twipsPerPixel) {
    return {PixelsToTwips(pixels.left(), twipsPerPixel), PixelsToTwips(pixels.top(), twipsPerPixel),
            PixelsToTwips(pixels.width(), twipsPerPixel),
            PixelsToTwips(pixels.height(), twipsPerPixel)};
}

}  // namespace

MemoleafWindow::MemoleafWindow(QWidget* parent) : QMainWindow(parent) {
    BuildDesign();
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, &MemoleafWindow::FitFrameToPlacedGeometry);
}

void MemoleafWindow::BuildDesign() {
    setObjectName(QStringLiteral("Memoleaf_frm"));
    setWindowIcon(NoteIcon());

    // The text box is placed by hand (SetTextBoxSize), not by a layout: the
    // strips beside it show the window's own background.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    AMSREdit1 = new QTextEdit(client);
    AMSREdit1->setObjectName(QStringLiteral("AMSREdit1"));
    AMSREdit1->setAcceptRichText(true);
    AMSREdit1->setAccessibleName(QString::fromUtf8(kTextBoxName));
    AMSREdit1->installEventFilter(this);
    SetTextColours(kDesignBackground, kDesignText);

    BuildMenu();
}

void MemoleafWindow::BuildMenu() {
    // Into the bar or into a menu, named as the form's design names it.
    const auto addMenu = [](auto* parent, const NoteMenuEntry& entry) {
        QMenu* menu = parent->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QString::fromUtf8(entry.name));
        return menu;
    };
    const auto addCommand = [this](QMenu* menu, const NoteMenuEntry& entry) {
        AddCommand(menu, entry);
    };
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AddNoteMenuEntries(addMenu(menuBar(), menu), menu, addMenu, addCommand);
    }
}

void MemoleafWindow::AddCommand(QMenu* menu, const NoteMenuEntry& entry) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromUtf8(entry.name));
    action->setShortcut(QKeySequence(QString::fromStdString(ShortcutText(entry))));
    connect(action, &QAction::triggered, this, [this, run = entry.run] {
        if (form_ != nullptr) run(*form_);
    });
    commands_.push_back(action);
}

void MemoleafWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

DesktopRect MemoleafWindow::OuterGeometry() const {
    return ToTwips(frameGeometry(), TwipsPerPixel(this));
}

void MemoleafWindow::SetOuterGeometry(const DesktopRect& geometry) {
    placedOuterGeometry_ = geometry;
    const double twipsPerPixel = TwipsPerPixel(this);
    // move() places the frame, resize() sizes what lies inside it.
    const QSize frame = frameGeometry().size() - size();
    move(TwipsToPixels(geometry.left, twipsPerPixel), TwipsToPixels(geometry.top, twipsPerPixel));
    placedClientSize_ =
        QSize(std::max(1, TwipsToPixels(geometry.width, twipsPerPixel) - frame.width()),
              std::max(1, TwipsToPixels(geometry.height, twipsPerPixel) - frame.height()));
    resize(placedClientSize_);
}

std::vector<DesktopRect> MemoleafWindow::AvailableScreenAreas() const {
    const double twipsPerPixel = TwipsPerPixel(this);
    std::vector<DesktopRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(ToTwips(screen->availableGeometry(), twipsPerPixel));
    }
    return areas;
}

DesktopRect MemoleafWindow::PrimaryScreenArea() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? ToTwips(primary->availableGeometry(), TwipsPerPixel(this))
                              : DesktopRect{};
}

TextAreaSize MemoleafWindow::TextBoxSize() const {
    const double twipsPerPixel = TwipsPerPixel(this);
    return {static_cast<float>(PixelsToTwips(AMSREdit1->height(), twipsPerPixel)),
            static_cast<float>(PixelsToTwips(AMSREdit1->width(), twipsPerPixel))};
}

void MemoleafWindow::SetTextBoxSize(TextAreaSize size) {
    const double twipsPerPixel = TwipsPerPixel(this);
    AMSREdit1->setGeometry(0, 0, TwipsToPixels(size.width, twipsPerPixel),
                           TwipsToPixels(size.height, twipsPerPixel));
}

void MemoleafWindow::SetText(const std::string& text) {
    AMSREdit1->setPlainText(QString::fromStdString(text));
}

std::string MemoleafWindow::SelectedText() const {
    return AMSREdit1->textCursor().selection().toPlainText().toStdString();
}

FontChoice MemoleafWindow::TextFont() const {
    const QFont font = AMSREdit1->font();
    return {font.family().toStdString(), font.pointSizeF(), font.bold(), font.italic()};
}

void MemoleafWindow::SetTextFont(const FontChoice& choice) {
    QFont font(QString::fromStdString(choice.name));
    font.setPointSizeF(choice.size);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    AMSREdit1->setFont(font);
}

std::array<std::int32_t, 2> MemoleafWindow::TextColours() const {
    const QPalette palette = AMSREdit1->palette();
    return {ToWindowsColour(palette.color(QPalette::Base)),
            ToWindowsColour(palette.color(QPalette::Text))};
}

void MemoleafWindow::SetTextColours(std::int32_t background, std::int32_t text) {
    // A system colour reference stays as it is in the settings; only the paint
    // comes from the palette.
    QPalette palette = AMSREdit1->palette();
    const QPalette system = QApplication::palette(AMSREdit1);
    palette.setColor(QPalette::Base, FromWindowsColour(background, system));
    palette.setColor(QPalette::Text, FromWindowsColour(text, system));
    AMSREdit1->setPalette(palette);
}

void MemoleafWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (frameWatch_.isActive() || frameFitted_) return;
    // The window manager frames the window a moment after it is shown, and Qt
    // says so by no event of its own: look again at each move or resize that
    // follows, and a few times besides, then give the stored outer size once
    // more, so that the note does not grow by a frame at every run.
    frameLooks_ = 0;
    frameWatch_.start();
}

void MemoleafWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrameToPlacedGeometry();
}

void MemoleafWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (form_ != nullptr) form_->Form_Resize();
    FitFrameToPlacedGeometry();
}

void MemoleafWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (form_ != nullptr) form_->Form_Unload();
}

void MemoleafWindow::FitFrameToPlacedGeometry() {
    if (frameFitted_) return;
    if (frameGeometry().size() == size()) {
        // No frame yet; where no window manager draws one, there will be none.
        if (frameWatch_.isActive() && ++frameLooks_ >= kFrameLooks) frameWatch_.stop();
        return;
    }
    frameFitted_ = true;
    frameWatch_.stop();
    // Unless the user has already moved on to another size.
    if (size() == placedClientSize_) SetOuterGeometry(placedOuterGeometry_);
    // The outer size now counts the frame.
    if (form_ != nullptr) form_->Form_Resize();
}

bool MemoleafWindow::IsMenuShortcut(const QKeySequence& keys) const {
    for (const QAction* action : commands_) {
        if (action->shortcut() == keys) return true;
    }
    return false;
}

bool MemoleafWindow::eventFilter(QObject* watched, QEvent* event) {
    // The text box would keep Ctrl+C and Ctrl+X for itself; the menu has them.
    if (watched == AMSREdit1 && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsMenuShortcut(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vortalis::memoleaf::qt_ui
