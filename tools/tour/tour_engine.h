#pragma once
// The presentation engine's scenes of the tour.
#include "tools/tour/tour_harness.h"

namespace glyphora::tour {

// splash-progress-0.png … splash-progress-5.png: the splash with 0 to 5 squares.
bool SplashProgress(TourHarness& tour);
// widgets.png: every widget kind in each of its states.
bool WidgetStates(TourHarness& tour);
// fonts.png: a line in each font of the font table.
bool FontTable(TourHarness& tour);

}  // namespace glyphora::tour
