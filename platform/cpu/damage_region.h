#pragma once
// The pixels of a frame that must be drawn again: a short list of disjoint
// rectangles that covers every rectangle added to it. Overlapping rectangles
// merge into their bounding box; past the list's capacity the two whose
// merge wastes least are merged. Never allocates.
#include <array>
#include <span>

#include "platform/platform.h"

namespace glyphora::platform {

class DamageRegion {
public:
    static constexpr int kCapacity = 32;

    void clear() { count_ = 0; }
    void add(const Rect& rect);
    void add(const DamageRegion& other);
    bool empty() const { return count_ == 0; }
    std::span<const Rect> rects() const { return {rects_.data(), std::size_t(count_)}; }
    long area() const;

private:
    Rect swallowOverlapping(Rect rect);
    void mergeCheapestPair();
    void remove(int index);

    std::array<Rect, kCapacity> rects_{};
    int count_ = 0;
};

}  // namespace glyphora::platform
