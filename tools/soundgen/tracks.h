// The composed tracks, one function each (tracks_calm.cpp,
// tracks_driving.cpp, tracks_intense.cpp).
#pragma once

#include "tools/soundgen/music_model.h"

namespace glyphora::soundgen {

TrackDesign SunnyKeys();       // Track1
TrackDesign MeadowWaltz();     // Track2
TrackDesign NeonHighway();     // Track3
TrackDesign RollingCredits();  // Track4
TrackDesign CircuitRush();     // Track5
TrackDesign LastStand();       // Track6
TrackDesign PixelStorm();      // Track7

}  // namespace glyphora::soundgen
