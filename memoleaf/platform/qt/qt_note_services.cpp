#include "memoleaf/platform/qt/qt_note_services.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGuiApplication>

#include "memoleaf/core/note_caption.h"
#include "memoleaf/ui/note_font.h"
#include "runtime/errors/error_report.h"
#include "runtime/qt/windows_colour.h"

namespace vortalis::memoleaf {

std::optional<std::int32_t> QtNoteDialogs::ChooseColour(QWidget* parent, const QString& title,
                                                        std::int32_t initial) {
    // Qt's chooser always shows its custom colours.
    QColorDialog dialog(FromWindowsColour(initial), parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ToWindowsColour(dialog.selectedColor());
}

std::optional<FontChoice> QtNoteDialogs::ChooseFont(QWidget* parent, const FontChoice& initial) {
    // Qt's dialog always shows its effects (strike-through, underline, writing
    // system): it offers no public way to hide them. Only name, size, bold and
    // italic are taken.
    const QFont offered = DialogFont(initial);
    QFontDialog dialog(offered, parent);
    dialog.setWindowTitle(QStringLiteral("Police"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return AcceptedFont(initial, offered, dialog.selectedFont());
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
