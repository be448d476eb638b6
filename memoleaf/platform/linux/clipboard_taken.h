#pragma once

#include <QClipboard>
#include <QObject>

namespace vortalis::memoleaf {

// Calls `taken` each time another program takes the clipboard from this one,
// for as long as `context` lives.
template <typename Taken>
void WhenClipboardTaken(QClipboard& clipboard, QObject* context, Taken taken) {
    QObject::connect(&clipboard, &QClipboard::changed, context,
                     [&clipboard, taken](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard && !clipboard.ownsClipboard()) taken();
                     });
}

}  // namespace vortalis::memoleaf
