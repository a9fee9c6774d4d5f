#include "platform/sdl/sdl_video.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/cpu/cpu_device.h"
#include "platform/png/png_image.h"
#include "platform/sdl/refresh_interval.h"
#include "platform/sdl/sdl_device.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_window_surface.h"

namespace glyphora::platform {
namespace {

std::int32_t PackPoint(int x, int y) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(x & 0xFFFF));
}

Message WindowEventMessage(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: return {MessageKind::Activate, 1, 0};
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED: return {MessageKind::Activate, 0, 0};
        case SDL_WINDOWEVENT_EXPOSED: return {MessageKind::Paint, 0, 0};
        case SDL_WINDOWEVENT_CLOSE: return {MessageKind::Destroy, 0, 0};
        default: return {};
    }
}

}  // namespace

SdlVideo::SdlVideo() = default;

SdlVideo::~SdlVideo() {
    if (window_) SDL_DestroyWindow(window_);
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlVideo::Headless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) driver = SDL_getenv("SDL_VIDEODRIVER");
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

bool SdlVideo::open(const WindowSpec& spec) {
    if (!videoStarted_) {
        // Before SDL's video starts: the choice may probe OpenGL in a child
        // process, which must not inherit a started video subsystem.
        path_ = ChooseDrawingPathForThisProcess();
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        videoStarted_ = true;
    }
    // The accelerated renderer draws through OpenGL; creating the window with
    // that flag up front keeps SDL from re-creating it for the renderer. The
    // CPU device's window must not have it: it would load OpenGL.
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    if (path_ == DrawingPath::Sdl && !Headless()) flags |= SDL_WINDOW_OPENGL;
    window_ = SDL_CreateWindow(spec.title.c_str(), spec.position.x, spec.position.y, spec.size.width, spec.size.height,
                               flags);
    if (!window_ && (flags & SDL_WINDOW_OPENGL)) {
        window_ = SDL_CreateWindow(spec.title.c_str(), spec.position.x, spec.position.y, spec.size.width,
                                   spec.size.height, flags & ~SDL_WINDOW_OPENGL);
    }
    if (!window_) return false;
    picture_ = spec.size;
    // A window manager may resize it (full screen asks for that): the
    // picture then stands scaled in the middle, never smaller than it is.
    SDL_SetWindowMinimumSize(window_, spec.size.width, spec.size.height);
    SDL_SetWindowResizable(window_, SDL_TRUE);
    SDL_StartTextInput();
    return true;
}

void SdlVideo::move(Point p) {
    if (!window_) return;
    SDL_SetWindowPosition(window_, p.x, p.y);
    pending_.push_back({MessageKind::Paint, 0, 0});
}

void SdlVideo::setScale(int scale) {
    if (!window_ || scale < 1) return;
    SDL_SetWindowSize(window_, picture_.width * scale, picture_.height * scale);
    pending_.push_back({MessageKind::Paint, 0, 0});
}

void SdlVideo::resize(Size size) {
    if (window_) SDL_SetWindowSize(window_, size.width, size.height);
}

WindowView SdlVideo::view() {
    if (!window_) return {};
    Size window;
    SDL_GetWindowSize(window_, &window.width, &window.height);
    SDL_Rect display{0, 0, 0, 0};
    const int index = SDL_GetWindowDisplayIndex(window_);
    if (SDL_GetDisplayBounds(index < 0 ? 0 : index, &display) != 0)
        display = {0, 0, window.width + 1, window.height + 1};
    WindowView view = ViewInWindow(picture_, window, {display.w, display.h});
    if (view.fullScreen) view.displayCorner = {display.x, display.y};
    return view;
}

void SdlVideo::minimise() {
    if (window_) SDL_MinimizeWindow(window_);
}

void SdlVideo::setIcon(const std::string& pngPath) {
    Image icon;
    if (!window_ || !LoadPng(pngPath, icon)) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Colour*>(icon.pixels.data()), icon.width, icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

std::unique_ptr<Device> SdlVideo::createDevice() {
    if (!window_) return nullptr;
    // Both devices draw the picture at the size the window was opened with;
    // a larger window shows it scaled.
    if (path_ == DrawingPath::Cpu) {
        if (auto surface = SdlWindowSurface::Create(window_))
            return std::make_unique<CpuDevice>(picture_, std::move(surface), DisplayRefreshInterval());
    }
    // Without a window surface the CPU path falls back on SDL's software
    // renderer, never on OpenGL, which it was chosen to keep out.
    return SdlDevice::Create(window_, picture_, Headless() || path_ == DrawingPath::Cpu);
}

bool SdlVideo::takePending(Message& out) {
    if (quitCode_) {
        out = {MessageKind::Quit, static_cast<std::uint32_t>(*quitCode_), 0};
        quitCode_.reset();
        return true;
    }
    if (pending_.empty()) return false;
    out = pending_.front();
    pending_.pop_front();
    return true;
}

bool SdlVideo::peek(Message& out) {
    if (takePending(out)) return true;
    SDL_Event event;
    while (videoStarted_ && SDL_PollEvent(&event)) {
        translate(event);
        if (takePending(out)) return true;
    }
    return false;
}

Message SdlVideo::wait() {
    Message out;
    while (!takePending(out)) {
        SDL_Event event;
        if (!videoStarted_ || !SDL_WaitEvent(&event)) return {MessageKind::Quit, 0, 0};
        translate(event);
    }
    return out;
}

void SdlVideo::postQuit(int exitCode) { quitCode_ = exitCode; }

void SdlVideo::translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: pending_.push_back({MessageKind::Destroy, 0, 0}); break;
        case SDL_WINDOWEVENT: {
            const Message message = WindowEventMessage(event.window);
            if (message.kind != MessageKind::None) pending_.push_back(message);
            break;
        }
        case SDL_KEYDOWN: {
            const int key = VirtualKeyFromSdlSymbol(event.key.keysym.sym);
            if (key != 0) pending_.push_back({MessageKind::KeyDown, static_cast<std::uint32_t>(key), 0});
            const int character = SynthesisedCharFromSdlSymbol(event.key.keysym.sym);
            if (character != 0) pending_.push_back({MessageKind::Char, static_cast<std::uint32_t>(character), 0});
            break;
        }
        case SDL_TEXTINPUT:
            // Single-byte text only: bytes of multi-byte UTF-8 sequences are dropped.
            for (const char* c = event.text.text; *c; ++c) {
                const auto byte = static_cast<unsigned char>(*c);
                if (byte >= 32 && byte <= 126) pending_.push_back({MessageKind::Char, byte, 0});
            }
            break;
        case SDL_MOUSEMOTION:
            pending_.push_back({MessageKind::MouseMove, 0, PackPoint(event.motion.x, event.motion.y)});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) {
                const auto kind = event.type == SDL_MOUSEBUTTONDOWN ? MessageKind::LButtonDown : MessageKind::LButtonUp;
                pending_.push_back({kind, 0, PackPoint(event.button.x, event.button.y)});
            }
            break;
        default: break;
    }
}

Point SdlVideo::cursorPosition() {
    Point p;
    if (videoStarted_) SDL_GetGlobalMouseState(&p.x, &p.y);
    return p;
}

void SdlVideo::showCursor(bool visible) {
    if (videoStarted_) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

Size SdlVideo::screenSize() {
    SDL_Rect bounds{0, 0, 0, 0};
    if (!videoStarted_ || SDL_GetDisplayBounds(0, &bounds) != 0) return {1024, 768};
    return {bounds.w, bounds.h};
}

int SdlVideo::screenDensity() {
    float diagonal = 0;
    if (!videoStarted_ || SDL_GetDisplayDPI(0, &diagonal, nullptr, nullptr) != 0) return 0;
    return diagonal > 0 ? static_cast<int>(diagonal + 0.5f) : 0;
}

MessageBoxAnswer SdlVideo::messageBox(const std::string& caption, const std::string& text, MessageBoxStyle style) {
    const bool question = style == MessageBoxStyle::YesNoQuestion;
    const SDL_MessageBoxButtonData yesNo[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
    };
    const SDL_MessageBoxButtonData ok[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1, "OK"},
    };
    const SDL_MessageBoxData data{question ? SDL_MESSAGEBOX_INFORMATION : SDL_MESSAGEBOX_ERROR,
                                  window_,
                                  caption.c_str(),
                                  text.c_str(),
                                  question ? 2 : 1,
                                  question ? yesNo : ok,
                                  nullptr};
    int pressed = -1;
    if (Headless() || SDL_ShowMessageBox(&data, &pressed) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return question ? MessageBoxAnswer::Yes : MessageBoxAnswer::Ok;
    }
    if (!question) return MessageBoxAnswer::Ok;
    return pressed == 1 ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

}  // namespace glyphora::platform
