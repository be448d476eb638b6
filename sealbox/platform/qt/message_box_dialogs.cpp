#include "sealbox/platform/qt/message_box_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "runtime/errors/error_report.h"
#include "runtime/text/line_ends.h"

namespace vortalis::sealbox {

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

}  // namespace vortalis::sealbox
