#pragma once
// The band that marks a selected row: an arrow picture at each end and a
// light grey fill between them, 40 pixels high.
#include "game/engine/resources.h"

namespace glyphora {

inline constexpr int kSelectionBandHeight = 40;
inline constexpr int kSelectionArrowWidth = 11;
inline constexpr unsigned kSelectionBandColour = 0xFFECECEC;

// Draws the left (right = false) or right arrow picture with its top-left at (x, y).
void DrawSelectionArrow(Renderer& renderer, Resources& sheets, int x, int y, bool right);
// The band over (x, y, width × 40).
void DrawSelectionBand(Renderer& renderer, Resources& sheets, int x, int y, int width);

}  // namespace glyphora
