#include "platform/sdl/sdl_window_surface.h"

#include <SDL.h>

#include <algorithm>

namespace glyphora::platform {

std::unique_ptr<SdlWindowSurface> SdlWindowSurface::Create(SDL_Window* window) {
    // Without this SDL may put the window's surface on an accelerated
    // renderer, which loads OpenGL: the very thing this path avoids.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return nullptr;
    return std::unique_ptr<SdlWindowSurface>(new SdlWindowSurface(window, surface));
}

SdlWindowSurface::SdlWindowSurface(SDL_Window* window, SDL_Surface* surface)
    : window_(window), surface_(surface), windowId_(SDL_GetWindowID(window)) {
    SDL_AddEventWatch(WatchEvents, this);
}

SdlWindowSurface::~SdlWindowSurface() { SDL_DelEventWatch(WatchEvents, this); }

int SdlWindowSurface::WatchEvents(void* self, SDL_Event* event) {
    auto* surface = static_cast<SdlWindowSurface*>(self);
    if (event->type != SDL_WINDOWEVENT || event->window.windowID != surface->windowId_) return 1;
    switch (event->window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: surface->lost_ = true; break;
        default: break;
    }
    return 1;
}

bool SdlWindowSurface::lostContents() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface != surface_) surface_ = surface, lost_ = true;
    const bool lost = lost_;
    lost_ = false;
    return lost;
}

void SdlWindowSurface::show(const std::uint32_t* frame, Size size, std::span<const Rect> rects) {
    if (!surface_) return;
    std::array<SDL_Rect, DamageRegion::kCapacity> shown;
    int count = 0;
    for (const Rect& rect : rects) {
        const int right = std::min({rect.right, size.width, surface_->w});
        const int bottom = std::min({rect.bottom, size.height, surface_->h});
        if (right <= rect.left || bottom <= rect.top) continue;
        if (count == int(shown.size())) {
            SDL_UpdateWindowSurfaceRects(window_, shown.data(), count);
            count = 0;
        }
        const std::uint32_t* from = frame + std::size_t(rect.top) * std::size_t(size.width) + std::size_t(rect.left);
        auto* to = static_cast<std::uint8_t*>(surface_->pixels) + std::ptrdiff_t(rect.top) * surface_->pitch +
                   std::ptrdiff_t(rect.left) * surface_->format->BytesPerPixel;
        SDL_ConvertPixels(right - rect.left, bottom - rect.top, SDL_PIXELFORMAT_RGB888, from, size.width * 4,
                          surface_->format->format, to, surface_->pitch);
        shown[std::size_t(count++)] = SDL_Rect{rect.left, rect.top, right - rect.left, bottom - rect.top};
    }
    if (count > 0) SDL_UpdateWindowSurfaceRects(window_, shown.data(), count);
}

}  // namespace glyphora::platform
