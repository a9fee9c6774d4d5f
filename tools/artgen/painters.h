// The painters of the sheets, one per family of pictures. Each paints every
// region of its family on the canvases it is given.
#pragma once

#include "tools/artgen/image.h"
#include "tools/artgen/sheet_canvas.h"
#include "tools/artgen/studio.h"

namespace glyphora::artgen {

struct Canvases {
    SheetCanvas splash{regions::Sheet::Splash};
    SheetCanvas shapes{regions::Sheet::Shapes};
    SheetCanvas design1{regions::Sheet::Design1};
    SheetCanvas design2{regions::Sheet::Design2};
    SheetCanvas design3{regions::Sheet::Design3};

    SheetCanvas& Of(regions::Sheet sheet);
    const SheetCanvas& Of(regions::Sheet sheet) const { return const_cast<Canvases&>(*this).Of(sheet); }
};

void PaintItemShapes(Canvases& canvases, Studio& studio);  // Shapes sheet
void PaintGlyphs(Canvases& canvases, Studio& studio);      // glyph cells
void PaintHud(Canvases& canvases, Studio& studio);         // play-screen pieces
void PaintWidgets(Canvases& canvases, Studio& studio);     // buttons, toggles, sliders, selectors
void PaintMenuFrame(Canvases& canvases, Studio& studio);   // header strip, corners, footer, captions
void PaintPreviews(Canvases& canvases, Studio& studio);    // main-menu previews
void PaintCharacters(Canvases& canvases, Studio& studio);  // peeking pictures, first-run screen, help, finale
void PaintSplash(Canvases& canvases, Studio& studio);
void PaintCorners(Canvases& canvases, Studio& studio);  // corner pictures of the menu screens

// The window icon.
Image PaintIcon(const Studio& studio, int size);

}  // namespace glyphora::artgen
