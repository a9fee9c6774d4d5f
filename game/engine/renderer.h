#pragma once
// The renderer: owns the one 2D device. Everything on screen is a textured
// quad given by four corner points, a solid rectangle, or text built from
// quads; each call draws at once, so painter's order is call order.
//
//   Device and frame    InitRenderer ... PresentFrame
//   Solid drawing       ClearScreen, ClearScreenRgb, FillRect
//   Pictures            Texture, Sprite, AnimatedSprite and their drawing
//   Drawing state       vertex alpha, alpha source, filtering
#include <cstdint>
#include <memory>
#include <string>

#include "game/engine/debug_log.h"
#include "game/engine/geometry.h"
#include "platform/platform.h"

namespace glyphora {

// One picture file in device memory. width and height are the requested
// size (the loader resamples to it), -1 where 0 was requested.
struct Texture {
    std::unique_ptr<platform::Texture> texture;  // null when loading failed
    int width = -1;
    int height = -1;
};

// A rectangular region of a texture: the unit of all picture drawing. The
// region may be re-pointed between draws.
struct Sprite {
    float uOrigin = 0, vOrigin = 0, uSize = 0, vSize = 0;  // recomputed before each draw
    const Texture* texture = nullptr;                      // the sheet, not owned
    int srcX = 0, srcY = 0, srcW = 0, srcH = 0;            // region; also the drawn size
};

// A sprite whose frames lie side by side (or stacked downwards) on the sheet.
struct AnimatedSprite : Sprite {
    int frameCount = 1;
    int currentFrame = 0;
    int crossOffset = 0;  // offset in whole regions along the other axis
    int frameDurationMs = 0;
    std::uint32_t lastStepTick = 0;
    bool playing = true;
    bool finished = false;
    bool looping = true;
    bool vertical = false;
};

struct Renderer {
    std::unique_ptr<platform::Device> device;  // null before InitRenderer or when creation failed
    Colour vertexColour = 0x00FFFFFF;          // diffuse colour of the scratch quad's corners
    platform::AlphaSource alphaSource = platform::AlphaSource::Texture;  // as last set on the device
};

// ---- Device and frame ------------------------------------------------------

// Creates the device for the window and logs each step. False when no
// device can be made: every drawing call below then does nothing.
bool InitRenderer(Renderer& renderer, platform::Window& window, const DebugLog& log);
void ReleaseRenderer(Renderer& renderer, const DebugLog& log);
bool RendererReady(const Renderer& renderer);
void BeginFrame(Renderer& renderer);
void EndFrame(Renderer& renderer);
void PresentFrame(Renderer& renderer);
// Presents without waiting for the display (single frames outside the loop).
void PresentFrameNow(Renderer& renderer);

// ---- Solid drawing ---------------------------------------------------------

void ClearScreen(Renderer& renderer, Colour colour);
// Each component is taken modulo 256.
void ClearScreenRgb(Renderer& renderer, int r, int g, int b);
// Replaces the rectangle's pixels with the colour: no blending, whatever its alpha.
void FillRect(Renderer& renderer, const Rect& rect, Colour colour);

// ---- Pictures --------------------------------------------------------------

// Loads path (relative to the working directory, lying on disk in form) at
// the requested size; texels equal to colourKey become transparent (0: no
// key). A failed load leaves a null texture with the requested size kept.
void LoadTexture(Renderer& renderer, Texture& texture, int width, int height, Colour colourKey, const std::string& path,
                 platform::FileForm form = platform::FileForm::Plain);
void ReleaseTexture(Texture& texture);

Sprite MakeSprite(const Texture& sheet, int srcX, int srcY, int srcW, int srcH);
AnimatedSprite MakeAnimatedSprite(const Texture& sheet, int srcX, int srcY, int srcW, int srcH, int frameCount,
                                  int frameDurationMs, bool looping, bool vertical, std::uint32_t nowTick);

// Draws the region at (x, y) in its own size, shifted by frameU region widths
// to the right and frameV region heights downwards (negative: left, up).
void DrawSprite(Renderer& renderer, Sprite& sprite, float x, float y, int frameU = 0, int frameV = 0);
// The same region arithmetic onto an arbitrary quad (rotated, scaled).
void DrawSpriteQuad(Renderer& renderer, Sprite& sprite, const Quad& quad, int frameU = 0, int frameV = 0);

// Advances by whole frame durations since the last step; the remainder
// carries over. A non-looping animation stops on its last frame, finished.
void StepAnimation(AnimatedSprite& animation, std::uint32_t nowTick);
void DrawAnimatedSprite(Renderer& renderer, AnimatedSprite& animation, float x, float y);

// ---- Drawing state ---------------------------------------------------------

// The alpha of the scratch quad's corners (used after SetAlphaFromVertex).
void SetVertexAlpha(Renderer& renderer, int alpha);
void SetAlphaFromVertex(Renderer& renderer);
void SetAlphaFromTexture(Renderer& renderer);
void SetLinearFiltering(Renderer& renderer);
void SetPointFiltering(Renderer& renderer);

}  // namespace glyphora
