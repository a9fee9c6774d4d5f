#pragma once
// The 2D device for machines without graphics acceleration: every draw is
// recorded, and a frame is drawn on the processor through pixman only where
// it differs from the frame before (damage tracking); only those rectangles
// are handed to the window.
//
// A frame is the list of calls from the first after a present to the next
// present. On present (or when
// the frame is read back) the list is compared with the one the pixels
// show; the pixels under the changed commands' bounds are drawn again, every
// command cut to them, on a black ground. A frame that changed nothing draws
// and shows nothing, and is still paced. Drawing allocates nothing once the
// lists have grown to the frame's size.
#include <chrono>
#include <memory>
#include <vector>

#include "platform/cpu/damage_region.h"
#include "platform/cpu/draw_command.h"
#include "platform/cpu/frame_presenter.h"
#include "platform/cpu/rasteriser.h"
#include "platform/platform.h"

namespace glyphora::platform {

class CpuDevice final : public Device {
public:
    // What the last present did, for measurements.
    struct FrameStats {
        int commands = 0;      // calls recorded in the frame
        int rects = 0;         // rectangles shown
        long pixelsDrawn = 0;  // pixels drawn again for the frame
        long pixelsShown = 0;  // pixels handed to the window
    };

    // presenter may be null (nothing is shown; readFrame still works).
    // Frames are presented no closer together than frameInterval.
    CpuDevice(Size size, std::unique_ptr<FramePresenter> presenter, std::chrono::microseconds frameInterval);
    CpuDevice(const CpuDevice&) = delete;
    CpuDevice& operator=(const CpuDevice&) = delete;

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

    const FrameStats& lastFrame() const { return lastFrame_; }
    void setFrameInterval(std::chrono::microseconds interval) { frameInterval_ = interval; }

private:
    // Draws what changed since the pixels were last brought up to date.
    void flush();
    void drawDamage();
    void show();
    void pace();
    DrawCommand& nextCommand();

    Size size_;
    std::vector<std::uint32_t> pixels_;
    Rasteriser rasteriser_;
    std::unique_ptr<FramePresenter> presenter_;
    std::vector<DrawCommand> shown_;    // the commands the pixels show
    std::vector<DrawCommand> current_;  // this frame's commands so far
    bool flushed_ = false;              // nothing recorded since the last flush
    bool frameEnded_ = false;           // presented: the next call starts a frame
    bool pixelsValid_ = false;          // false until the first flush draws everything
    DamageRegion damage_;               // the flush's damage
    DamageRegion unshown_;              // drawn but not yet handed to the window
    FrameStats building_;
    FrameStats lastFrame_;
    AlphaSource alphaSource_ = AlphaSource::Texture;
    Filter filter_ = Filter::Point;
    std::chrono::microseconds frameInterval_;
    std::chrono::steady_clock::time_point nextFrame_;
};

}  // namespace glyphora::platform
