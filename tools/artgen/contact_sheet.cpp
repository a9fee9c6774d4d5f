#include "tools/artgen/contact_sheet.h"

#include <string>

#include "tools/artgen/paint.h"

namespace glyphora::artgen {
namespace {

// Small sheets are shown enlarged so that their names stay readable.
int ScaleFor(const Image& sheet) { return sheet.width() <= 256 ? 3 : 1; }

void Checkerboard(cairo_t* cr, int width, int height) {
    SetColour(cr, Hex(0xFFFFFF));
    cairo_paint(cr);
    SetColour(cr, Hex(0xE4E4EC));
    for (int y = 0; y < height; y += 8)
        for (int x = (y / 8 % 2) * 8; x < width; x += 16) cairo_rectangle(cr, x, y, 8, 8);
    cairo_fill(cr);
}

Rgb OutlineColour(int index) {
    constexpr std::uint32_t colours[] = {0xE0231B, 0x1B7FE0, 0x13A05A, 0xC01BE0, 0xE08A1B, 0x0FA5A5};
    return Hex(colours[index % 6]);
}

void OutlineRegion(cairo_t* cr, const regions::Region& region, int index, double scale, const Studio& studio) {
    const Rgb colour = OutlineColour(index);
    for (int i = 0; i < regions::FrameCount(region); ++i) {
        const regions::Frame frame = regions::NthFrame(region, i);
        const regions::PixelRect r = regions::FrameRect(region, frame.u, frame.v);
        cairo_rectangle(cr, r.x * scale + 0.5, r.y * scale + 0.5, r.w * scale - 1, r.h * scale - 1);
        SetColour(cr, colour, i == 0 ? 0.95 : 0.45);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    TextStyle style = studio.Title(11, colour, Align::Left);
    style.outline = 1.5;
    style.outlineColour = Hex(0xFFFFFF);
    const double x = region.x * scale + 3, y = region.y * scale + 2;
    DrawText(cr, region.name, x, y, 400, 11, style);
}

}  // namespace

Image ContactSheet(const Image& sheet, regions::Sheet which, const Studio& studio) {
    const int scale = ScaleFor(sheet);
    Image contact(sheet.width() * scale, sheet.height() * scale);
    ContextPtr cr = contact.NewContext();
    Checkerboard(cr.get(), contact.width(), contact.height());
    {
        SavedState saved(cr.get());
        cairo_scale(cr.get(), scale, scale);
        cairo_set_source_surface(cr.get(), sheet.surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
        cairo_paint(cr.get());
    }
    int index = 0;
    for (const regions::Region& region : regions::kAllRegions) {
        if (region.sheet == which) OutlineRegion(cr.get(), region, index++, scale, studio);
    }
    return contact;
}

}  // namespace glyphora::artgen
