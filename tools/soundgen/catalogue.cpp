#include "tools/soundgen/catalogue.h"

#include <cstdio>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/music.h"
#include "tools/soundgen/ogg_writer.h"

namespace glyphora::soundgen {

namespace {

namespace fs = std::filesystem;

// Effects are short and heard close up: a little more quality costs nothing.
constexpr float kEffectQuality = 0.5f;
constexpr float kMusicQuality = 0.4f;

std::string TrackFile(const TrackDesign& design) { return std::string(design.name) + ".ogg"; }

bool Wanted(const std::set<std::string>& wanted, const std::string& name) {
    return wanted.empty() || wanted.count(name) != 0;
}

bool Write(const Pcm& pcm, float quality, const std::string& name, const fs::path& path) {
    const OggOptions options{.quality = quality, .serial = SerialFor(name), .title = fs::path(name).stem().string()};
    if (WriteOggVorbis(pcm, options, path.string())) return true;
    std::fprintf(stderr, "soundgen: cannot write %s\n", path.string().c_str());
    return false;
}

bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error) return true;
    std::fprintf(stderr, "soundgen: cannot create %s\n", folder.string().c_str());
    return false;
}

}  // namespace

bool IsCatalogued(const std::string& name) {
    for (const EffectDesign& effect : Effects()) {
        if (name == effect.file) return true;
    }
    for (const TrackDesign& track : Tracks()) {
        if (name == TrackFile(track)) return true;
    }
    return false;
}

bool WriteCatalogue(const fs::path& outDir, const std::set<std::string>& wanted, const std::string& soundFont) {
    if (!MakeFolder(outDir / "Sounds") || !MakeFolder(outDir / "Music")) return false;
    bool ok = true;
    for (const EffectDesign& effect : Effects()) {
        if (!Wanted(wanted, effect.file)) continue;
        ok = Write(RenderEffect(effect), kEffectQuality, effect.file, outDir / "Sounds" / effect.file) && ok;
    }
    for (const TrackDesign& track : Tracks()) {
        const std::string file = TrackFile(track);
        if (!Wanted(wanted, file)) continue;
        Pcm pcm;
        std::string error;
        if (!RenderTrack(track, soundFont, pcm, error)) {
            std::fprintf(stderr, "soundgen: %s: %s\n", file.c_str(), error.c_str());
            ok = false;
            continue;
        }
        ok = Write(pcm, kMusicQuality, file, outDir / "Music" / file) && ok;
    }
    return ok;
}

}  // namespace glyphora::soundgen
