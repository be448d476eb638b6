#pragma once

class QTranslator;

namespace vortalis {

// Qt's own texts (dialog buttons and labels) in French, when the system has the
// translation; otherwise they stay as Qt has them. Numbers, dates and file types
// are written the French way. `translator` must live as
// long as the application.
void SpeakFrench(QTranslator& translator);

}  // namespace vortalis
