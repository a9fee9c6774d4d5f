#include "game/screens/peek.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "game/shell/game.h"
#include "game/shell/game_clock.h"

namespace glyphora {
namespace {

constexpr int kRightEdge = kWindowWidth;
constexpr int kRestX = kRightEdge - kPeekWidth;

void MaybeStartPeek(MenuState& menus, int now) {
    if (Elapsed(now, menus.lastPeekEnd) <= kPeekPause || Elapsed(now, menus.lastPeekTry) <= kPeekRetry) return;
    menus.peekState = 1;
    menus.peekStart = now;
    int picture = std::rand() % kPeekPictures;
    while (picture == menus.peekPicture) picture = std::rand() % kPeekPictures;
    menus.peekPicture = picture;
    menus.lastPeekTry = now;
}

}  // namespace

std::optional<int> StepPeek(MenuState& menus, int now) {
    if (menus.peekState == 0) MaybeStartPeek(menus, now);
    if (menus.peekState == 0) return std::nullopt;
    // Wide enough for any gap between two frames (the window may sleep for hours).
    const std::int64_t e = Elapsed(now, menus.peekStart);
    if (e > kPeekLeaveAfter) menus.peekState = 2;
    if (menus.peekState == 1) return int(std::max<std::int64_t>(kRightEdge - e * kPeekSpeed / 1000, kRestX));
    const std::int64_t x = kRightEdge + (e - kPeekLeaveAfter) * kPeekSpeed / 1000 - kPeekWidth;
    if (x <= kRightEdge) return int(x);
    menus.peekState = 0;
    menus.lastPeekEnd = now;
    return std::nullopt;
}

}  // namespace glyphora
