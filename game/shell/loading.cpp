#include "game/shell/loading.h"

#include "game/data/data_paths.h"
#include "game/engine/font_table.h"
#include "game/engine/sheet_regions.h"
#include "game/engine/title_font.h"
#include "game/gameplay/cheat_codes.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/game_widgets.h"
#include "game/shell/main_loop.h"
#include "game/shell/sound.h"

namespace glyphora {
namespace {

// Every sheet lies on disk byte-pair swapped; the loader swaps it back in
// memory, so the game folder may be read-only and no crash can leave a
// sheet in the wrong form.
void LoadSheet(Game& game, Texture& sheet, regions::Sheet which) {
    const regions::SheetInfo& info = regions::InfoOf(which);
    LoadTexture(game.renderer, sheet, info.width, info.height, info.colourKey, info.file,
                platform::FileForm::PairSwapped);
}

Sprite SpriteOf(const Texture& sheet, const regions::Region& region) {
    return MakeSprite(sheet, region.x, region.y, region.w, region.h);
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
    ShowLoadingProgress(game, kLoadingSteps);
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
    LoadSheet(game, r.splashSheet, regions::Sheet::Splash);
    r.splashLogo = SpriteOf(r.splashSheet, regions::SplashLogo);
    r.progressSquare = SpriteOf(r.splashSheet, regions::ProgressSquare);
}

void LoadAllResources(Game& game) {
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    ShowLoadingProgress(game, 1);
    LoadSheetsShowingProgress(game);
    CreateSprites(game);
    MakeAllFonts(game.platform.fonts, game.renderer, game.fonts);
    CreateGameWidgets(game);
    game.resources.creditsFinale = SpriteOf(game.resources.design1Sheet, regions::CreditsFinale);
    StartSound(game);
    game.words = LoadStoredWordList(paths::kWordList);
    BuildCheatMatchers(game.cheats);
    for (const ScreenDefinition* screen : game.screens)
        if (screen && screen->loadResources) screen->loadResources(game);
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
    // The screens' own fonts (the credits' lines) go with the others, before
    // the title face's registration.
    for (const ScreenDefinition* screen : game.screens)
        if (screen && screen->releaseResources) screen->releaseResources(game);
    DestroyAllFonts(game.fonts);
    ReleaseSprites(r);
    DestroyButtonsAndFields(game);
    for (Texture* sheet : {&r.design1Sheet, &r.design2Sheet, &r.design3Sheet, &r.shapesSheet}) ReleaseTexture(*sheet);
    RemoveTitleFont(game.platform.fonts, game.log);
    StopSound(game);
    if (game.platform.files) game.platform.files->remove(paths::kTemp);
}

void ShowLoadingProgress(Game& game, int step) {
    game.resources.loadingProgress = step;
    DrawFrame(game, FramePacing::None);
}

}  // namespace glyphora
