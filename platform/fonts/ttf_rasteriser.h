#pragma once
// Rasterising one face at one GDI cell height into a glyph atlas, with
// SDL2_ttf (FreeType underneath). SDL_ttf must be initialised (TTF_Init) by
// the caller.
#include <optional>
#include <string>

#include "platform/platform.h"

namespace glyphora::platform {

// The vertical metrics GDI derives a cell from: the OS/2 table's
// usWinAscent and usWinDescent, in font units.
struct CellMetrics {
    int unitsPerEm = 0;
    int winAscent = 0;
    int winDescent = 0;
    bool boldFace = false;  // the face is bold by design
};

// Reads the metrics with FreeType. A face without an OS/2 table falls back
// on its horizontal header (ascender, -descender). Nothing when the file
// cannot be opened as a scalable face.
std::optional<CellMetrics> ReadCellMetrics(const std::string& file);

// The resolution at which a face opened at point size H has a cell of H
// pixels: 72 x unitsPerEm / (usWinAscent + usWinDescent), rounded.
unsigned CellDpi(const CellMetrics& metrics);

// Opens file with TTF_OpenFontDPI(file, cellHeight, dpi, dpi) and renders
// every character 32..255 (read as Windows-1252) into a shelf-packed atlas.
std::optional<FontAtlas> RasteriseFace(const std::string& file, int cellHeight, bool bold);

}  // namespace glyphora::platform
