#include "platform/cpu/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/cpu/quad_geometry.h"

namespace glyphora::platform {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

PixmanImage SolidImage(std::uint32_t& pixel, bool componentAlpha) {
    PixmanImage image(pixman_image_create_bits(PIXMAN_a8r8g8b8, 1, 1, &pixel, 4));
    pixman_image_set_repeat(image.get(), PIXMAN_REPEAT_NORMAL);
    pixman_image_set_component_alpha(image.get(), componentAlpha ? 1 : 0);
    return image;
}

std::uint32_t ScaleChannel(std::uint32_t channel, std::uint32_t alpha) {
    const std::uint32_t t = channel * alpha + 128;
    return (t + (t >> 8)) >> 8;
}

// The colour with every channel scaled by alpha, alpha in the top byte.
std::uint32_t PremultipliedBy(Colour rgb, std::uint32_t alpha) {
    return alpha << 24 | ScaleChannel((rgb >> 16) & 0xFF, alpha) << 16 | ScaleChannel((rgb >> 8) & 0xFF, alpha) << 8 |
           ScaleChannel(rgb & 0xFF, alpha);
}

pixman_transform_t FixedTransform(const AffineMap& map, Point origin) {
    const auto fixed = [](double value) { return pixman_fixed_t(std::lround(value * 65536.0)); };
    pixman_transform_t t;
    for (int row = 0; row < 2; ++row) {
        t.matrix[row][0] = fixed(map.m[row][0]);
        t.matrix[row][1] = fixed(map.m[row][1]);
        t.matrix[row][2] = fixed(map.m[row][2] - (row == 0 ? origin.x : origin.y));
    }
    t.matrix[2][0] = 0, t.matrix[2][1] = 0, t.matrix[2][2] = pixman_fixed_1;
    return t;
}

pixman_point_fixed_t Fixed(Vec2 p) { return {pixman_double_to_fixed(p.x), pixman_double_to_fixed(p.y)}; }

// Adds the triangle's outline to a one-bit mask: each pixel whose centre it
// covers, as a graphics card decides, in two trapezoids split at the middle
// corner.
void RasteriseTriangle(pixman_image_t* mask, Vec2 a, Vec2 b, Vec2 c) {
    if (b.y < a.y) std::swap(a, b);
    if (c.y < b.y) std::swap(b, c);
    if (b.y < a.y) std::swap(a, b);
    const double longX = c.y == a.y ? a.x : a.x + (c.x - a.x) * (b.y - a.y) / (c.y - a.y);
    const bool middleOnLeft = b.x < longX;
    const pixman_line_fixed_t longEdge{Fixed(a), Fixed(c)};
    const pixman_line_fixed_t upper{Fixed(a), Fixed(b)}, lower{Fixed(b), Fixed(c)};
    const pixman_trapezoid_t top{Fixed(a).y, Fixed(b).y, middleOnLeft ? upper : longEdge,
                                 middleOnLeft ? longEdge : upper};
    const pixman_trapezoid_t bottom{Fixed(b).y, Fixed(c).y, middleOnLeft ? lower : longEdge,
                                    middleOnLeft ? longEdge : lower};
    if (top.top < top.bottom) pixman_rasterize_trapezoid(mask, &top, 0, 0);
    if (bottom.top < bottom.bottom) pixman_rasterize_trapezoid(mask, &bottom, 0, 0);
}

}  // namespace

Rasteriser::Rasteriser(std::uint32_t* frame, Size size)
    : frame_(frame),
      size_(size),
      target_(pixman_image_create_bits(PIXMAN_x8r8g8b8, size.width, size.height, frame, size.width * 4)),
      colour_(SolidImage(colourPixel_, false)),
      alpha_(SolidImage(alphaPixel_, false)),
      tint_(SolidImage(tintPixel_, true)) {}

void Rasteriser::draw(const DrawCommand& command, const Rect& clip) {
    const Rect box = Intersection(command.bounds, clip);
    if (IsEmpty(box)) return;
    if (command.kind == DrawCommand::Kind::Fill) return fill(box, command.colour);
    switch (command.shape) {
        case QuadShape::Copy: return drawCopy(command, box);
        case QuadShape::Mapped: return drawMapped(command, box);
        case QuadShape::Triangles: return drawTriangles(command, box);
    }
}

void Rasteriser::fill(const Rect& box, Colour colour) {
    pixman_fill(frame_, size_.width, 32, box.left, box.top, box.right - box.left, box.bottom - box.top,
                colour | 0xFF000000u);
}

void Rasteriser::drawCopy(const DrawCommand& command, const Rect& box) {
    const Point texelsAt{command.source.left - command.at.x, command.source.top - command.at.y};
    composite(command, command.texture->whole(), texelsAt, box);
}

void Rasteriser::drawMapped(const DrawCommand& command, const Rect& box) {
    const TexturePixels::RegionView& view = command.texture->region(command.region);
    if (!view.image) return;
    const pixman_transform_t transform = FixedTransform(command.maps[0], {view.visible.left, view.visible.top});
    pixman_image_set_transform(view.image, &transform);
    pixman_image_set_filter(view.image, command.smooth ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr, 0);
    composite(command, view.image, {0, 0}, box);
}

// Paints the texels in box of target with the command's modulation: the
// texels image is read at (box + texelsAt), through its transform if it has
// one. Every case is one or two pixman composites without a temporary.
void Rasteriser::composite(const DrawCommand& command, pixman_image_t* texels, Point texelsAt, const Rect& box,
                           pixman_image_t* target) {
    if (!target) target = target_.get();
    const int sx = box.left + texelsAt.x, sy = box.top + texelsAt.y;
    const int width = box.right - box.left, height = box.bottom - box.top;
    const std::uint32_t alpha = command.colour >> 24;
    const Colour tint = command.colour & kWhite;
    if (command.texture->coverageOnly()) {
        // White texels: the tint is the colour, the texels its coverage.
        colourPixel_ = PremultipliedBy(tint, alpha);
        pixman_image_composite32(PIXMAN_OP_OVER, colour_.get(), texels, target, 0, 0, sx, sy, box.left, box.top, width,
                                 height);
    } else if (tint == kWhite) {
        // Plain, or faded by the vertex alpha.
        alphaPixel_ = alpha << 24;
        pixman_image_composite32(PIXMAN_OP_OVER, texels, alpha == 255 ? nullptr : alpha_.get(), target, sx, sy, 0, 0,
                                 box.left, box.top, width, height);
    } else {
        // Tinted colour texels: take away what the texels cover, then add
        // them multiplied by the tint channel by channel.
        alphaPixel_ = alpha << 24;
        pixman_image_composite32(PIXMAN_OP_OUT_REVERSE, texels, alpha_.get(), target, sx, sy, 0, 0, box.left, box.top,
                                 width, height);
        tintPixel_ = PremultipliedBy(tint, alpha);
        pixman_image_composite32(PIXMAN_OP_ADD, texels, tint_.get(), target, sx, sy, 0, 0, box.left, box.top, width,
                                 height);
    }
}

// The rare quad that is no parallelogram over a texel rectangle: each
// triangle is painted into a scratch picture, then laid over the frame
// through a mask of its outline.
void Rasteriser::drawTriangles(const DrawCommand& command, const Rect& box) {
    static constexpr int kTriangles[2][3] = {{0, 1, 2}, {1, 3, 2}};
    const TexturePixels::RegionView& view = command.texture->region(command.region);
    if (!view.image) return;
    prepareScratch();
    pixman_image_set_filter(view.image, command.smooth ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (int t = 0; t < 2; ++t) {
        const int* v = kTriangles[t];
        const Vec2 points[3] = {PointOf(command.corners[v[0]]), PointOf(command.corners[v[1]]),
                                PointOf(command.corners[v[2]])};
        const Rect area = Intersection(PixelBounds(points, 3, 1, size_), box);
        if (IsEmpty(area)) continue;
        const int width = area.right - area.left, height = area.bottom - area.top;
        for (int y = area.top; y < area.bottom; ++y)
            std::memset(&outlineBits_[std::size_t(y) * std::size_t(outlineStride_)], 0,
                        std::size_t(outlineStride_) * 4);
        RasteriseTriangle(outline_.get(), points[0], points[1], points[2]);
        pixman_fill(scratchBits_.data(), size_.width, 32, area.left, area.top, width, height, 0);
        const pixman_transform_t transform = FixedTransform(command.maps[t], {view.visible.left, view.visible.top});
        pixman_image_set_transform(view.image, &transform);
        composite(command, view.image, {0, 0}, area, scratch_.get());
        pixman_image_composite32(PIXMAN_OP_OVER, scratch_.get(), outline_.get(), target_.get(), area.left, area.top,
                                 area.left, area.top, area.left, area.top, width, height);
    }
}

void Rasteriser::prepareScratch() {
    if (scratch_) return;
    scratchBits_.assign(std::size_t(size_.width) * std::size_t(size_.height), 0);
    scratch_.reset(
        pixman_image_create_bits(PIXMAN_a8r8g8b8, size_.width, size_.height, scratchBits_.data(), size_.width * 4));
    outlineStride_ = (size_.width + 31) / 32;
    outlineBits_.assign(std::size_t(outlineStride_) * std::size_t(size_.height), 0);
    outline_.reset(
        pixman_image_create_bits(PIXMAN_a1, size_.width, size_.height, outlineBits_.data(), outlineStride_ * 4));
}

}  // namespace glyphora::platform
