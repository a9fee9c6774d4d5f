#pragma once
// Drawing a region of the sheet-region table through the shared scratch
// sprite, so that screens never retype a region's numbers.
#include "game/engine/resources.h"
#include "game/engine/sheet_regions.h"

namespace glyphora {

// The loaded texture of a sheet.
const Texture& SheetTexture(const Resources& resources, regions::Sheet sheet);
Texture& SheetTexture(Resources& resources, regions::Sheet sheet);

// Points the scratch sprite at region and draws its frame (u, v) at (x, y).
// DrawRegionPart takes width pixels from srcXOffset on; its frames then step
// by that width across and by the region's height down.
void DrawRegion(Renderer& renderer, Resources& sheets, const regions::Region& region, float x, float y, int u = 0,
                int v = 0);
void DrawRegionPart(Renderer& renderer, Resources& sheets, const regions::Region& region, int srcXOffset, int width,
                    float x, float y, int u, int v);

}  // namespace glyphora
