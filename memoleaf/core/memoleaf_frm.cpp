#include "memoleaf/core/memoleaf_frm.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_texts.h"
#include "memoleaf/core/settings_file.h"
#include "memoleaf/core/settings_path.h"
#include "memoleaf/core/stored_font_name.h"
#include "runtime/files/rewrite_recovery.h"
#include "runtime/text/ansi_text.h"

namespace vortalis::memoleaf {
namespace {

// Whole points, halves to the even neighbour (10.5 gives 10, 11.5 gives 12).
std::int16_t WholePoints(double size) {
    const double whole = std::nearbyint(size);
    return static_cast<std::int16_t>(std::clamp(whole, 1.0, 32767.0));
}

}  // namespace

Memoleaf_frm::Memoleaf_frm(NoteWindow& window, ProgramLocation program, NoteServices services)
    : window_(window),
      program_(std::move(program)),
      services_(services),
      policy_({[this](const RunError& error) { services_.session.ReportError(error); },
               [this](int exitCode) { services_.session.End(exitCode); }}) {}

void Memoleaf_frm::Form_Load() {
    policy_.Run([this] { Load(); });
}

void Memoleaf_frm::Load() {
    window_.SetCaption(AnsiToUtf8(kCaptionAnsi));
    // Before the settings are read: they may be the file a killed save left.
    PutBackInterruptedRewrites();
    ReadSettings();
    PlaceWindow();
    ApplyNoteFont();
    ApplyNoteColours();
    window_.SetText(services_.clipboard.Text());
}

void Memoleaf_frm::PutBackInterruptedRewrites() {
    for (const InterruptedRewrite& rewrite : RecoverInterruptedRewrites(services_.files)) {
        services_.session.ShowMessage(RecoveryMessage(rewrite));
    }
}

void Memoleaf_frm::ReadSettings() {
    settingsPath_ = ChooseSettingsPath(program_, services_.places);
    // The defaults are the text box's own colours, as the window is designed.
    const std::array<std::int32_t, 2> own = window_.TextColours();
    LoadedSettings loaded = LoadSettings(
        settingsPath_, [this] { return services_.fonts.FirstScreenFont(); }, own[kBackgroundColour],
        own[kTextColour], services_.files);
    if (loaded.damage) services_.session.ReportError(*loaded.damage);
    settings_ = loaded.settings;
    settingsChanged_ = loaded.settingsChanged;
}

void Memoleaf_frm::PlaceWindow() {
    // Applied in single precision, as the window has always taken them.
    const DesktopRect stored{
        static_cast<float>(settings_.windowLeft), static_cast<float>(settings_.windowTop),
        static_cast<float>(settings_.windowWidth), static_cast<float>(settings_.windowHeight)};
    window_.SetOuterGeometry(
        PlaceOnAScreen(stored, window_.AvailableScreenAreas(), window_.PrimaryScreenArea()));
}

void Memoleaf_frm::Form_Resize() {
    policy_.Run([this] { ApplyLayout(); });
}

void Memoleaf_frm::ApplyLayout() {
    const DesktopRect outer = window_.OuterGeometry();
    window_.SetTextBoxSize(LayoutTextArea(static_cast<float>(outer.height),
                                          static_cast<float>(outer.width), window_.TextBoxSize()));
    settingsChanged_ = true;
}

void Memoleaf_frm::ApplyNoteFont() {
    // A size under one point comes only from a hand-edited file: it is shown at
    // one point and kept as read.
    window_.SetTextFont({settings_.fontName,
                         static_cast<double>(std::max<int>(1, settings_.fontSize)),
                         settings_.fontBold, settings_.fontItalic});
}

void Memoleaf_frm::ApplyNoteColours() {
    window_.SetTextColours(settings_.noteColours[kBackgroundColour],
                           settings_.noteColours[kTextColour]);
}

void Memoleaf_frm::cop_Click() {
    policy_.Run([this] { CopySelection(); });
}

void Memoleaf_frm::cou1_Click(int Index) {
    policy_.Run([this, Index] { ChooseColour(Index); });
}

void Memoleaf_frm::pol_Click() {
    policy_.Run([this] { ChooseFont(); });
}

void Memoleaf_frm::qui_Click() {
    policy_.Run([this] { SaveAndEnd(); });
}

void Memoleaf_frm::cou_Click() { qui_Click(); }

void Memoleaf_frm::Form_Unload() {
    policy_.Run([this] { policy_.End(0); });
}

void Memoleaf_frm::CopySelection() {
    const std::string selection = window_.SelectedText();
    if (!selection.empty()) services_.clipboard.SetText(selection);
}

void Memoleaf_frm::ChooseColour(int index) {
    const auto at = static_cast<std::size_t>(index);
    std::int32_t& colour = settings_.noteColours.at(at);
    if (std::optional<std::int32_t> chosen =
            services_.dialogs.ChooseColour(kColourDialogTitles.at(at), colour)) {
        colour = *chosen;
    }
    ApplyNoteColours();
    settingsChanged_ = true;
}

void Memoleaf_frm::ChooseFont() {
    if (std::optional<FontChoice> chosen = services_.dialogs.ChooseFont(window_.TextFont())) {
        // A name the file could not give back would come back as another font.
        if (std::optional<std::string> problem = FontNameProblem(chosen->name)) {
            services_.session.ShowMessage(*problem + kFontUnchanged);
        } else {
            settings_.fontName = chosen->name;
            settings_.fontSize = WholePoints(chosen->size);
            settings_.fontBold = chosen->bold;
            settings_.fontItalic = chosen->italic;
        }
    }
    ApplyNoteFont();
    settingsChanged_ = true;
}

void Memoleaf_frm::SaveAndEnd() {
    if (settingsChanged_) {
        const DesktopRect outer = window_.OuterGeometry();
        try {
            SaveSettings(settingsPath_, outer.top, outer.left, outer.height, outer.width, settings_,
                         services_.files);
        } catch (const RunError& error) {
            // Nothing was written; the end comes all the same.
            services_.session.ReportError(error);
        }
    }
    policy_.End(0);
}

}  // namespace vortalis::memoleaf
