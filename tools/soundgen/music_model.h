// How a music track is written down: a key, a tempo, a band of General MIDI
// instruments, named patterns in small text notations, and five parts of
// 20 seconds that say which patterns play over which chords.
//
// Notations (one character or token per step; spaces and '|' bar lines are
// only for the eye):
//   chords   roman numerals per bar, bars split by '|', two per bar allowed:
//            "I | vi | IV V | bVII". Upper case major, lower case minor, 'o'
//            diminished; suffixes 7, maj7, sus2, sus4, add9, 6; a leading 'b'
//            or '#' moves the root a semitone from the major scale's degree.
//   melody   phrases of tokens on the track's melody grid: a scale degree
//            1-7 with optional 'b'/'#' before it and octave marks after it
//            ("5'" up, "5," down), '-' holds the note on, '.' rests.
//   drums    per instrument one character per 16th: 'X' accent, 'x' hit,
//            'o' ghost, '.' nothing.
//   bass     one character per 16th: '1' root, '3' third, '5' fifth, '7'
//            seventh, '8' octave, 'l' fifth below, 'a' a semitone under the
//            next chord's root, '-' hold, '.' rest.
//   chordal  one character per 16th: 'C' the whole voicing (accented), 'c'
//            the whole voicing (soft), '1'-'4' one tone of the voicing from
//            the bottom, '5'-'8' the same an octave up, '-' hold, '.' rest.
#pragma once

#include <array>
#include <vector>

namespace glyphora::soundgen {

inline constexpr double kPartSeconds = 20.0;
inline constexpr int kPartsPerTrack = 5;

// General MIDI programs the tracks use (0-based).
namespace gm {
inline constexpr int kPiano = 0, kElectricPiano = 4, kClavinet = 7, kCelesta = 8, kGlockenspiel = 9, kVibraphone = 11,
                     kMarimba = 12, kNylonGuitar = 24, kCleanGuitar = 27, kMutedGuitar = 28, kOverdriveGuitar = 29,
                     kAcousticBass = 32, kFingerBass = 33, kPickBass = 34, kSlapBass = 36, kSynthBass = 38,
                     kSynthBass2 = 39, kPizzicato = 45, kHarp = 46, kTimpani = 47, kStrings = 48, kSlowStrings = 49,
                     kSynthStrings = 50, kChoir = 52, kContrabass = 43, kCello = 42, kTrumpet = 56, kFrenchHorn = 60,
                     kBrass = 61, kSynthBrass = 62, kAltoSax = 65, kClarinet = 71, kFlute = 73, kSquareLead = 80,
                     kSawLead = 81, kCalliope = 82, kBassAndLead = 87, kPolySynth = 90, kWarmPad = 89, kHaloPad = 94;
}  // namespace gm

// General MIDI percussion keys.
namespace drum {
inline constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kClap = 39, kLowFloorTom = 41, kClosedHat = 42,
                     kHighFloorTom = 43, kPedalHat = 44, kLowTom = 45, kOpenHat = 46, kMidTom = 47, kHighTom = 50,
                     kRide = 51, kRideBell = 53, kTambourine = 54, kCowbell = 56, kShaker = 70;
}  // namespace drum

// One General MIDI program on a channel, with its mix settings (0-127).
struct Instrument {
    int program = 0;
    int volume = 100;      // CC 7
    int pan = 64;          // CC 10
    int reverb = 40;       // CC 91
    int chorus = 0;        // CC 93
    int velocity = 90;     // base velocity of its notes
    int releaseCents = 0;  // shortens (negative) or lengthens its notes' release, in timecents
};

// Where the chordal roles voice their chords: tones stay within an octave
// and a half above `low` (MIDI key), moving as little as they can.
struct Voicing {
    int low = 55;
};

struct Band {
    Instrument lead, harmony, pad, counter, bass;
    Voicing harmonyVoicing{55}, padVoicing{48}, counterVoicing{67};
    int drumKit = 0;  // bank-128 preset: 0 standard, 16 power, 24 electronic, 32 jazz, 40 brush
    int drumVolume = 100;
    int drumReverb = 30;
};

struct Named {
    const char* name;
    const char* text;  // in the notation of the table it sits in
};

struct DrumLine {
    int key;  // GM percussion key
    const char* steps;
};

struct Groove {
    const char* name;
    std::vector<DrumLine> lines;  // patterns one or more bars long, repeated
};

// A 20-second part. Pattern fields name entries of the track's tables; an
// empty name leaves that role silent. The last bar of every part plays the
// fill groove, and the last bar of the track the ending.
struct PartDesign {
    const char* chords;
    const char* melody = "";   // phrase names in order, '_' a bar of rest: "_ _ A B"
    int leadOctave = 0;        // octave shift of the melody in this part
    const char* harmony = "";  // chordal patterns
    const char* pad = "";
    const char* counter = "";
    const char* bass = "";
    const char* drums = "";
    const char* fill = "";
    bool crash = true;  // a crash cymbal opens the part
    int energy = 3;     // 1 (gentle) to 5 (full): scales the velocities
};

struct TrackDesign {
    const char* name;       // file stem: "Track1"
    const char* character;  // one line on what it is, for the reader
    int tonic;              // MIDI key of degree 1 in the melody's register
    bool minor;             // natural minor scale for the melody degrees
    int bpm;
    int beatsPerBar;         // 4 or 3
    int melodyStepsPerBeat;  // melody grid: 2 (eighths) or 4 (sixteenths)
    double swing;            // how late off-beat 16ths fall, as a share of a 16th
    Band band;
    std::vector<Named> phrases;
    std::vector<Named> chordal;  // harmony, pad and counter patterns
    std::vector<Named> basslines;
    std::vector<Groove> grooves;
    std::array<PartDesign, kPartsPerTrack> parts;
};

// The seven tracks: 1-2 calm, 3-4 driving, 5-7 intense.
const std::vector<TrackDesign>& Tracks();

}  // namespace glyphora::soundgen
