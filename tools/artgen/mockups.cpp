#include "tools/artgen/mockups.h"

#include <cmath>
#include <filesystem>
#include <string>

#include "tools/artgen/cairo_handles.h"
#include "tools/artgen/hud_palette.h"
#include "tools/artgen/mockup_screens.h"
#include "tools/artgen/paint.h"

namespace glyphora::artgen {

Mockup::Mockup(const Canvases& canvases, const Studio& studio)
    : canvases_(canvases), studio_(studio), image_(700, 450), cr_(image_.NewContext()) {
    Clear(tone::White);
}

void Mockup::Clear(Rgb colour) {
    SetColour(cr(), colour);
    cairo_paint(cr());
}

void Mockup::FillRect(double left, double top, double right, double bottom, Rgb colour) {
    cairo_rectangle(cr(), left, top, right - left, bottom - top);
    SetColour(cr(), colour);
    cairo_fill(cr());
}

const Image& Mockup::SheetImage(regions::Sheet sheet) const { return canvases_.Of(sheet).image(); }

void Mockup::Draw(const regions::Region& region, double x, double y, int u, int v, int width) {
    const regions::PixelRect src = regions::FrameRect(region, u, v);
    const int w = width < 0 ? src.w : width;
    SavedState saved(cr());
    cairo_rectangle(cr(), x, y, w, src.h);
    cairo_clip(cr());
    cairo_set_source_surface(cr(), SheetImage(region.sheet).surface(), x - src.x, y - src.y);
    cairo_pattern_set_filter(cairo_get_source(cr()), CAIRO_FILTER_NEAREST);
    cairo_paint(cr());
}

void Mockup::DrawAt(const regions::Region& region, int srcX, int srcY, int w, int h, double x, double y) {
    regions::Region moved = region;
    moved.x = srcX, moved.y = srcY, moved.w = w, moved.h = h;
    Draw(moved, x, y, 0, 0);
}

void Mockup::DrawTurned(const regions::Region& region, int u, int v, double cx, double cy, double angle, double scale) {
    const regions::PixelRect src = regions::FrameRect(region, u, v);
    SavedState saved(cr());
    cairo_translate(cr(), cx, cy);
    cairo_rotate(cr(), angle * 3.14159265358979 / 180);
    cairo_scale(cr(), scale, scale);
    cairo_translate(cr(), -src.w / 2.0, -src.h / 2.0);
    cairo_rectangle(cr(), 0, 0, src.w, src.h);
    cairo_clip(cr());
    cairo_set_source_surface(cr(), SheetImage(region.sheet).surface(), -src.x, -src.y);
    cairo_pattern_set_filter(cairo_get_source(cr()), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr());
}

void Mockup::Text(const std::string& text, double left, double top, double right, double bottom, Rgb colour,
                  double height, Align align) {
    DrawText(cr(), text, left, top, right - left, bottom - top, studio_.Title(height * 0.85, colour, align));
}

void Mockup::Border(Rgb colour) {
    FillRect(0, 0, 1, 450, colour);
    FillRect(699, 0, 700, 450, colour);
    FillRect(0, 0, 700, 1, colour);
    FillRect(0, 449, 700, 450, colour);
}

bool Mockup::Save(const std::string& path) const { return image_.WritePng(path); }

bool Mockup::SaveZoom(const std::string& path, int x, int y, int w, int h, int factor) const {
    Image zoom(w * factor, h * factor);
    ContextPtr zcr = zoom.NewContext();
    cairo_scale(zcr.get(), factor, factor);
    cairo_set_source_surface(zcr.get(), image_.surface(), -x, -y);
    cairo_pattern_set_filter(cairo_get_source(zcr.get()), CAIRO_FILTER_NEAREST);
    cairo_paint(zcr.get());
    return zoom.WritePng(path);
}

bool WriteMockups(const Canvases& canvases, const Studio& studio, const std::string& directory) {
    bool ok = true;
    for (const NamedMockup& mockup : AllMockups()) {
        Mockup screen(canvases, studio);
        mockup.compose(screen);
        const std::filesystem::path base = std::filesystem::path(directory) / mockup.name;
        ok = screen.Save(base.string() + ".png") && ok;
        for (std::size_t i = 0; i < mockup.zooms.size(); ++i) {
            const Zoom& z = mockup.zooms[i];
            ok = screen.SaveZoom(base.string() + "-zoom" + std::to_string(i + 1) + ".png", z.x, z.y, z.w, z.h,
                                 z.factor) &&
                 ok;
        }
    }
    return ok;
}

}  // namespace glyphora::artgen
