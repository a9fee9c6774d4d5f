#include "platform/sdl/refresh_interval.h"

#include <SDL.h>

namespace glyphora::platform {

std::chrono::microseconds DisplayRefreshInterval() {
    SDL_DisplayMode mode;
    int hz = 60;
    if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0) hz = mode.refresh_rate;
    return std::chrono::microseconds(1'000'000 / hz);
}

}  // namespace glyphora::platform
