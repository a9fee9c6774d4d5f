#include "game/engine/sheet_drawing.h"

namespace glyphora {

const Texture& SheetTexture(const Resources& resources, regions::Sheet sheet) {
    switch (sheet) {
        case regions::Sheet::Splash: return resources.splashSheet;
        case regions::Sheet::Shapes: return resources.shapesSheet;
        case regions::Sheet::Design1: return resources.design1Sheet;
        case regions::Sheet::Design2: return resources.design2Sheet;
        case regions::Sheet::Design3: return resources.design3Sheet;
    }
    return resources.design1Sheet;
}

Texture& SheetTexture(Resources& resources, regions::Sheet sheet) {
    return const_cast<Texture&>(SheetTexture(static_cast<const Resources&>(resources), sheet));
}

void DrawRegionPart(Renderer& renderer, Resources& sheets, const regions::Region& region, int srcXOffset, int width,
                    float x, float y, int u, int v) {
    Sprite& scratch = sheets.scratch;
    scratch.texture = &SheetTexture(sheets, region.sheet);
    scratch.srcX = region.x + srcXOffset;
    scratch.srcY = region.y;
    scratch.srcW = width;
    scratch.srcH = region.h;
    DrawSprite(renderer, scratch, x, y, u, v);
}

void DrawRegion(Renderer& renderer, Resources& sheets, const regions::Region& region, float x, float y, int u, int v) {
    DrawRegionPart(renderer, sheets, region, 0, region.w, x, y, u, v);
}

}  // namespace glyphora
