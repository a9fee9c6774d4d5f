#include "platform/cpu/cpu_device.h"

#include <algorithm>
#include <thread>

#include "platform/cpu/frame_diff.h"
#include "platform/cpu/quad_geometry.h"
#include "platform/png/png_image.h"

namespace glyphora::platform {
namespace {

// Room for the busiest frames, so that recording never grows the lists.
constexpr std::size_t kExpectedCommands = 1024;

class CpuTexture final : public Texture {
public:
    explicit CpuTexture(std::shared_ptr<TexturePixels> pixels) : pixels_(std::move(pixels)) {}
    Size size() const override { return pixels_->size(); }
    const std::shared_ptr<TexturePixels>& pixels() const { return pixels_; }

private:
    std::shared_ptr<TexturePixels> pixels_;
};

bool CoversFrame(const DrawCommand& command, Size size) {
    return command.kind == DrawCommand::Kind::Fill && command.bounds == Rect{0, 0, size.width, size.height};
}

}  // namespace

CpuDevice::CpuDevice(Size size, std::unique_ptr<FramePresenter> presenter, std::chrono::microseconds frameInterval)
    : size_(size),
      pixels_(std::size_t(std::max(size.width, 0)) * std::size_t(std::max(size.height, 0)), 0xFF000000u),
      rasteriser_(pixels_.data(), size),
      presenter_(std::move(presenter)),
      frameInterval_(frameInterval),
      nextFrame_(std::chrono::steady_clock::now()) {
    shown_.reserve(kExpectedCommands);
    current_.reserve(kExpectedCommands);
}

// The first call after a present starts the next frame; until then the
// presented frame stays current, so that reading it back reads what was shown.
DrawCommand& CpuDevice::nextCommand() {
    if (frameEnded_) current_.clear(), frameEnded_ = false;
    flushed_ = false;
    return current_.emplace_back();
}

void CpuDevice::clear(Colour colour) { fillRect({0, 0, size_.width, size_.height}, colour); }

void CpuDevice::fillRect(Rect rect, Colour colour) {
    if (!MakeFill(rect, colour, size_, nextCommand())) current_.pop_back();
}

void CpuDevice::drawQuad(const Texture* texture, const QuadVertices& corners) {
    if (!texture) return;
    const auto& pixels = static_cast<const CpuTexture*>(texture)->pixels();
    if (!MakeQuad(pixels, corners, ModulationOf(corners, alphaSource_), filter_, size_, nextCommand()))
        current_.pop_back();
}

void CpuDevice::flush() {
    if (flushed_ && pixelsValid_) return;
    damage_.clear();
    if (pixelsValid_) FindDamage(shown_, current_, damage_);
    else damage_.add({0, 0, size_.width, size_.height});
    drawDamage();
    unshown_.add(damage_);
    building_.pixelsDrawn += damage_.area();
    // Every unmatched command damages its bounds, which are never empty: no
    // damage means the lists are equal already.
    if (!damage_.empty() || shown_.size() != current_.size()) shown_ = current_;
    flushed_ = true;
    pixelsValid_ = true;
}

// Every command drawn again inside the damage, on black unless the frame
// starts by filling all of itself.
void CpuDevice::drawDamage() {
    if (damage_.empty()) return;
    const bool groundDrawn = !current_.empty() && CoversFrame(current_.front(), size_);
    for (const Rect& rect : damage_.rects()) {
        if (!groundDrawn)
            pixman_fill(pixels_.data(), size_.width, 32, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, 0xFF000000u);
    }
    for (const DrawCommand& command : current_)
        for (const Rect& rect : damage_.rects()) rasteriser_.draw(command, rect);
}

void CpuDevice::present() {
    show();
    pace();
}

void CpuDevice::presentNow() {
    show();
    nextFrame_ = std::chrono::steady_clock::now();
}

void CpuDevice::show() {
    flush();
    const bool whole = presenter_ && presenter_->lostContents();
    if (whole) {
        unshown_.clear();
        unshown_.add({0, 0, size_.width, size_.height});
    }
    building_.commands = int(current_.size());
    building_.rects = int(unshown_.rects().size());
    building_.pixelsShown = unshown_.area();
    if (presenter_ && !unshown_.empty()) presenter_->show(pixels_.data(), size_, unshown_.rects());
    lastFrame_ = building_;
    building_ = {};
    unshown_.clear();
    frameEnded_ = true;
}

void CpuDevice::pace() {
    if (frameInterval_.count() <= 0) return;
    const auto now = std::chrono::steady_clock::now();
    nextFrame_ += frameInterval_;
    // A frame that ran late starts a new schedule instead of being followed by
    // a burst of unpaced ones.
    if (nextFrame_ < now) nextFrame_ = now;
    else std::this_thread::sleep_until(nextFrame_);
}

bool CpuDevice::readFrame(Image& out) {
    flush();
    if (presenter_ && presenter_->readWindow(out)) return true;
    out.width = size_.width;
    out.height = size_.height;
    out.pixels.resize(pixels_.size());
    std::transform(pixels_.begin(), pixels_.end(), out.pixels.begin(), [](std::uint32_t p) { return p | 0xFF000000u; });
    return true;
}

std::unique_ptr<Texture> CpuDevice::loadTexture(const std::string& path, FileForm form, Size requested,
                                                Colour colourKey) {
    Image image;
    if (!LoadPictureFile(path, form, requested, colourKey, image)) return nullptr;
    // The decoded picture becomes the texture's storage: nothing is kept twice.
    return std::make_unique<CpuTexture>(std::make_shared<TexturePixels>(std::move(image)));
}

std::unique_ptr<Texture> CpuDevice::createTexture(const Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        return nullptr;
    Image copy = image;
    return std::make_unique<CpuTexture>(std::make_shared<TexturePixels>(std::move(copy)));
}

}  // namespace glyphora::platform
