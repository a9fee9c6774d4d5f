// Frames on the CPU device allocate nothing once its lists and region caches
// have grown: counted by standing in for the C library's allocator in this
// test program (pixman allocates through it). Not under AddressSanitizer,
// which owns the allocator itself.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "cpu_frames.h"

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

namespace {
std::atomic<long> allocations{0};
}

void* malloc(std::size_t size) {
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    ++allocations;
    return __libc_realloc(p, size);
}
}
#endif

namespace glyphora::platform {
namespace {

using testing::Numbered;
using testing::TurnedRegion;

// Counts what reaches the window without keeping anything.
struct CountingPresenter final : FramePresenter {
    void show(const std::uint32_t*, Size, std::span<const Rect> rects) override { shown += long(rects.size()); }
    bool lostContents() override { return false; }
    long shown = 0;
};

TEST(CpuFrameCost, FramesOfABusyPlaySceneAllocateNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator cannot be counted";
#else
    auto presenter = std::make_unique<CountingPresenter>();
    const CountingPresenter& window = *presenter;
    CpuDevice device({700, 450}, std::move(presenter), std::chrono::microseconds(0));
    auto sheet = device.createTexture(Numbered(256, 256));
    Image glyphs{64, 64, {}};
    for (int i = 0; i < 64 * 64; ++i) glyphs.pixels.push_back(Colour(i % 256) << 24 | 0xFFFFFF);
    auto atlas = device.createTexture(glyphs);
    Image frame;
    // 40 items falling and turning, a HUD of sprites and fills, text, a fade.
    const auto drawFrame = [&](int n) {
        device.clear(0xFFF08020);
        device.fillRect({540, 190, 700, 400}, 0xFF804010);
        QuadVertices quad;
        device.setFilter(Filter::Linear);
        for (int item = 0; item < 40; ++item) {
            const float x = float(20 + (item * 97) % 480), y = float((item * 53 + n * 3) % 400);
            TurnedRegion(quad, {256, 256}, (item % 3) * 65, 0, 65, 65, x, y, float(item * 17 + n));
            device.drawQuad(sheet.get(), quad);
            TurnedRegion(quad, {256, 256}, 195 + item % 2 * 30, 70 + item % 5 * 30, 30, 30, x, y, float(item * 17 + n));
            device.drawQuad(sheet.get(), quad);
        }
        device.setFilter(Filter::Point);
        device.setAlphaSource(AlphaSource::Vertex);
        for (int glyph = 0; glyph < 20; ++glyph) {
            TurnedRegion(quad, {64, 64}, glyph * 3, 10, 12, 20, 320.0f + glyph * 12, 430, 0, 0xFF303030);
            device.drawQuad(atlas.get(), quad);
        }
        TurnedRegion(quad, {256, 256}, 0, 100, 100, 60, 600, 100, 0, Colour((n * 7) % 256) << 24 | 0xFFFFFF);
        device.drawQuad(sheet.get(), quad);
        device.setAlphaSource(AlphaSource::Texture);
        device.present();
    };
    for (int n = 0; n < 60; ++n) drawFrame(n);
    device.readFrame(frame);

    const long before = allocations.load();
    for (int n = 60; n < 360; ++n) drawFrame(n);
    EXPECT_EQ(allocations.load() - before, 0) << "allocations in 300 frames";
    EXPECT_GT(device.lastFrame().pixelsDrawn, 0);
    EXPECT_GT(window.shown, 300) << "every frame showed its damage";
#endif
}

}  // namespace
}  // namespace glyphora::platform
