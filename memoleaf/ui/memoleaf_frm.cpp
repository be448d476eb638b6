#include "memoleaf/ui/memoleaf_frm.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_layout.h"
#include "memoleaf/core/settings_file.h"
#include "memoleaf/ui/note_font.h"
#include "memoleaf/ui/note_icon.h"
#include "runtime/files/rewrite_recovery.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "runtime/text/ansi_text.h"

namespace vortalis::memoleaf {
namespace {

// The text area's colours as the window is designed: pale yellow, black.
constexpr std::int32_t kDesignBackground = 8454143;
constexpr std::int32_t kDesignText = 0;

DesktopRect ToTwips(const QRect& pixels, double twipsPerPixel) {
    return {PixelsToTwips(pixels.left(), twipsPerPixel), PixelsToTwips(pixels.top(), twipsPerPixel),
            PixelsToTwips(pixels.width(), twipsPerPixel),
            PixelsToTwips(pixels.height(), twipsPerPixel)};
}

std::vector<DesktopRect> AvailableScreenAreas(double twipsPerPixel) {
    std::vector<DesktopRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(ToTwips(screen->availableGeometry(), twipsPerPixel));
    }
    return areas;
}

}  // namespace

Memoleaf_frm::Memoleaf_frm(ProgramLocation program, const UserPlaces& places, NoteServices services,
                           QWidget* parent)
    : QMainWindow(parent), program_(std::move(program)), places_(places), services_(services) {
    BuildDesign();
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, &Memoleaf_frm::FitFrameToPlacedGeometry);
}

void Memoleaf_frm::BuildDesign() {
    setObjectName(QStringLiteral("Memoleaf_frm"));
    setWindowTitle(QString::fromStdString(AnsiToUtf8(kCaptionAnsi)));
    setWindowIcon(NoteIcon());

    // The text area is placed by hand (ApplyLayout), not by a layout: the
    // strips beside it show the window's own background.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    AMSREdit1 = new QTextEdit(client);
    AMSREdit1->setObjectName(QStringLiteral("AMSREdit1"));
    AMSREdit1->setAcceptRichText(true);
    AMSREdit1->installEventFilter(this);
    PaintTextArea(kDesignBackground, kDesignText);

    BuildMenu();
}

QAction* Memoleaf_frm::AddEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

void Memoleaf_frm::BuildMenu() {
    ord = menuBar()->addMenu(QStringLiteral("&Ordres"));
    cop = AddEntry(ord, QStringLiteral("&Copier"), QKeySequence(QStringLiteral("Ctrl+C")));
    coul = ord->addMenu(QStringLiteral("c&Ouleur"));
    cou1[kBackgroundColour] =
        AddEntry(coul, QStringLiteral("du &Fond"), QKeySequence(QStringLiteral("Ctrl+F")));
    cou1[kTextColour] =
        AddEntry(coul, QStringLiteral("du &Texte"), QKeySequence(QStringLiteral("Ctrl+T")));
    pol =
        AddEntry(ord, QStringLiteral("changer la &Police"), QKeySequence(QStringLiteral("Ctrl+P")));
    qui = AddEntry(ord, QStringLiteral("&Quitter"), QKeySequence(QStringLiteral("Ctrl+Q")));
    cou = AddEntry(ord, QStringLiteral("co&Uper"), QKeySequence(QStringLiteral("Ctrl+X")));

    connect(cop, &QAction::triggered, this, &Memoleaf_frm::cop_Click);
    for (int index = 0; index < static_cast<int>(cou1.size()); ++index) {
        connect(cou1[static_cast<std::size_t>(index)], &QAction::triggered, this,
                [this, index] { cou1_Click(index); });
    }
    connect(pol, &QAction::triggered, this, &Memoleaf_frm::pol_Click);
    connect(qui, &QAction::triggered, this, &Memoleaf_frm::qui_Click);
    connect(cou, &QAction::triggered, this, &Memoleaf_frm::cou_Click);
}

void Memoleaf_frm::Form_Load() {
    // Before the settings are read: they may be the file a killed save left.
    PutBackInterruptedRewrites();
    settingsPath_ = ChooseSettingsPath(program_, places_);

    LoadedSettings loaded = LoadSettings(
        settingsPath_, [this] { return FirstScreenFont().toStdString(); },
        TextAreaColour(QPalette::Base), TextAreaColour(QPalette::Text));
    if (loaded.damage) services_.session.ReportError(*loaded.damage);
    settings_ = loaded.settings;
    settingsChanged_ = loaded.settingsChanged;

    PlaceWindow();
    ApplyNoteFont();
    ApplyNoteColours();
    AMSREdit1->setPlainText(services_.clipboard.Text());
}

void Memoleaf_frm::PutBackInterruptedRewrites() {
    for (const InterruptedRewrite& rewrite : RecoverInterruptedRewrites()) {
        services_.session.ShowMessage(QString::fromStdString(RecoveryMessage(rewrite)));
    }
}

QString Memoleaf_frm::FirstScreenFont() const {
    return FamilyName(QFontDatabase::families().value(0));
}

std::int32_t Memoleaf_frm::TextAreaColour(QPalette::ColorRole role) const {
    return ToWindowsColour(AMSREdit1->palette().color(role));
}

void Memoleaf_frm::PlaceWindow() {
    const double twipsPerPixel = TwipsPerPixel(this);
    const DesktopRect stored{
        static_cast<float>(settings_.windowLeft), static_cast<float>(settings_.windowTop),
        static_cast<float>(settings_.windowWidth), static_cast<float>(settings_.windowHeight)};
    const std::vector<DesktopRect> areas = AvailableScreenAreas(twipsPerPixel);
    const QScreen* primary = QGuiApplication::primaryScreen();
    const DesktopRect primaryArea =
        primary != nullptr ? ToTwips(primary->availableGeometry(), twipsPerPixel) : DesktopRect{};
    SetOuterGeometryInTwips(PlaceOnAScreen(stored, areas, primaryArea));
}

DesktopRect Memoleaf_frm::OuterGeometryInTwips() const {
    return ToTwips(frameGeometry(), TwipsPerPixel(this));
}

void Memoleaf_frm::SetOuterGeometryInTwips(const DesktopRect& twips) {
    placedOuterGeometry_ = twips;
    const double twipsPerPixel = TwipsPerPixel(this);
    // move() places the frame, resize() sizes what lies inside it.
    const QSize frame = frameGeometry().size() - size();
    move(TwipsToPixels(twips.left, twipsPerPixel), TwipsToPixels(twips.top, twipsPerPixel));
    placedClientSize_ =
        QSize(std::max(1, TwipsToPixels(twips.width, twipsPerPixel) - frame.width()),
              std::max(1, TwipsToPixels(twips.height, twipsPerPixel) - frame.height()));
    resize(placedClientSize_);
}

void Memoleaf_frm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (frameWatch_.isActive() || frameFitted_) return;
    // The window manager frames the window a moment after it is shown, and Qt
    // says so by no event of its own: look again at each move or resize that
    // follows, and a few times besides, then give the stored outer size once
    // more, so that the note does not grow by a frame at every run.
    frameLooks_ = 0;
    frameWatch_.start();
}

void Memoleaf_frm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrameToPlacedGeometry();
}

void Memoleaf_frm::FitFrameToPlacedGeometry() {
    if (frameFitted_) return;
    if (frameGeometry().size() == size()) {
        // No frame yet; where no window manager draws one, there will be none.
        if (frameWatch_.isActive() && ++frameLooks_ >= kFrameLooks) frameWatch_.stop();
        return;
    }
    frameFitted_ = true;
    frameWatch_.stop();
    // Unless the user has already moved on to another size.
    if (size() == placedClientSize_) SetOuterGeometryInTwips(placedOuterGeometry_);
    ApplyLayout();
}

void Memoleaf_frm::ApplyNoteFont() {
    QFont font(QString::fromStdString(settings_.fontName));
    font.setPointSize(std::max<int>(1, settings_.fontSize));
    font.setBold(settings_.fontBold);
    font.setItalic(settings_.fontItalic);
    AMSREdit1->setFont(font);
}

void Memoleaf_frm::ApplyNoteColours() {
    PaintTextArea(settings_.noteColours[kBackgroundColour], settings_.noteColours[kTextColour]);
}

void Memoleaf_frm::PaintTextArea(std::int32_t background, std::int32_t text) {
    // A system colour reference stays as it is in the settings; only the paint
    // comes from the palette.
    QPalette palette = AMSREdit1->palette();
    const QPalette system = QApplication::palette(AMSREdit1);
    palette.setColor(QPalette::Base, FromWindowsColour(background, system));
    palette.setColor(QPalette::Text, FromWindowsColour(text, system));
    AMSREdit1->setPalette(palette);
}

void Memoleaf_frm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
    FitFrameToPlacedGeometry();
}

void Memoleaf_frm::Form_Resize() { ApplyLayout(); }

void Memoleaf_frm::ApplyLayout() {
    const double twipsPerPixel = TwipsPerPixel(this);
    const QRect outer = frameGeometry();
    const TextAreaSize current{
        static_cast<float>(PixelsToTwips(AMSREdit1->height(), twipsPerPixel)),
        static_cast<float>(PixelsToTwips(AMSREdit1->width(), twipsPerPixel))};
    const TextAreaSize size =
        LayoutTextArea(static_cast<float>(PixelsToTwips(outer.height(), twipsPerPixel)),
                       static_cast<float>(PixelsToTwips(outer.width(), twipsPerPixel)), current);
    AMSREdit1->setGeometry(0, 0, TwipsToPixels(size.width, twipsPerPixel),
                           TwipsToPixels(size.height, twipsPerPixel));
    settingsChanged_ = true;
}

bool Memoleaf_frm::IsMenuShortcut(const QKeySequence& keys) const {
    for (const QAction* action : {cop, cou1[0], cou1[1], pol, qui, cou}) {
        if (action->shortcut() == keys) return true;
    }
    return false;
}

bool Memoleaf_frm::eventFilter(QObject* watched, QEvent* event) {
    // The text area would keep Ctrl+C and Ctrl+X for itself; the menu has them.
    if (watched == AMSREdit1 && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsMenuShortcut(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vortalis::memoleaf
