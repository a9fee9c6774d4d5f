#include "game/engine/renderer.h"

namespace glyphora {
namespace {

platform::Device* DeviceOf(Renderer& renderer) { return renderer.device.get(); }

// Texture coordinates of the sprite's region: divided by the sheet's size
// minus one, so the last texel of a row maps to exactly 1.0.
void ComputeTextureCoordinates(Sprite& sprite) {
    const float width = sprite.texture ? float(sprite.texture->width - 1) : 1.0f;
    const float height = sprite.texture ? float(sprite.texture->height - 1) : 1.0f;
    sprite.uOrigin = float(sprite.srcX) / width;
    sprite.vOrigin = float(sprite.srcY) / height;
    sprite.uSize = float(sprite.srcW) / width;
    sprite.vSize = float(sprite.srcH) / height;
}

}  // namespace

// ---- Device and frame ------------------------------------------------------

bool InitRenderer(Renderer& renderer, platform::Window& window, const DebugLog& log) {
    StartLog(log);
    LogLine(log, "KORU INITIALIZATION");
    LogLine(log, "");
    LogLine(log, "D3DObject created ok");
    renderer.device = window.createDevice();
    if (!renderer.device) {
        LogLine(log, "Failed creating D3DDevice - D3DERR_NOTAVAILABLE");
        return false;
    }
    LogLine(log, "D3DDevice created ok");
    LogLine(log, "BackBuffer created ok");
    LogLine(log, "VertexBuffer created ok");
    renderer.vertexColour = 0x00FFFFFF;
    LogLine(log, "");
    return true;
}

void ReleaseRenderer(Renderer& renderer, const DebugLog& log) {
    if (!renderer.device) return;
    LogLine(log, "<br>KORU RELEASING<br>");
    LogLine(log, "VertexBuffer released ok");
    LogLine(log, "BackBuffer released ok");
    renderer.device.reset();
    LogLine(log, "D3DDevice released ok");
    LogLine(log, "D3DObject released ok");
    EndLog(log);
}

bool RendererReady(const Renderer& renderer) { return renderer.device != nullptr; }

// The device draws each call at once; a frame needs no opening or closing.
void BeginFrame(Renderer&) {}
void EndFrame(Renderer&) {}

void PresentFrame(Renderer& renderer) {
    if (auto* device = DeviceOf(renderer)) device->present();
}

void PresentFrameNow(Renderer& renderer) {
    if (auto* device = DeviceOf(renderer)) device->presentNow();
}

// ---- Solid drawing ---------------------------------------------------------

void ClearScreen(Renderer& renderer, Colour colour) {
    if (auto* device = DeviceOf(renderer)) device->clear(colour);
}

void ClearScreenRgb(Renderer& renderer, int r, int g, int b) {
    const auto channel = [](int value) { return static_cast<Colour>(value & 0xFF); };
    ClearScreen(renderer, 0xFF000000 | channel(r) << 16 | channel(g) << 8 | channel(b));
}

void FillRect(Renderer& renderer, const Rect& rect, Colour colour) {
    if (auto* device = DeviceOf(renderer)) device->fillRect(rect, colour);
}

// ---- Pictures --------------------------------------------------------------

void LoadTexture(Renderer& renderer, Texture& texture, int width, int height, Colour colourKey, const std::string& path,
                 platform::FileForm form) {
    texture.width = width == 0 ? -1 : width;
    texture.height = height == 0 ? -1 : height;
    texture.texture.reset();
    if (auto* device = DeviceOf(renderer))
        texture.texture = device->loadTexture(path, form, {width, height}, colourKey);
}

void ReleaseTexture(Texture& texture) { texture.texture.reset(); }

Sprite MakeSprite(const Texture& sheet, int srcX, int srcY, int srcW, int srcH) {
    Sprite sprite;
    sprite.texture = &sheet;
    sprite.srcX = srcX;
    sprite.srcY = srcY;
    sprite.srcW = srcW;
    sprite.srcH = srcH;
    return sprite;
}

AnimatedSprite MakeAnimatedSprite(const Texture& sheet, int srcX, int srcY, int srcW, int srcH, int frameCount,
                                  int frameDurationMs, bool looping, bool vertical, std::uint32_t nowTick) {
    AnimatedSprite animation;
    static_cast<Sprite&>(animation) = MakeSprite(sheet, srcX, srcY, srcW, srcH);
    animation.frameCount = frameCount;
    animation.frameDurationMs = frameDurationMs;
    animation.looping = looping;
    animation.vertical = vertical;
    animation.lastStepTick = nowTick;
    return animation;
}

void DrawSpriteQuad(Renderer& renderer, Sprite& sprite, const Quad& quad, int frameU, int frameV) {
    auto* device = DeviceOf(renderer);
    if (!device) return;
    ComputeTextureCoordinates(sprite);
    const float u0 = sprite.uOrigin + float(frameU) * sprite.uSize;
    const float v0 = sprite.vOrigin + float(frameV) * sprite.vSize;
    const float u[4] = {u0, u0 + sprite.uSize, u0, u0 + sprite.uSize};
    const float v[4] = {v0, v0, v0 + sprite.vSize, v0 + sprite.vSize};
    platform::QuadVertices corners;
    for (int i = 0; i < 4; ++i) corners[i] = {quad.corners[i].x, quad.corners[i].y, renderer.vertexColour, u[i], v[i]};
    device->drawQuad(sprite.texture ? sprite.texture->texture.get() : nullptr, corners);
}

void DrawSprite(Renderer& renderer, Sprite& sprite, float x, float y, int frameU, int frameV) {
    DrawSpriteQuad(renderer, sprite, MakeQuad(x, y, float(sprite.srcW), float(sprite.srcH)), frameU, frameV);
}

void StepAnimation(AnimatedSprite& animation, std::uint32_t nowTick) {
    if (!animation.playing || animation.frameDurationMs <= 0 || animation.frameCount <= 0) return;
    const auto duration = std::uint32_t(animation.frameDurationMs);
    const std::uint32_t steps = (nowTick - animation.lastStepTick) / duration;
    if (steps == 0) return;
    animation.lastStepTick += steps * duration;  // the remainder carries over to the next step
    const auto count = std::uint32_t(animation.frameCount);
    if (animation.looping) {
        animation.currentFrame = int((std::uint32_t(animation.currentFrame) + steps % count) % count);
    } else if (steps >= count - std::uint32_t(animation.currentFrame)) {
        animation.currentFrame = animation.frameCount - 1;
        animation.finished = true;
    } else {
        animation.currentFrame += int(steps);
    }
}

void DrawAnimatedSprite(Renderer& renderer, AnimatedSprite& animation, float x, float y) {
    const int along = animation.currentFrame, across = animation.crossOffset;
    if (animation.vertical) DrawSprite(renderer, animation, x, y, across, along);
    else DrawSprite(renderer, animation, x, y, along, across);
}

// ---- Drawing state ---------------------------------------------------------

void SetVertexAlpha(Renderer& renderer, int alpha) {
    renderer.vertexColour = static_cast<Colour>(alpha & 0xFF) << 24 | 0xFFFFFF;
}

void SetAlphaFromVertex(Renderer& renderer) {
    renderer.alphaSource = platform::AlphaSource::Vertex;
    if (auto* device = DeviceOf(renderer)) device->setAlphaSource(platform::AlphaSource::Vertex);
}

void SetAlphaFromTexture(Renderer& renderer) {
    renderer.alphaSource = platform::AlphaSource::Texture;
    if (auto* device = DeviceOf(renderer)) device->setAlphaSource(platform::AlphaSource::Texture);
}

void SetLinearFiltering(Renderer& renderer) {
    if (auto* device = DeviceOf(renderer)) device->setFilter(platform::Filter::Linear);
}

void SetPointFiltering(Renderer& renderer) {
    if (auto* device = DeviceOf(renderer)) device->setFilter(platform::Filter::Point);
}

}  // namespace glyphora
