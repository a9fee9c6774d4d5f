#pragma once
// Draws recorded commands into a frame through pixman, each cut to a clip
// rectangle. A pixel's value never depends on the clip: drawing a command
// whole, or piece by piece under any clips, gives the same pixels.
#include <cstdint>
#include <vector>

#include "platform/cpu/draw_command.h"
#include "platform/cpu/pixman_image.h"

namespace glyphora::platform {

class Rasteriser {
public:
    // Draws into frame (x8r8g8b8 pixels of the given size, rows of
    // size.width words), which the caller owns and keeps.
    Rasteriser(std::uint32_t* frame, Size size);
    Rasteriser(const Rasteriser&) = delete;
    Rasteriser& operator=(const Rasteriser&) = delete;

    void draw(const DrawCommand& command, const Rect& clip);

private:
    void fill(const Rect& box, Colour colour);
    void drawCopy(const DrawCommand& command, const Rect& box);
    void drawMapped(const DrawCommand& command, const Rect& box);
    void drawTriangles(const DrawCommand& command, const Rect& box);
    void composite(const DrawCommand& command, pixman_image_t* texels, Point texelsAt, const Rect& box,
                   pixman_image_t* target = nullptr);
    void prepareScratch();

    std::uint32_t* frame_;
    Size size_;
    PixmanImage target_;
    // One-pixel repeating images read as solid colours; their pixel is
    // rewritten for each draw, so no image is made per draw.
    std::uint32_t colourPixel_ = 0, alphaPixel_ = 0, tintPixel_ = 0;
    PixmanImage colour_, alpha_, tint_;
    // For triangles, made when first needed: a picture and a one-bit mask
    // of the frame's size.
    std::vector<std::uint32_t> scratchBits_;
    PixmanImage scratch_;
    std::vector<std::uint32_t> outlineBits_;
    int outlineStride_ = 0;  // words per row
    PixmanImage outline_;
};

}  // namespace glyphora::platform
