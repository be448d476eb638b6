#include "qt_note_services.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGuiApplication>

#include "error_report.h"
#include "note_caption.h"
#include "windows_colour.h"

namespace vortalis::memoleaf {

std::optional<std::int32_t> QtNoteDialogs::ChooseColour(QWidget* parent, std::int32_t initial) {
    // Qt's chooser always shows its custom colours.
    QColorDialog dialog(FromWindowsColour(initial), parent);
    dialog.setWindowTitle(QStringLiteral("Couleur"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ToWindowsColour(dialog.selectedColor());
}

std::optional<FontChoice> QtNoteDialogs::ChooseFont(QWidget* parent, const FontChoice& initial) {
    QFont font(initial.name);
    if (initial.size > 0) font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    QFontDialog dialog(font, parent);
    dialog.setWindowTitle(QStringLiteral("Police"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

QString QtNoteClipboard::Text() const { return QGuiApplication::clipboard()->text(); }

void QtNoteClipboard::SetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtNoteSession::ReportError(const RunError& error) {
    vortalis::ReportError(kProgramTitle, error);
}

void QtNoteSession::ShowMessage(const QString& text) {
    vortalis::ShowMessage(kProgramTitle, text.toStdString(), MessageIcon::None);
}

void QtNoteSession::End() { QCoreApplication::exit(0); }

}  // namespace vortalis::memoleaf
