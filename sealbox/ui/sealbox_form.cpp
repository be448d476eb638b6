#include "sealbox/ui/sealbox_form.h"

#include <QCloseEvent>

#include "runtime/files/rewrite_recovery.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "runtime/text/ansi_text.h"
#include "sealbox/core/end_sound_name.h"
#include "sealbox/core/file_search.h"
#include "sealbox/core/volumes.h"
#include "sealbox/ui/progress_bar_sink.h"
#include "sealbox/ui/sealbox_icon.h"

namespace vortalis {
namespace {

constexpr int kClientWidthTwips = 5910;
constexpr int kClientHeightTwips = 5475;
constexpr double kDesignFontPoints = 8;

constexpr const char* kCaption = " [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example";
constexpr const char* kFileNotFound = "Fichier non trouvé";
constexpr const char* kWhatPassword = "quel est le mot de passe ?";
constexpr const char* kMediumError = "Erreur support : ";
constexpr std::size_t kMediumErrorGap = 17;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Background and text of a control, whatever part of it paints them.
void SetColours(QWidget* control, std::int32_t background, std::int32_t text) {
    QPalette palette = control->palette();
    const QColor back = FromWindowsColour(background);
    const QColor fore = FromWindowsColour(text);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, back);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, fore);
    control->setPalette(palette);
}

void SetBackground(QWidget* control, QPalette::ColorRole role, std::int32_t background) {
    QPalette palette = control->palette();
    palette.setColor(role, FromWindowsColour(background));
    control->setPalette(palette);
}

}  // namespace

Sealboxfrm::Sealboxfrm(SealboxServices services, SealboxStart start, QWidget* parent)
    : QWidget(parent), services_(services), start_(std::move(start)) {
    setWindowIcon(SealboxIcon());
    UseDesignFont();
    CreateControls();
    PlaceControls();
    ConnectHandlers();
}

void Sealboxfrm::UseDesignFont() {
    // The places were drawn for a small 8-point font; a larger one would not fit them.
    QFont designFont = font();
    designFont.setPointSizeF(kDesignFontPoints);
    setFont(designFont);
}

void Sealboxfrm::CreateControls() {
    // Made in their tab order, so that the keys go from one to the next as designed.
    SealboxControls& c = controls_;
    c.Picture1 = new QWidget(this);
    c.Drive1 = new DriveListBox(services_.volumes.MountPoints(), this);
    c.Dir1 = new FolderListBox(services_.folders, this);
    c.File1 = new FileListBox(services_.folders, this);
    c.Text1 = new QLineEdit(this);
    c.Text2 = new PasswordBox(this);
    c.Command1 = {new QPushButton(QStringLiteral("&Crypter"), this),
                  new QPushButton(QStringLiteral("&Décrypter"), this),
                  new QPushButton(QStringLiteral("&Quitter"), this)};
    c.ProgressBar1 = new QProgressBar(this);
    c.Label1 = new QLabel(QStringLiteral("Nom du fichier"), this);
    c.Label2 = new QLabel(QStringLiteral("Mot de Passe"), this);

    // The empty box of no size is first: it holds the focus at start, so that the
    // first key press does nothing and the first Tab goes to the drives.
    c.Picture1->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = c.Picture1;
    for (QWidget* next :
         std::initializer_list<QWidget*>{c.Drive1, c.Dir1, c.File1, c.Text1, c.Text2, c.Command1[0],
                                         c.Command1[1], c.Command1[2]}) {
        setTabOrder(previous, next);
        previous = next;
    }
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->setFocusPolicy(Qt::NoFocus);
    for (QLabel* label : {c.Label1, c.Label2}) label->setAutoFillBackground(true);
    // Only Label2 follows the colour scheme; Label1 keeps the colours it was drawn with.
    const ColourScheme design = DesignColours();
    SetColours(c.Label1, design[ColourScheme::kWindowBackground],
               design[ColourScheme::kWindowText]);
    c.Picture1->setFocus();
}

void Sealboxfrm::PlaceControls() {
    struct Place {
        QWidget* control;
        int left, top, width, height;
    };
    const SealboxControls& c = controls_;
    const Place places[] = {
        {c.Label2, 210, 105, 1170, 195},        {c.Text2, 210, 315, 5475, 285},
        {c.Drive1, 210, 735, 2535, 315},        {c.Dir1, 2940, 735, 2745, 1890},
        {c.Command1[0], 210, 1155, 1170, 645},  {c.Command1[1], 1575, 1155, 1170, 645},
        {c.Command1[2], 210, 1890, 1170, 645},  {c.File1, 210, 2730, 5475, 1455},
        {c.Label1, 315, 4305, 1245, 195},       {c.Text1, 210, 4515, 5475, 285},
        {c.ProgressBar1, 210, 4935, 5475, 330}, {c.Picture1, 0, 0, 0, 0},
    };
    const double twipsPerPixel = TwipsPerPixel(this);
    const auto pixels = [twipsPerPixel](int twips) { return TwipsToPixels(twips, twipsPerPixel); };
    for (const Place& place : places) {
        place.control->setGeometry(pixels(place.left), pixels(place.top), pixels(place.width),
                                   pixels(place.height));
    }
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
}

void Sealboxfrm::ConnectHandlers() {
    const SealboxControls& c = controls_;
    connect(c.Drive1, &DriveListBox::Changed, this,
            [this] { Handle([this] { Drive1_Change(); }); });
    connect(c.Dir1, &FolderListBox::Changed, this, [this] { Handle([this] { Dir1_Change(); }); });
    connect(c.Dir1, &FolderListBox::Opened, this, &Sealboxfrm::OpenFolder);
    connect(c.File1, &FileListBox::Clicked, this, [this] { Handle([this] { File1_Click(); }); });
    for (int index = 0; index < static_cast<int>(c.Command1.size()); ++index) {
        connect(c.Command1[index], &QPushButton::clicked, this,
                [this, index] { Handle([this, index] { Command1_Click(index); }); });
    }
}

void Sealboxfrm::Form_Load() {
    PutBackInterruptedRewrites();
    ApplyColourScheme(LoadColourScheme());
    setWindowTitle(QString::fromUtf8(kCaption));
    OpenListsOnStartFolder();
    services_.endSound.SetFileName(EndSoundPath(start_.program));
}

void Sealboxfrm::PutBackInterruptedRewrites() {
    // A transform killed part-way through a file rewritten in place left its
    // original aside: put it back, and say so.
    for (const InterruptedRewrite& rewrite : RecoverInterruptedRewrites(services_.files)) {
        services_.dialogs.Show(RecoveryMessage(rewrite));
    }
}

ColourScheme Sealboxfrm::LoadColourScheme() {
    const std::string& file = start_.commandLine;
    if (file.empty() || !IsOrdinaryFile(file)) return DesignColours();
    try {
        return ReadColourScheme(file, services_.files);
    } catch (const RunError& error) {
        // A damaged colour file is no reason not to open: say so, keep the design.
        services_.dialogs.ReportError(error);
        return DesignColours();
    }
}

void Sealboxfrm::ApplyColourScheme(const ColourScheme& scheme) {
    const SealboxControls& c = controls_;
    for (QWidget* box :
         std::initializer_list<QWidget*>{c.Drive1, c.Dir1, c.File1, c.Text1, c.Text2}) {
        SetColours(box, scheme[ColourScheme::kListBackground], scheme[ColourScheme::kListText]);
    }
    for (QPushButton* button : c.Command1) {
        SetBackground(button, QPalette::Button, scheme[ColourScheme::kButtonBackground]);
    }
    SetBackground(this, QPalette::Window, scheme[ColourScheme::kWindowBackground]);
    SetBackground(this, QPalette::WindowText, scheme[ColourScheme::kWindowText]);
    SetColours(c.Label2, scheme[ColourScheme::kWindowBackground],
               scheme[ColourScheme::kWindowText]);
}

void Sealboxfrm::OpenListsOnStartFolder() {
    // The program's folder where the product keeps its files; an installed
    // program's holds nothing of the user's.
    const std::filesystem::path& program = start_.program.folder;
    const std::string folder =
        (IsProductFolder(program, services_.places) ? program : UserStartFolder(services_.places))
            .string();
    controls_.Drive1->SetDrive(VolumeHolding(folder, controls_.Drive1->Drives()));
    if (ended_) return;
    controls_.Dir1->SetPath(folder);
}

void Sealboxfrm::Drive1_Change() {
    const std::string drive = controls_.Drive1->Drive();
    try {
        controls_.Dir1->SetPath(drive);
        controls_.Text1->setText(FromUtf8(drive));
    } catch (const RunError& error) {
        services_.dialogs.Show(kMediumError + std::to_string(error.Number()) +
                               std::string(kMediumErrorGap, ' ') + error.Description());
    }
}

void Sealboxfrm::Dir1_Change() {
    controls_.File1->SetPath(controls_.Dir1->Path());
    controls_.Text1->setText(FromUtf8(controls_.Dir1->Path()));
}

void Sealboxfrm::File1_Click() {
    controls_.Text1->setText(
        FromUtf8(WithTrailingSeparator(controls_.Dir1->Path()) + controls_.File1->SelectedName()));
}

void Sealboxfrm::Command1_Click(int index) {
    if (index == kQuitButton) {
        EndProgram(0);
        return;
    }
    const std::string file = controls_.Text1->text().toStdString();
    if (!IsOrdinaryFile(file)) {
        services_.dialogs.Show(kFileNotFound);
        return;
    }
    const QString password = controls_.Text2->text();
    if (password.isEmpty()) {
        services_.dialogs.Show(kWhatPassword);
        return;
    }
    std::string ansiPassword;
    try {
        ansiPassword = Utf8ToAnsi(password.toStdString());
    } catch (const AnsiConversionError& error) {
        services_.dialogs.Show(error.what());
        return;
    }
    const CipherMode mode = index == kEncipherButton ? CipherMode::Encipher : CipherMode::Decipher;
    if (RunTransform(file, ansiPassword, mode) == TransformResult::LeftUntouched) return;
    services_.endSound.Play();
    EndProgram(0);
}

TransformResult Sealboxfrm::RunTransform(const std::string& file, const std::string& password,
                                         CipherMode mode) {
    struct Busy {
        bool& flag;
        explicit Busy(bool& busy) : flag(busy) { flag = true; }
        ~Busy() { flag = false; }
    } busy(busy_);
    ProgressBarSink progress(*controls_.ProgressBar1);
    const TransformResult result = TransformFile(
        file, password, mode, progress,
        [this](std::uint64_t lostBytes) { return services_.dialogs.ConfirmLoss(lostBytes); },
        services_.files);
    if (result == TransformResult::LeftUntouched) controls_.ProgressBar1->reset();
    return result;
}

void Sealboxfrm::OpenFolder(const QString& folder) {
    if (ended_ || busy_) return;
    try {
        controls_.Dir1->SetPath(folder.toStdString());
    } catch (const RunError& error) {
        // A folder that cannot be opened stays closed; the window goes on.
        services_.dialogs.ReportError(error);
    }
}

void Sealboxfrm::Handle(const std::function<void()>& handler) {
    if (ended_ || busy_) return;
    if (const std::optional<RunError> error = ErrorEscaping(handler)) {
        services_.dialogs.ReportError(*error);
        EndProgram(1);
    }
}

void Sealboxfrm::EndProgram(int exitCode) {
    ended_ = true;
    hide();
    services_.programEnd.End(exitCode);
}

void Sealboxfrm::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program, but not in the middle of a transform.
    if (busy_) {
        event->ignore();
        return;
    }
    event->accept();
    if (!ended_) EndProgram(0);
}

}  // namespace vortalis
