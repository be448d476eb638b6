#include "memoleaf/platform/qt/note_font.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <cstdlib>
#include <limits>

namespace vortalis::memoleaf {
namespace {

bool OfOtherWidth(const QString& face) {
    static const QRegularExpression widths(
        QStringLiteral("Condensed|Expanded|Narrow|Compressed|Extended|Wide"),
        QRegularExpression::CaseInsensitiveOption);
    return widths.match(face).hasMatch();
}

int Mismatch(const QString& family, const QString& face, bool bold, bool italic) {
    const QFont font = QFontDatabase::font(family, face, 12);
    const bool faceBold = font.weight() >= QFont::DemiBold;
    const bool faceSlanted = font.style() != QFont::StyleNormal;
    const int weightWanted = bold ? QFont::Bold : QFont::Normal;
    return (faceBold != bold ? 10000 : 0) + (faceSlanted != italic ? 10000 : 0) +
           (OfOtherWidth(face) ? 1000 : 0) + std::abs(font.weight() - weightWanted);
}

// The family's face for the note's bold and italic flags: the flags matched
// first, then a face of normal width ("Book" rather than "Condensed"), then the
// weight nearest to regular or bold. Empty for a family the system lacks.
QString FaceFor(const QString& family, bool bold, bool italic) {
    QString best;
    int bestMismatch = std::numeric_limits<int>::max();
    for (const QString& face : QFontDatabase::styles(family)) {
        const int mismatch = Mismatch(family, face, bold, italic);
        if (mismatch < bestMismatch) {
            best = face;
            bestMismatch = mismatch;
        }
    }
    return best;
}

}  // namespace

QString FamilyName(const QString& family) {
    static const QRegularExpression foundry(QStringLiteral(" \\[[^\\]]*\\]$"));
    QString name = family;
    name.remove(foundry);
    return name;
}

QFont DialogFont(const FontChoice& note) {
    const QString family = FamilyName(QString::fromStdString(note.name));
    const QString face = FaceFor(family, note.bold, note.italic);
    QFont font = face.isEmpty() ? QFont(family) : QFontDatabase::font(family, face, 12);
    if (face.isEmpty()) {
        font.setBold(note.bold);
        font.setItalic(note.italic);
    }
    if (note.size > 0) font.setPointSizeF(note.size);
    return font;
}

FontChoice AcceptedFont(const FontChoice& note, const QFont& offered, const QFont& accepted) {
    const QString family = FamilyName(accepted.family());
    const bool faceKept =
        family == FamilyName(offered.family()) &&
        QFontDatabase::styleString(accepted) == QFontDatabase::styleString(offered);
    if (faceKept) return {family.toStdString(), accepted.pointSizeF(), note.bold, note.italic};
    return {family.toStdString(), accepted.pointSizeF(), accepted.bold(), accepted.italic()};
}

}  // namespace vortalis::memoleaf
