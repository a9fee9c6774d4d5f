#pragma once
// The SDL2 window with its message queue and the desktop services around it.
#include <deque>
#include <optional>

#include "platform/platform.h"
#include "platform/sdl/drawing_path.h"

struct SDL_Window;
union SDL_Event;

namespace glyphora::platform {

class SdlVideo final : public Window, public MessageQueue, public Desktop {
public:
    SdlVideo();
    ~SdlVideo() override;
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    // Window
    bool open(const WindowSpec& spec) override;
    void move(Point p) override;
    void minimise() override;
    void setIcon(const std::string& pngPath) override;
    std::unique_ptr<Device> createDevice() override;
    void setScale(int scale) override;
    WindowView view() override;

    // MessageQueue
    bool peek(Message& out) override;
    Message wait() override;
    void postQuit(int exitCode) override;

    // Desktop
    Point cursorPosition() override;
    void showCursor(bool visible) override;
    Size screenSize() override;
    int screenDensity() override;
    MessageBoxAnswer messageBox(const std::string& caption, const std::string& text, MessageBoxStyle style) override;

    // Resizes the window as a window manager's full screen would (tools
    // picture it so).
    void resize(Size size);

    // True for the dummy and offscreen drivers: no display, software drawing.
    static bool Headless();
    // The device createDevice makes; decided when the window first opens.
    DrawingPath drawingPath() const { return path_; }

private:
    void translate(const SDL_Event& event);
    bool takePending(Message& out);

    bool videoStarted_ = false;
    DrawingPath path_ = DrawingPath::Sdl;
    SDL_Window* window_ = nullptr;
    Size picture_{0, 0};  // the size the window was opened with: what the device draws
    std::deque<Message> pending_;
    std::optional<int> quitCode_;
};

}  // namespace glyphora::platform
