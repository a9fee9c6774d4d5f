#include "game/gameplay/play_keys.h"

#include <algorithm>

#include "game/gameplay/falling_items.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/word_choice.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr std::string_view kAnother = "ANOTHER";

int FromKeypad(int key) {
    return key >= vk::Numpad0 && key <= vk::Numpad0 + 9 ? vk::Digit0 + (key - vk::Numpad0) : key;
}

bool IsPlayKey(int key) { return (key >= 0x30 && key <= 0x5A) || key == vk::Space; }

// Catches a falling item with this key, if there is one. True when caught.
bool CatchLetter(PlayModel& play, int key, int now, PlayEvents& events) {
    const int letter = FindLetter(key);
    FallingItem* target = letter >= 0 ? ChooseTarget(play.field, letter) : nullptr;
    if (!target) return false;
    StartCatchAnimation(*target, now, play.random);
    CreditLetter(play);
    const bool chargeGained = target->tnt && CountTntLetter(play, now, events);
    if (!chargeGained) events.letterSound = play.random.below(4);
    PanicRelief(play.run);
    ++play.run.lettersCaught;
    return true;
}

// Matches the key against the word on offer. True when it extends a match.
bool TypeWordKey(PlayModel& play, int key, int now, PlayEvents& events) {
    PlayField& field = play.field;
    field.history.append(static_cast<char>(key));
    field.progress = WordProgress(field.history, field.word.view());
    if (field.progress == 0) return false;
    PanicRelief(play.run);
    events.wordLetter = true;
    if (field.progress == field.word.length) {
        field.history.clear();
        CreditWord(play, now, events);
        PickNextWord(play);
        ++play.run.wordsCompleted;
        events.wordDone = true;
    }
    return true;
}

// Typing "ANOTHER" in a row swaps the word on offer. True when the key
// continued the sequence.
bool TypeAnotherKey(PlayModel& play, int key) {
    PlayField& field = play.field;
    if (key != kAnother[static_cast<std::size_t>(field.anotherProgress)]) {
        field.anotherProgress = 0;
        return false;
    }
    if (++field.anotherProgress == static_cast<int>(kAnother.size())) {
        PickNextWord(play);
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
        if (!target ||
            QuadExtreme(item.displayQuad, QuadSide::Bottom) > QuadExtreme(target->displayQuad, QuadSide::Bottom))
            target = &item;
    }
    return target;
}

PlayEvents HandleRunKey(PlayModel& play, int key, int now, std::uint32_t tick, bool cheatAccepted) {
    PlayEvents events;
    key = FromKeypad(key);
    if (!IsPlayKey(key) || PanicLocked(play.run, tick)) return events;
    bool mistake = !cheatAccepted;
    if (CatchLetter(play, key, now, events)) mistake = false;
    if (TypeWordKey(play, key, now, events)) mistake = false;
    if (TypeAnotherKey(play, key)) mistake = false;
    if (mistake && play.field.misses.justMissed(key, tick)) mistake = false;
    if (mistake) RegisterMistake(play.run, tick, now);
    return events;
}

}  // namespace glyphora
