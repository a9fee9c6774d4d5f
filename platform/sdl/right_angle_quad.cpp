#include "platform/sdl/right_angle_quad.h"

#include <cmath>
#include <utility>

namespace glyphora::platform {
namespace {

constexpr double kSlack = 1e-3;  // pixels or texels: corners turned in single precision

bool Near(double a, double b) { return std::fabs(a - b) < kSlack; }

// The whole texel a coordinate names, if it names one.
std::optional<int> WholeTexel(float coordinate, int size) {
    const double texel = double(coordinate) * double(size - 1);
    const double whole = std::round(texel);
    if (!Near(texel, whole)) return std::nullopt;
    return int(whole);
}

}  // namespace

std::optional<TurnedCopy> RightAngleCopy(const QuadVertices& c, Size texture) {
    const bool spriteLike = c[0].u == c[2].u && c[1].u == c[3].u && c[0].v == c[1].v && c[2].v == c[3].v;
    const bool oneColour = c[0].colour == c[1].colour && c[0].colour == c[2].colour && c[0].colour == c[3].colour;
    if (!spriteLike || !oneColour || texture.width < 2 || texture.height < 2) return std::nullopt;
    // The top edge (u's direction) and the left edge (v's) on screen.
    const double ax = double(c[1].x) - c[0].x, ay = double(c[1].y) - c[0].y;
    const double bx = double(c[2].x) - c[0].x, by = double(c[2].y) - c[0].y;
    if (!Near(c[3].x, c[1].x + bx) || !Near(c[3].y, c[1].y + by)) return std::nullopt;
    const bool alongX = Near(ay, 0) && Near(bx, 0), alongY = Near(ax, 0) && Near(by, 0);
    if (!alongX && !alongY) return std::nullopt;
    TurnedCopy copy;
    copy.degrees = alongX ? (ax > 0 ? 0 : 180) : (ay > 0 ? 90 : 270);
    // Turned back by the angle, the left edge points down, or up when mirrored.
    copy.flipY = ax * by - ay * bx < 0;
    auto left = WholeTexel(c[0].u, texture.width), right = WholeTexel(c[1].u, texture.width);
    auto top = WholeTexel(c[0].v, texture.height), bottom = WholeTexel(c[2].v, texture.height);
    if (!left || !right || !top || !bottom || *left == *right || *top == *bottom) return std::nullopt;
    if (*right < *left) std::swap(left, right), copy.flipX = true;
    if (*bottom < *top) std::swap(top, bottom), copy.flipY = !copy.flipY;
    copy.source = {*left, *top, *right, *bottom};
    if (copy.source.left < 0 || copy.source.top < 0 || copy.source.right > texture.width ||
        copy.source.bottom > texture.height)
        return std::nullopt;
    if (copy.degrees == 0 && !copy.flipX && !copy.flipY) return std::nullopt;
    copy.width = float(std::hypot(ax, ay));
    copy.height = float(std::hypot(bx, by));
    copy.x = (c[0].x + c[3].x) / 2 - copy.width / 2;
    copy.y = (c[0].y + c[3].y) / 2 - copy.height / 2;
    return copy;
}

}  // namespace glyphora::platform
