#pragma once
// The word on offer: chosen at random from the word list within the length
// range of the difficulty, worth more the rarer it is.
#include <cstdint>
#include <string_view>

#include "game/gameplay/play_model.h"

namespace glyphora {

// Base points of a word: 10 per character, times 1.5, 1.2, 1, 0.8 or 0.5 as
// its frequency is below 0.1, 0.7, 1.3, 5 or at least 5 times the average.
// An average of 0 or less counts every word as average.
int WordPoints(int length, std::int32_t frequency, std::int32_t averageFrequency);

// True when the word list holds a word within the difficulty's lengths.
bool HasWordFor(const WordList& list, int difficulty);

// A small list of everyday words of 6 to 8 characters, which fit every
// difficulty; offered when the loaded list has none that fits.
const WordList& BuiltInWords();

// Makes a random word of the difficulty's lengths the word on offer and
// resets its progress. The keys typed so far are kept, so the next key is
// matched against the new word with them.
void PickNextWord(PlayModel& play);

}  // namespace glyphora
