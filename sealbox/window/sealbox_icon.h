#pragma once

#include <QIcon>

namespace vortalis {

// The window's own icon, a padlock, drawn rather than shipped.
QIcon SealboxIcon();

}  // namespace vortalis
