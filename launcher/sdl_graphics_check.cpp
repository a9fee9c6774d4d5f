#include "launcher/sdl_graphics_check.h"

#include <SDL.h>

#include <cstring>
#include <memory>

namespace glyphora {
namespace {

struct WindowCloser {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct RendererCloser {
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};
using WindowHandle = std::unique_ptr<SDL_Window, WindowCloser>;
using RendererHandle = std::unique_ptr<SDL_Renderer, RendererCloser>;

// SDL video for the length of the check.
class VideoSession {
public:
    VideoSession() : started_(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}
    ~VideoSession() {
        if (started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;
    bool started() const { return started_; }

private:
    bool started_;
};

bool HeadlessDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

// SDL falls back to its offscreen driver when there is no display at all; a
// game started on it would run where nobody sees it. A driver without a
// display counts only when it was asked for (headless runs and tests).
bool CanShowThePlayer() {
    if (!HeadlessDriver()) return true;
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    return requested && SDL_strcasecmp(requested, SDL_GetCurrentVideoDriver()) == 0;
}

// A hidden window of the game's size, made as the game makes its own: with
// OpenGL for the accelerated renderer where there is a display.
WindowHandle CreateHiddenWindow() {
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    WindowHandle window;
    if (!HeadlessDriver()) {
        window.reset(SDL_CreateWindow("Glyphora", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 700, 450,
                                      flags | SDL_WINDOW_OPENGL));
    }
    if (!window) {
        window.reset(SDL_CreateWindow("Glyphora", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 700, 450, flags));
    }
    return window;
}

// The renderer the game would use: accelerated with vsync, else software.
bool CanCreateGameRenderer(SDL_Window* window) {
    RendererHandle renderer;
    if (!HeadlessDriver())
        renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
    if (!renderer) renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    return renderer != nullptr;
}

}  // namespace

CheckResult SdlGraphicsCheck::query(int& major, int& minor, char& letter) {
    const VideoSession video;
    if (!video.started() || !CanShowThePlayer()) return CheckResult::Failed;
    const WindowHandle window = CreateHiddenWindow();
    if (!window || !CanCreateGameRenderer(window.get())) return CheckResult::Failed;
    major = 9, minor = 0, letter = 'c';
    return CheckResult::Ok;
}

}  // namespace glyphora
