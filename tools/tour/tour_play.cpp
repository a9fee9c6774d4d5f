#include "tools/tour/tour_play.h"
#include "game/shell/run_control.h"

#include <cstdlib>
#include <string>

#include "game/gameplay/progression.h"
#include "game/gameplay/spawning.h"
#include "game/shell/game_clock.h"
#include "platform/keys.h"

namespace glyphora::tour {
namespace {

constexpr int kItemsOnStage = 14;   // the keys typed catch a few of them
constexpr float kFieldDepth = 400;  // the spread of the dozen items, top to bottom

void Key(TourHarness& tour, int key) { tour.send({platform::MessageKind::KeyDown, std::uint32_t(key), 0}); }

void Type(TourHarness& tour, std::string_view keys) {
    for (char key : keys) Key(tour, key);
}

// Completes the word on offer by typing it (a life, points, bonus bar).
void CompleteWord(TourHarness& tour) { Type(tour, std::string(tour.game().field.word.view())); }

// A dozen items spawned one after another while the field runs, so that they
// spread over its height; two words are completed early on (their keys catch
// the few items there are then).
void FillField(TourHarness& tour) {
    Game& game = tour.game();
    game.run.spawnChance = 0;  // the scene places its own items
    const int gapMs = static_cast<int>(kFieldDepth / ItemSpeed(game.run) * 1000 / kItemsOnStage);
    for (int i = 0; i < kItemsOnStage; ++i) {
        SpawnItemNow(game);
        tour.advance(gapMs);
        game.run.levelStart = GameTime(game);  // stay on this sub-level
        if (i < 2) CompleteWord(tour);
    }
}

// The scene needs one TNT item; the odds give one in twenty.
void EnsureTnt(Game& game) {
    for (const FallingItem& item : game.field.items)
        if (item.tnt) return;
    FallingItem& item = game.field.items[game.field.items.size() / 2];
    item.tnt = true;
    item.style = regions::kTntStyle;
}

// Catches the lowest plain item by pressing its key.
void CatchLowest(TourHarness& tour) {
    const FallingItem* lowest = nullptr;
    for (const FallingItem& item : tour.game().field.items)
        if (!item.tnt && !item.beingCaught() &&
            (!lowest ||
             QuadExtreme(item.displayQuad, QuadSide::Bottom) > QuadExtreme(lowest->displayQuad, QuadSide::Bottom)))
            lowest = &item;
    if (lowest) Key(tour, LetterTable[lowest->letter].key);
}

// Lets the field run until a letter falls out ("Bonus Bar Lost!").
void LetALetterFall(TourHarness& tour) {
    Game& game = tour.game();
    const int lives = game.run.lives;
    for (int ms = 0; ms < 10000 && game.run.lives == lives; ms += 16) tour.advance(16);
}

void StageLevel(TourHarness& tour, int level) {
    tour.startUp();
    Game& game = tour.game();
    game.settings.difficulty = kMedium;
    NewGame(game);
    game.random.reseed(static_cast<unsigned>(level) * 7919u);
    EnterSubLevel(game, level - 1);
    FillField(tour);
    EnsureTnt(game);
}

// Types the first half of the word on offer.
void HalfTypeWord(TourHarness& tour) {
    const std::string word(tour.game().field.word.view());
    Type(tour, std::string_view(word).substr(0, word.size() / 2));
}

bool PlayLevel(TourHarness& tour, int level) {
    StageLevel(tour, level);
    Game& game = tour.game();
    if (level == 3) {
        LetALetterFall(tour);
    } else {
        game.run.tntCharges = level % 3 + 1;
    }
    CatchLowest(tour);
    HalfTypeWord(tour);
    tour.advance(150);
    return tour.capture("play-level-" + std::to_string(level));
}

bool PlayBlast(TourHarness& tour) {
    StageLevel(tour, 2);
    tour.game().run.tntCharges = 2;
    Key(tour, vk::Enter);
    tour.advance(450);
    return tour.capture("play-blast");
}

}  // namespace

void AddPlayScenes(std::vector<Scene>& scenes) {
    scenes.push_back({"play-level-1", [](TourHarness& tour) { return PlayLevel(tour, 1); }});
    scenes.push_back({"play-level-2", [](TourHarness& tour) { return PlayLevel(tour, 2); }});
    scenes.push_back({"play-level-3", [](TourHarness& tour) { return PlayLevel(tour, 3); }});
    scenes.push_back({"play-level-4", [](TourHarness& tour) { return PlayLevel(tour, 4); }});
    scenes.push_back({"play-level-5", [](TourHarness& tour) { return PlayLevel(tour, 5); }});
    scenes.push_back({"play-blast", PlayBlast});
}

}  // namespace glyphora::tour
