// The note's real dialogs, not scripted fakes: Qt's font dialog given the note's
// font and accepted as it opened, and Qt's standard buttons in French; and the
// system's first screen font.

#include "memoleaf/platform/qt/qt_note_services.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "memoleaf/platform/qt/note_font.h"
#include "runtime/qt/french_interface.h"

namespace vortalis::memoleaf {
namespace {

bool HasSlantedFace(const QString& family) {
    for (const QString& face : QFontDatabase::styles(family)) {
        if (QFontDatabase::font(family, face, 12).style() != QFont::StyleNormal) return true;
    }
    return false;
}

// A family of each kind: with italic faces, and without.
QStringList TwoKindsOfFamily() {
    QString slanted;
    QString upright;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::styles(family).isEmpty()) continue;
        QString& kind = HasSlantedFace(family) ? slanted : upright;
        if (kind.isEmpty()) kind = FamilyName(family);  // as the note keeps it
    }
    return {slanted, upright};
}

// Presses the button of the dialog that is up once the event loop runs.
void PressWhenUp(QDialogButtonBox::StandardButton which) {
    QTimer::singleShot(0, [which] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        buttons->button(which)->click();
    });
}

QString WithoutShortcut(QString text) { return text.remove(QLatin1Char('&')); }

class RealDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void theFontDialogAcceptedAsItOpenedKeepsTheNoteFont() {
        const QStringList families = TwoKindsOfFamily();
        if (families.contains(QString()))
            QSKIP("needs a family with italic faces and one without (fonts-dejavu-extra)");
        qInfo() << "families tried:" << families;
        QtNoteDialogs dialogs;
        for (const QString& family : families) {
            for (const bool bold : {false, true}) {
                for (const bool italic : {false, true}) {
                    const FontChoice note{family.toStdString(), 12, bold, italic};
                    PressWhenUp(QDialogButtonBox::Ok);
                    const std::optional<FontChoice> chosen = dialogs.ChooseFont(note);
                    QVERIFY2(
                        chosen && *chosen == note,
                        qPrintable(QStringLiteral("%1, bold %2, italic %3 came back as %4 %5 %6 %7")
                                       .arg(family)
                                       .arg(bold)
                                       .arg(italic)
                                       .arg(chosen ? QString::fromStdString(chosen->name)
                                                   : QStringLiteral("nothing"))
                                       .arg(chosen ? chosen->size : 0)
                                       .arg(chosen && chosen->bold)
                                       .arg(chosen && chosen->italic)));
                }
            }
        }
    }

    void theFontDialogCancelledGivesNothing() {
        QtNoteDialogs dialogs;
        PressWhenUp(QDialogButtonBox::Cancel);
        QVERIFY(!dialogs.ChooseFont({"DejaVu Sans", 9, false, false}));
    }

    void theFirstScreenFontIsTheFirstFamilyWithoutItsFoundry() {
        const QString first = QString::fromStdString(QtScreenFonts().FirstScreenFont());
        QVERIFY(!first.isEmpty());
        QVERIFY(QFontDatabase::families().value(0).startsWith(first));
        QVERIFY(!first.contains(QLatin1Char('[')));
    }

    void standardButtonsSpeakFrench() {
        const FrenchInterface french;
        QVERIFY2(french.HasQtTexts(), "Qt's French texts (qt6-translations-l10n) are missing");

        QMessageBox question(QMessageBox::Question, QStringLiteral("Sealbox"),
                             QStringLiteral("Continuer ?"), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(WithoutShortcut(question.button(QMessageBox::Yes)->text()), QStringLiteral("Oui"));
        QCOMPARE(WithoutShortcut(question.button(QMessageBox::No)->text()), QStringLiteral("Non"));

        QFontDialog fonts;
        auto* buttons = fonts.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QCOMPARE(WithoutShortcut(buttons->button(QDialogButtonBox::Cancel)->text()),
                 QStringLiteral("Annuler"));
    }
};

}  // namespace
}  // namespace vortalis::memoleaf

QTEST_MAIN(vortalis::memoleaf::RealDialogsTest)
#include "qt_note_services_test.moc"
