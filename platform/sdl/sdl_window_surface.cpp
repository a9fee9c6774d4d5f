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
    // What the picture does not cover is black; the next show sends it all.
    if (lost && surface_) {
        SDL_FillRect(surface_, nullptr, SDL_MapRGB(surface_->format, 0, 0, 0));
        blackened_ = true;
    }
    return lost;
}

bool SdlWindowSurface::readWindow(Image& out) {
    if (!surface_ || surface_->w <= 0 || surface_->h <= 0) return false;
    // Before the first frame shows, or where it shows unscaled, the frame is the picture.
    if (frameSize_.width <= 0 || (surface_->w == frameSize_.width && surface_->h == frameSize_.height)) return false;
    out.width = surface_->w;
    out.height = surface_->h;
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
    const bool read =
        SDL_ConvertPixels(out.width, out.height, surface_->format->format, surface_->pixels, surface_->pitch,
                          SDL_PIXELFORMAT_ARGB8888, out.pixels.data(), out.width * 4) == 0;
    if (read)
        for (Colour& pixel : out.pixels) pixel |= 0xFF000000u;
    return read;
}

Rect SdlWindowSurface::showScaled(const std::uint32_t* frame, Size size, const Rect& rect, const WindowView& view) {
    const int s = view.scale, width = rect.right - rect.left;
    if (row_.size() < std::size_t(width)) row_.resize(std::size_t(size.width));
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::uint32_t* from = frame + std::size_t(y) * std::size_t(size.width) + std::size_t(rect.left);
        SDL_ConvertPixels(width, 1, SDL_PIXELFORMAT_RGB888, from, width * 4, surface_->format->format, row_.data(),
                          width * 4);
        auto* first = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface_->pixels) +
                                                       std::ptrdiff_t(view.origin.y + y * s) * surface_->pitch) +
                      view.origin.x + rect.left * s;
        for (int x = 0; x < width; ++x) std::fill_n(first + x * s, s, row_[std::size_t(x)]);
        for (int copy = 1; copy < s; ++copy)
            std::copy_n(first, width * s,
                        reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(first) +
                                                         std::ptrdiff_t(copy) * surface_->pitch));
    }
    return {view.origin.x + rect.left * s, view.origin.y + rect.top * s, view.origin.x + rect.right * s,
            view.origin.y + rect.bottom * s};
}

void SdlWindowSurface::show(const std::uint32_t* frame, Size size, std::span<const Rect> rects) {
    if (!surface_) return;
    frameSize_ = size;
    const WindowView view = ViewInWindow(size, {surface_->w, surface_->h}, {surface_->w, surface_->h});
    // Scaling writes whole 32-bit pixels; other surfaces show the frame unscaled.
    if ((view.scale > 1 || view.origin != Point{}) && surface_->format->BytesPerPixel == 4 && view.origin.x >= 0 &&
        view.origin.y >= 0) {
        std::array<SDL_Rect, DamageRegion::kCapacity> shownScaled;
        int scaledCount = 0;
        for (const Rect& rect : rects) {
            const Rect clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, size.width),
                               std::min(rect.bottom, size.height)};
            if (clipped.right <= clipped.left || clipped.bottom <= clipped.top) continue;
            const Rect at = showScaled(frame, size, clipped, view);
            if (scaledCount < int(shownScaled.size()))
                shownScaled[std::size_t(scaledCount++)] =
                    SDL_Rect{at.left, at.top, at.right - at.left, at.bottom - at.top};
        }
        if (blackened_ || scaledCount == int(shownScaled.size())) SDL_UpdateWindowSurface(window_);
        else if (scaledCount > 0) SDL_UpdateWindowSurfaceRects(window_, shownScaled.data(), scaledCount);
        blackened_ = false;
        return;
    }
    blackened_ = false;
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
