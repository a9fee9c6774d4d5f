#pragma once
// The CPU device's way to the screen: rectangles of its frame copied into
// the SDL window's surface and shown with SDL_UpdateWindowSurfaceRects (on
// X11 a shared-memory put of each rectangle). The surface is SDL's plain
// framebuffer, never a texture of an accelerated renderer, so no OpenGL
// library is loaded for it. A window larger than the frame shows it at the
// largest whole scale that fits, centred, each pixel repeated (nearest
// neighbour), black around it.
#include <array>
#include <memory>
#include <vector>

#include "platform/cpu/damage_region.h"
#include "platform/cpu/frame_presenter.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace glyphora::platform {

class SdlWindowSurface final : public FramePresenter {
public:
    // Nullptr when the window has no surface to draw into.
    static std::unique_ptr<SdlWindowSurface> Create(SDL_Window* window);
    ~SdlWindowSurface() override;
    SdlWindowSurface(const SdlWindowSurface&) = delete;
    SdlWindowSurface& operator=(const SdlWindowSurface&) = delete;

    void show(const std::uint32_t* frame, Size size, std::span<const Rect> rects) override;
    bool lostContents() override;
    bool readWindow(Image& out) override;

private:
    SdlWindowSurface(SDL_Window* window, SDL_Surface* surface);
    // Notes window events that lose what the window showed.
    static int WatchEvents(void* self, SDL_Event* event);
    // One rectangle of the frame, scaled, into the surface; its place there.
    Rect showScaled(const std::uint32_t* frame, Size size, const Rect& rect, const WindowView& view);

    SDL_Window* window_;
    SDL_Surface* surface_;  // SDL's; made anew by SDL when the window changes size
    unsigned windowId_;
    bool lost_ = true;
    Size frameSize_{0, 0};            // of the frames shown last
    bool blackened_ = false;          // the surface was cleared to black: show all of it
    std::vector<std::uint32_t> row_;  // one converted row, before it is repeated
};

}  // namespace glyphora::platform
