#include "sealbox/platform/dialog_texts.h"

namespace vortalis::sealbox {

std::string LossQuestion(std::uint64_t lostBytes) {
    return "Ce fichier contient " + std::to_string(lostBytes) +
           " octet(s) de valeur 255 : une fois cryptés, le décryptage les rendra à 0 et non "
           "à 255.\r\n\r\nCrypter quand même ?";
}

}  // namespace vortalis::sealbox
