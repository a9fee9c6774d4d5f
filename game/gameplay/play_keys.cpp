#include "game/gameplay/play_keys.h"

#include <algorithm>
#include <cstdlib>

#include "game/audio/sound_effects.h"
#include "game/gameplay/cheats.h"
#include "game/gameplay/falling_items.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/word_choice.h"
#include "game/shell/game_clock.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr std::string_view kAnother = "ANOTHER";
constexpr float kCheatPanicRelief = 100;

int FromKeypad(int key) {
    return key >= vk::Numpad0 && key <= vk::Numpad0 + 9 ? vk::Digit0 + (key - vk::Numpad0) : key;
}

bool IsPlayKey(int key) { return (key >= 0x30 && key <= 0x5A) || key == vk::Space; }

// Catches a falling item with this key, if there is one. True when caught.
bool CatchLetter(Game& game, int key) {
    const int letter = FindLetter(key);
    FallingItem* target = letter >= 0 ? ChooseTarget(game.field, letter) : nullptr;
    if (!target) return false;
    StartCatchAnimation(*target, GameTime(game));
    CreditLetter(game);
    const bool chargeGained = target->tnt && CountTntLetter(game);
    if (!chargeGained) PlayEffect(game, Letter1 + std::rand() % 4);
    PanicRelief(game);
    ++game.run.lettersCaught;
    return true;
}

// Matches the key against the word on offer. True when it extends a match.
bool TypeWordKey(Game& game, int key) {
    PlayField& field = game.field;
    field.history.append(static_cast<char>(key));
    field.progress = WordProgress(field.history, field.word.view());
    if (field.progress == 0) return false;
    PanicRelief(game);
    PlayEffect(game, WordLetter);
    if (field.progress == field.word.length) {
        field.history.clear();
        CreditWord(game);
        PickNextWord(game);
        ++game.run.wordsCompleted;
    }
    return true;
}

// Typing "ANOTHER" in a row swaps the word on offer. True when the key
// continued the sequence.
bool TypeAnotherKey(Game& game, int key) {
    PlayField& field = game.field;
    if (key != kAnother[static_cast<std::size_t>(field.anotherProgress)]) {
        field.anotherProgress = 0;
        return false;
    }
    if (++field.anotherProgress == static_cast<int>(kAnother.size())) {
        PickNextWord(game);
        field.anotherProgress = 0;
    }
    return true;
}

}  // namespace

int WordProgress(const TypedHistory& history, std::string_view word) {
    const int longest = std::min(static_cast<int>(word.size()), history.count);
    for (int n = longest; n > 0; --n) {
        const char* tail = history.keys.data() + (history.count - n);
        if (std::equal(tail, tail + n, word.begin())) return n;
    }
    return 0;
}

FallingItem* ChooseTarget(PlayField& field, int letter) {
    FallingItem* target = nullptr;
    for (FallingItem& item : field.items) {
        if (item.letter != letter || item.beingCaught()) continue;
        if (target && item.tnt) return &item;
        if (!target || QuadExtreme(item.displayQuad, QuadSide::Bottom) > QuadExtreme(target->displayQuad, QuadSide::Bottom))
            target = &item;
    }
    return target;
}

void HandlePlayKey(Game& game, int key) {
    bool mistake = true;
    if (const int accepted = FeedCheatMatchers(game, key); accepted > 0) {
        mistake = false;
        game.run.panic -= kCheatPanicRelief * static_cast<float>(accepted);  // may go below 0 here
    }
    if (game.screen.current != ScreenKind::Play || game.shell.paused) return;
    key = FromKeypad(key);
    if (!IsPlayKey(key)) return;
    const std::uint32_t tick = game.platform.clock->tickCount();
    if (PanicLocked(game, tick)) return;
    if (CatchLetter(game, key)) mistake = false;
    if (TypeWordKey(game, key)) mistake = false;
    if (TypeAnotherKey(game, key)) mistake = false;
    if (mistake && game.field.misses.justMissed(key, tick)) mistake = false;
    if (mistake) RegisterMistake(game);
}

}  // namespace glyphora
