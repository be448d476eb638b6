#include "runtime/qt/french_interface.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace vortalis {
namespace {

// Qt's texts that its French translation lacks, listed here so that lupdate
// keeps them in ours.
struct QtText {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr QtText kQtTextsWeTranslate[] = {
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms"),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Shortcut", "All other platforms"),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Drive", ""),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "File", ""),
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Unknown", ""),
};

}  // namespace

FrenchInterface::FrenchInterface() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (qtTexts_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts_);
    }
    // Installed last, so searched first: ours mends Qt's where both have a text.
    if (ourTexts_.load(QStringLiteral(":/vortalis/i18n/vortalis_fr.qm"))) {
        QCoreApplication::installTranslator(&ourTexts_);
    }
}

FrenchInterface::~FrenchInterface() {
    QCoreApplication::removeTranslator(&ourTexts_);
    QCoreApplication::removeTranslator(&qtTexts_);
}

}  // namespace vortalis
