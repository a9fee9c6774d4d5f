// Reading the step notations of music_model.h: a pattern or phrase becomes a
// list of tokens, one per step, and the tokens become notes that last until
// the next token that is not a hold ('-').
#pragma once

#include <string>
#include <vector>

namespace glyphora::soundgen {

// One token per character, spaces and bar lines dropped: "x.x. |x..." .
std::vector<std::string> CharacterSteps(const std::string& text);

// One token per space-separated word, bar lines dropped: "5' - b3 . | 1".
std::vector<std::string> WordSteps(const std::string& text);

struct StepEvent {
    int step = 0;    // index of the token that starts it
    int length = 1;  // the token's step plus the holds after it
    std::string token;
};

// Notes of a step sequence: every token but '-' and '.' starts one.
std::vector<StepEvent> ReadSteps(const std::vector<std::string>& steps);

}  // namespace glyphora::soundgen
