#pragma once

#include <QFont>
#include <QString>

#include "memoleaf/core/note_services.h"

namespace vortalis::memoleaf {

// Qt names a family that several foundries offer "Family [Foundry]"; the file
// keeps the family alone, as Windows names its fonts.
QString FamilyName(const QString& family);

// The note's font as the font dialog must show it: family, size and that face.
QFont DialogFont(const FontChoice& note);

// What the user accepted in the dialog, as the note keeps it. A face left as it
// was given keeps the note's flags, even where the family has no face for them.
FontChoice AcceptedFont(const FontChoice& note, const QFont& offered, const QFont& accepted);

}  // namespace vortalis::memoleaf
