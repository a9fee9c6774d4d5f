#pragma once
// A fresh game on fakes with a standard Medium run on the play screen, and
// helpers to place items by hand.
#include <gtest/gtest.h>

#include "game/gameplay/letter_table.h"
#include "game/gameplay/progression.h"
#include "game/screens/screen_table.h"
#include "game/shell/game.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"
#include "game/shell/run_control.h"
#include "platform/fake/fake_platform.h"

namespace glyphora::testing {

class PlayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        StartRenderer(game);
        game.settings.difficulty = kMedium;
        NewGame(game);
        game.field.items.clear();  // each test places its own
        game.run.spawnChance = 0;  // and no frame adds any
    }

    // An item carrying key whose unrotated top edge is at y, not turning.
    FallingItem& addItem(int key, float y, float x = 100, bool tnt = false) {
        FallingItem item;
        item.letter = FindLetter(key);
        item.baseQuad = MakeQuad(x, y, kItemSize, kItemSize);
        item.displayQuad = item.baseQuad;
        item.speed = 20;
        item.lastUpdate = GameTime(game);
        item.tnt = tnt;
        game.field.items.push_back(item);
        return game.field.items.back();
    }

    // Makes the word on offer text, worth points.
    void offerWord(std::string_view text, int points = 100) {
        CurrentWord& word = game.field.word;
        word.length = static_cast<int>(text.size());
        std::copy(text.begin(), text.end(), word.text.begin());
        word.points = points;
        game.field.progress = 0;
    }

    void advance(std::uint32_t ms) { fake.clock.advance(ms); }
    int now() const { return GameTime(game); }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
    PlayModel play = PlayModelOf(game);
    PlayEvents events;  // what the rules called in a test reported
};

}  // namespace glyphora::testing
