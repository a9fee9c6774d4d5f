#include "game/gameplay/cheats.h"

namespace glyphora {

// No matcher exists yet, so no key is ever accepted.
int FeedCheatMatchers(CheatState&, int) { return 0; }

}  // namespace glyphora
