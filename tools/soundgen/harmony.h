// Chords from roman numerals, and their voicings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glyphora::soundgen {

struct Chord {
    int root = 0;                // semitones above the key's tonic, 0-11
    std::vector<int> intervals;  // semitones above the root, ascending, root first
};

// "IV", "vi7", "bVII", "viio", "Vsus4", "Imaj7" ...; nothing when the text is
// not a chord of the notation in music_model.h.
std::optional<Chord> ParseChord(const std::string& numeral);

// Chord of every bar half: "I | vi | IV V" gives two entries per bar (a bar
// with one chord repeats it). Nothing when a numeral is unknown.
std::optional<std::vector<Chord>> ParseProgression(const std::string& text);

// Number of bars in a progression text.
int CountBars(const std::string& text);

// MIDI keys of `chord` (key tonic pitch class `tonicClass`) voiced at or
// above `low`, within 19 semitones where an inversion allows, choosing the
// inversion closest to `previous` (empty: the lowest). Never empty.
std::vector<int> VoiceChord(const Chord& chord, int tonicClass, int low, const std::vector<int>& previous);

}  // namespace glyphora::soundgen
