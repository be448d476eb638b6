#include "sealbox/core/sealbox_messages.h"

namespace vortalis::sealbox {
namespace {

constexpr const char* kFileNotFound = "Fichier non trouvé";
constexpr const char* kMediumError = "Erreur support : ";
constexpr std::size_t kMediumErrorGap = 17;

}  // namespace

std::string FileNotFoundMessage(const std::string& typedFile) {
    // Named, as every other message names its file; an empty box has no name to give.
    if (typedFile.empty()) return kFileNotFound;
    return std::string(kFileNotFound) + "\u00A0: " + InFrench(typedFile);
}

std::string MediumErrorMessage(const RunError& error) {
    return kMediumError + std::to_string(error.Number()) + std::string(kMediumErrorGap, ' ') +
           error.Description();
}

std::string LossQuestion(std::uint64_t lostBytes) {
    return "Ce fichier contient " + std::to_string(lostBytes) +
           " octet(s) de valeur 255 : une fois cryptés, le décryptage les rendra à 0 et non "
           "à 255.\r\n\r\nCrypter quand même ?";
}

}  // namespace vortalis::sealbox
