#include "game/data/word_list.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "common/swap_file_bytes.h"

namespace glyphora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordCharacter(char c) { return (c >= 'A' && c <= 'Z') || IsDigit(c); }

// Takes the next line off text, without its LF and a CR before it.
std::string_view NextLine(std::string_view& text) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A non-empty run of decimal digits, clamped to the 32-bit range.
std::optional<std::int32_t> DecimalNumber(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text)
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

std::optional<WordEntry> ParseEntry(std::string_view line) {
    line = TrimTrailingBlanks(line);
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view word = line.substr(0, space);
    if (word.empty() || word.size() > kMaxWordLength || !std::all_of(word.begin(), word.end(), IsWordCharacter))
        return std::nullopt;
    const std::optional<std::int32_t> frequency = DecimalNumber(line.substr(space + 1));
    if (!frequency) return std::nullopt;
    return WordEntry{std::string(word), *frequency};
}

}  // namespace

WordList ParseWordList(std::string_view plain) {
    WordList list;
    std::string_view header = NextLine(plain);
    while (!header.empty() && header.front() == ' ') header.remove_prefix(1);
    const std::optional<std::int32_t> declared = DecimalNumber(TrimTrailingBlanks(header));
    if (!declared) return list;
    std::int64_t sum = 0;  // wide: a 32-bit running sum of large frequencies overflows
    std::int32_t linesRead = 0;
    for (; linesRead < *declared && !plain.empty(); ++linesRead) {
        if (std::optional<WordEntry> entry = ParseEntry(NextLine(plain))) {
            sum += entry->frequency;
            list.entries.push_back(std::move(*entry));
        }
    }
    if (list.entries.size() * 2 < static_cast<std::size_t>(linesRead)) list.entries.clear();
    list.count = static_cast<std::int32_t>(list.entries.size());
    if (list.count > 0) list.averageFrequency = static_cast<std::int32_t>(sum / list.count);
    return list;
}

WordList LoadStoredWordList(const std::string& path) {
    const std::optional<std::string> plain = ReadStoredFile(path);
    return plain ? ParseWordList(*plain) : WordList{};
}

}  // namespace glyphora
