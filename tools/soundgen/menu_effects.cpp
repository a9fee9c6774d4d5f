// Effects of the menus and the typing: short, soft and dry, because they are
// heard many times a minute.
#include "tools/soundgen/effects.h"
#include "tools/soundgen/layers.h"

namespace glyphora::soundgen {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

// A soft click: a rounded wooden "tock" with a touch of air, over in 60 ms.
std::vector<float> ButtonClick() {
    std::vector<float> out = Silence(0.07);
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 1150.0, .glideFromHz = 1700.0, .glideSeconds = 0.012,
                       .seconds = 0.06, .attack = 0.0008, .decay = 0.012, .release = 0.02, .level = 0.8});
    AddTone(out, 0.0, {.wave = Wave::Triangle, .hz = 520.0, .seconds = 0.06, .attack = 0.001, .decay = 0.018,
                       .release = 0.02, .level = 0.5});
    AddNoise(out, 0.0, {.filter = Biquad::Kind::Bandpass, .hz = 3200.0, .q = 1.2, .seconds = 0.02,
                        .attack = 0.0005, .decay = 0.003, .release = 0.005, .level = 0.5, .seed = 11});
    return out;
}

// A light hover blip: a short sine that lifts a fourth, with a faint octave.
std::vector<float> ButtonHover() {
    std::vector<float> out = Silence(0.08);
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 1760.0, .glideFromHz = 1320.0, .glideSeconds = 0.03,
                       .seconds = 0.075, .attack = 0.004, .decay = 0.03, .release = 0.025, .level = 1.0});
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 3520.0, .glideFromHz = 2640.0, .glideSeconds = 0.03,
                       .seconds = 0.05, .attack = 0.004, .decay = 0.015, .release = 0.02, .level = 0.15});
    return out;
}

// A short tick for each correctly typed character of the word: a bright
// woodblock-like ping of about 40 ms.
std::vector<float> WordLetterTick() {
    std::vector<float> out = Silence(0.05);
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 2490.0, .seconds = 0.045, .attack = 0.0006, .decay = 0.009,
                       .release = 0.015, .level = 0.9});
    AddTone(out, 0.0, {.wave = Wave::Sine, .hz = 4980.0 * 1.01, .seconds = 0.02, .attack = 0.0005, .decay = 0.004,
                       .release = 0.008, .level = 0.25});
    AddNoise(out, 0.0, {.filter = Biquad::Kind::Highpass, .hz = 5000.0, .q = 0.7, .seconds = 0.012,
                        .attack = 0.0004, .decay = 0.002, .release = 0.004, .level = 0.35, .seed = 23});
    return out;
}

// A firm stop cue: two short brassy chords, the second longer, on a thump.
std::vector<float> StopCue() {
    std::vector<float> out = Silence(0.75);
    const double keys[] = {48.0, 55.0, 60.0, 64.0};  // C major, open voicing
    const double onsets[] = {0.0, 0.2};
    for (int hit = 0; hit < 2; ++hit) {
        const double length = hit == 0 ? 0.16 : 0.5;
        for (double key : keys) {
            AddTone(out, onsets[hit], {.wave = Wave::Saw, .hz = KeyHz(key), .seconds = length, .attack = 0.004,
                                       .decay = hit == 0 ? 0.12 : 0.25, .release = 0.06, .level = 0.22,
                                       .cutoffHz = 700.0, .cutoffPeakHz = 3200.0, .cutoffDecay = 0.08});
        }
        AddTone(out, onsets[hit], {.wave = Wave::Sine, .hz = 55.0, .glideFromHz = 140.0, .glideSeconds = 0.05,
                                   .seconds = 0.18, .attack = 0.002, .decay = 0.06, .release = 0.05, .level = 0.7});
    }
    return out;
}

// clang-format on
}  // namespace glyphora::soundgen
