#pragma once
// The window procedure's mouse messages: window dragging, the widgets, and
// the sliders of the current screen with the sounds they control.

#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

void OnMouseMoveMessage(Game& game);
void OnLeftButtonDown(Game& game);
void OnLeftButtonUp(Game& game);

// The sliders of the free-game screen and of the settings screen take a
// press; a press that makes the music slider follow the mouse starts the
// volume preview's track, one that lets it go stops it.
void PressFreeGameSliders(Game& game);
void PressVolumeSliders(Game& game);
// The sliders first..last stop following the mouse (their screen is left).
void StopSlidersFollowing(Game& game, SliderName first, SliderName last);

}  // namespace glyphora
