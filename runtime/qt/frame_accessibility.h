#pragma once

class QWidget;

namespace vortalis {

// A program's window made from a plain QWidget reads, to a screen reader, as a
// nameless "filler": Qt gives a window that role unless it is a main window or a
// dialog. After this call `window`, and every other window of its class, reads
// as a frame named by its caption.
void ReadAsFrame(const QWidget& window);

}  // namespace vortalis
