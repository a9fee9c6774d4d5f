#include "game/screens/peek.h"

#include <algorithm>
#include <cstdint>

#include "game/shell/game.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

constexpr int kRightEdge = kWindowWidth;
constexpr int kRestX = kRightEdge - kPeekWidth;

// A time that lies ahead of now can only be the start value 0 seen from a
// clock at or past 2^31 (the game clock wraps): it counts as long ago.
bool Within(int now, int since, int span) {
    const int elapsed = Elapsed(now, since);
    return elapsed >= 0 && elapsed <= span;
}

// Every try draws its chance first (a peek always comes), as the shared
// random sequence expects.
void MaybeStartPeek(MenuState& menus, int now, Random& random) {
    if (Within(now, menus.lastPeekEnd, kPeekPause) || Within(now, menus.lastPeekTry, kPeekRetry)) return;
    random.next();
    menus.peekState = PeekState::Showing;
    menus.peekStart = now;
    int picture = random.below(kPeekPictures);
    while (picture == menus.peekPicture) picture = random.below(kPeekPictures);
    menus.peekPicture = picture;
    menus.lastPeekTry = now;
}

}  // namespace

std::optional<int> StepPeek(MenuState& menus, int now, Random& random) {
    if (menus.peekState == PeekState::Idle) MaybeStartPeek(menus, now, random);
    if (menus.peekState == PeekState::Idle) return std::nullopt;
    // Wide enough for any gap between two frames (the window may sleep for hours).
    const std::int64_t e = Elapsed(now, menus.peekStart);
    if (e > kPeekLeaveAfter) menus.peekState = PeekState::Leaving;
    if (menus.peekState == PeekState::Showing)
        return int(std::max<std::int64_t>(kRightEdge - e * kPeekSpeed / 1000, kRestX));
    const std::int64_t x = kRightEdge + (e - kPeekLeaveAfter) * kPeekSpeed / 1000 - kPeekWidth;
    if (x <= kRightEdge) return int(x);
    menus.peekState = PeekState::Idle;
    menus.lastPeekEnd = now;
    return std::nullopt;
}

}  // namespace glyphora
