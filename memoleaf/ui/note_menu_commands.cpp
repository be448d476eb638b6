// The menu entries of the note window.

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "memoleaf/core/settings_file.h"
#include "memoleaf/core/stored_font_name.h"
#include "memoleaf/ui/memoleaf_frm.h"

namespace vortalis::memoleaf {
namespace {

// Whole points, halves to the even neighbour (10.5 gives 10, 11.5 gives 12).
std::int16_t WholePoints(double size) {
    const double whole = std::nearbyint(size);
    return static_cast<std::int16_t>(std::clamp(whole, 1.0, 32767.0));
}

}  // namespace

void Memoleaf_frm::cop_Click() {
    const QString selection = AMSREdit1->textCursor().selection().toPlainText();
    if (!selection.isEmpty()) services_.clipboard.SetText(selection);
}

void Memoleaf_frm::cou1_Click(int Index) {
    std::int32_t& colour = settings_.noteColours.at(static_cast<std::size_t>(Index));
    // Titled as the menu entry reads: "Couleur du fond", "Couleur du texte".
    const QString title = Index == kBackgroundColour ? QStringLiteral("Couleur du fond")
                                                     : QStringLiteral("Couleur du texte");
    if (std::optional<std::int32_t> chosen = services_.dialogs.ChooseColour(this, title, colour)) {
        colour = *chosen;
    }
    ApplyNoteColours();
    settingsChanged_ = true;
}

void Memoleaf_frm::pol_Click() {
    const QFont current = AMSREdit1->font();
    const FontChoice initial{current.family(), current.pointSizeF(), current.bold(),
                             current.italic()};
    if (std::optional<FontChoice> chosen = services_.dialogs.ChooseFont(this, initial)) {
        const std::string name = chosen->name.toStdString();
        if (std::optional<std::string> problem = FontNameProblem(name)) {
            services_.session.ShowMessage(QString::fromStdString(*problem) +
                                          QStringLiteral(" La police reste inchangée."));
        } else {
            settings_.fontName = name;
            settings_.fontSize = WholePoints(chosen->size);
            settings_.fontBold = chosen->bold;
            settings_.fontItalic = chosen->italic;
        }
    }
    ApplyNoteFont();
    settingsChanged_ = true;
}

void Memoleaf_frm::qui_Click() {
    if (settingsChanged_) {
        const DesktopRect outer = OuterGeometryInTwips();
        try {
            SaveSettings(settingsPath_, outer.top, outer.left, outer.height, outer.width,
                         settings_);
        } catch (const RunError& error) {
            // Nothing was written; the end comes all the same.
            services_.session.ReportError(error);
        }
    }
    services_.session.End();
}

void Memoleaf_frm::cou_Click() { qui_Click(); }

}  // namespace vortalis::memoleaf
