#pragma once
// The shared form layer as JavaScript values for the page: every row of the control table as a
// plain object with all its fields, and the window's own properties (caption, client area,
// background). The page builds its form from these and writes none of them a second time.

#include <emscripten/val.h>

namespace velmora {

emscripten::val controlTableValue();
emscripten::val clientAreaValue();
emscripten::val formBackgroundValue();

}  // namespace velmora
