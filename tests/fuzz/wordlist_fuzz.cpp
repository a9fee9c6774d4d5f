// Reads any bytes as a word list and checks what the play field relies on.
#include <algorithm>

#include <string_view>

#include "fuzz_file.h"
#include "game/data/word_list.h"

using namespace glyphora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    WordList list = ParseWordList(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::Require(list.count == static_cast<std::int32_t>(list.entries.size()));
    std::int32_t highest = 0;
    for (const WordEntry& entry : list.entries) {
        fuzz::Require(!entry.word.empty() && entry.word.size() <= kMaxWordLength);
        fuzz::Require(std::all_of(entry.word.begin(), entry.word.end(),
                                  [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }));
        fuzz::Require(entry.frequency >= 0);
        highest = std::max(highest, entry.frequency);
    }
    fuzz::Require(list.averageFrequency >= 0 && list.averageFrequency <= highest);
    return 0;
}
