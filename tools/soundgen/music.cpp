#include "tools/soundgen/music.h"

#include "tools/soundgen/arranger.h"
#include "tools/soundgen/fluid_render.h"
#include "tools/soundgen/mastering.h"

namespace glyphora::soundgen {

bool RenderTrack(const TrackDesign& design, const std::string& soundFont, Pcm& out, std::string& error) {
    const Arrangement arrangement = Arrange(design);
    if (!arrangement.error.empty()) {
        error = arrangement.error;
        return false;
    }
    if (!RenderScore(arrangement.score, soundFont, out, error)) return false;
    MasterTrack(out, kTrackRmsDb, kTrackCeilingDb);
    return true;
}

}  // namespace glyphora::soundgen
