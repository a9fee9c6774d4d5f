#pragma once
#include <cstdint>
#include <string>
#include <string_view>
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
// line, then N lines 'WORD FREQUENCY' (CR LF or LF line ends, blanks after
// the frequency allowed). Never fails; the result holds only entries of
// exactly that form, whose word a player can type:
//  - a first line that is not a number gives an empty list;
//  - a line whose word is empty, longer than kMaxWordLength or holds a
//    character other than A-Z and 0-9, or whose frequency is not a decimal
//    number, is dropped (a frequency beyond the 32-bit range is clamped);
//  - the reading stops at the end of the text, so a count larger than the
//    lines that follow yields the lines there are (a huge count costs
//    nothing);
//  - when fewer than half of the lines read are entries, the text is not a
//    word list at all (a damaged file, or one read in the wrong form) and
//    the list is empty.
// The caller supplies its built-in words when the list is empty.
WordList ParseWordList(std::string_view plain);

// The game's word list file, which lies on disk byte-pair swapped: read and
// brought into its plain form in memory (the file is never changed), then
// parsed. A missing or unreadable file gives an empty list.
WordList LoadStoredWordList(const std::string& path);

}  // namespace glyphora
