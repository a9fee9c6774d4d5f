#include "tools/soundgen/tracks.h"

namespace glyphora::soundgen {

const std::vector<TrackDesign>& Tracks() {
    static const std::vector<TrackDesign> tracks = {SunnyKeys(),   MeadowWaltz(), NeonHighway(), RollingCredits(),
                                                    CircuitRush(), LastStand(),   PixelStorm()};
    return tracks;
}

}  // namespace glyphora::soundgen
