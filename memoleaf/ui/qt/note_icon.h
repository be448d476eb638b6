#pragma once

#include <QIcon>

namespace vortalis::memoleaf::qt_ui {

// A pale yellow leaf with a turned-down corner and a few written lines, drawn at
// 16 and 32 pixels in a handful of flat colours.
QIcon NoteIcon();

}  // namespace vortalis::memoleaf::qt_ui
