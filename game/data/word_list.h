#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

struct WordEntry {
    std::string word;  // 1 to kMaxWordLength characters, A-Z and 0-9
    std::int32_t frequency = 0;
};

// Every word the play field can offer, in file order, with the integer mean
// of their frequencies (0 for an empty list).
struct WordList {
    std::int32_t count = 0;
    std::vector<WordEntry> entries;
    std::int32_t averageFrequency = 0;
};

inline constexpr std::size_t kMaxWordLength = 19;

// Reads a word list in its plain form: the number of words N on the first
// line, then N lines 'WORD FREQUENCY'. Never fails; the result holds only
// words a player can type:
//  - the reading stops at the end of the file, so a count larger than the
//    lines that follow yields the lines there are (and a huge count costs
//    nothing);
//  - a word longer than kMaxWordLength is cut to that length;
//  - an entry whose word is empty or holds a character other than A-Z and
//    0-9 is dropped, since no key of the play field could type it;
//  - a frequency that is not a number, or is negative, counts as 0;
//  - a missing or unreadable file gives an empty list: the caller supplies
//    its built-in words then.
WordList LoadWordList(const std::string& path);

}  // namespace glyphora
