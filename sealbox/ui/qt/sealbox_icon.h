#pragma once

#include <QIcon>

namespace vortalis::sealbox::qt_ui {

// The window's own icon, a padlock, drawn rather than shipped.
QIcon SealboxIcon();

// The folder list's closed and open folders, drawn here: the style's own would
// have Qt search the icon themes and load its image plugins at every start.
QIcon FolderIcon(bool open);

}  // namespace vortalis::sealbox::qt_ui
