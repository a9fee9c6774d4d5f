#pragma once
// A texture's texels as the CPU device draws from them: premultiplied ARGB,
// or alpha alone when every visible texel is white (glyph atlases), which
// quarters their memory and lets a tint colour paint through them.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/cpu/pixman_image.h"
#include "platform/platform.h"

namespace glyphora::platform {

class TexturePixels {
public:
    // The part of a region that holds visible texels (alpha above 0), and a
    // pixman image of exactly that part, which reads as transparent outside
    // it. The image's transform and filter are the caller's to set per draw.
    struct RegionView {
        Rect visible;
        pixman_image_t* image = nullptr;  // null when nothing in the region is visible
    };

    // Takes over the picture's pixels (straight alpha) and converts them in
    // place, so that no second copy of a large picture is ever held.
    explicit TexturePixels(Image&& picture);
    TexturePixels(const TexturePixels&) = delete;
    TexturePixels& operator=(const TexturePixels&) = delete;

    Size size() const { return size_; }
    // True when the texels are stored as alpha alone (white where visible).
    bool coverageOnly() const { return !alpha_.empty() || argb_.empty(); }
    // The whole texture as a pixman image, untransformed and unfiltered use.
    pixman_image_t* whole() const { return whole_.get(); }
    // The view of a texel rectangle (already inside the texture, not empty).
    // Views are cached: the first request of a region scans it and makes its
    // image, later ones only look it up.
    const RegionView& region(const Rect& texels);

private:
    struct CachedRegion {
        Rect texels;
        RegionView view;
        PixmanImage image;
        std::vector<std::uint8_t> ownAlpha;  // an alpha region's texels, copied to start on a word
        std::uint32_t lastUse = 0;
        bool used = false;
    };
    static constexpr std::size_t kRegionSlots = 128;
    static constexpr std::size_t kProbe = 8;

    void keepAlpha(Image& picture);
    void keepColour(Image& picture);
    Rect visibleBounds(const Rect& texels) const;
    void makeView(CachedRegion& slot, const Rect& part) const;
    CachedRegion& slotFor(const Rect& texels);

    Size size_;
    std::vector<std::uint32_t> argb_;  // premultiplied; empty when stored as alpha
    std::vector<std::uint8_t> alpha_;  // rows padded to whole words
    int stride_ = 0;                   // bytes per row
    PixmanImage whole_;
    std::unique_ptr<std::array<CachedRegion, kRegionSlots>> regions_;  // made on first use
    std::uint32_t uses_ = 0;
};

}  // namespace glyphora::platform
