// Effects of a run: the letter pops, the bonus fanfare, TNT, the game-over
// sting and the welcome screen's "ho ho ho".
#include <array>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/layers.h"

namespace glyphora::soundgen {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

// Four bubble pops on the notes of a major pentatonic (E5, G5, A5, C6), so
// that a quick run of catches sounds like a tune; each has its own timbre.
std::vector<float> LetterPop(int variant) {
    constexpr std::array<double, 4> kKeys = {76.0, 79.0, 81.0, 84.0};
    constexpr std::array<Wave, 4> kBody = {Wave::Sine, Wave::Triangle, Wave::Sine, Wave::Triangle};
    constexpr std::array<double, 4> kRise = {1.5, 1.35, 1.6, 1.3};
    const auto v = static_cast<std::size_t>(variant & 3);
    const double hz = KeyHz(kKeys[v]);
    std::vector<float> out = Silence(0.12);
    AddTone(out, 0.0, {.wave = kBody[v], .hz = hz * kRise[v], .glideFromHz = hz, .glideSeconds = 0.035,
                       .seconds = 0.11, .attack = 0.002, .decay = 0.035, .release = 0.03, .level = 1.0});
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 2.0 * hz * kRise[v], .glideFromHz = 2.0 * hz, .glideSeconds = 0.035,
                       .seconds = 0.06, .attack = 0.002, .decay = 0.015, .release = 0.02, .level = 0.2});
    AddNoise(out, 0.0, {.filter = Biquad::Kind::Bandpass, .hz = 4.0 * hz, .q = 2.0, .seconds = 0.01,
                        .attack = 0.0005, .decay = 0.002, .release = 0.004, .level = 0.3,
                        .seed = 101 + static_cast<std::uint64_t>(v)});
    return out;
}

// A bright fanfare: a quick rising arpeggio into a shimmering major chord
// with sparkles.
std::vector<float> BonusFanfare() {
    std::vector<float> out = Silence(1.5);
    constexpr std::array<double, 4> kRun = {72.0, 76.0, 79.0, 84.0};  // C5 E5 G5 C6
    for (std::size_t i = 0; i < kRun.size(); ++i) {
        AddTone(out, 0.075 * static_cast<double>(i),
                {.wave = Wave::Square, .hz = KeyHz(kRun[i]), .seconds = 0.3, .attack = 0.003, .decay = 0.12,
                 .release = 0.08, .level = 0.3, .cutoffHz = 2500.0, .cutoffPeakHz = 7000.0, .cutoffDecay = 0.05});
    }
    constexpr std::array<double, 4> kChord = {72.0, 79.0, 84.0, 88.0};  // C5 G5 C6 E6
    for (std::size_t i = 0; i < kChord.size(); ++i) {
        AddTone(out, 0.3, {.wave = Wave::Saw, .hz = KeyHz(kChord[i]), .seconds = 1.15, .attack = 0.01, .decay = 0.5,
                           .release = 0.35, .level = 0.2, .vibratoHz = 5.5 + 0.3 * static_cast<double>(i),
                           .vibratoCents = 12.0, .cutoffHz = 2200.0, .cutoffPeakHz = 6000.0, .cutoffDecay = 0.25});
    }
    AddTone(out, 0.3, {.wave = Wave::Sine, .hz = KeyHz(96.0), .seconds = 1.0, .attack = 0.01, .decay = 0.35,
                       .release = 0.3, .level = 0.2, .tremoloHz = 11.0, .tremoloDepth = 0.7});
    for (int i = 0; i < 9; ++i) {
        AddNoise(out, 0.32 + 0.09 * i, {.filter = Biquad::Kind::Bandpass, .hz = 7000.0 + 600.0 * (i % 4), .q = 6.0,
                                        .seconds = 0.06, .attack = 0.001, .decay = 0.015, .release = 0.02,
                                        .level = 0.5 * (1.0 - i / 10.0), .seed = 200 + static_cast<std::uint64_t>(i)});
    }
    return out;
}

// A falling sting: three sinking brass notes and a long last one that droops
// with a slow vibrato ("wah, wah, wah, waaah").
std::vector<float> GameOverSting() {
    std::vector<float> out = Silence(2.3);
    constexpr std::array<double, 3> kSteps = {67.0, 66.0, 65.0};  // G4 F#4 F4
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        const double hz = KeyHz(kSteps[i] - 12.0);
        for (double detune : {1.0, 1.004}) {
            AddTone(out, 0.38 * static_cast<double>(i),
                    {.wave = Wave::Saw, .hz = hz * detune, .glideFromHz = hz * detune * 0.97, .glideSeconds = 0.04,
                     .seconds = 0.34, .attack = 0.02, .release = 0.1, .level = 0.3,
                     .cutoffHz = 500.0, .cutoffPeakHz = 2000.0, .cutoffDecay = 0.12, .resonance = 2.0});
        }
    }
    const double last = KeyHz(64.0 - 12.0);  // E3, drooping a semitone
    for (double detune : {1.0, 1.004}) {
        AddTone(out, 1.14, {.wave = Wave::Saw, .hz = last * 0.94 * detune, .glideFromHz = last * detune, .glideSeconds = 1.1,
                            .seconds = 1.15, .attack = 0.02, .release = 0.45, .level = 0.3, .vibratoHz = 5.0,
                            .vibratoCents = 25.0, .cutoffHz = 450.0, .cutoffPeakHz = 2200.0, .cutoffDecay = 0.4,
                            .resonance = 2.0});
    }
    AddTone(out, 1.14, {.wave = Wave::Sine, .hz = last * 0.47, .seconds = 1.0, .attack = 0.02, .decay = 0.5,
                        .release = 0.4, .level = 0.35});
    return out;
}

// A jolly "ho ho ho": three bouncy, scooped notes down a major triad (G4 E4
// C4) with a jingle of sleigh bells.
std::vector<float> HoHoHoFigure() {
    std::vector<float> out = Silence(1.05);
    constexpr std::array<double, 3> kNotes = {67.0, 64.0, 60.0};
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        const double start = 0.24 * static_cast<double>(i);
        const double hz = KeyHz(kNotes[i] - 12.0);
        const double length = i == 2 ? 0.42 : 0.2;
        AddTone(out, start, {.wave = Wave::Square, .hz = hz, .glideFromHz = hz * 0.9, .glideSeconds = 0.03,
                             .seconds = length, .attack = 0.008, .decay = 0.16, .release = 0.06, .level = 0.45,
                             .cutoffHz = 500.0, .cutoffPeakHz = 2400.0, .cutoffDecay = 0.06});
        AddTone(out, start, {.wave = Wave::Sine, .hz = 2.0 * hz, .seconds = length, .attack = 0.006, .decay = 0.1,
                             .release = 0.06, .level = 0.35});
    }
    for (int i = 0; i < 12; ++i) {
        AddNoise(out, 0.06 * i, {.filter = Biquad::Kind::Bandpass, .hz = i % 2 ? 6200.0 : 7600.0, .q = 8.0,
                                 .seconds = 0.09, .attack = 0.001, .decay = 0.025, .release = 0.03,
                                 .level = 0.55 * (1.0 - i / 14.0), .seed = 300 + static_cast<std::uint64_t>(i)});
    }
    return out;
}

// A TNT charge-up: a buzzing saw and a rush of noise rising three octaves
// under a fast flutter, ending in a bright ping.
std::vector<float> TntChargeUp() {
    std::vector<float> out = Silence(1.15);
    AddTone(out, 0.0, {.wave = Wave::Saw, .hz = 880.0, .glideFromHz = 110.0, .glideSeconds = 0.75, .seconds = 0.78,
                       .attack = 0.03, .release = 0.04, .level = 0.35, .tremoloHz = 18.0, .tremoloDepth = 0.6,
                       .cutoffHz = 5000.0, .cutoffPeakHz = 600.0, .cutoffDecay = 0.3});
    AddTone(out, 0.0, {.wave = Wave::Square, .hz = 440.0, .glideFromHz = 55.0, .glideSeconds = 0.75, .seconds = 0.78,
                       .attack = 0.03, .release = 0.04, .level = 0.2, .cutoffHz = 1800.0});
    AddNoise(out, 0.0, {.filter = Biquad::Kind::Bandpass, .hz = 400.0, .endHz = 6000.0, .q = 1.5, .seconds = 0.78,
                        .attack = 0.5, .release = 0.04, .level = 0.5, .seed = 400});
    AddTone(out, 0.74, {.wave = Wave::Sine, .hz = KeyHz(93.0), .seconds = 0.4, .attack = 0.002, .decay = 0.12,
                        .release = 0.1, .level = 0.5});
    AddTone(out, 0.74, {.wave = Wave::Sine, .hz = KeyHz(100.0), .seconds = 0.3, .attack = 0.002, .decay = 0.08,
                        .release = 0.08, .level = 0.3});
    return out;
}

// clang-format on
}  // namespace glyphora::soundgen
