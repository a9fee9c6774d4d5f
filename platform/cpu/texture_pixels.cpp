#include "platform/cpu/texture_pixels.h"

#include <algorithm>

namespace glyphora::platform {
namespace {

std::uint32_t Scale(std::uint32_t channel, std::uint32_t alpha) {
    const std::uint32_t t = channel * alpha + 128;
    return (t + (t >> 8)) >> 8;  // channel * alpha / 255, rounded
}

std::uint32_t Premultiplied(Colour c) {
    const std::uint32_t a = c >> 24;
    if (a == 255) return c;
    if (a == 0) return 0;
    return a << 24 | Scale((c >> 16) & 0xFF, a) << 16 | Scale((c >> 8) & 0xFF, a) << 8 | Scale(c & 0xFF, a);
}

bool WhereverVisibleWhite(const std::vector<Colour>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(),
                       [](Colour c) { return (c >> 24) == 0 || (c & 0xFFFFFF) == 0xFFFFFF; });
}

std::size_t RegionHash(const Rect& r) {
    std::size_t h = std::size_t(r.left) * 73856093u ^ std::size_t(r.top) * 19349663u;
    return h ^ std::size_t(r.right) * 83492791u ^ std::size_t(r.bottom) * 2654435761u;
}

}  // namespace

TexturePixels::TexturePixels(Image&& picture) : size_{std::max(picture.width, 0), std::max(picture.height, 0)} {
    if (WhereverVisibleWhite(picture.pixels)) keepAlpha(picture);
    else keepColour(picture);
}

void TexturePixels::keepAlpha(Image& picture) {
    stride_ = (size_.width + 3) & ~3;
    alpha_.assign(std::size_t(stride_) * std::size_t(size_.height), 0);
    for (int y = 0; y < size_.height; ++y)
        for (int x = 0; x < size_.width; ++x)
            alpha_[std::size_t(y) * std::size_t(stride_) + std::size_t(x)] =
                std::uint8_t(picture.pixels[std::size_t(y) * std::size_t(size_.width) + std::size_t(x)] >> 24);
    picture.pixels = {};
    whole_.reset(pixman_image_create_bits(PIXMAN_a8, size_.width, size_.height,
                                          reinterpret_cast<std::uint32_t*>(alpha_.data()), stride_));
}

void TexturePixels::keepColour(Image& picture) {
    argb_ = std::move(picture.pixels);
    std::transform(argb_.begin(), argb_.end(), argb_.begin(), Premultiplied);
    stride_ = size_.width * 4;
    whole_.reset(pixman_image_create_bits(PIXMAN_a8r8g8b8, size_.width, size_.height, argb_.data(), stride_));
}

Rect TexturePixels::visibleBounds(const Rect& texels) const {
    Rect found{texels.right, texels.bottom, texels.left, texels.top};
    for (int y = texels.top; y < texels.bottom; ++y) {
        for (int x = texels.left; x < texels.right; ++x) {
            const bool visible = argb_.empty() ? alpha_[std::size_t(y) * std::size_t(stride_) + std::size_t(x)] != 0
                                               : argb_[std::size_t(y) * std::size_t(size_.width) + std::size_t(x)] != 0;
            if (!visible) continue;
            found.left = std::min(found.left, x), found.right = std::max(found.right, x + 1);
            found.top = std::min(found.top, y), found.bottom = std::max(found.bottom, y + 1);
        }
    }
    return found;
}

// Colour texels are shared with the texture; alpha rows need not start on a
// word, as pixman wants, so an alpha region keeps its own copy.
void TexturePixels::makeView(CachedRegion& slot, const Rect& part) const {
    const int width = part.right - part.left, height = part.bottom - part.top;
    slot.ownAlpha.clear();
    if (argb_.empty()) {
        const int stride = (width + 3) & ~3;
        slot.ownAlpha.assign(std::size_t(stride) * std::size_t(height), 0);
        for (int y = 0; y < height; ++y)
            std::copy_n(&alpha_[std::size_t(part.top + y) * std::size_t(stride_) + std::size_t(part.left)], width,
                        &slot.ownAlpha[std::size_t(y) * std::size_t(stride)]);
        slot.image.reset(pixman_image_create_bits(PIXMAN_a8, width, height,
                                                  reinterpret_cast<std::uint32_t*>(slot.ownAlpha.data()), stride));
    } else {
        auto* first = const_cast<std::uint32_t*>(&argb_[std::size_t(part.top) * std::size_t(size_.width)]);
        slot.image.reset(pixman_image_create_bits(PIXMAN_a8r8g8b8, width, height, first + part.left, stride_));
    }
    slot.view = {part, slot.image.get()};
}

// Open addressing over a short run of slots; a full run gives up its least
// recently used region.
TexturePixels::CachedRegion& TexturePixels::slotFor(const Rect& texels) {
    if (!regions_) regions_ = std::make_unique<std::array<CachedRegion, kRegionSlots>>();
    const std::size_t start = RegionHash(texels);
    CachedRegion* victim = nullptr;
    for (std::size_t i = 0; i < kProbe; ++i) {
        CachedRegion& slot = (*regions_)[(start + i) % kRegionSlots];
        if (slot.used && slot.texels == texels) return slot;
        const bool better = !victim || (victim->used && (!slot.used || slot.lastUse < victim->lastUse));
        if (better) victim = &slot;
    }
    return *victim;
}

const TexturePixels::RegionView& TexturePixels::region(const Rect& texels) {
    CachedRegion& slot = slotFor(texels);
    slot.lastUse = ++uses_;
    if (slot.used && slot.texels == texels) return slot.view;
    slot.used = true;
    slot.texels = texels;
    slot.image.reset();
    const Rect visible = visibleBounds(texels);
    if (visible.left >= visible.right) slot.view = {visible, nullptr};
    else makeView(slot, visible);
    return slot.view;
}

}  // namespace glyphora::platform
