#pragma once
// Ownership of pixman images: one reference, dropped with the handle.
#include <pixman.h>

#include <memory>

namespace glyphora::platform {

struct PixmanImageRelease {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanImageRelease>;

}  // namespace glyphora::platform
