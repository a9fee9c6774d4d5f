#include "tools/soundgen/mix_report.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "tools/soundgen/arranger.h"
#include "tools/soundgen/fluid_render.h"
#include "tools/soundgen/mastering.h"

namespace glyphora::soundgen {

namespace {

struct Role {
    const char* name;
    int channel;
};
constexpr std::array<Role, 6> kRoles = {{{"lead", kLeadChannel},
                                         {"harmony", kHarmonyChannel},
                                         {"pad", kPadChannel},
                                         {"counter", kCounterChannel},
                                         {"bass", kBassChannel},
                                         {"drums", kDrumChannel}}};

// RMS of the score with only one channel playing; -200 when it plays nothing.
bool RoleRms(const Score& full, int channel, const std::string& soundFont, double& rms, std::string& error) {
    Score score = full;
    std::erase_if(score.notes, [channel](const ScoreNote& note) { return note.channel != channel; });
    rms = -200.0;
    if (score.notes.empty()) return true;
    Pcm pcm;
    if (!RenderScore(score, soundFont, pcm, error)) return false;
    rms = RmsDb(pcm.samples);
    return true;
}

bool PrintTrack(const TrackDesign& design, const std::string& soundFont) {
    const Arrangement arrangement = Arrange(design);
    std::string error = arrangement.error;
    std::array<double, kRoles.size()> rms{};
    for (std::size_t i = 0; i < kRoles.size() && error.empty(); ++i) {
        RoleRms(arrangement.score, kRoles[i].channel, soundFont, rms[i], error);
    }
    if (!error.empty()) {
        std::fprintf(stderr, "soundgen: %s: %s\n", design.name, error.c_str());
        return false;
    }
    std::printf("%-8s", design.name);
    for (double value : rms) std::printf(" %8.1f", value);
    std::printf(" %10.1f\n", rms[0] - std::max({rms[1], rms[2], rms[3]}));
    return true;
}

}  // namespace

bool PrintMixReport(const std::set<std::string>& wanted, const std::string& soundFont) {
    SilenceFluidSynthWarnings();
    std::printf("%-8s", "track");
    for (const Role& role : kRoles) std::printf(" %8s", role.name);
    std::printf(" %10s\n", "lead ahead");
    bool ok = true;
    for (const TrackDesign& design : Tracks()) {
        if (!wanted.empty() && wanted.count(std::string(design.name) + ".ogg") == 0) continue;
        ok = PrintTrack(design, soundFont) && ok;
    }
    return ok;
}

}  // namespace glyphora::soundgen
