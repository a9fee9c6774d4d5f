#pragma once
// The cheat codes as the play field sees them. The codes themselves arrive
// with their own matchers; until then no key is accepted by any of them.

namespace glyphora {

struct CheatState {
    bool invulnerable = false;  // a letter that leaves the field costs no life
};

// Offers a key-down to every cheat matcher (on every screen). Returns how many
// matchers accepted the key.
int FeedCheatMatchers(CheatState& cheats, int key);

}  // namespace glyphora
