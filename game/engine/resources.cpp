#include "game/engine/resources.h"

#include <bitset>

#include "common/swap_file_bytes.h"
#include "game/data/data_paths.h"
#include "game/engine/font_table.h"
#include "game/engine/game_widgets.h"
#include "game/engine/sheet_regions.h"
#include "game/engine/title_font.h"
#include "game/screens/credits_pages.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"

namespace glyphora {
namespace {

using Restored = std::bitset<kStoredAssetCount>;

void LoadSheet(Game& game, Texture& sheet, regions::Sheet which) {
    const regions::SheetInfo& info = regions::InfoOf(which);
    LoadTexture(game, sheet, info.width, info.height, info.colourKey, info.file);
}

Sprite SpriteOf(const Texture& sheet, const regions::Region& region) {
    return MakeSprite(sheet, region.x, region.y, region.w, region.h);
}

// A file that cannot be restored is left as it is and, not having been
// restored, is not swapped again afterwards either.
Restored RestoreStoredAssets() {
    Restored restored;
    for (int i = 0; i < kStoredAssetCount; ++i) restored[std::size_t(i)] = SwapFileBytes(kStoredAssets[i]);
    return restored;
}

void StoreAsset(const Restored& restored, int i) {
    if (restored[std::size_t(i)]) SwapFileBytes(kStoredAssets[i]);
}

// The pictures first; the progress row completes as soon as they are stored.
void StoreRestoredAssets(Game& game, const Restored& restored) {
    for (int i = 0; i < kStoredPictures; ++i) StoreAsset(restored, i);
    if (game.resources.loadingProgress == kLoadingSteps - 1) ShowLoadingProgress(game, kLoadingSteps);
    for (int i = kStoredPictures; i < kStoredAssetCount; ++i) StoreAsset(restored, i);
}

void LoadSheetsShowingProgress(Game& game) {
    Resources& r = game.resources;
    LoadSheet(game, r.shapesSheet, regions::Sheet::Shapes);
    ShowLoadingProgress(game, 2);
    LoadSheet(game, r.design2Sheet, regions::Sheet::Design2);
    ShowLoadingProgress(game, 3);
    LoadSheet(game, r.design1Sheet, regions::Sheet::Design1);
    ShowLoadingProgress(game, 4);
    LoadSheet(game, r.design3Sheet, regions::Sheet::Design3);
}

void CreateSprites(Game& game) {
    Resources& r = game.resources;
    r.itemShapes[0] = SpriteOf(r.shapesSheet, regions::ItemShapes1);
    r.itemShapes[1] = SpriteOf(r.shapesSheet, regions::ItemShapes2);
    r.itemShapes[2] = SpriteOf(r.shapesSheet, regions::ItemShapes3);
    r.letterGlyphs = SpriteOf(r.design2Sheet, regions::LetterGlyphs);
    r.lifeIcon = SpriteOf(r.design2Sheet, regions::LifeIcon);
    r.sliderSegment = SpriteOf(r.design2Sheet, regions::SliderSegment);
    r.sliderGap = SpriteOf(r.design2Sheet, regions::SliderGap);
    r.scratch = MakeSprite(r.design1Sheet, 0, 0, 0, 0);
    constexpr regions::Region blast = regions::BlastAnimation;
    r.blastAnimation = MakeAnimatedSprite(r.design2Sheet, blast.x, blast.y, blast.w, blast.h, 3, 250, true, true,
                                          static_cast<std::uint32_t>(GameTime(game)));
}

void ReleaseSprites(Resources& r) {
    for (Sprite& shape : r.itemShapes) shape = Sprite{};
    r.letterGlyphs = r.lifeIcon = r.sliderSegment = r.sliderGap = r.scratch = r.creditsFinale = Sprite{};
    r.blastAnimation = AnimatedSprite{};
}

}  // namespace

void LoadSplash(Game& game) {
    Resources& r = game.resources;
    const bool restored = SwapFileBytes(kStoredSplash);
    LoadSheet(game, r.splashSheet, regions::Sheet::Splash);
    if (restored) SwapFileBytes(kStoredSplash);
    r.splashLogo = SpriteOf(r.splashSheet, regions::SplashLogo);
    r.progressSquare = SpriteOf(r.splashSheet, regions::ProgressSquare);
}

void LoadAllResources(Game& game) {
    InstallTitleFont(game);
    const Restored restored = RestoreStoredAssets();
    ShowLoadingProgress(game, 1);
    LoadSheetsShowingProgress(game);
    CreateSprites(game);
    MakeAllFonts(game);
    CreateGameWidgets(game);
    game.resources.creditsFinale = SpriteOf(game.resources.design1Sheet, regions::CreditsFinale);
    // The sound library starts here and loads kEffectFiles in order, running
    // the audio-runtime installer once when the runtime is missing.
    game.words = LoadWordList(paths::kWordList);
    StoreRestoredAssets(game, restored);
    // The cheat-phrase matchers are made here, and the play field's counters
    // take their start values.
    BuildCreditPages(game);
}

void ReleaseSplash(Game& game) {
    Resources& r = game.resources;
    ReleaseTexture(r.splashSheet);
    r.splashLogo = r.progressSquare = Sprite{};
}

void ReleaseAllResources(Game& game) {
    Resources& r = game.resources;
    game.words = WordList{};
    DestroySliders(game);
    DestroyAllFonts(game);
    ReleaseSprites(r);
    DestroyButtonsAndFields(game);
    for (Texture* sheet : {&r.design1Sheet, &r.design2Sheet, &r.design3Sheet, &r.shapesSheet}) ReleaseTexture(*sheet);
    RemoveTitleFont(game);
    // The sound library shuts down here.
    if (game.platform.files) game.platform.files->remove(paths::kTemp);
    FreeCreditPages(game);
}

void ShowLoadingProgress(Game& game, int step) {
    game.resources.loadingProgress = step;
    DrawFrame(game);
}

}  // namespace glyphora
