#pragma once

#include <QTranslator>

namespace vortalis {

// The interface in French whatever the system's locale: numbers and dates are
// written the French way, Qt's own texts (dialog buttons and labels) come from
// the system's French translation where it is installed, and what that
// translation lacks from ours. One lives as long as the application.
class FrenchInterface {
  public:
    FrenchInterface();
    ~FrenchInterface();
    FrenchInterface(const FrenchInterface&) = delete;
    FrenchInterface& operator=(const FrenchInterface&) = delete;

    // False when the system has no French translation of Qt's texts: those
    // stay in English.
    bool HasQtTexts() const { return !qtTexts_.isEmpty(); }

  private:
    QTranslator qtTexts_;
    QTranslator ourTexts_;
};

}  // namespace vortalis
