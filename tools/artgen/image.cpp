#include "tools/artgen/image.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace glyphora::artgen {
namespace {

constexpr int kBleedPasses = 4;

Pixel Unpremultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 0) return {};
    auto channel = [a](std::uint32_t premultiplied) {
        return static_cast<std::uint8_t>((premultiplied * 255 + a / 2) / a);
    };
    return {channel((argb >> 16) & 0xFF), channel((argb >> 8) & 0xFF), channel(argb & 0xFF),
            static_cast<std::uint8_t>(a)};
}

// One dilation step: every still-unfilled transparent pixel next to a filled
// one takes the mean colour of its filled 4-neighbours.
void BleedOnce(std::vector<Pixel>& pixels, std::vector<std::uint8_t>& filled, int width, int height) {
    std::vector<std::uint8_t> next = filled;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            if (filled[i]) continue;
            int r = 0, g = 0, b = 0, n = 0;
            const int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k], ny = y + dy[k];
                if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                const std::size_t j = static_cast<std::size_t>(ny) * width + nx;
                if (!filled[j]) continue;
                r += pixels[j].r, g += pixels[j].g, b += pixels[j].b, ++n;
            }
            if (n == 0) continue;
            pixels[i] = {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
                         static_cast<std::uint8_t>(b / n), 0};
            next[i] = 1;
        }
    }
    filled.swap(next);
}

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Image::Image(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

ContextPtr Image::NewContext() const { return ContextPtr(cairo_create(surface_.get())); }

Pixel Image::At(int x, int y) const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    return Unpremultiply(row[x]);
}

std::vector<Pixel> Image::StraightPixels() const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    std::vector<Pixel> pixels;
    pixels.reserve(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width_; ++x) pixels.push_back(Unpremultiply(row[x]));
    }
    return pixels;
}

void Image::Clear(int x, int y, int w, int h) {
    ContextPtr cr = NewContext();
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr.get(), x, y, w, h);
    cairo_fill(cr.get());
}

std::vector<Pixel> StraightPixelsWithBleed(const Image& image) {
    const int width = image.width(), height = image.height();
    std::vector<Pixel> pixels = image.StraightPixels();
    std::vector<std::uint8_t> filled(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) filled[i] = pixels[i].a != 0;
    for (int pass = 0; pass < kBleedPasses; ++pass) BleedOnce(pixels, filled, width, height);
    return pixels;
}

bool Image::WritePng(const std::string& path) const {
    const std::vector<Pixel> pixels = StraightPixelsWithBleed(*this);
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, width_, height_, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height_; ++y) {
        auto* row = const_cast<Pixel*>(&pixels[static_cast<std::size_t>(y) * width_]);
        png_write_row(png, reinterpret_cast<png_bytep>(row));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace glyphora::artgen
