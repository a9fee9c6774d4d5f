// The intense tier (tracks 5 to 7): Hard runs and the late stages; track 5
// is also the settings screen's volume preview.
#include "tools/soundgen/tracks.h"

namespace glyphora::soundgen {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

// D minor, 144 bpm, 12 bars a part: four-on-the-floor trance with a saw
// lead, sixteenth arpeggios and an off-beat bass.
TrackDesign CircuitRush() {
    using namespace drum;
    return {
        .name = "Track5",
        .character = "intense: euphoric trance",
        .tonic = 62,  // D4
        .minor = true,
        .bpm = 144,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.0,
        .band = {.lead = {.program = gm::kSawLead, .volume = 64, .pan = 64, .reverb = 50, .chorus = 30, .velocity = 104},
                 .harmony = {.program = gm::kSynthStrings, .volume = 50, .pan = 44, .reverb = 55, .velocity = 82},
                 .pad = {.program = gm::kHaloPad, .volume = 58, .pan = 64, .reverb = 70, .velocity = 76, .releaseCents = -2400},
                 .counter = {.program = gm::kPolySynth, .volume = 64, .pan = 86, .reverb = 45, .velocity = 78},
                 .bass = {.program = gm::kSynthBass2, .volume = 104, .pan = 64, .reverb = 5, .velocity = 100},
                 .harmonyVoicing = {57}, .padVoicing = {50}, .counterVoicing = {69},
                 .drumKit = 24, .drumVolume = 120, .drumReverb = 25},
        .phrases = {
            {"A", "1' - 1' 5 3' - 1' - | 4' - 3' - 1' - 6 - | 5 - 1' - 3' - 5' - | 5' - 4' - 2' - 7 - |"
                  "1' - 1' 5 3' - 1' - | 4' - 3' - 1' - 6 - | 3' - 1' - 5 - 7 - | 7 - - - . . . ."},
            {"C", "4 - 6 - 1' - 4' - | 3' - 1' - 6 - 4 - | 5' - 4' - 2' - 7 - | 5 - - - . . . ."},
            {"D", "6 - - - 1' - 3' - | 2' - - - 7 - 6 - | 1' - - - 5 - 3 - | 1 - 3 - 5 - 1' - |"
                  "3' - - - 1' - 6 - | 7 - - - 2' - 4' - | 5' - - - 3' - 1' - | 2' - - - #7 - - -"},
            {"End", "4 - 6 - 1' - 4' - | 3' - 1' - 6 - 4 - | 5 - #7 - 2' - 4' - | 3' - - - . . . ."},
        },
        .chordal = {
            {"stabs", "..c...c...c...c."},
            {"gate", "C-.cC-.cC-.cC-.c"},
            {"pad", "C-------------------------------"},
            {"arp", "1352135213521352"},
            {"arp2", "1358531213585312"},
        },
        .basslines = {
            {"offbeat", "..1...1...1...1."},
            {"roll", "..1.1.1...1.1.1."},
            {"rolling", ".11.111..11.1.11"},
        },
        .grooves = {
            {"pulse", {{kKick, "x...x...x...x..."}, {kClosedHat, "..x...x...x...x."}}},
            {"floor", {{kKick, "x...x...x...x..."}, {kClap, "....x.......x..."}, {kOpenHat, "..x...x...x...x."},
                       {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"peak", {{kKick, "X...x...X...x..."}, {kClap, "....X.......X..."}, {kOpenHat, "..x...x...x...x."},
                      {kClosedHat, "xoxoxoxoxoxoxoxo"}, {kTambourine, "....x.......x..."}}},
            {"fill", {{kKick, "x...x...x...x..."}, {kSnare, "....o.o.xxxxx..."}, {kClap, "............x..."}}},
            {"end", {{kKick, "X..............."}, {kClap, "X..............."}}},
        },
        .parts = {{
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | bVI | bVII | V", .melody = "A C",
             .harmony = "stabs", .pad = "pad", .bass = "offbeat", .drums = "pulse", .fill = "fill", .energy = 1},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | bVI | bVII | V", .melody = "A C",
             .harmony = "stabs", .pad = "pad", .counter = "arp", .bass = "offbeat", .drums = "floor", .fill = "fill",
             .energy = 2},
            {.chords = "bVI | bVII | i | i | bVI | bVII | bIII | V | iv | bVI | bVII | V", .melody = "D C",
             .harmony = "gate", .pad = "pad", .counter = "arp", .bass = "roll", .drums = "floor", .fill = "fill",
             .energy = 3},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | bVI | bVII | V", .melody = "A C",
             .leadOctave = 1, .harmony = "gate", .pad = "pad", .counter = "arp2", .bass = "rolling", .drums = "peak",
             .fill = "fill", .energy = 4},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | bVI | V | i", .melody = "A End",
             .leadOctave = 1, .harmony = "gate", .pad = "pad", .counter = "arp2", .bass = "rolling", .drums = "peak",
             .fill = "end", .energy = 5},
        }},
    };
}

// A minor, 168 bpm, 14 bars a part: an orchestral action cue, brass
// melody over driving staccato strings, timpani and a hybrid kit.
TrackDesign LastStand() {
    using namespace drum;
    return {
        .name = "Track6",
        .character = "intense: heroic orchestral action",
        .tonic = 69,  // A4
        .minor = true,
        .bpm = 168,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.0,
        .band = {.lead = {.program = gm::kBrass, .volume = 118, .pan = 64, .reverb = 55, .velocity = 108},
                 .harmony = {.program = gm::kStrings, .volume = 110, .pan = 44, .reverb = 50, .velocity = 84},
                 .pad = {.program = gm::kChoir, .volume = 80, .pan = 70, .reverb = 75, .velocity = 76},
                 .counter = {.program = gm::kTimpani, .volume = 90, .pan = 64, .reverb = 50, .velocity = 96},
                 .bass = {.program = gm::kContrabass, .volume = 127, .pan = 64, .reverb = 25, .velocity = 100},
                 .harmonyVoicing = {57}, .padVoicing = {57}, .counterVoicing = {40},
                 .drumKit = 16, .drumVolume = 80, .drumReverb = 40},
        .phrases = {
            {"A", "1 - - - 5 - - - | 1' - - - 7 - 5 - | 6 - - - 1' - - - | 7 - - - 5 - 4 - |"
                  "1 - - - 5 - - - | 3' - - - 2' - 1' - | 1' - - - 6 - 3' - | 2' - - - - - . ."},
            {"C", "4 - 6 - 1' - 4' - | 3' - 2' - 1' - 6 - | 1' - - - 3' - - - | 2' - - - 7 - - -"},
            {"T", "1' - 6 - 3 - 6 - | #7 - - - . . . ."},
            {"D", "3' - - - 1' - - - | 2' - - - 7 - - - | 1' - - - 5 - 3 - | 1 - - - . . . . |"
                  "6 - 1' - 3' - 6' - | 5' - 4' - 2' - 7 - | 5 - - - #7 - - - | 2' - - - . . . ."},
            {"End", "5 - - - #7 - - - | 1' - - - . . . ."},
        },
        .chordal = {
            {"ostinato", "c.c.c.c.c.c.c.c."},
            {"drive", "C.c.c.C.c.c.C.c."},
            {"choir", "C-------------------------------"},
            {"timpani", "1.......1...1.1."},
        },
        .basslines = {
            {"long", "1-------1-------"},
            {"gallop", "1-11-11-1-11-11-"},
        },
        .grooves = {
            {"toms", {{kKick, "x.......x......."}, {kLowFloorTom, "....x.......x..."}}},
            {"march", {{kKick, "x.......x.x....."}, {kSnare, "....X.......X..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"battle", {{kKick, "x.x.....x.x....."}, {kSnare, "....X.......X..o"}, {kClosedHat, "xoxoxoxoxoxoxoxo"},
                        {kLowFloorTom, "......x.......x."}}},
            {"fill", {{kKick, "x.......x......."}, {kSnare, "....xxxx........"}, {kHighTom, "........xx......"},
                      {kMidTom, "..........xx...."}, {kLowFloorTom, "............x..."}}},
            {"end", {{kKick, "X..............."}, {kLowFloorTom, "X..............."}}},
        },
        .parts = {{
            {.chords = "i | i | bVI | bVII | i | i | bVI | bVII | iv | iv | bVI | bVII | bVI | V", .melody = "A C T",
             .harmony = "ostinato", .counter = "timpani", .bass = "long", .drums = "toms", .fill = "fill",
             .energy = 1},
            {.chords = "i | i | bVI | bVII | i | i | bVI | bVII | iv | iv | bVI | bVII | bVI | V", .melody = "A C T",
             .harmony = "ostinato", .counter = "timpani", .bass = "gallop", .drums = "march", .fill = "fill",
             .energy = 2},
            {.chords = "bVI | bVII | i | i | bVI | bVII | V | V | iv | iv | bVI | bVII | bVI | V", .melody = "D C T",
             .harmony = "drive", .pad = "choir", .counter = "timpani", .bass = "gallop", .drums = "march",
             .fill = "fill", .energy = 3},
            {.chords = "i | i | bVI | bVII | i | i | bVI | bVII | iv | iv | bVI | bVII | bVI | V", .melody = "A C T",
             .harmony = "drive", .pad = "choir", .counter = "timpani", .bass = "gallop", .drums = "battle",
             .fill = "fill", .energy = 4},
            {.chords = "i | i | bVI | bVII | i | i | bVI | bVII | iv | iv | bVI | bVII | V | i", .melody = "A C End",
             .harmony = "drive", .pad = "choir", .counter = "timpani", .bass = "gallop", .drums = "battle",
             .fill = "end", .energy = 5},
        }},
    };
}

// C minor, 144 bpm, 12 bars a part: an arcade chiptune, square-wave lead
// and arpeggios over an octave-bouncing bass and an 808.
TrackDesign PixelStorm() {
    using namespace drum;
    return {
        .name = "Track7",
        .character = "intense: arcade chiptune",
        .tonic = 72,  // C5
        .minor = true,
        .bpm = 144,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.0,
        .band = {.lead = {.program = gm::kSquareLead, .volume = 80, .pan = 64, .reverb = 35, .velocity = 104},
                 .harmony = {.program = gm::kCalliope, .volume = 56, .pan = 40, .reverb = 35, .velocity = 80},
                 .pad = {.program = gm::kWarmPad, .volume = 70, .pan = 64, .reverb = 60, .velocity = 72},
                 .counter = {.program = gm::kSquareLead, .volume = 58, .pan = 90, .reverb = 35, .velocity = 76},
                 .bass = {.program = gm::kSynthBass, .volume = 100, .pan = 64, .reverb = 5, .velocity = 100},
                 .harmonyVoicing = {60}, .padVoicing = {48}, .counterVoicing = {67},
                 .drumKit = 25, .drumVolume = 80, .drumReverb = 20},
        .phrases = {
            {"A", "1' - 5 - 3 - 5 1' | 7 - 4 - 2 - 4 7 | 6 - 3 - 1 - 3 6 | 5 - #7 - 2' - - - |"
                  "3' - 2' 1' 5 - 1' - | 2' - 1' 7 4 - 7 - | 1' - 7 6 3 - 6 - | #7 - - - 5 - - -"},
            {"C", "6 - 1' - 3' - 1' - | 7 - 2' - 4' - 2' - | 5' - 3' - 1' - 5 - | #7 - - - 2' - - -"},
            {"D", "1' - - 6 1' - 3' - | 2' - - 7 2' - 4' - | 3' - - - 1' - 5 - | 1' - - - . . . . |"
                  "3' - 1' - 6 - 3 - | 4' - 2' - 7 - 4 - | 5 - #7 - 2' - 5' - | 4' - 2' - #7 - - -"},
            {"End", "6 - 1' - 3' - 1' - | 7 - 2' - 4' - 2' - | #7 - 2' - 5' - 4' - | 3' - - - . . . ."},
        },
        .chordal = {
            {"blips", "c.c.c.c.c.c.c.c."},
            {"skips", "C..cC..cC..cC.c."},
            {"pad", "C-------------------------------"},
            {"arp", "1351135113511351"},
            {"arp2", "1358853113588531"},
        },
        .basslines = {
            {"bounce", "1.8.1.8.1.8.1.8."},
            {"run", "1.8.1.8.1.8.5.8."},
        },
        .grooves = {
            {"tick", {{kKick, "x.......x......."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"beat", {{kKick, "x.....x.x......."}, {kSnare, "....X.......X..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"storm", {{kKick, "x.x...x.x.x....."}, {kSnare, "....X.......X.o."}, {kClosedHat, "xxxxxxxxxxxxxxxx"},
                       {kClap, "....x.......x..."}}},
            {"fill", {{kKick, "x.......x......."}, {kSnare, "....x.x.xxxxx..."}}},
            {"end", {{kKick, "X..............."}, {kSnare, "X..............."}}},
        },
        .parts = {{
            {.chords = "i | bVII | bVI | V | i | bVII | bVI | V | bVI | bVII | i | V", .melody = "A C",
             .harmony = "blips", .bass = "bounce", .drums = "tick", .fill = "fill", .energy = 1},
            {.chords = "i | bVII | bVI | V | i | bVII | bVI | V | bVI | bVII | i | V", .melody = "A C",
             .harmony = "blips", .counter = "arp", .bass = "bounce", .drums = "beat", .fill = "fill", .energy = 2},
            {.chords = "bVI | bVII | i | i | bVI | bVII | V | V | bVI | bVII | i | V", .melody = "D C",
             .harmony = "skips", .pad = "pad", .counter = "arp", .bass = "run", .drums = "beat", .fill = "fill",
             .energy = 3},
            {.chords = "i | bVII | bVI | V | i | bVII | bVI | V | bVI | bVII | i | V", .melody = "A C",
             .harmony = "skips", .pad = "pad", .counter = "arp2", .bass = "run", .drums = "storm", .fill = "fill",
             .energy = 4},
            {.chords = "i | bVII | bVI | V | i | bVII | bVI | V | bVI | bVII | V | i", .melody = "A End",
             .harmony = "skips", .pad = "pad", .counter = "arp2", .bass = "run", .drums = "storm", .fill = "end",
             .energy = 5},
        }},
    };
}

// clang-format on
}  // namespace glyphora::soundgen
