#include "game/shell/play_assets.h"

#include "common/swap_file_bytes.h"
#include "game/data/data_paths.h"
#include "game/engine/sheet_drawing.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

constexpr const char* kTitleFace = "Bebas Neue";

// The stored files are kept byte-pair swapped between runs: restored around
// reading them only. A file that could not be restored is not swapped back.
struct RestoredFile {
    explicit RestoredFile(const char* file) : path(file), restored(SwapFileBytes(file)) {}
    ~RestoredFile() {
        if (restored) SwapFileBytes(path);
    }
    RestoredFile(const RestoredFile&) = delete;
    RestoredFile& operator=(const RestoredFile&) = delete;
    const char* path;
    bool restored;
};

void LoadSheet(Game& game, regions::Sheet sheet) {
    const regions::SheetInfo& info = regions::InfoOf(sheet);
    Texture& texture = SheetTexture(game.resources, sheet);
    RestoredFile file(info.file);
    LoadTexture(game, texture, info.width, info.height, info.colourKey, info.file);
}

Sprite SpriteOf(Game& game, const regions::Region& region) {
    return MakeSprite(SheetTexture(game.resources, region.sheet), region.x, region.y, region.w, region.h);
}

void MakeSprites(Game& game) {
    Resources& resources = game.resources;
    resources.itemShapes[0] = SpriteOf(game, regions::ItemShapes1);
    resources.itemShapes[1] = SpriteOf(game, regions::ItemShapes2);
    resources.itemShapes[2] = SpriteOf(game, regions::ItemShapes3);
    resources.letterGlyphs = SpriteOf(game, regions::LetterGlyphs);
    resources.lifeIcon = SpriteOf(game, regions::LifeIcon);
    resources.scratch = MakeSprite(resources.design1Sheet, 0, 0, 0, 0);
    const regions::Region& blast = regions::BlastAnimation;
    resources.blastAnimation = MakeAnimatedSprite(resources.design2Sheet, blast.x, blast.y, blast.w, blast.h, 3, 250,
                                                  true, true, game.platform.clock->tickCount());
}

void MakeHudFonts(Game& game) {
    const struct {
        FontName name;
        int height;
    } fonts[] = {{HudFont30, 30}, {HudFont36a, 36}, {HudFont36b, 36}, {HudFont28, 28}, {HudFont40, 40}};
    for (const auto& font : fonts) MakeFont(game, game.fonts[font.name], kTitleFace, font.height, false);
}

}  // namespace

void LoadPlayAssets(Game& game) {
    LoadSheet(game, regions::Sheet::Shapes);
    LoadSheet(game, regions::Sheet::Design2);
    MakeSprites(game);
    MakeHudFonts(game);
    RestoredFile wordList(paths::kWordList);
    game.words = LoadWordList(paths::kWordList);
}

}  // namespace glyphora
