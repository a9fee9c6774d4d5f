#pragma once
// The timing of the first-run screen's intro: its pictures fade in one after
// another, two of them with a sound, and the button to the freeware note
// comes with the last ones.
#include "game/shell/screen_state.h"

namespace glyphora {

// A picture that fades in: from start ms after the intro began, over
// duration ms.
struct IntroFade {
    int start, duration;
};
inline constexpr IntroFade kStopFade{1000, 1};  // shows at once
inline constexpr IntroFade kCaptionFade{4001, 150};
inline constexpr IntroFade kGreetingFade{6151, 500};
inline constexpr IntroFade kDecorationsFade{7151, 2000};  // with the Show-note button

// The picture's alpha at e ms into the intro: the elapsed part of the fade
// scaled to 0..255, truncated; 0 before the start, 255 after the end.
int IntroAlpha(IntroFade fade, int e);
// Whether the picture is drawn at e: from its start on.
bool IntroShows(IntroFade fade, int e);

// The sounds due at e: each plays the first time its picture's alpha is
// above 0, and never again on this visit (the flags in menus remember).
struct IntroSounds {
    bool stop = false;
    bool greeting = false;
};
IntroSounds TakeIntroSounds(MenuState& menus, int e);

}  // namespace glyphora
