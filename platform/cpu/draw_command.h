#pragma once
// One drawing call as the CPU device records it: what was asked (compared
// between frames to find what changed), the pixels it may change, and how it
// is drawn, worked out once when it is recorded.
#include <cstdint>
#include <memory>

#include "platform/cpu/texture_pixels.h"
#include "platform/platform.h"

namespace glyphora::platform {

// An affine map from frame coordinates to texel coordinates, both with pixel
// centres at half-integers (pixman's convention): texel = m * (x, y, 1).
struct AffineMap {
    double m[2][3] = {{1, 0, 0}, {0, 1, 0}};
};

// How a quad reaches the frame.
enum class QuadShape : std::uint8_t {
    Copy,       // upright, one texel per pixel at whole-pixel places: a plain copy
    Mapped,     // a parallelogram over a texel rectangle: the region's image, mapped
    Triangles,  // anything else: two triangles, each mapped and cut to its outline
};

struct DrawCommand {
    enum class Kind : std::uint8_t { Fill, Quad };
    Kind kind = Kind::Fill;
    QuadShape shape = QuadShape::Copy;
    bool smooth = false;  // bilinear sampling (only where it changes pixels)
    // Fill: the colour. Quad: the modulation, tint in RGB and the alpha
    // multiplier (255 when the texture's alpha alone counts) in the top byte.
    Colour colour = 0;
    Rect bounds;                             // every pixel the command may change, inside the frame
    std::shared_ptr<TexturePixels> texture;  // kept alive while a frame refers to it
    Vertex corners[4] = {};                  // as given, for comparison

    // Copy: the texels copied, and where their top-left lands.
    Rect source;
    Point at;
    // Mapped: the texel rectangle (its region view is looked up when drawn)
    // and the map. Triangles: one map per triangle (0,1,2) and (1,3,2).
    Rect region;
    AffineMap maps[2];

    // The same call: equal commands draw the same pixels.
    bool sameAs(const DrawCommand& other) const;
};

// The modulation of a quad's corners under an alpha source: their colour
// (the mean, should they differ), alpha forced to 255 unless the vertex
// alpha counts.
Colour ModulationOf(const QuadVertices& corners, AlphaSource alpha);

// Records a fill; false when it changes nothing in a frame of this size.
bool MakeFill(Rect rect, Colour colour, Size frame, DrawCommand& out);
// Records a quad drawn with the given modulation colour (see DrawCommand);
// false when it changes nothing: fully transparent, degenerate, off the
// frame, or showing no visible texel.
bool MakeQuad(const std::shared_ptr<TexturePixels>& texture, const QuadVertices& corners, Colour modulation,
              Filter filter, Size frame, DrawCommand& out);

}  // namespace glyphora::platform
