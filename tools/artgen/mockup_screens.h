// A screen being composed for review from the painted sheets, with the same
// placement arithmetic as the game and stand-in text in the title face.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/engine/sheet_regions.h"
#include "tools/artgen/painters.h"

namespace glyphora::artgen {

class Mockup {
public:
    Mockup(const Canvases& canvases, const Studio& studio);

    cairo_t* cr() const { return cr_.get(); }
    const Studio& studio() const { return studio_; }

    void Clear(Rgb colour);
    void FillRect(double left, double top, double right, double bottom, Rgb colour);
    // A region's frame (u, v) at (x, y), point-sampled; width < 0 draws the full width.
    void Draw(const regions::Region& region, double x, double y, int u = 0, int v = 0, int width = -1);
    // Any rectangle of a region's sheet at (x, y).
    void DrawAt(const regions::Region& sheetOf, int srcX, int srcY, int w, int h, double x, double y);
    // A region's frame turned about its centre (cx, cy), filtered linearly.
    void DrawTurned(const regions::Region& region, int u, int v, double cx, double cy, double angle, double scale = 1);
    // Text of a game font of the given cell height in a box.
    void Text(const std::string& text, double left, double top, double right, double bottom, Rgb colour, double height,
              Align align = Align::Centre);
    void Border(Rgb colour);
    bool Save(const std::string& path) const;
    // A part of the screen enlarged with point sampling, for close review.
    bool SaveZoom(const std::string& path, int x, int y, int w, int h, int factor) const;

private:
    const Image& SheetImage(regions::Sheet sheet) const;

    const Canvases& canvases_;
    const Studio& studio_;
    Image image_;
    ContextPtr cr_;
};

struct Zoom {
    int x, y, w, h, factor;
};

struct NamedMockup {
    std::string name;
    std::function<void(Mockup&)> compose;
    std::vector<Zoom> zooms{};  // also saved as NAME-zoomN.png
};

std::vector<NamedMockup> AllMockups();
std::vector<NamedMockup> PlayMockups();
std::vector<NamedMockup> MenuMockups();
std::vector<NamedMockup> MoreMenuMockups();  // first run, help, credits, game over, splash

}  // namespace glyphora::artgen
