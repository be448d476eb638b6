#include "sealbox/platform/qt/message_box_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "runtime/errors/error_report.h"
#include "runtime/text/line_ends.h"

namespace vortalis {
namespace {

// The question asked before byte values 255 are enciphered for good.
std::string LossQuestion(std::uint64_t lostBytes) {
    return "Ce fichier contient " + std::to_string(lostBytes) +
           " octet(s) de valeur 255 : une fois cryptés, le décryptage les rendra à 0 et non "
           "à 255.\r\n\r\nCrypter quand même ?";
}

}  // namespace

void MessageBoxDialogs::Show(const std::string& text) {
    ShowMessage(kProgramTitle, text, MessageIcon::None);
}

bool MessageBoxDialogs::ConfirmLoss(std::uint64_t lostBytes) {
    const QString question = QString::fromStdString(ShownLines(LossQuestion(lostBytes)));
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramTitle), question);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxDialogs::ReportError(const RunError& error) {
    vortalis::ReportError(kProgramTitle, error);
}

}  // namespace vortalis
