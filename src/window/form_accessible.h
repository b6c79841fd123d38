#pragma once
// How screen readers see the form: as the program's frame, named by its caption. Qt takes a
// plain top-level widget for a filler inside some window, so the form brings its own interface.

namespace velmora {

// Lets Qt's accessibility find the form's interface; calling it again changes nothing.
void presentFormAsFrame();

}  // namespace velmora
