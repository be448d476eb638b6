#include "memoleaf/platform/qt/qt_note_services.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_texts.h"
#include "memoleaf/platform/qt/note_font.h"
#include "runtime/errors/error_report.h"
#include "runtime/qt/windows_colour.h"

namespace vortalis::memoleaf {

std::optional<std::int32_t> QtNoteDialogs::ChooseColour(const std::string& title,
                                                        std::int32_t initial) {
    // Qt's chooser always shows its custom colours.
    QColorDialog dialog(FromWindowsColour(initial), owner_);
    dialog.setWindowTitle(QString::fromStdString(title));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ToWindowsColour(dialog.selectedColor());
}

std::optional<FontChoice> QtNoteDialogs::ChooseFont(const FontChoice& initial) {
    // Qt's dialog always shows its effects (strike-through, underline, writing
    // system): it offers no public way to hide them. Only name, size, bold and
    // italic are taken.
    const QFont offered = DialogFont(initial);
    QFontDialog dialog(offered, owner_);
    dialog.setWindowTitle(QString::fromUtf8(kFontDialogTitle));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return AcceptedFont(initial, offered, dialog.selectedFont());
}

std::string QtNoteClipboard::Text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtNoteClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtNoteSession::ReportError(const RunError& error) {
    vortalis::ReportError(kProgramTitle, error);
}

void QtNoteSession::ShowMessage(const std::string& text) {
    vortalis::ShowMessage(kProgramTitle, text, MessageIcon::None);
}

void QtNoteSession::End(int exitCode) { QCoreApplication::exit(exitCode); }

std::string QtScreenFonts::FirstScreenFont() const {
    return FamilyName(QFontDatabase::families().value(0)).toStdString();
}

}  // namespace vortalis::memoleaf
