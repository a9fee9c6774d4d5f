#pragma once
// The 2D device on an SDL_Renderer: hardware-accelerated with vsync on a
// display, the software renderer when headless.
#include <chrono>
#include <memory>

#include "platform/platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace glyphora::platform {

class SdlTexture;
struct TurnedCopy;

class SdlDevice final : public Device {
public:
    // Nullptr when no renderer can be created for the window. The device
    // draws a picture of the given size; a larger window shows it at the
    // largest whole scale that fits, centred, black around it.
    static std::unique_ptr<SdlDevice> Create(SDL_Window* window, Size picture, bool software);
    ~SdlDevice() override;
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;

    void clear(Colour colour) override;
    void fillRect(Rect rect, Colour colour) override;
    void drawQuad(const Texture* texture, const QuadVertices& corners) override;
    void setAlphaSource(AlphaSource source) override { alphaSource_ = source; }
    void setFilter(Filter filter) override { filter_ = filter; }
    void present() override;
    void presentNow() override;
    std::unique_ptr<Texture> loadTexture(const std::string& path, FileForm form, Size requested,
                                         Colour colourKey) override;
    std::unique_ptr<Texture> createTexture(const Image& image) override;
    bool readFrame(Image& out) override;

    // Frames are presented no closer together than this (zero: unpaced, for
    // measurements); the display's vertical sync, where in force, still waits.
    void setFrameInterval(std::chrono::microseconds interval) { frameInterval_ = interval; }

private:
    SdlDevice(SDL_Renderer* renderer, Size picture, std::chrono::microseconds frameInterval);
    void scaleToWindow();
    void paceFrame();
    void useScaleMode(SDL_Texture* texture);
    static bool IsUprightRectangle(const QuadVertices& corners);
    void drawRectangle(const SdlTexture& texture, const QuadVertices& corners);
    void drawTurnedCopy(const SdlTexture& texture, const TurnedCopy& copy, Colour colour);
    void drawGeometry(const SdlTexture& texture, const QuadVertices& corners);

    SDL_Renderer* renderer_;
    // Expires when the renderer, and with it every texture SDL made for it, goes.
    std::shared_ptr<const bool> rendererAlive_ = std::make_shared<const bool>(true);
    Size picture_;
    AlphaSource alphaSource_ = AlphaSource::Texture;
    Filter filter_ = Filter::Point;
    // Frames are never presented closer together than this; zero when the
    // display's vertical sync already paces them.
    std::chrono::microseconds frameInterval_;
    std::chrono::steady_clock::time_point nextFrame_;
};

}  // namespace glyphora::platform
