#include "game/gameplay/word_choice.h"

#include <algorithm>

#include "game/gameplay/level_tables.h"

namespace glyphora {
namespace {

bool FitsDifficulty(std::string_view word, int difficulty) {
    const DifficultyRow& row = kDifficulties[difficulty];
    const int length = static_cast<int>(word.size());
    return length >= row.shortestWord && length <= row.longestWord && length <= CurrentWord::kCapacity;
}

// Percent of the base points, by the ratio of frequency to average.
int RarityPercent(double ratio) {
    if (ratio < 0.1) return 150;
    if (ratio < 0.7) return 120;
    if (ratio < 1.3) return 100;
    if (ratio < 5) return 80;
    return 50;
}

WordList MakeBuiltInWords() {
    WordList list;
    for (const char* word : {"LETTER", "TYPING", "KEYBOARD", "FALLING", "PLAYER", "LETTERS", "GLYPHS", "CATCHER",
                             "SPELLING", "QUICKLY", "SCREEN", "FINGERS"})
        list.entries.push_back({word, 100});
    list.count = static_cast<std::int32_t>(list.entries.size());
    list.averageFrequency = 100;
    return list;
}

}  // namespace

int WordPoints(int length, std::int32_t frequency, std::int32_t averageFrequency) {
    const double ratio = averageFrequency > 0 ? double(frequency) / double(averageFrequency) : 1.0;
    // Whole-number percentages keep the points exact integers (70 at 120 % is
    // 84). Products in doubles happen to come out whole for every word length
    // too (70 x 1.2 is exactly 84.0), but integers do not rely on that.
    return length * 10 * RarityPercent(ratio) / 100;
}

bool HasWordFor(const WordList& list, int difficulty) {
    return std::any_of(list.entries.begin(), list.entries.end(),
                       [&](const WordEntry& entry) { return FitsDifficulty(entry.word, difficulty); });
}

const WordList& BuiltInWords() {
    static const WordList words = MakeBuiltInWords();
    return words;
}

void PickNextWord(PlayModel& play) {
    const int difficulty = play.run.difficulty;
    const WordList& list = HasWordFor(play.words, difficulty) ? play.words : BuiltInWords();
    const int count = static_cast<int>(list.entries.size());
    const WordEntry* entry = nullptr;
    do {
        entry = &list.entries[static_cast<std::size_t>(play.random.below(count))];
    } while (!FitsDifficulty(entry->word, difficulty));
    CurrentWord& word = play.field.word;
    word.length = static_cast<int>(entry->word.size());
    std::copy_n(entry->word.data(), word.length, word.text.data());
    word.text[static_cast<std::size_t>(word.length)] = '\0';
    word.points = WordPoints(word.length, entry->frequency, list.averageFrequency);
    play.field.progress = 0;
}

}  // namespace glyphora
