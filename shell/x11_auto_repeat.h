// Held keys under X11. The X server repeats a held key by sending release and
// press pairs, which Qt can tell from real releases only when the press has
// already arrived; on a busy machine it often has not, and a held key acts
// again and again. Asked for "detectable auto-repeat" (an XKB option of each
// client), the server sends the repeated presses without the releases, so
// that the one real release is the only one.
#pragma once

namespace tabrix {

// Asks the X server for detectable auto-repeat on the application's
// connection. Called once at start-up, after the QApplication exists; does
// nothing on platforms other than X11.
void RequestDetectableAutoRepeat();

}  // namespace tabrix
