#include "pathwell/core/browser_legend.h"

namespace vortalis::pathwell {

std::string BrowserLegend(const std::string& caption) {
    std::string legend = caption + "\r\n";
    legend += "+\tDétail du Répertoire\t\t\t     Annuler\r\n";
    legend += "OK\tOuvrir le Répertoire ou le Fichier\t\t      Quitter\r\n";
    for (int i = 0; i < 50; ++i) legend += "¯";
    return legend;
}

}  // namespace vortalis::pathwell
