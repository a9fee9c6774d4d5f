#pragma once
// The cheat codes' state: eight matchers fed every key-down on every screen,
// and what the codes switched on. "UNLOCK TRICKS" unlocks the other seven for
// the rest of the program run; they act on the play screen only.
#include <array>
#include <bitset>
#include <string_view>

namespace glyphora {

struct CheatContext;  // what a code's action works on (cheat_codes.h)

inline constexpr int kCheatCount = 8;

// One code, matched key by key: progress counts the characters typed in a
// row; action runs when the whole code was typed.
struct CheatMatcher {
    std::string_view code;
    int length = 0;
    int progress = 0;
    void (*action)(CheatContext&) = nullptr;
};

// For each matcher, by index, whether it accepted a key.
using CheatAcceptance = std::bitset<kCheatCount>;

struct CheatState {
    // Made by the resource loader; until then every matcher is empty and
    // accepts nothing.
    std::array<CheatMatcher, kCheatCount> matchers{};
    bool enabled = false;           // unlocked: never cleared within a program run
    bool invulnerable = false;      // a letter that leaves the field costs no life; cleared by a new run
    bool trackChoiceArmed = false;  // the next digit 1-7 picks the music track
    int levelChoiceState = 0;       // 0 off, 1 waiting for the first digit, 2 for the second
    int levelChoiceValue = 0;
    // Set when a code arms a choice: the code's own last key still sends its
    // character, which must not count as the choice.
    bool skipNextCharacter = false;
};

}  // namespace glyphora
