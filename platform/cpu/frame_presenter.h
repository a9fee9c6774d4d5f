#pragma once
// Where the CPU device's frames go: the window, or a test's record.
#include <cstdint>
#include <span>

#include "platform/platform.h"

namespace glyphora::platform {

class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Shows the rectangles of the frame (rows of size.width x8r8g8b8 words);
    // the rest of the window keeps what it showed.
    virtual void show(const std::uint32_t* frame, Size size, std::span<const Rect> rects) = 0;
    // True when the window lost what it showed since the last call (exposed,
    // its surface made anew): the next present shows the whole frame.
    virtual bool lostContents() = 0;
    // The whole window as it shows now, where it shows more than the frame
    // (scaled, black around); false where the frame itself is what shows.
    virtual bool readWindow(Image& out) {
        (void)out;
        return false;
    }
};

}  // namespace glyphora::platform
