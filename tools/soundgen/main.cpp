// glyphora-soundgen OUTDIR [--soundfont SF2] [NAME...]
// glyphora-soundgen --mix-report [--soundfont SF2] [TrackN.ogg...]
//
// Writes the game's sounds into OUTDIR: the twelve effects in
// OUTDIR/Sounds/ and the seven music tracks in OUTDIR/Music/, all Ogg Vorbis
// at 44.1 kHz, plain (the build stores the effects swapped). The music is
// played with the General MIDI SoundFont SF2 (Debian's FluidR3_GM.sf2 when
// not given). Given names (such as "Letter1.ogg" or "Track3.ogg"), it writes
// only those. The output depends on nothing but this program and the
// SoundFont: two runs write the same bytes. Exits non-zero when a name is
// unknown or a file cannot be made.
//
// With --mix-report it writes nothing and prints the level of each
// instrument role of the tracks instead (see mix_report.h).
#include <cstdio>
#include <set>
#include <string>

#include "tools/soundgen/catalogue.h"
#include "tools/soundgen/mix_report.h"
#include "tools/soundgen/music.h"

int main(int argc, char** argv) {
    using namespace glyphora::soundgen;
    std::string outDir, soundFont = kDefaultSoundFont;
    std::set<std::string> wanted;
    bool mixReport = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--soundfont" && i + 1 < argc) soundFont = argv[++i];
        else if (arg == "--mix-report") mixReport = true;
        else if (outDir.empty() && !mixReport) outDir = arg;
        else wanted.insert(arg);
    }
    if ((outDir.empty() && !mixReport) || outDir.rfind("--", 0) == 0) {
        std::fprintf(stderr, "usage: glyphora-soundgen OUTDIR [--soundfont SF2] [NAME...]\n"
                             "       glyphora-soundgen --mix-report [--soundfont SF2] [TrackN.ogg...]\n");
        return 2;
    }
    for (const std::string& name : wanted) {
        if (!IsCatalogued(name)) {
            std::fprintf(stderr, "soundgen: no sound is called %s\n", name.c_str());
            return 2;
        }
    }
    if (mixReport) return PrintMixReport(wanted, soundFont) ? 0 : 1;
    return WriteCatalogue(outDir, wanted, soundFont) ? 0 : 1;
}
