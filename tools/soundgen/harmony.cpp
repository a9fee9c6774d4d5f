#include "tools/soundgen/harmony.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace glyphora::soundgen {

namespace {

struct Numeral {
    const char* text;
    int degree;  // semitones of the major scale's degree
};

// Longest first, so that "VII" is not read as "V".
constexpr Numeral kNumerals[] = {{"VII", 11}, {"III", 4}, {"VI", 9}, {"IV", 5}, {"II", 2}, {"V", 7}, {"I", 0}};

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* prefix, bool& upper) {
    std::size_t i = 0;
    bool allUpper = true, allLower = true;
    for (; prefix[i] != '\0'; ++i) {
        if (at + i >= text.size()) return false;
        const char c = text[at + i];
        if (c == prefix[i]) allLower = false;
        else if (c == prefix[i] - 'A' + 'a') allUpper = false;
        else return false;
    }
    if (!allUpper && !allLower) return false;
    upper = allUpper;
    return true;
}

bool ApplySuffix(const std::string& suffix, Chord& chord) {
    if (suffix.empty()) return true;
    if (suffix == "7") chord.intervals.push_back(10);
    else if (suffix == "maj7") chord.intervals.push_back(11);
    else if (suffix == "6") chord.intervals.push_back(9);
    else if (suffix == "add9") chord.intervals.push_back(14);
    else if (suffix == "sus2") chord.intervals[1] = 2;
    else if (suffix == "sus4") chord.intervals[1] = 5;
    else return false;
    std::sort(chord.intervals.begin(), chord.intervals.end());
    return true;
}

}  // namespace

std::optional<Chord> ParseChord(const std::string& numeral) {
    std::size_t at = 0;
    int shift = 0;
    if (at < numeral.size() && (numeral[at] == 'b' || numeral[at] == '#')) shift = numeral[at++] == 'b' ? -1 : 1;
    for (const Numeral& candidate : kNumerals) {
        bool upper = false;
        if (!StartsWithNoCase(numeral, at, candidate.text, upper)) continue;
        at += std::char_traits<char>::length(candidate.text);
        Chord chord;
        chord.root = (candidate.degree + shift + 12) % 12;
        chord.intervals = {0, upper ? 4 : 3, 7};
        if (at < numeral.size() && numeral[at] == 'o') {
            chord.intervals = {0, 3, 6};
            ++at;
        }
        if (!ApplySuffix(numeral.substr(at), chord)) return std::nullopt;
        return chord;
    }
    return std::nullopt;
}

int CountBars(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '|')) + 1; }

std::optional<std::vector<Chord>> ParseProgression(const std::string& text) {
    std::vector<Chord> halves;
    std::stringstream bars(text);
    std::string bar;
    while (std::getline(bars, bar, '|')) {
        std::stringstream words(bar);
        std::vector<Chord> chords;
        for (std::string word; words >> word;) {
            const std::optional<Chord> chord = ParseChord(word);
            if (!chord) return std::nullopt;
            chords.push_back(*chord);
        }
        if (chords.empty() || chords.size() > 2) return std::nullopt;
        halves.push_back(chords.front());
        halves.push_back(chords.back());
    }
    return halves;
}

std::vector<int> VoiceChord(const Chord& chord, int tonicClass, int low, const std::vector<int>& previous) {
    const int root = (tonicClass + chord.root) % 12;
    std::vector<int> best;
    int bestDistance = 1 << 30;
    const auto count = chord.intervals.size();
    for (std::size_t inversion = 0; inversion < count; ++inversion) {
        std::vector<int> keys;
        int floor = low;
        for (std::size_t i = 0; i < count; ++i) {
            const int pitchClass = (root + chord.intervals[(inversion + i) % count]) % 12;
            int key = floor + ((pitchClass - floor) % 12 + 12) % 12;
            keys.push_back(key);
            floor = key + 1;
        }
        // A voicing wider than an octave and a half is a last resort.
        int distance = keys.back() - keys.front() > 19 ? 1000 : 0;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            distance +=
                previous.empty() ? keys[i] - low : std::abs(keys[i] - previous[std::min(i, previous.size() - 1)]);
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = keys;
        }
    }
    return best;
}

}  // namespace glyphora::soundgen
