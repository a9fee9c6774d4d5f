// Review mock-ups: screens composed from the painted sheets at the places
// where the game draws the regions, with stand-in text. Not shipped.
#pragma once

#include <string>

#include "tools/artgen/painters.h"

namespace glyphora::artgen {

bool WriteMockups(const Canvases& canvases, const Studio& studio, const std::string& directory);

}  // namespace glyphora::artgen
