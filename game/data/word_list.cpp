#include "game/data/word_list.h"

#include <algorithm>

#include "common/data_file.h"

namespace glyphora {

namespace {

bool IsTypable(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// Blank lines or stray blanks before a word do not make it untypable.
void TrimLeadingBlanks(std::string& word) {
    word.erase(0, std::min(word.size(), word.find_first_not_of("\r\n\t ")));
}

}  // namespace

WordList LoadWordList(const std::string& path) {
    WordList list;
    DataFile file;
    if (!file.open(path, "rt")) return list;
    std::int32_t declared = 0;
    file.readInt(declared, '\n');
    std::int64_t sum = 0;  // wide: a 32-bit running sum of large frequencies overflows
    for (std::int32_t i = 0; i < declared; ++i) {
        WordEntry entry;
        bool complete = file.readUntil(entry.word, ' ', kMaxWordLength);
        file.readInt(entry.frequency, '\n');
        TrimLeadingBlanks(entry.word);
        if (IsTypable(entry.word)) {
            entry.frequency = std::max<std::int32_t>(entry.frequency, 0);
            sum += entry.frequency;
            list.entries.push_back(std::move(entry));
        }
        if (!complete) break;  // the end of the file came before the frequency
    }
    list.count = static_cast<std::int32_t>(list.entries.size());
    if (list.count > 0) list.averageFrequency = static_cast<std::int32_t>(sum / list.count);
    return list;
}

}  // namespace glyphora
