// Review pictures: a sheet over a checkerboard with every region outlined
// and named. Not shipped with the game.
#pragma once

#include "game/engine/sheet_regions.h"
#include "tools/artgen/image.h"
#include "tools/artgen/studio.h"

namespace glyphora::artgen {

Image ContactSheet(const Image& sheet, regions::Sheet which, const Studio& studio);

}  // namespace glyphora::artgen
