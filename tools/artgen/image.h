// An ARGB picture that artgen paints with cairo and stores as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/cairo_handles.h"

namespace glyphora::artgen {

// Straight (not premultiplied) RGBA pixel.
struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

class Image {
public:
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_surface_t* surface() const { return surface_.get(); }
    // A fresh drawing context on the picture (antialiased, default state).
    ContextPtr NewContext() const;

    Pixel At(int x, int y) const;
    std::vector<Pixel> StraightPixels() const;  // row-major
    // Makes a rectangle fully transparent.
    void Clear(int x, int y, int w, int h);

    // Writes the picture as 8-bit RGBA PNG with straight alpha. Fully
    // transparent pixels take the colour of their nearest painted neighbours
    // so that linear filtering at a picture's edge does not pull in black.
    // The output depends on the pixels only (no time or text chunks).
    bool WritePng(const std::string& path) const;

private:
    int width_, height_;
    SurfacePtr surface_;
};

// Straight RGBA rows of an image (row-major), with the colour bleed applied.
std::vector<Pixel> StraightPixelsWithBleed(const Image& image);

}  // namespace glyphora::artgen
