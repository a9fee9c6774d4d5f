#include "tools/tour/tour_game_over.h"
#include "game/shell/run_control.h"

#include <cstdlib>
#include <string_view>

#include "game/gameplay/progression.h"
#include "game/gameplay/spawning.h"
#include "platform/keys.h"

namespace glyphora::tour {
namespace {

void Key(TourHarness& tour, int key) { tour.send({platform::MessageKind::KeyDown, std::uint32_t(key), 0}); }

void TypeChars(TourHarness& tour, std::string_view text) {
    for (char c : text) tour.send({platform::MessageKind::Char, static_cast<unsigned char>(c), 0});
}

// A Medium run on sub-level s with a few letters falling and a score.
Game& StartRunOn(TourHarness& tour, int subLevel, bool freeGame = false) {
    tour.startUp();
    Game& game = tour.game();
    game.random.reseed(4242);
    game.settings.difficulty = kMedium;
    game.run.freeGame = freeGame;
    NewGame(game);
    EnterSubLevel(game, subLevel);
    for (int i = 0; i < 6; ++i) SpawnItemNow(game);
    tour.advance(1500);
    return game;
}

bool Pause(TourHarness& tour, int subLevel, std::initializer_list<int> keys, const char* picture) {
    StartRunOn(tour, subLevel);
    for (int key : keys) Key(tour, key);
    tour.advance(300);
    return tour.capture(picture);
}

bool PauseAway(TourHarness& tour) {
    StartRunOn(tour, 4);
    tour.send({platform::MessageKind::Activate, 0, 0});
    tour.advance(300);
    return tour.capture("pause-away");
}

bool PauseVolume(TourHarness& tour) {
    Game& game = StartRunOn(tour, 1);
    game.settings.musicVolume = 5;
    game.settings.soundVolume = 8;
    Key(tour, vk::F1);
    Key(tour, vk::F6);
    Key(tour, vk::F7);
    tour.advance(500);
    return tour.capture("pause-volume");
}

// The local Medium table full of better scores, so that a run's score earns
// no place.
void FillMediumTable(Game& game) {
    for (int rank = 1; rank <= 5; ++rank) game.store.setScore(kMedium, rank, 100000 - 10000 * rank);
}

// Ends the run with Esc, Esc, as a player quits it, at stage 1 (level 7).
void EndRun(TourHarness& tour, Game& game, int score) {
    game.run.stage = 1;
    game.store.setRunScore(score);
    Key(tour, vk::Escape);
    Key(tour, vk::Escape);
}

bool GameOverNameEntry(TourHarness& tour) {
    Game& game = StartRunOn(tour, 1);
    game.settings.defaultName.clear();
    EndRun(tour, game, 23450);
    tour.advance(800);
    TypeChars(tour, "Ada Lovelace");
    tour.advance(100);
    return tour.capture("game-over-name-entry");
}

bool GameOverPlain(TourHarness& tour) {
    Game& game = StartRunOn(tour, 1);
    FillMediumTable(game);
    EndRun(tour, game, 12340);
    tour.advance(800);
    return tour.capture("game-over");
}

bool GameOverCheater(TourHarness& tour) {
    Game& game = StartRunOn(tour, 1);
    game.store.setCheated(true);
    EndRun(tour, game, 99990);
    tour.advance(800);
    return tour.capture("game-over-cheater");
}

// Two minutes of a free game, kept alive so that the player quits it.
bool GameOverFreeGame(TourHarness& tour) {
    StartRunOn(tour, 2, true).cheats.invulnerable = true;
    tour.advance(125000, 500);
    Key(tour, vk::Escape);
    Key(tour, vk::Escape);
    tour.advance(800);
    return tour.capture("game-over-free-game");
}

}  // namespace

void AddPauseAndGameOverScenes(std::vector<Scene>& scenes) {
    scenes.push_back({"pause-key", [](TourHarness& t) { return Pause(t, 0, {vk::F1}, "pause-key"); }});
    scenes.push_back(
        {"pause-confirm-quit", [](TourHarness& t) { return Pause(t, 2, {vk::Escape}, "pause-confirm-quit"); }});
    // A fresh installation asks before F3 starts a new game.
    scenes.push_back(
        {"pause-confirm-new-game", [](TourHarness& t) { return Pause(t, 3, {vk::F3}, "pause-confirm-new-game"); }});
    scenes.push_back({"pause-away", PauseAway});
    scenes.push_back({"pause-volume", PauseVolume});
    scenes.push_back({"game-over-name-entry", GameOverNameEntry});
    scenes.push_back({"game-over", GameOverPlain});
    scenes.push_back({"game-over-cheater", GameOverCheater});
    scenes.push_back({"game-over-free-game", GameOverFreeGame});
}

}  // namespace glyphora::tour
