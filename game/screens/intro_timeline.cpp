#include "game/screens/intro_timeline.h"

#include <algorithm>
#include <cstdint>

namespace glyphora {

int IntroAlpha(IntroFade fade, int e) {
    if (e <= fade.start) return 0;
    if (e - fade.start >= fade.duration) return 255;
    return int(std::int64_t(e - fade.start) * 255 / fade.duration);
}

bool IntroShows(IntroFade fade, int e) { return e >= fade.start; }

IntroSounds TakeIntroSounds(MenuState& menus, int e) {
    IntroSounds due;
    if (!menus.stopSoundPlayed && IntroAlpha(kStopFade, e) > 0) due.stop = menus.stopSoundPlayed = true;
    if (!menus.greetingSoundPlayed && IntroAlpha(kGreetingFade, e) > 0) due.greeting = menus.greetingSoundPlayed = true;
    return due;
}

}  // namespace glyphora
