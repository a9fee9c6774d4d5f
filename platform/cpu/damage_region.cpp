#include "platform/cpu/damage_region.h"

#include <algorithm>
#include <limits>

#include "platform/cpu/quad_geometry.h"

namespace glyphora::platform {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

void DamageRegion::add(const Rect& rect) {
    if (IsEmpty(rect)) return;
    Rect grown = swallowOverlapping(rect);
    if (count_ == kCapacity) {
        mergeCheapestPair();
        grown = swallowOverlapping(grown);  // the merged box may reach the new one
    }
    rects_[std::size_t(count_++)] = grown;
}

// Takes every rectangle that overlaps rect out of the list and returns their
// bounding box with rect; the box may then overlap others, so it looks again
// until none is left.
Rect DamageRegion::swallowOverlapping(Rect rect) {
    for (int i = 0; i < count_;) {
        if (Overlap(rects_[std::size_t(i)], rect)) {
            rect = Union(rect, rects_[std::size_t(i)]);
            remove(i);
            i = 0;
        } else {
            ++i;
        }
    }
    return rect;
}

void DamageRegion::add(const DamageRegion& other) {
    for (const Rect& rect : other.rects()) add(rect);
}

long DamageRegion::area() const {
    long total = 0;
    for (const Rect& rect : rects()) total += Area(rect);
    return total;
}

void DamageRegion::remove(int index) {
    rects_[std::size_t(index)] = rects_[std::size_t(count_ - 1)];
    --count_;
}

void DamageRegion::mergeCheapestPair() {
    long bestWaste = std::numeric_limits<long>::max();
    int first = 0, second = 1;
    for (int i = 0; i < count_; ++i) {
        for (int j = i + 1; j < count_; ++j) {
            const Rect& a = rects_[std::size_t(i)];
            const Rect& b = rects_[std::size_t(j)];
            const long waste = Area(Union(a, b)) - Area(a) - Area(b);
            if (waste < bestWaste) bestWaste = waste, first = i, second = j;
        }
    }
    const Rect merged = Union(rects_[std::size_t(first)], rects_[std::size_t(second)]);
    remove(second);  // second > first, so first keeps its index
    remove(first);
    add(merged);
}

}  // namespace glyphora::platform
