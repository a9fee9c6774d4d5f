#pragma once
// What the CPU device tests share: a presenter that records what reaches the
// window, pictures whose every texel differs from its neighbours, and quads
// placed, turned and cut like the game's.
#include <cmath>
#include <memory>
#include <vector>

#include "platform/cpu/cpu_device.h"

namespace glyphora::platform::testing {

struct RecordingPresenter final : FramePresenter {
    struct Log {
        std::vector<std::vector<Rect>> shows;  // the rectangles of each show
        bool lose = false;                     // lostContents answers this once
    };
    explicit RecordingPresenter(std::shared_ptr<Log> log) : log(std::move(log)) {}
    void show(const std::uint32_t*, Size, std::span<const Rect> rects) override {
        log->shows.emplace_back(rects.begin(), rects.end());
    }
    bool lostContents() override { return std::exchange(log->lose, false); }
    std::shared_ptr<Log> log;
};

// An opaque picture in which texel (x, y) holds x in red, y in green and
// a fixed blue: every texel tells where it came from.
inline Image Numbered(int width, int height, Colour blue = 0x40) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels.push_back(0xFF000000u | Colour(x) << 16 | Colour(y) << 8 | blue);
    return image;
}

// The quad of region (srcX, srcY, w, h) of a texture of the given size,
// centred on (cx, cy) and turned by degrees as the game turns its quads
// (single precision, about the centre).
inline void TurnedRegion(QuadVertices& out, Size texture, int srcX, int srcY, int w, int h, float cx, float cy,
                         float degrees, Colour colour = 0xFFFFFFFF) {
    const float radians = degrees / 180.0f * 3.1415927f;
    const float c = std::cos(radians), s = std::sin(radians);
    const float u0 = float(srcX) / float(texture.width - 1), v0 = float(srcY) / float(texture.height - 1);
    const float u1 = u0 + float(w) / float(texture.width - 1), v1 = v0 + float(h) / float(texture.height - 1);
    const float dx[4] = {-w / 2.0f, w / 2.0f, -w / 2.0f, w / 2.0f};
    const float dy[4] = {-h / 2.0f, -h / 2.0f, h / 2.0f, h / 2.0f};
    const float u[4] = {u0, u1, u0, u1}, v[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) out[i] = {cx + dx[i] * c - dy[i] * s, cy + dy[i] * c + dx[i] * s, colour, u[i], v[i]};
}

}  // namespace glyphora::platform::testing
