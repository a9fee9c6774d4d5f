#include "game/engine/text.h"

#include <algorithm>

namespace glyphora {
namespace {

// Calls visit(line) for each line of text. Lines end at "\n"; a final "\n"
// ends the last line and starts no new one.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(text.substr(0, end));
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

const GlyphBox& GlyphOf(const Font& font, char c) { return font.glyphs[static_cast<unsigned char>(c)]; }

int LineWidth(const Font& font, std::string_view line) {
    int width = 0;
    for (char c : line) width += GlyphOf(font, c).advance;
    return width;
}

struct BlockSize {
    int lines = 0;
    int widest = 0;
};

BlockSize MeasureBlock(const Font& font, std::string_view text) {
    BlockSize size;
    ForEachLine(text, [&](std::string_view line) {
        ++size.lines;
        size.widest = std::max(size.widest, LineWidth(font, line));
    });
    return size;
}

// GDI's placement: centring halves the sum of the edges, so an odd leftover
// pixel goes to the right (or below) and a block larger than the rectangle
// overhangs both sides.
int LineLeft(const Rect& rect, int format, int width) {
    if (format & DT_CENTER) return (rect.left + rect.right - width) / 2;
    if (format & DT_RIGHT) return rect.right - width;
    return rect.left;
}

int BlockTop(const Rect& rect, int format, int height) {
    if (format & DT_VCENTER) return (rect.top + rect.bottom - height) / 2;
    return rect.top;
}

// One glyph's quad, cut to the clip rectangle; the texture coordinates are
// cut with it, so the visible part of the glyph keeps its size.
void DrawGlyph(platform::Device& device, const Font& font, const GlyphBox& glyph, int penX, int lineTop,
               const Rect& clip, Colour colour) {
    const int left = penX + glyph.offsetX, top = lineTop + glyph.offsetY;
    const int x0 = std::max(left, clip.left), x1 = std::min(left + glyph.width, clip.right);
    const int y0 = std::max(top, clip.top), y1 = std::min(top + glyph.height, clip.bottom);
    if (x0 >= x1 || y0 >= y1) return;
    // Texel t of a row maps to t / (size - 1), the renderer's convention.
    const float uScale = 1.0f / float(font.atlas.width - 1), vScale = 1.0f / float(font.atlas.height - 1);
    const float u0 = float(glyph.atlasX + x0 - left) * uScale, u1 = float(glyph.atlasX + x1 - left) * uScale;
    const float v0 = float(glyph.atlasY + y0 - top) * vScale, v1 = float(glyph.atlasY + y1 - top) * vScale;
    const platform::QuadVertices corners = {
        {float(x0), float(y0), colour, u0, v0},
        {float(x1), float(y0), colour, u1, v0},
        {float(x0), float(y1), colour, u0, v1},
        {float(x1), float(y1), colour, u1, v1},
    };
    device.drawQuad(font.atlas.texture.get(), corners);
}

void DrawLine(platform::Device& device, const Font& font, std::string_view line, int penX, int lineTop,
              const Rect& clip, Colour colour) {
    for (char c : line) {
        const GlyphBox& glyph = GlyphOf(font, c);
        if (glyph.width > 0) DrawGlyph(device, font, glyph, penX, lineTop, clip, colour);
        penX += glyph.advance;
    }
}

void CopyGlyphs(const platform::FontAtlas& atlas, Font& font) {
    for (int c = 0; c < 256; ++c) {
        const platform::GlyphMetrics& m = atlas.glyphs[c];
        font.glyphs[c] = {m.atlasX, m.atlasY, m.width, m.height, m.offsetX, m.offsetY, m.advance};
    }
    font.lineHeight = atlas.lineHeight;
}

}  // namespace

void MakeFont(platform::FontSystem* fonts, Renderer& renderer, Font& font, const std::string& face, int height,
              bool bold) {
    font = Font{};
    font.lineHeight = std::max(height, 0);
    if (!fonts || height <= 0) return;
    const std::string file = fonts->resolveFace(face, bold, font.substituted);
    if (file.empty()) return;
    const std::optional<platform::FontAtlas> atlas = fonts->rasterise(file, height, bold);
    if (!atlas) return;
    CopyGlyphs(*atlas, font);
    font.atlas.width = atlas->image.width;
    font.atlas.height = atlas->image.height;
    if (auto* device = renderer.device.get()) font.atlas.texture = device->createTexture(atlas->image);
}

void DestroyFont(Font& font) { font = Font{}; }

void DrawFontText(Renderer& renderer, const Font& font, std::string_view text, const Rect& rect, int format,
                  Colour colour) {
    platform::Device* device = renderer.device.get();
    if ((format & DT_CALCRECT) || !device || !font.atlas.texture || font.atlas.width < 2 || font.atlas.height < 2)
        return;
    const BlockSize block = MeasureBlock(font, text);
    int lineTop = BlockTop(rect, format, block.lines * font.lineHeight);
    // Text colours carry their own alpha, whatever the pictures use.
    const platform::AlphaSource pictures = renderer.alphaSource;
    if (pictures != platform::AlphaSource::Vertex) device->setAlphaSource(platform::AlphaSource::Vertex);
    ForEachLine(text, [&](std::string_view line) {
        DrawLine(*device, font, line, LineLeft(rect, format, LineWidth(font, line)), lineTop, rect, colour);
        lineTop += font.lineHeight;
    });
    if (pictures != platform::AlphaSource::Vertex) device->setAlphaSource(pictures);
}

Rect MeasureText(const Font& font, std::string_view text, const Rect& rect, int) {
    const BlockSize block = MeasureBlock(font, text);
    return {rect.left, rect.top, rect.left + block.widest, rect.top + block.lines * font.lineHeight};
}

}  // namespace glyphora
