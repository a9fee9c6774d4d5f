// Shapes and glyphs of the falling letters.
#include <string>
#include <vector>

#include "tools/artgen/painters.h"
#include "tools/artgen/tiles.h"

namespace glyphora::artgen {
namespace {

constexpr char kGlyphCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Falling letters are drawn with linear filtering, which reads one texel
// beyond a cell's edge: every cell keeps a clear margin so that nothing of a
// neighbouring cell bleeds in. Over shape 2 a glyph cell is read 5 rows
// higher, so glyph cells keep their bottom rows clear as well.
constexpr int kMargin = 2;

struct Margins {
    int left, top, right, bottom;
};

bool Clear(const std::vector<Pixel>& pixels, int width, const regions::PixelRect& cell, const Margins& m) {
    for (int y = cell.y; y < cell.y + cell.h; ++y) {
        for (int x = cell.x; x < cell.x + cell.w; ++x) {
            const bool inside = x >= cell.x + m.left && x < cell.x + cell.w - m.right && y >= cell.y + m.top &&
                                y < cell.y + cell.h - m.bottom;
            if (!inside && pixels[static_cast<std::size_t>(y) * width + x].a != 0) return false;
        }
    }
    return true;
}

void CheckMargins(const SheetCanvas& canvas, const regions::Region& region, const Margins& margins, Studio& studio) {
    const std::vector<Pixel> pixels = canvas.image().StraightPixels();
    for (int i = 0; i < regions::FrameCount(region); ++i) {
        const regions::Frame cell = regions::NthFrame(region, i);
        if (!Clear(pixels, canvas.image().width(), regions::FrameRect(region, cell.u, cell.v), margins))
            studio.Problem(std::string(region.name) + " cell (" + std::to_string(cell.u) + ", " +
                           std::to_string(cell.v) + ") paints into its clear margin");
    }
}

}  // namespace

SheetCanvas& Canvases::Of(regions::Sheet sheet) {
    switch (sheet) {
        case regions::Sheet::Splash: return splash;
        case regions::Sheet::Shapes: return shapes;
        case regions::Sheet::Design1: return design1;
        case regions::Sheet::Design2: return design2;
        case regions::Sheet::Design3: break;
    }
    return design3;
}

void PaintItemShapes(Canvases& canvases, Studio& studio) {
    const regions::Region* shapes[] = {&regions::ItemShapes1, &regions::ItemShapes2, &regions::ItemShapes3};
    for (int shape = 0; shape < kShapeCount; ++shape) {
        canvases.shapes.Paint(*shapes[shape], [shape](cairo_t* cr, regions::Frame frame, int) {
            DrawShape(cr, shape, frame.u, frame.v);
        });
        CheckMargins(canvases.shapes, *shapes[shape], {kMargin, kMargin, kMargin, kMargin}, studio);
    }
}

void PaintGlyphs(Canvases& canvases, Studio& studio) {
    canvases.design2.Paint(regions::LetterGlyphs, [&studio](cairo_t* cr, regions::Frame, int index) {
        DrawGlyph(cr, studio, kGlyphCharacters[index]);
    });
    CheckMargins(canvases.design2, regions::LetterGlyphs,
                 {kMargin, kMargin, kMargin, kMargin + regions::kGlyphDropOnShape3}, studio);
}

}  // namespace glyphora::artgen
