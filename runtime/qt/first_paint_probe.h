#pragma once

class QWidget;

namespace vortalis {

// For the start-up benchmark: with VORTALIS_QUIT_AFTER_FIRST_PAINT set in the
// environment, the program ends as soon as `window` has been painted once.
// Without it, nothing happens.
void QuitAfterFirstPaintWhenAsked(QWidget& window);

}  // namespace vortalis
