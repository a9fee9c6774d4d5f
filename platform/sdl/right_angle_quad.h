#pragma once
// Quads turned by an exact right angle (or mirrored) as a rectangle copy can
// show them: SDL's software renderer turns an axis-aligned pair of triangles
// into a plain copy, which can flip but not turn, so a quad turned by 90 or
// 270 degrees would come out mirrored. Such quads are drawn as a copy turned
// about its centre (SDL_RenderCopyEx), which turns exactly.
#include <optional>

#include "platform/platform.h"

namespace glyphora::platform {

struct TurnedCopy {
    Rect source;         // texels, inside the texture
    float x = 0, y = 0;  // the unturned destination rectangle
    float width = 0, height = 0;
    int degrees = 0;     // 90, 180 or 270, clockwise on screen
    bool flipX = false;  // mirrored before turning
    bool flipY = false;
};

// The copy that draws the quad, for a sprite-like quad of one colour whose
// edges lie on the pixel axes and whose texture coordinates name whole
// texels inside the texture, turned by a right angle or mirrored; nothing
// for any other quad (the plain upright copy included).
std::optional<TurnedCopy> RightAngleCopy(const QuadVertices& corners, Size texture);

}  // namespace glyphora::platform
