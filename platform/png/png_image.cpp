#include "platform/png/png_image.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "common/swap_file_bytes.h"

namespace glyphora::platform {
namespace {

// Pictures larger than this are refused rather than allocated.
constexpr png_uint_32 kMaxSide = 8192;

// One output sample of a separable tent filter: weights and source indices.
struct Tap {
    int index;
    float weight;
};

std::vector<std::vector<Tap>> TentTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const float scale = static_cast<float>(from) / static_cast<float>(to);
    const float radius = std::max(1.0f, scale);
    for (int i = 0; i < to; ++i) {
        const float centre = (static_cast<float>(i) + 0.5f) * scale - 0.5f;
        const int first = static_cast<int>(std::floor(centre - radius)) + 1;
        const int last = static_cast<int>(std::ceil(centre + radius)) - 1;
        float total = 0;
        for (int s = first; s <= last; ++s) {
            const float w = 1.0f - std::fabs(static_cast<float>(s) - centre) / radius;
            if (w <= 0) continue;
            taps[static_cast<std::size_t>(i)].push_back({std::clamp(s, 0, from - 1), w});
            total += w;
        }
        for (Tap& tap : taps[static_cast<std::size_t>(i)]) tap.weight /= total;
    }
    return taps;
}

Colour Channelwise(const std::vector<Tap>& taps, const Colour* base, int stride) {
    float sum[4] = {0, 0, 0, 0};
    for (const Tap& tap : taps) {
        const Colour c = base[static_cast<std::ptrdiff_t>(tap.index) * stride];
        for (int ch = 0; ch < 4; ++ch) sum[ch] += tap.weight * static_cast<float>((c >> (8 * ch)) & 0xFF);
    }
    Colour out = 0;
    for (int ch = 0; ch < 4; ++ch) {
        const auto value = static_cast<Colour>(std::clamp(std::lround(sum[ch]), 0L, 255L));
        out |= value << (8 * ch);
    }
    return out;
}

// Finishes a read begun on png: refuses empty and absurdly large pictures.
bool FinishRead(png_image& png, Image& out) {
    if (png.width == 0 || png.height == 0 || png.width > kMaxSide || png.height > kMaxSide) {
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_BGRA;  // B, G, R, A bytes: one little-endian ARGB word per pixel
    Image image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.resize(static_cast<std::size_t>(png.width) * png.height);
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    out = std::move(image);
    return true;
}

}  // namespace

bool LoadPng(const std::string& path, Image& out) {
    out = Image{};
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    return png_image_begin_read_from_file(&png, path.c_str()) && FinishRead(png, out);
}

bool DecodePng(std::string_view bytes, Image& out) {
    out = Image{};
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    return png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()) && FinishRead(png, out);
}

bool LoadPictureFile(const std::string& path, FileForm form, Size requested, Colour colourKey, Image& out) {
    const bool decoded = form == FileForm::Plain ? LoadPng(path, out) : [&] {
        const std::optional<std::string> plain = ReadStoredFile(path);
        return plain && DecodePng(*plain, out);
    }();
    if (!decoded) return false;
    if (colourKey != 0) ApplyColourKey(out, colourKey);
    const int width = requested.width > 0 ? requested.width : out.width;
    const int height = requested.height > 0 ? requested.height : out.height;
    if (width != out.width || height != out.height) out = Resample(out, width, height);
    return true;
}

bool SavePng(const std::string& path, const Image& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_BGRA;
    return png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
}

void ApplyColourKey(Image& image, Colour key) {
    for (Colour& pixel : image.pixels) {
        if (pixel == key) pixel = 0;
    }
}

Image Resample(const Image& image, int width, int height) {
    Image across{width, image.height, {}};
    across.pixels.resize(static_cast<std::size_t>(width) * image.height);
    const auto xTaps = TentTaps(image.width, width);
    for (int y = 0; y < image.height; ++y) {
        const Colour* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
        for (int x = 0; x < width; ++x)
            across.pixels[static_cast<std::size_t>(y) * width + x] = Channelwise(xTaps[x], row, 1);
    }
    Image result{width, height, {}};
    result.pixels.resize(static_cast<std::size_t>(width) * height);
    const auto yTaps = TentTaps(image.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            result.pixels[static_cast<std::size_t>(y) * width + x] = Channelwise(yTaps[y], &across.pixels[x], width);
    }
    return result;
}

}  // namespace glyphora::platform
