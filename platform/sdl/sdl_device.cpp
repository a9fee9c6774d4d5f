#include "platform/sdl/sdl_device.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

#include "platform/png/png_image.h"
#include "platform/sdl/refresh_interval.h"
#include "platform/sdl/right_angle_quad.h"

namespace glyphora::platform {

// A texture may outlive its device (a font kept while the device is made
// again): SDL frees every texture with its renderer, so the texture then
// frees nothing. Destroying it twice would free whatever SDL has since put at
// that address, another live texture as like as not.
class SdlTexture final : public Texture {
public:
    SdlTexture(SDL_Texture* texture, Size size, std::weak_ptr<const bool> rendererAlive)
        : texture_(texture), size_(size), rendererAlive_(std::move(rendererAlive)) {}
    ~SdlTexture() override {
        if (!rendererAlive_.expired()) SDL_DestroyTexture(texture_);
    }
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;
    Size size() const override { return size_; }
    SDL_Texture* handle() const { return texture_; }

private:
    SDL_Texture* texture_;
    Size size_;
    std::weak_ptr<const bool> rendererAlive_;
};

namespace {

using std::chrono::microseconds;
using std::chrono::steady_clock;

SDL_Color ToSdlColour(Colour c, bool keepAlpha) {
    return SDL_Color{static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c),
                     keepAlpha ? static_cast<Uint8>(c >> 24) : Uint8{255}};
}

// The part [lo, hi] of a quad's side, as fractions of it, over which a texture
// coordinate running from a to b stays within the texture (0 to 1).
bool SpanOnTexture(float a, float b, float& lo, float& hi) {
    lo = 0, hi = 1;
    if (a == b) return a >= 0 && a <= 1;
    const float atZero = -a / (b - a), atOne = (1 - a) / (b - a);
    lo = std::max(lo, std::min(atZero, atOne));
    hi = std::min(hi, std::max(atZero, atOne));
    return lo < hi;
}

// Cuts a sprite quad (u running along its top edge, v down its left edge) to
// the part whose texture coordinates lie on the texture, as Direct3D's clamp
// shows it and as the software renderer, which rejects coordinates outside
// 0 to 1, cannot. False when no part is left.
bool CutToTexture(QuadVertices& c) {
    const bool spriteLike = c[0].u == c[2].u && c[1].u == c[3].u && c[0].v == c[1].v && c[2].v == c[3].v;
    if (!spriteLike) return true;
    float s0, s1, t0, t1;
    if (!SpanOnTexture(c[0].u, c[1].u, s0, s1) || !SpanOnTexture(c[0].v, c[2].v, t0, t1)) return false;
    if (s0 == 0 && s1 == 1 && t0 == 0 && t1 == 1) return true;
    const QuadVertices whole = {c[0], c[1], c[2], c[3]};
    const auto at = [&](float s, float t, Colour colour) {
        const auto mix = [&](float tl, float tr, float bl, float br) {
            return (tl + (tr - tl) * s) * (1 - t) + (bl + (br - bl) * s) * t;
        };
        return Vertex{mix(whole[0].x, whole[1].x, whole[2].x, whole[3].x),
                      mix(whole[0].y, whole[1].y, whole[2].y, whole[3].y), colour,
                      whole[0].u + (whole[1].u - whole[0].u) * s, whole[0].v + (whole[2].v - whole[0].v) * t};
    };
    c[0] = at(s0, t0, whole[0].colour);
    c[1] = at(s1, t0, whole[1].colour);
    c[2] = at(s0, t1, whole[2].colour);
    c[3] = at(s1, t1, whole[3].colour);
    return true;
}

}  // namespace

std::unique_ptr<SdlDevice> SdlDevice::Create(SDL_Window* window, Size picture, bool software) {
    SDL_Renderer* renderer = nullptr;
    if (!software) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
    SDL_RendererInfo info;
    const bool vsync = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
    // A sync that the driver claims but does not keep (virtual displays) must
    // not let frames run free, so pacing stays on just below the refresh.
    const microseconds interval = DisplayRefreshInterval();
    return std::unique_ptr<SdlDevice>(new SdlDevice(renderer, picture, vsync ? interval * 9 / 10 : interval));
}

SdlDevice::SdlDevice(SDL_Renderer* renderer, Size picture, microseconds frameInterval)
    : renderer_(renderer), picture_(picture), frameInterval_(frameInterval), nextFrame_(steady_clock::now()) {
    scaleToWindow();
}

// The renderer scales the picture by whole factors (the textures sample the
// nearest texel), centres it and maps mouse events back.
void SdlDevice::scaleToWindow() {
    SDL_RenderSetLogicalSize(renderer_, picture_.width, picture_.height);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
}

SdlDevice::~SdlDevice() {
    rendererAlive_.reset();
    SDL_DestroyRenderer(renderer_);
}

// A clear covers the whole window; where the picture does not reach, black.
void SdlDevice::clear(Colour colour) {
    int width = 0, height = 0;
    const bool around = SDL_GetRendererOutputSize(renderer_, &width, &height) == 0 &&
                        (width != picture_.width || height != picture_.height);
    if (around) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                           static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 24));
    if (!around) {
        SDL_RenderClear(renderer_);
        return;
    }
    const SDL_Rect whole{0, 0, picture_.width, picture_.height};
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_RenderFillRect(renderer_, &whole);
}

void SdlDevice::fillRect(Rect rect, Colour colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                           static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 24));
    const SDL_Rect r{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    SDL_RenderFillRect(renderer_, &r);
}

void SdlDevice::drawQuad(const Texture* texture, const QuadVertices& corners) {
    const auto* sdlTexture = static_cast<const SdlTexture*>(texture);
    if (!sdlTexture) return;
    useScaleMode(sdlTexture->handle());
    if (IsUprightRectangle(corners)) drawRectangle(*sdlTexture, corners);
    else if (const auto turned = RightAngleCopy(corners, sdlTexture->size()))
        drawTurnedCopy(*sdlTexture, *turned, corners[0].colour);
    else drawGeometry(*sdlTexture, corners);
}

// SDL applies a texture's scale mode at once while earlier draws wait in its
// queue, and its OpenGL renderer binds the texture to set the mode without
// noting it: a queued draw whose texture SDL believes still bound then
// samples this one instead (sheet and atlas pieces across a frame, now and
// then). So the mode is set only when it changes, after the queue is drawn,
// and right before a draw of this very texture, which then leads the next
// flush and is bound correctly whatever SDL believes.
void SdlDevice::useScaleMode(SDL_Texture* texture) {
    const SDL_ScaleMode wanted = filter_ == Filter::Linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    SDL_ScaleMode current = SDL_ScaleModeNearest;
    if (SDL_GetTextureScaleMode(texture, &current) == 0 && current == wanted) return;
    SDL_RenderFlush(renderer_);
    SDL_SetTextureScaleMode(texture, wanted);
}

bool SdlDevice::IsUprightRectangle(const QuadVertices& c) {
    const bool square = c[0].y == c[1].y && c[2].y == c[3].y && c[0].x == c[2].x && c[1].x == c[3].x &&
                        c[1].x > c[0].x && c[2].y > c[0].y;
    const bool textureAligned = c[0].u == c[2].u && c[1].u == c[3].u && c[0].v == c[1].v && c[2].v == c[3].v &&
                                c[1].u > c[0].u && c[2].v > c[0].v;
    const bool oneColour = c[0].colour == c[1].colour && c[0].colour == c[2].colour && c[0].colour == c[3].colour;
    return square && textureAligned && oneColour;
}

// Upright quads, nearly everything the game draws, are copied texel for texel:
// the texture coordinates name a whole-texel rectangle (u * (width - 1) is the
// first texel), clipped to the texture with the destination cut to match.
void SdlDevice::drawRectangle(const SdlTexture& texture, const QuadVertices& c) {
    const Size size = texture.size();
    const float left = c[0].u * float(size.width - 1), right = c[1].u * float(size.width - 1);
    const float top = c[0].v * float(size.height - 1), bottom = c[2].v * float(size.height - 1);
    int srcLeft = int(std::lround(left)), srcTop = int(std::lround(top));
    int srcRight = int(std::lround(right)), srcBottom = int(std::lround(bottom));
    if (srcRight <= srcLeft || srcBottom <= srcTop) return;
    const float xScale = (c[1].x - c[0].x) / float(srcRight - srcLeft);
    const float yScale = (c[2].y - c[0].y) / float(srcBottom - srcTop);
    SDL_FRect dst{c[0].x, c[0].y, c[1].x - c[0].x, c[2].y - c[0].y};
    const int cutLeft = std::max(0, -srcLeft), cutTop = std::max(0, -srcTop);
    const int cutRight = std::max(0, srcRight - size.width), cutBottom = std::max(0, srcBottom - size.height);
    srcLeft += cutLeft, srcTop += cutTop, srcRight -= cutRight, srcBottom -= cutBottom;
    if (srcRight <= srcLeft || srcBottom <= srcTop) return;
    dst.x += float(cutLeft) * xScale, dst.w -= float(cutLeft + cutRight) * xScale;
    dst.y += float(cutTop) * yScale, dst.h -= float(cutTop + cutBottom) * yScale;
    const SDL_Rect src{srcLeft, srcTop, srcRight - srcLeft, srcBottom - srcTop};
    const SDL_Color tint = ToSdlColour(c[0].colour, alphaSource_ == AlphaSource::Vertex);
    SDL_SetTextureColorMod(texture.handle(), tint.r, tint.g, tint.b);
    SDL_SetTextureAlphaMod(texture.handle(), tint.a);
    SDL_RenderCopyF(renderer_, texture.handle(), &src, &dst);
}

// Right-angle turns and mirrors go through a turned copy: as a pair of
// triangles the software renderer would copy them without turning them.
void SdlDevice::drawTurnedCopy(const SdlTexture& texture, const TurnedCopy& copy, Colour colour) {
    const SDL_Rect src{copy.source.left, copy.source.top, copy.source.right - copy.source.left,
                       copy.source.bottom - copy.source.top};
    const SDL_FRect dst{copy.x, copy.y, copy.width, copy.height};
    const SDL_Color tint = ToSdlColour(colour, alphaSource_ == AlphaSource::Vertex);
    SDL_SetTextureColorMod(texture.handle(), tint.r, tint.g, tint.b);
    SDL_SetTextureAlphaMod(texture.handle(), tint.a);
    const int flip = (copy.flipX ? SDL_FLIP_HORIZONTAL : 0) | (copy.flipY ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(renderer_, texture.handle(), &src, &dst, copy.degrees, nullptr, SDL_RendererFlip(flip));
}

// Rotated and scaled quads go through triangles. SDL samples at pixel centres
// (x + 0.5); scaling the coordinates by (size - 1) / size lands each pixel on
// the texel that Direct3D 9's whole-number pixel centres would take.
void SdlDevice::drawGeometry(const SdlTexture& texture, const QuadVertices& quad) {
    QuadVertices corners = {quad[0], quad[1], quad[2], quad[3]};
    if (!CutToTexture(corners)) return;
    const Size size = texture.size();
    const float uScale = size.width > 1 ? float(size.width - 1) / float(size.width) : 1.0f;
    const float vScale = size.height > 1 ? float(size.height - 1) / float(size.height) : 1.0f;
    SDL_SetTextureColorMod(texture.handle(), 255, 255, 255);
    SDL_SetTextureAlphaMod(texture.handle(), 255);
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].position = SDL_FPoint{corners[i].x, corners[i].y};
        vertices[i].color = ToSdlColour(corners[i].colour, alphaSource_ == AlphaSource::Vertex);
        vertices[i].tex_coord = SDL_FPoint{corners[i].u * uScale, corners[i].v * vScale};
    }
    static constexpr int kStripAsTriangles[6] = {0, 1, 2, 1, 3, 2};
    SDL_RenderGeometry(renderer_, texture.handle(), vertices, 4, kStripAsTriangles, 6);
}

void SdlDevice::present() {
    SDL_RenderPresent(renderer_);
    paceFrame();
}

void SdlDevice::presentNow() {
    SDL_RenderPresent(renderer_);
    nextFrame_ = steady_clock::now();
}

void SdlDevice::paceFrame() {
    const auto now = steady_clock::now();
    nextFrame_ += frameInterval_;
    // A frame that ran late starts a new schedule instead of being followed by
    // a burst of unpaced ones.
    if (nextFrame_ < now) nextFrame_ = now;
    else std::this_thread::sleep_until(nextFrame_);
}

std::unique_ptr<Texture> SdlDevice::loadTexture(const std::string& path, FileForm form, Size requested,
                                                Colour colourKey) {
    Image image;
    if (!LoadPictureFile(path, form, requested, colourKey, image)) return nullptr;
    return createTexture(image);
}

std::unique_ptr<Texture> SdlDevice::createTexture(const Image& image) {
    if (image.width <= 0 || image.height <= 0) return nullptr;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    if (!texture) return nullptr;
    SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return std::make_unique<SdlTexture>(texture, Size{image.width, image.height}, rendererAlive_);
}

// The whole window as it shows, scaled picture and black around it.
bool SdlDevice::readFrame(Image& out) {
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return false;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    SDL_RenderSetLogicalSize(renderer_, 0, 0);
    SDL_RenderSetViewport(renderer_, nullptr);
    const bool read =
        SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, out.pixels.data(), width * 4) == 0;
    scaleToWindow();
    return read;
}

}  // namespace glyphora::platform
