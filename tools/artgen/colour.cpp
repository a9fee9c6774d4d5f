#include "tools/artgen/colour.h"

#include <algorithm>
#include <cmath>

namespace glyphora::artgen {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double Luminance(Rgb c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

double Contrast(Rgb a, Rgb b) {
    const double la = Luminance(a) + 0.05;
    const double lb = Luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

Rgb WithLuminance(Rgb c, double luminance) {
    const bool lighten = Luminance(c) < luminance;
    double low = 0, high = 1;
    for (int step = 0; step < 30; ++step) {
        const double t = (low + high) / 2;
        const Rgb tried = lighten ? Lighter(c, t) : Darker(c, t);
        const bool tooFar = lighten ? Luminance(tried) > luminance : Luminance(tried) < luminance;
        (tooFar ? high : low) = t;
    }
    return lighten ? Lighter(c, low) : Darker(c, low);
}

}  // namespace glyphora::artgen
