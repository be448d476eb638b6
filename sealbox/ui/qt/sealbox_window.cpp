#include "sealbox/ui/qt/sealbox_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <initializer_list>

#include "runtime/qt/frame_accessibility.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "sealbox/core/sealbox_design.h"
#include "sealbox/ui/qt/sealbox_icon.h"

namespace vortalis::sealbox::qt_ui {
namespace {

constexpr double kDesignFontPoints = 8;

using Roles = std::initializer_list<QPalette::ColorRole>;

void Paint(QWidget* control, Roles roles, std::int32_t colour) {
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : roles) palette.setColor(role, FromWindowsColour(colour));
    control->setPalette(palette);
}

// A box, a list or a label paints its background and its text with whichever
// of these roles its style uses.
void PaintControl(QWidget* control, std::int32_t back, std::int32_t fore) {
    Paint(control, {QPalette::Base, QPalette::Window, QPalette::Button}, back);
    Paint(control, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, fore);
}

}  // namespace

SealboxWindow::SealboxWindow(QWidget* parent) : QWidget(parent) {
    setWindowIcon(SealboxIcon());
    UseDesignFont();
    CreateControls();
    PlaceControls();
}

void SealboxWindow::UseDesignFont() {
    // The places were drawn for a small 8-point font; a larger one would not fit them.
    QFont designFont = font();
    designFont.setPointSizeF(kDesignFontPoints);
    setFont(designFont);
}

void SealboxWindow::CreateControls() {
    // Made in the design's order, which Qt's focus chain follows: Tab goes from
    // one to the next as designed.
    for (const SealboxPart part : kSealboxControlOrder)
        parts_[static_cast<std::size_t>(part)] = CreatePart(part);
    NameForScreenReaders();

    SealboxControls& c = controls_;
    // The empty box of no size holds the focus at start, so that the first key
    // press does nothing and the first Tab goes to the drives.
    c.Picture1->setFocusPolicy(Qt::TabFocus);
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->setFocusPolicy(Qt::NoFocus);
    for (QLabel* label : {c.Label1, c.Label2}) label->setAutoFillBackground(true);
    c.Picture1->setFocus();
}

QWidget* SealboxWindow::CreatePart(SealboxPart part) {
    SealboxControls& c = controls_;
    if (IsCommand1(part)) {
        const int index = Command1Index(part);
        return c.Command1[index] =
                   new QPushButton(QString::fromUtf8(kCommand1Captions[index]), this);
    }
    switch (part) {
        case SealboxPart::Picture1:
            return c.Picture1 = new QWidget(this);
        case SealboxPart::Drive1:
            return c.Drive1 = new DriveListBox(this);
        case SealboxPart::Dir1:
            return c.Dir1 = new FolderListBox(this);
        case SealboxPart::File1:
            return c.File1 = new FileListBox(this);
        case SealboxPart::Text1:
            return c.Text1 = new QLineEdit(this);
        case SealboxPart::Text2:
            return c.Text2 = new PasswordBox(this);
        case SealboxPart::ProgressBar1:
            return c.ProgressBar1 = new QProgressBar(this);
        case SealboxPart::Label1:
            return c.Label1 = new QLabel(QString::fromUtf8(kLabel1Text), this);
        case SealboxPart::Label2:
            return c.Label2 = new QLabel(QString::fromUtf8(kLabel2Text), this);
        default:
            return nullptr;
    }
}

QWidget* SealboxWindow::Part(SealboxPart part) const {
    return parts_[static_cast<std::size_t>(part)];
}

void SealboxWindow::NameForScreenReaders() {
    const SealboxControls& c = controls_;
    ReadAsFrame(*this);
    // Each box is named by the label tied to it.
    for (const auto& [label, box] : kSealboxLabels)
        qobject_cast<QLabel*>(Part(label))->setBuddy(Part(box));
    for (const auto& [part, name] : kSealboxScreenReaderNames)
        Part(part)->setAccessibleName(QString::fromUtf8(name));
    // On Linux Qt names a drop-down list by its value; its label, which a screen
    // reader reads first, is a label tied to it. This one is never shown.
    auto* driveLabel = new QLabel(QString::fromUtf8(kDrive1Name), this);
    driveLabel->hide();
    driveLabel->setBuddy(c.Drive1);
}

void SealboxWindow::PlaceControls() {
    const double twipsPerPixel = TwipsPerPixel(this);
    const auto pixels = [twipsPerPixel](int twips) { return TwipsToPixels(twips, twipsPerPixel); };
    for (const DesignPlace& place : kSealboxDesign) {
        Part(place.part)
            ->setGeometry(pixels(place.left), pixels(place.top), pixels(place.width),
                          pixels(place.height));
    }
    setFixedSize(pixels(kSealboxClientWidthTwips), pixels(kSealboxClientHeightTwips));
}

void SealboxWindow::ForwardEventsTo(Sealboxfrm& form) {
    form_ = &form;
    const SealboxControls& c = controls_;
    connect(c.Drive1, &DriveListBox::Changed, this, [&form] { form.Drive1_Change(); });
    connect(c.Dir1, &FolderListBox::Opened, this,
            [&form](const QString& folder) { form.OpenFolder(folder.toStdString()); });
    connect(c.File1, &FileListBox::Clicked, this, [&form] { form.File1_Click(); });
    for (int index = 0; index < Sealboxfrm::kButtonCount; ++index) {
        connect(c.Command1[index], &QPushButton::clicked, this,
                [&form, index] { form.Command1_Click(index); });
    }
}

std::string SealboxWindow::Text1() const { return controls_.Text1->text().toStdString(); }

void SealboxWindow::SetText1(const std::string& path) {
    controls_.Text1->setText(QString::fromStdString(path));
}

std::string SealboxWindow::Text2() const { return controls_.Text2->text().toStdString(); }

void SealboxWindow::ListDrive1(const std::vector<std::string>& mountPoints) {
    controls_.Drive1->SetDrives(mountPoints);
}

std::string SealboxWindow::Drive1() const { return controls_.Drive1->Drive(); }

void SealboxWindow::SetDrive1(const std::string& mountPoint) {
    controls_.Drive1->SetDrive(mountPoint);
}

void SealboxWindow::ShowDir1(const FolderListing& listing) { controls_.Dir1->Show(listing); }

void SealboxWindow::ShowFile1(const std::vector<std::string>& names) {
    controls_.File1->Show(names);
}

std::string SealboxWindow::File1Selected() const { return controls_.File1->SelectedName(); }

int SealboxWindow::ProgressBar1Width() const { return controls_.ProgressBar1->width(); }

void SealboxWindow::SetProgressBar1Range(int minimum, int maximum) {
    controls_.ProgressBar1->setMinimum(minimum);
    controls_.ProgressBar1->setMaximum(maximum);
}

void SealboxWindow::SetProgressBar1Value(int value) {
    // Drawn now, for the transform runs on.
    controls_.ProgressBar1->setValue(value);
    controls_.ProgressBar1->repaint();
}

void SealboxWindow::ClearProgressBar1() { controls_.ProgressBar1->reset(); }

void SealboxWindow::SetBackAndForeColor(SealboxControl control, std::int32_t back,
                                        std::int32_t fore) {
    if (control != SealboxControl::Form) {
        PaintControl(Part(PartOf(control)), back, fore);
        return;
    }
    // The window takes its own roles only: the others would pass down to the
    // controls given no colours of their own.
    Paint(this, {QPalette::Window}, back);
    Paint(this, {QPalette::WindowText}, fore);
}

void SealboxWindow::SetCommand1BackColor(int index, std::int32_t colour) {
    Paint(controls_.Command1[index], {QPalette::Button}, colour);
}

void SealboxWindow::GiveFocusTo(SealboxPart part) { Part(part)->setFocus(Qt::OtherFocusReason); }

void SealboxWindow::ProcessNonInputEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SealboxWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void SealboxWindow::HideWindow() { hide(); }

void SealboxWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program, but not in the middle of a transform.
    if (form_ != nullptr && !form_->CloseRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace vortalis::sealbox::qt_ui
