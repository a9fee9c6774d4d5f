#include "platform/fonts/ttf_rasteriser.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "platform/fonts/windows_1252.h"

namespace glyphora::platform {
namespace {

constexpr int kAtlasWidth = 512;
constexpr int kPadding = 1;  // keeps linear filtering from bleeding between glyphs

struct FontCloser {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
using FontHandle = std::unique_ptr<TTF_Font, FontCloser>;

struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceFreer>;

// One FreeType library with one face opened in it.
class FreeTypeFace {
public:
    explicit FreeTypeFace(const std::string& file) {
        if (FT_Init_FreeType(&library_) != 0) return;
        if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) face_ = nullptr;
    }
    ~FreeTypeFace() {
        if (face_) FT_Done_Face(face_);
        if (library_) FT_Done_FreeType(library_);
    }
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;
    FT_Face face() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// A glyph's ink as SDL_ttf rendered it, cut to its bitmap box.
struct RenderedGlyph {
    SurfaceHandle surface;
    SDL_Rect ink{0, 0, 0, 0};  // the bitmap box inside the surface
    GlyphMetrics metrics;
};

SurfaceHandle RenderArgb(TTF_Font* font, char32_t codePoint) {
    SurfaceHandle surface(TTF_RenderGlyph32_Blended(font, codePoint, SDL_Color{255, 255, 255, 255}));
    if (!surface || surface->format->format == SDL_PIXELFORMAT_ARGB8888) return surface;
    return SurfaceHandle(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

// SDL_ttf puts the pen of a single glyph at (xstart, ystart + font ascent) of
// its surface, xstart and ystart being how far the bitmap reaches left of the
// pen and above the font's ascent line; the bitmap's box lies at (minx, -maxy)
// from the pen.
RenderedGlyph RenderGlyph(TTF_Font* font, std::uint8_t byte, int cellAscent) {
    RenderedGlyph glyph;
    const char32_t codePoint = Windows1252ToUnicode(byte);
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    if (codePoint == 0 || TTF_GlyphMetrics32(font, codePoint, &minx, &maxx, &miny, &maxy, &advance) != 0) return glyph;
    glyph.metrics.advance = advance;
    if (maxx <= minx || maxy <= miny) return glyph;  // a blank such as the space
    glyph.surface = RenderArgb(font, codePoint);
    if (!glyph.surface) return glyph;
    const int fontAscent = TTF_FontAscent(font);
    const int penX = std::max(0, -minx);
    const int penY = std::max(0, maxy - fontAscent) + fontAscent;
    SDL_Rect box{penX + minx, penY - maxy, maxx - minx, maxy - miny};
    const SDL_Rect whole{0, 0, glyph.surface->w, glyph.surface->h};
    if (!SDL_IntersectRect(&box, &whole, &glyph.ink)) return glyph;
    glyph.metrics.width = glyph.ink.w;
    glyph.metrics.height = glyph.ink.h;
    glyph.metrics.offsetX = glyph.ink.x - penX;
    glyph.metrics.offsetY = cellAscent - (penY - glyph.ink.y);
    return glyph;
}

// Shelf packing in byte order; returns the atlas height.
int PackGlyphs(std::vector<RenderedGlyph>& glyphs) {
    int x = kPadding, y = kPadding, rowHeight = 0;
    for (RenderedGlyph& glyph : glyphs) {
        GlyphMetrics& m = glyph.metrics;
        if (m.width == 0) continue;
        if (x + m.width + kPadding > kAtlasWidth) {
            x = kPadding;
            y += rowHeight + kPadding;
            rowHeight = 0;
        }
        m.atlasX = x;
        m.atlasY = y;
        x += m.width + kPadding;
        rowHeight = std::max(rowHeight, m.height);
    }
    return y + rowHeight + kPadding;
}

// White texels whose alpha is the glyph's coverage.
void CopyCoverage(const RenderedGlyph& glyph, Image& atlas) {
    const SDL_Surface& surface = *glyph.surface;
    for (int row = 0; row < glyph.ink.h; ++row) {
        const auto* source = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface.pixels) +
                                                             (glyph.ink.y + row) * surface.pitch);
        Colour* target =
            &atlas.pixels[static_cast<std::size_t>(glyph.metrics.atlasY + row) * atlas.width + glyph.metrics.atlasX];
        for (int column = 0; column < glyph.ink.w; ++column)
            target[column] = (source[glyph.ink.x + column] & 0xFF000000u) | 0x00FFFFFFu;
    }
}

std::vector<char> ReadWholeFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FontAtlas BuildAtlas(TTF_Font* font, const CellMetrics& metrics, int cellHeight) {
    FontAtlas atlas;
    const int total = metrics.winAscent + metrics.winDescent;
    atlas.ascent = (cellHeight * metrics.winAscent + total / 2) / total;
    atlas.descent = cellHeight - atlas.ascent;
    atlas.lineHeight = cellHeight;
    if (const char* family = TTF_FontFaceFamilyName(font)) atlas.family = family;
    std::vector<RenderedGlyph> glyphs(256);
    for (int byte = 32; byte < 256; ++byte)
        glyphs[static_cast<std::size_t>(byte)] = RenderGlyph(font, static_cast<std::uint8_t>(byte), atlas.ascent);
    const int height = PackGlyphs(glyphs);
    atlas.image = Image{kAtlasWidth, height, {}};
    atlas.image.pixels.assign(static_cast<std::size_t>(kAtlasWidth) * height, 0x00FFFFFFu);
    for (int byte = 32; byte < 256; ++byte) {
        const RenderedGlyph& glyph = glyphs[static_cast<std::size_t>(byte)];
        atlas.glyphs[byte] = glyph.metrics;
        if (glyph.metrics.width > 0) CopyCoverage(glyph, atlas.image);
    }
    return atlas;
}

}  // namespace

std::optional<CellMetrics> ReadCellMetrics(const std::string& file) {
    FreeTypeFace handle(file);
    const FT_Face face = handle.face();
    if (!face || !FT_IS_SCALABLE(face) || face->units_per_EM == 0) return std::nullopt;
    CellMetrics metrics;
    metrics.unitsPerEm = face->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        metrics.winAscent = os2->usWinAscent;
        metrics.winDescent = os2->usWinDescent;
    } else {
        metrics.winAscent = face->ascender;
        metrics.winDescent = -face->descender;
    }
    if (metrics.winAscent + metrics.winDescent <= 0) return std::nullopt;
    metrics.boldFace = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    return metrics;
}

unsigned CellDpi(const CellMetrics& metrics) {
    const int total = metrics.winAscent + metrics.winDescent;
    const int dpi = (72 * metrics.unitsPerEm + total / 2) / total;
    return static_cast<unsigned>(std::max(dpi, 1));
}

std::optional<FontAtlas> RasteriseFace(const std::string& file, int cellHeight, bool bold) {
    if (cellHeight <= 0) return std::nullopt;
    const std::optional<CellMetrics> metrics = ReadCellMetrics(file);
    if (!metrics) return std::nullopt;
    // FreeType reads the face in many small pieces; from memory they cost no
    // system calls. The bytes outlive the font, which is closed first.
    const std::vector<char> bytes = ReadWholeFile(file);
    if (bytes.empty()) return std::nullopt;
    const unsigned dpi = CellDpi(*metrics);
    FontHandle font(TTF_OpenFontDPIRW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1, cellHeight, dpi, dpi));
    if (!font) return std::nullopt;
    if (bold && !metrics->boldFace) TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);
    return BuildAtlas(font.get(), *metrics, cellHeight);
}

}  // namespace glyphora::platform
